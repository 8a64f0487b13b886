// main() of the Windows test clients: the test thread is a single-threaded apartment with OLE
// initialised, as in a script host or a forms application (the folder browser needs OLE).
#include <gtest/gtest.h>
#include <ole2.h>

#include <cstdio>

// Also in tests/wine/CMakeLists.txt (SKIP_RETURN_CODE).
constexpr int kSkipped = 77;

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (FAILED(OleInitialize(nullptr))) {
        std::fprintf(stderr, "OleInitialize failed\n");
        return 2;
    }
    int result = RUN_ALL_TESTS();
    OleUninitialize();
    // Nothing failed but something was skipped: the exit status CTest knows as "skipped" (its
    // SKIP_RETURN_CODE), so a skip never hides a failure of another instance in the same run.
    const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
    if (result == 0 && unit.skipped_test_count() > 0) result = kSkipped;
    return result;
}
