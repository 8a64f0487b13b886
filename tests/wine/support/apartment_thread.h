// Test threads that are COM apartments of their own and end the way a client's threads do.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <functional>

namespace cz::testing {

// How the thread leaves COM before it ends.
enum class ThreadEnd {
    Uninitialize,         // CoUninitialize
    FreeUnusedLibraries,  // CoFreeUnusedLibrariesEx, COM left initialised
    Nothing,              // ends with COM initialised
};

// Starts body on a new thread that is a single-threaded apartment, ending it as asked; the caller waits
// with Join. A thread that does not end in time is left running (Join says false).
class ApartmentThread {
public:
    ApartmentThread(std::function<void()> body, ThreadEnd end = ThreadEnd::Uninitialize)
        : body_(std::move(body)), end_(end) {
        thread_ = CreateThread(nullptr, 0, &ApartmentThread::run, this, 0, nullptr);
    }
    ~ApartmentThread() {
        Join();
        if (thread_) CloseHandle(thread_);
    }
    ApartmentThread(const ApartmentThread&) = delete;
    ApartmentThread& operator=(const ApartmentThread&) = delete;

    bool started() const { return thread_ != nullptr; }
    bool Join(DWORD timeoutMs = 30000) {
        if (!thread_ || joined_) return joined_;
        joined_ = WaitForSingleObject(thread_, timeoutMs) == WAIT_OBJECT_0;
        return joined_;
    }

private:
    static DWORD WINAPI run(void* self) {
        auto& t = *static_cast<ApartmentThread*>(self);
        if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
        t.body_();
        if (t.end_ == ThreadEnd::Uninitialize) CoUninitialize();
        if (t.end_ == ThreadEnd::FreeUnusedLibraries) CoFreeUnusedLibrariesEx(0, 0);
        return 0;
    }

    std::function<void()> body_;
    ThreadEnd end_;
    HANDLE thread_ = nullptr;
    bool joined_ = false;
};

// Runs body on an apartment thread and waits for its end; false if it did not end in time.
inline bool RunApartmentThread(std::function<void()> body, ThreadEnd end = ThreadEnd::Uninitialize,
                               DWORD timeoutMs = 30000) {
    ApartmentThread thread(std::move(body), end);
    return thread.started() && thread.Join(timeoutMs);
}

}  // namespace cz::testing
