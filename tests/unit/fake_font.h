// A stand-in for the system's standard font object: its properties with their own types, the
// conversions its puts make (a put that cannot be converted fails), the weight that Bold implies, and a
// log of every get and put with the value exactly as it was passed.
#pragma once

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "automation/failure.h"
#include "platform/sim/sim_platform.h"

namespace cz::test {

// The type a value was passed as, for the log.
inline std::string TypeOf(const Variant& v) {
    static const char* const names[] = {"empty", "missing", "byte",     "int16",  "int32",
                                        "bool",  "currency", "double", "string", "object"};
    return names[v.index()];
}

class FakeFont : public LateBound {
public:
    struct Access {
        std::string kind;  // "get" or "put"
        String name;
        Variant value;     // a put's value as passed
    };

    String Name = u"MS Sans Serif";
    Currency Size{82500};
    Bool Bold = False, Italic = False, Underline = False, Strikethrough = False;
    std::int16_t Weight = 400;

    std::set<String> failGets, failPuts;
    std::vector<Access> log;

    // "put Bold int32" ..., in order; gets too when asked.
    std::vector<std::string> puts() const {
        std::vector<std::string> out;
        for (const auto& a : log)
            if (a.kind == "put") out.push_back("put " + std::string(a.name.begin(), a.name.end()) + " " + TypeOf(a.value));
        return out;
    }
    std::vector<String> gets() const {
        std::vector<String> out;
        for (const auto& a : log)
            if (a.kind == "get") out.push_back(a.name);
        return out;
    }

    // When set, every get and put also enters this platform's operation log as "Font.get <name>" or
    // "Font.put <name>", where the platform's failure injection reaches it.
    sim::SimPlatform* platformLog = nullptr;

    Variant get(std::u16string_view name) override {
        if (platformLog) platformLog->objectCall("Font.get " + std::string(name.begin(), name.end()));
        log.push_back({"get", String(name), Empty{}});
        if (failGets.count(String(name))) throw Failure(ErrorInfo{runtime_error::Overflow, u"StdFont", u"get failed"});
        if (name == u"Name") return Name;
        if (name == u"Size") return Size;
        if (name == u"Bold") return Boolean{Bold};
        if (name == u"Italic") return Boolean{Italic};
        if (name == u"Underline") return Boolean{Underline};
        if (name == u"Strikethrough") return Boolean{Strikethrough};
        if (name == u"Weight") return Weight;
        throw Failure(runtime_error::NoSuchMember, u"no such property");
    }

    void put(std::u16string_view name, const Variant& value) override {
        if (platformLog) platformLog->objectCall("Font.put " + std::string(name.begin(), name.end()));
        log.push_back({"put", String(name), value});
        if (failPuts.count(String(name))) throw Failure(ErrorInfo{runtime_error::Overflow, u"StdFont", u"put failed"});
        if (name == u"Name") {
            Name = std::get<String>(value);
        } else if (name == u"Size") {
            Size = Currency{static_cast<std::int64_t>(std::llround(number(value) * 10000))};
        } else if (name == u"Bold") {
            Bold = number(value) != 0 ? True : False;
            Weight = Bold ? 700 : 400;
        } else if (name == u"Italic") {
            Italic = number(value) != 0 ? True : False;
        } else if (name == u"Underline") {
            Underline = number(value) != 0 ? True : False;
        } else if (name == u"Strikethrough") {
            Strikethrough = number(value) != 0 ? True : False;
        } else if (name == u"Weight") {
            Weight = static_cast<std::int16_t>(number(value));
        } else {
            throw Failure(runtime_error::NoSuchMember, u"no such property");
        }
    }

    Variant call(std::u16string_view, std::vector<Arg>&) override {
        throw Failure(runtime_error::NoSuchMember, u"no such method");
    }

private:
    static double number(const Variant& v) {
        if (auto* p = std::get_if<std::uint8_t>(&v)) return *p;
        if (auto* p = std::get_if<std::int16_t>(&v)) return *p;
        if (auto* p = std::get_if<std::int32_t>(&v)) return *p;
        if (auto* p = std::get_if<double>(&v)) return *p;
        if (auto* p = std::get_if<Boolean>(&v)) return p->value;
        throw Failure(runtime_error::TypeMismatch, u"Type mismatch");
    }
};

}  // namespace cz::test
