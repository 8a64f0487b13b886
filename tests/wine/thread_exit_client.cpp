// A client whose process ends while the library is in use: run by the thread tests, which read its exit
// code. It ends by returning kReachedTheEnd from main, so any other code means the process crashed on
// its way out (or never got there).
//   thread_exit_client threads-running   threads that hold objects still run when the process exits
//   thread_exit_client objects-alive     the main thread exits with objects alive and COM initialised
#include <windows.h>
#include <ole2.h>

#include <cstring>
#include <vector>

#include "chooser_classes.h"
#include "com_client.h"
#include "counting_object.h"

using namespace cz::testing;

namespace {

constexpr int kReachedTheEnd = 42;

// One object of every class, the colour object's shared title set and, where the library offers it, a
// client object kept for the thread.
std::vector<ComPtr<IDispatch>> UseEveryClass(CountingObject& client) {
    std::vector<ComPtr<IDispatch>> objects;
    for (const auto& c : kAllClasses) {
        objects.emplace_back();
        if (FAILED(CreateByProgId(c.progId().c_str(), objects.back()))) ExitProcess(3);
    }
    Late(objects[2]).put(L"DialogTitle", Var::Str(L"held at exit"));
    Late(objects[0]).putRef(L"BuddyObjectGlobal", Var::Dispatch(&client));
    return objects;
}

CountingObject client;  // outlives every thread: the process ends with it
HANDLE ready[4];

DWORD WINAPI holdObjectsForEver(void* index) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    auto objects = UseEveryClass(client);
    SetEvent(ready[reinterpret_cast<UINT_PTR>(index)]);
    Sleep(INFINITE);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    if (FAILED(OleInitialize(nullptr))) return 2;
    if (std::strcmp(argv[1], "threads-running") == 0) {
        for (UINT_PTR i = 0; i < 4; ++i) {
            ready[i] = CreateEventW(nullptr, TRUE, FALSE, nullptr);
            CloseHandle(CreateThread(nullptr, 0, holdObjectsForEver, reinterpret_cast<void*>(i), 0, nullptr));
        }
        if (WaitForMultipleObjects(4, ready, TRUE, 30000) != WAIT_OBJECT_0) return 4;
        return kReachedTheEnd;
    }
    if (std::strcmp(argv[1], "objects-alive") == 0) {
        auto objects = UseEveryClass(client);
        for (auto& o : objects) o.Detach();  // still alive when the process ends
        return kReachedTheEnd;
    }
    return 2;
}
