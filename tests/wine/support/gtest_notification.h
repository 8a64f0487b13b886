// GoogleTest's thread-start Notification without std::mutex: the MinGW compiler here uses the win32
// thread model, whose standard library has no std::mutex or std::condition_variable. GoogleTest's own
// locking on Windows (critical sections) is unaffected; only its test-thread start signal (used by
// GoogleTest's own thread helpers) is replaced. Included ahead of every GoogleTest header, in GoogleTest
// and in the tests alike. Deliberately free of <windows.h>, so that it can precede the portable headers.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);

namespace testing::internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_.store(true, std::memory_order_release); }
    void WaitForNotification() {
        while (!notified_.load(std::memory_order_acquire)) Sleep(1);
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
