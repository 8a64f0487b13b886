// A client whose process ends while the library is in use: run by the thread tests, which read its exit
// code. It ends with kReachedTheEnd (returned from main, or given to ExitProcess), so any other code
// means the process crashed on its way out (or never got there).
//   thread_exit_client threads-running   threads that hold objects still run when the process exits
//   thread_exit_client objects-alive     the main thread exits with objects alive and COM initialised
//   thread_exit_client exit-process      the same, but ExitProcess from inside main, nothing released
// In every case every per-thread reference of the library is live (thread_references.h), and while it
// is, the library must say it cannot unload (exit code 5 otherwise).
#include <windows.h>
#include <ole2.h>

#include <cstring>
#include <vector>

#include "chooser_classes.h"
#include "com_client.h"
#include "counting_object.h"
#include "thread_references.h"

using namespace cz::testing;

namespace {

constexpr int kReachedTheEnd = 42;

// One object of every class with every per-thread reference live.
std::vector<ComPtr<IDispatch>> UseEveryClass(CountingObject& client) {
    std::vector<ComPtr<IDispatch>> objects;
    if (!HoldEveryThreadReference(objects, &client, &client)) ExitProcess(3);
    return objects;
}

// The library's own answer while it is in use.
void ExpectItCannotUnload() {
    using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
    auto canUnloadNow = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"Chooser10.dll"), "DllCanUnloadNow")));
    if (!canUnloadNow || canUnloadNow() != S_FALSE) ExitProcess(5);
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
        ExpectItCannotUnload();
        return kReachedTheEnd;
    }
    if (std::strcmp(argv[1], "objects-alive") == 0) {
        auto objects = UseEveryClass(client);
        for (auto& o : objects) o.Detach();  // still alive when the process ends
        ExpectItCannotUnload();
        return kReachedTheEnd;
    }
    if (std::strcmp(argv[1], "exit-process") == 0) {
        auto objects = UseEveryClass(client);
        ExpectItCannotUnload();
        ExitProcess(kReachedTheEnd);
    }
    return 2;
}
