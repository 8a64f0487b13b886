// Event handlers bound by name, as the system's script host binds them: each event of an object's
// outgoing interface calls the script's procedure <prefix><event name>, if the script has one.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/com_ptr.h"

namespace chooser_script {

using cz::win32::ComPtr;

class EventBindings {
public:
    // scriptProcedures gives the running script's procedures (its global dispatch).
    explicit EventBindings(std::function<ComPtr<IDispatch>()> scriptProcedures)
        : scriptProcedures_(std::move(scriptProcedures)) {}
    EventBindings(const EventBindings&) = delete;
    EventBindings& operator=(const EventBindings&) = delete;
    ~EventBindings() { disconnectAll(); }

    // Connects a sink to the object's outgoing interface: the default source interface of its class
    // (IProvideClassInfo), else the interface of its only connection point. On failure, says why.
    HRESULT connect(IDispatch* object, const std::wstring& prefix, std::wstring& why);
    // Disconnects every sink connected to that object.
    void disconnect(IDispatch* object);
    void disconnectAll();

private:
    struct Connection {
        ComPtr<IUnknown> identity;
        ComPtr<IConnectionPoint> point;
        DWORD cookie;
    };
    std::function<ComPtr<IDispatch>()> scriptProcedures_;
    std::vector<Connection> connections_;
};

}  // namespace chooser_script
