// CPU faults in a client process arrive as the exceptions Windows raises for them. Under the 32-bit
// tier the client runs in qemu's user emulation, whose signal contexts carry no trap number; without the
// fix preloaded there (tools/wow/trapno.c) an access violation became an illegal instruction that ended
// the process, so a server's or a script host's own exception handling never ran.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

namespace cz::testing {
namespace {

// What the vectored handler saw of the one exception raised on the faulting thread.
struct Fault {
    DWORD threadId = 0;
    DWORD code = 0;
    ULONG_PTR kind = ~ULONG_PTR{0};
    ULONG_PTR address = 0;
    bool seen = false;
};
Fault* g_fault = nullptr;  // read by the handler while exactly one fault thread runs

LONG CALLBACK recordAndEndThread(EXCEPTION_POINTERS* e) {
    if (!g_fault || GetCurrentThreadId() != g_fault->threadId) return EXCEPTION_CONTINUE_SEARCH;
    const EXCEPTION_RECORD& r = *e->ExceptionRecord;
    g_fault->code = r.ExceptionCode;
    if (r.NumberParameters >= 2) {
        g_fault->kind = r.ExceptionInformation[0];
        g_fault->address = r.ExceptionInformation[1];
    }
    g_fault->seen = true;
    ExitThread(1);  // the faulting code cannot go on; the thread's end tells the test
}

// Runs `body` on a thread of its own and returns what the handler saw of the fault it caused.
Fault faultOn(LPTHREAD_START_ROUTINE body, void* argument) {
    Fault fault;
    g_fault = &fault;
    PVOID handler = AddVectoredExceptionHandler(1, recordAndEndThread);
    HANDLE thread = CreateThread(nullptr, 0, body, argument, CREATE_SUSPENDED, &fault.threadId);
    EXPECT_NE(thread, nullptr);
    if (thread) {
        ResumeThread(thread);
        EXPECT_EQ(WaitForSingleObject(thread, 20000), WAIT_OBJECT_0);
        CloseHandle(thread);
    }
    RemoveVectoredExceptionHandler(handler);
    g_fault = nullptr;
    return fault;
}

DWORD WINAPI readFrom(void* address) {
    return *static_cast<volatile DWORD*>(address);
}

DWORD WINAPI writeTo(void* address) {
    *static_cast<volatile DWORD*>(address) = 0x5A5A5A5A;
    return 0;
}

DWORD WINAPI divideBy(void* divisor) {
    volatile int dividend = 7;
    volatile int by = static_cast<int>(reinterpret_cast<std::intptr_t>(divisor));
    return static_cast<DWORD>(dividend / by);
}

TEST(CpuFaults, AccessViolationsAtAnUnmappedAndAProtectedAddressCarryTheirAddressAndKind) {
    Fault low = faultOn(readFrom, reinterpret_cast<void*>(std::uintptr_t{0x10}));
    ASSERT_TRUE(low.seen) << "the read of address 0x10 raised no exception the process could see";
    EXPECT_EQ(low.code, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION)) << std::hex << "code 0x" << low.code;
    EXPECT_EQ(low.kind, 0u) << "a read";
    EXPECT_EQ(low.address, 0x10u);

    void* reserved = VirtualAlloc(nullptr, 65536, MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_NE(reserved, nullptr);
    Fault noAccess = faultOn(readFrom, static_cast<char*>(reserved) + 8);
    Fault written = faultOn(writeTo, static_cast<char*>(reserved) + 4096);
    VirtualFree(reserved, 0, MEM_RELEASE);
    ASSERT_TRUE(noAccess.seen);
    EXPECT_EQ(noAccess.code, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION)) << std::hex << "code 0x" << noAccess.code;
    EXPECT_EQ(noAccess.address, reinterpret_cast<ULONG_PTR>(reserved) + 8);
    ASSERT_TRUE(written.seen);
    EXPECT_EQ(written.code, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION)) << std::hex << "code 0x" << written.code;
    EXPECT_EQ(written.address, reinterpret_cast<ULONG_PTR>(reserved) + 4096);
}

TEST(CpuFaults, AnIntegerDivisionByZeroIsReportedAsSuch) {
    Fault fault = faultOn(divideBy, nullptr);
    ASSERT_TRUE(fault.seen);
    EXPECT_EQ(fault.code, static_cast<DWORD>(EXCEPTION_INT_DIVIDE_BY_ZERO)) << std::hex << "code 0x" << fault.code;
}

TEST(CpuFaults, ThePlatformsOwnGuardedProbesSurviveAFault) {
    // IsBadReadPtr catches the access violation inside the platform: with the trap number missing it
    // ended the process instead.
    EXPECT_TRUE(IsBadReadPtr(reinterpret_cast<void*>(std::uintptr_t{0x20}), 4));
    DWORD readable = 42;
    EXPECT_FALSE(IsBadReadPtr(&readable, sizeof readable));
}

}  // namespace
}  // namespace cz::testing
