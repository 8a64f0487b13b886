// Test doubles for the automation objects the library talks to.
#pragma once

#include <memory>
#include <vector>

#include "automation/failure.h"
#include "platform/sim/sim_platform.h"

namespace cz::test {

// Records every late-bound call with its arguments; optionally fails them.
class RecordingObject : public LateBound {
public:
    struct Call {
        String name;
        std::vector<Arg> args;
    };

    Variant get(std::u16string_view name) override {
        calls.push_back({String(name), {}});
        if (auto it = properties.find(String(name)); it != properties.end()) return it->second;
        throw Failure(runtime_error::NoSuchMember, u"no such property");
    }
    void put(std::u16string_view name, const Variant& value) override {
        calls.push_back({String(name), {{value}}});
        properties[String(name)] = value;
    }
    Variant call(std::u16string_view name, std::vector<Arg>& args) override {
        if (platformLog) platformLog->objectCall(label + "." + std::string(name.begin(), name.end()));
        calls.push_back({String(name), args});
        if (failCalls) throw Failure(*failCalls);
        return Empty{};
    }

    std::vector<Call> calls;
    std::map<String, Variant> properties;
    std::optional<ErrorInfo> failCalls;
    // When set, every call also enters this platform's operation log as "<label>.<method>", where the
    // platform's failure injection reaches it.
    sim::SimPlatform* platformLog = nullptr;
    std::string label;
};

// A simulated platform with the framework's error handler registered; every report it receives lands
// in `reports` (one recording object per report, as the library creates one per report).
struct Fixture {
    Fixture() {
        sim.registerClass(u"ZqPillar10.clsZqfxErrorHandlerA", [this] {
            auto handler = std::make_shared<RecordingObject>();
            handler->platformLog = &sim;
            handler->label = "ErrorHandler";
            reports.push_back(handler);
            return handler;
        });
    }

    // The calls the framework received, one per report.
    std::vector<RecordingObject::Call> reportCalls() const {
        std::vector<RecordingObject::Call> out;
        for (const auto& r : reports)
            for (const auto& c : r->calls) out.push_back(c);
        return out;
    }

    sim::SimPlatform sim;
    std::vector<std::shared_ptr<RecordingObject>> reports;
};

inline Failure someFailure(std::int32_t number = runtime_error::Overflow) {
    return Failure(ErrorInfo{number, u"Chooser10", u"Overflow"});
}

}  // namespace cz::test
