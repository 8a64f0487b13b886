// A scriptable stand-in for the operating system and the automation layer: windows that exist,
// registered classes, scripted outcomes, a log of every call and a failure to inject per operation.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "frame/failure.h"
#include "platform/platform.h"

namespace cz::sim {

class SimPlatform : public Platform {
public:
    // --- scripting ----------------------------------------------------------------------------------
    void addWindow(std::int32_t hwnd) { windows_.insert(hwnd); }
    void removeWindow(std::int32_t hwnd) { windows_.erase(hwnd); }
    // Makes ProgID create objects through the factory; unregistered ProgIDs fail as the system does.
    void registerClass(String progId, std::function<Object()> factory) { classes_[std::move(progId)] = std::move(factory); }
    void unregisterClass(const String& progId) { classes_.erase(progId); }
    void setLibraryPath(String path) { libraryPath_ = std::move(path); }
    // The next call of the named operation (for example "IsWindow") fails with this failure; `times`
    // calls in a row when given.
    void failNext(const std::string& operation, Failure failure, int times = 1);

    // --- what happened ------------------------------------------------------------------------------
    const std::vector<std::string>& calls() const { return calls_; }
    int count(const std::string& operation) const;
    void clearCalls() { calls_.clear(); }

    // --- Platform -----------------------------------------------------------------------------------
    bool IsWindow(std::int32_t hwnd) override;
    Object CreateObject(std::u16string_view progId) override;
    String LibraryPath() override;
    std::string ToAnsi(std::u16string_view text) override;
    String FromAnsi(std::string_view text) override;

private:
    // Logs the call and throws an injected failure if one is due.
    void enter(const std::string& operation);

    std::set<std::int32_t> windows_;
    std::map<String, std::function<Object()>> classes_;
    String libraryPath_ = u"C:\\Program Files\\Chooser10\\Chooser10.dll";
    std::map<std::string, std::vector<Failure>> pending_;
    std::vector<std::string> calls_;
};

}  // namespace cz::sim
