// The simulated file dialogs that the file class's tests stand on: which window the hook gets, what the
// dialog logs, and a result that does not fit its buffer failing as the system's dialog does.
#include <gtest/gtest.h>

#include "fakes.h"

namespace cz {
namespace {

// The window each hook call received, and that window's parent at the time.
std::vector<std::pair<WindowHandle, WindowHandle>> g_hooked;
sim::SimPlatform* g_sim = nullptr;

std::uintptr_t CZ_CALLBACK RecordingHook(std::intptr_t hwnd, std::uint32_t message, std::uintptr_t, std::intptr_t) {
    if (message == msg::InitDialog) {
        auto window = static_cast<WindowHandle>(hwnd);
        g_hooked.emplace_back(window, g_sim->GetParent(window));
    }
    return 0;
}

class SimFileDialog : public ::testing::Test {
protected:
    void SetUp() override {
        g_hooked.clear();
        g_sim = &sim;
    }
    OpenFileNameRecord record(std::uint32_t flags) {
        OpenFileNameRecord rec;
        rec.Flags = flags;
        rec.lpfnHook = &RecordingHook;
        rec.lpstrFile = String(10, u' ');
        rec.nMaxFile = 11;
        return rec;
    }
    sim::SimPlatform sim;
};

TEST_F(SimFileDialog, TheHookGetsTheDialogOrItsExplorerChildAndOnlyWhenEnabled) {
    OpenFileNameRecord oldStyle = record(kFileEnableHook);
    OpenFileNameRecord explorer = record(kFileEnableHook | kFileExplorer);
    OpenFileNameRecord unhooked = record(kFileExplorer);
    EXPECT_FALSE(sim.GetOpenFileNameA(oldStyle));
    EXPECT_FALSE(sim.GetSaveFileNameA(explorer));
    EXPECT_FALSE(sim.GetOpenFileNameA(unhooked));

    ASSERT_EQ(sim.fileDialogs.size(), 3u);
    ASSERT_EQ(g_hooked.size(), 2u);
    EXPECT_EQ(g_hooked[0].first, sim.fileDialogs[0].dialog);
    EXPECT_EQ(g_hooked[0].second, 0);
    EXPECT_EQ(g_hooked[1].first, sim.fileDialogs[1].hooked);
    EXPECT_NE(g_hooked[1].first, sim.fileDialogs[1].dialog);
    EXPECT_EQ(g_hooked[1].second, sim.fileDialogs[1].dialog);
    EXPECT_FALSE(sim.fileDialogs[0].save);
    EXPECT_TRUE(sim.fileDialogs[1].save);
    EXPECT_EQ(sim.count("GetOpenFileNameA"), 2);
    EXPECT_EQ(sim.count("GetSaveFileNameA"), 1);
    EXPECT_FALSE(sim.IsWindow(sim.fileDialogs[1].dialog)) << "the dialog is gone once it returned";
    EXPECT_FALSE(sim.IsWindow(sim.fileDialogs[1].hooked));
}

TEST_F(SimFileDialog, AResultIsWrittenOverTheBufferStartOnlyWhenItFits) {
    String buffer(10, u' ');
    EXPECT_TRUE(sim::SimPlatform::writeResult(buffer, 10, u"C:\\a.txt"));
    EXPECT_EQ(buffer, String(u"C:\\a.txt\0 ", 10));
    String full(10, u' ');
    EXPECT_FALSE(sim::SimPlatform::writeResult(full, 10, u"C:\\ab.txt\\")) << "no room for the NUL";
    EXPECT_EQ(full, String(10, u' '));
    String small(4, u' ');
    EXPECT_FALSE(sim::SimPlatform::writeResult(small, 100, u"C:\\a")) << "capacity beyond the buffer";
}

}  // namespace
}  // namespace cz
