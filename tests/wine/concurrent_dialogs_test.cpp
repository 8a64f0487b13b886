// Eight client threads at once, each a single-threaded apartment with its own object of every class, each
// showing a real colour, font and file dialog with a caption of its own while the others show theirs. The
// dialogs of one kind are all open at the same time before any is answered; every dialog is found by its
// thread and caption and answered with that thread's own choice, and each thread reads back only its own
// results and its own per-thread state (the colour and font captions its objects share, BuddyObjectGlobal).
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "apartment_thread.h"
#include "chooser_classes.h"
#include "com_client.h"
#include "counting_object.h"
#include "dialog_driver.h"
#include "shown.h"

namespace cz::testing {
namespace {

constexpr int kThreads = 8;
constexpr int kRed = 706, kGreen = 707, kBlue = 708;  // the full-open colour dialog's fields
constexpr int kSizeBox = 0x472;                       // the font dialog's size list
constexpr LONG kColourFullOpen = 2;
constexpr LONG kOpen = 0;
const std::wstring kFolder = L"C:\\Chooser10 concurrent dialogs";

// Lets each kind's dialogs be answered only once all threads show theirs, so all of them are open
// together; it gives up after a while (then the test fails on the count it saw).
class Together {
public:
    // Called by a watcher when its dialog is visible; returns how many were open at once.
    int arriveAndWait() {
        int open = ++arrived_;
        const ULONGLONG end = GetTickCount64() + 60000;
        while (arrived_ < kThreads && GetTickCount64() < end) Sleep(20);
        return std::max(open, arrived_.load());
    }
    // Called for a thread that will show no dialog, so that the others need not wait for it.
    void stayAway() { ++arrived_; }

private:
    std::atomic<int> arrived_{0};
};

// Lets the threads take one step after the other, each once all threads before it have passed. Wine's
// text layout is not made for several threads' dialogs laying out text at the same moment: dialogs
// starting together freed a block twice in ScriptStringAnalyse, and file dialogs answered together left
// their threads blocked outside their message loops. Dialogs open side by side are fine. Gives up after
// a while; a turn passed late or out of order still counts, so one failing thread holds up no other.
class InTurn {
public:
    void waitFor(int turn) {
        const unsigned before = (1u << turn) - 1;
        const ULONGLONG end = GetTickCount64() + 60000;
        while ((passed_ & before) != before && GetTickCount64() < end) Sleep(20);
    }
    void pass(int turn) { passed_ |= 1u << turn; }

private:
    std::atomic<unsigned> passed_{0};
};

// Wine's StdFont keeps one device context for all threads, and a call on it fails quietly while another
// thread uses it: a font made then keeps a resolution of 0 and reads back 429497 points for any size.
// So the threads make their fonts one at a time (and measure them in turn, below).
class OneAtATime {
public:
    class Hold {
    public:
        explicit Hold(OneAtATime& turns) : lock_(turns.lock_) { AcquireSRWLockExclusive(&lock_); }
        ~Hold() { ReleaseSRWLockExclusive(&lock_); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        SRWLOCK& lock_;
    };

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};

// One kind of dialog: the threads open theirs in turn, wait until all are open, then answer in turn.
struct Kind {
    InTurn opening, answering;
    Together open;
};

// What one thread chose and read back.
struct ThreadRun {
    int index = 0;
    std::wstring caption(const wchar_t* kind) const {
        return std::wstring(L"Thread ") + std::to_wstring(index) + L" " + kind;
    }
    LONG colour() const { return RGB(10 + index, 100 + index, 200 - index); }
    std::wstring fontSize() const {
        static const wchar_t* sizes[] = {L"8", L"9", L"10", L"11", L"12", L"14", L"16", L"18"};
        return sizes[index % 8];
    }
    std::wstring fileName() const { return L"thread " + std::to_wstring(index) + L".txt"; }

    bool created = false;
    Shown colourShown, fontShown, fileShown;
    int colourTogether = 0, fontTogether = 0, fileTogether = 0;
    LONG selectedColour = -1;
    double fontPoints = -1, referencePoints = -2;
    std::wstring fileChosen;
    std::wstring colourTitleSeen, fontTitleSeen;
    IDispatch* buddySeen = nullptr;
    CountingObject buddy;
};

double Points(const DispResult& r) {
    return r.hr == S_OK && r.value.vt() == VT_CY ? static_cast<double>(r.value->cyVal.int64) / 10000 : -1;
}

// What a StdFont of the face reads back for a size: the size a realised font has on this screen.
double RealisedPoints(const std::wstring& face, const std::wstring& size) {
    ComPtr<IDispatch> font;
    if (FAILED(CreateByProgId(L"StdFont", font))) return -3;
    Late(font).put(L"Name", Var::Str(face));
    Late(font).put(L"Size", Var::I4(std::stol(size)));
    return Points(Late(font).get(L"Size"));
}

WatchOptions Watch(const std::wstring& caption) {
    WatchOptions o;  // the showing thread's dialogs, with this caption
    o.caption = caption;
    o.timeoutMs = 90000;
    return o;
}

void RunThread(ThreadRun& run, Kind& colours, Kind& fonts, Kind& files, OneAtATime& fontMaking) {
    const auto giveUp = [&] {  // the other threads need not wait for this one
        for (Kind* k : {&colours, &fonts, &files}) {
            k->opening.pass(run.index);
            k->open.stayAway();
            k->answering.pass(run.index);
        }
    };
    std::vector<ComPtr<IDispatch>> objects;
    for (const auto& c : kAllClasses) {
        objects.emplace_back();
        if (FAILED(CreateByProgId(c.progId().c_str(), objects.back()))) return giveUp();
    }
    // Second objects of the colour and font classes: the captions are kept per thread, so what the first
    // object sets, the second shows.
    ComPtr<IDispatch> colourShower, fontShower, font;
    if (FAILED(CreateByProgId(kColourDialog.progId().c_str(), colourShower)) ||
        FAILED(CreateByProgId(kFontDialog.progId().c_str(), fontShower)))
        return giveUp();
    {
        OneAtATime::Hold hold(fontMaking);
        if (FAILED(CreateByProgId(L"StdFont", font))) return giveUp();
    }
    run.created = true;
    Late root(objects[0]), colour(objects[2]), file(objects[3]), fontSetter(objects[5]);
    root.putRef(L"BuddyObjectGlobal", Var::Dispatch(&run.buddy));
    colour.put(L"DialogTitle", Var::Str(run.caption(L"colour")));
    fontSetter.put(L"DialogTitle", Var::Str(run.caption(L"font")));

    Late shower(colourShower);
    shower.put(L"Flags", Var::I4(kColourFullOpen));
    colours.opening.waitFor(run.index);
    run.colourShown.report = WithDialog([&] { run.colourShown.result = shower.call(L"Show"); },
                                        [&](const Dialog& d) {
                                            colours.opening.pass(run.index);
                                            run.colourTogether = colours.open.arriveAndWait();
                                            colours.answering.waitFor(run.index);
                                            d.setText(kRed, std::to_wstring(GetRValue(run.colour())));
                                            d.setText(kGreen, std::to_wstring(GetGValue(run.colour())));
                                            d.setText(kBlue, std::to_wstring(GetBValue(run.colour())));
                                            d.ok();
                                        },
                                        Watch(run.caption(L"colour")));
    colours.opening.pass(run.index);  // also when no dialog came
    colours.answering.pass(run.index);
    DispResult selected = shower.get(L"SelectedColour");
    if (selected.value.vt() == VT_I4) run.selectedColour = V_I4(&*selected.value);

    Late fontDialog(fontShower);
    Late(font).put(L"Name", Var::Str(L"DejaVu Sans"));
    Late(font).put(L"Size", Var::I4(20));
    fontDialog.put(L"Font", Var::Dispatch(font.Get()));  // not Init: that would set the thread's caption
    fonts.opening.waitFor(run.index);
    run.fontShown.report = WithDialog([&] { run.fontShown.result = fontDialog.call(L"Show"); },
                                      [&](const Dialog& d) {
                                          fonts.opening.pass(run.index);
                                          run.fontTogether = fonts.open.arriveAndWait();
                                          fonts.answering.waitFor(run.index);
                                          // Select the thread's size in the list, as a click does.
                                          const LRESULT at = d.sendTo(kSizeBox, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                                      reinterpret_cast<LPARAM>(run.fontSize().c_str()));
                                          d.sendTo(kSizeBox, CB_SETCURSEL, static_cast<WPARAM>(at));
                                          d.send(WM_COMMAND, MAKEWPARAM(kSizeBox, CBN_SELCHANGE),
                                                 reinterpret_cast<LPARAM>(d.control(kSizeBox)));
                                          d.ok();
                                      },
                                      Watch(run.caption(L"font")));
    fonts.opening.pass(run.index);  // also when no dialog came
    // Read before the next thread's answer: the font measures itself on the device context it shares
    // with the other threads' fonts, which the next answer's font uses too.
    run.fontPoints = Points(Late(font).get(L"Size"));
    fonts.answering.pass(run.index);

    const std::wstring folder = kFolder + L"\\" + std::to_wstring(run.index);
    file.call(L"Init", {Var::Str(L"Text|*.txt"), Var::I2(1), Var::Str(folder), Var::Str(L""), Var::Str(run.caption(L"file"))});
    files.opening.waitFor(run.index);
    run.fileShown.report = WithDialog([&] { run.fileShown.result = file.call(L"Show", {Var::I4(kOpen)}); },
                                      [&](const Dialog& d) {
                                          files.opening.pass(run.index);
                                          run.fileTogether = files.open.arriveAndWait();
                                          files.answering.waitFor(run.index);
                                          d.setText(cmb13, run.fileName());
                                          d.ok();
                                      },
                                      Watch(run.caption(L"file")));
    files.opening.pass(run.index);  // also when no dialog came
    files.answering.pass(run.index);
    run.fileChosen = file.get(L"FileName").value.str();

    // After all of that, on this thread: the captions its objects share and its own buddy.
    run.colourTitleSeen = shower.get(L"DialogTitle").value.str();
    run.fontTitleSeen = fontDialog.get(L"DialogTitle").value.str();
    DispResult buddy = Late(objects[0]).get(L"BuddyObjectGlobal");
    if (buddy.value.vt() == VT_DISPATCH) run.buddySeen = V_DISPATCH(&*buddy.value);
    root.putRef(L"BuddyObjectGlobal", Var::Dispatch(nullptr));
}

// The folders and files the threads open, removed afterwards.
struct ThreadFiles {
    bool made = true;
    ThreadFiles() {
        CreateDirectoryW(kFolder.c_str(), nullptr);
        for (int i = 0; i < kThreads; ++i) {
            ThreadRun names;
            names.index = i;
            const std::wstring folder = kFolder + L"\\" + std::to_wstring(i);
            CreateDirectoryW(folder.c_str(), nullptr);
            HANDLE f = CreateFileW((folder + L"\\" + names.fileName()).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            if (f == INVALID_HANDLE_VALUE) made = false;
            else CloseHandle(f);
        }
    }
    ~ThreadFiles() {
        for (int i = 0; i < kThreads; ++i) {
            ThreadRun names;
            names.index = i;
            const std::wstring folder = kFolder + L"\\" + std::to_wstring(i);
            DeleteFileW((folder + L"\\" + names.fileName()).c_str());
            RemoveDirectoryW(folder.c_str());
        }
        RemoveDirectoryW(kFolder.c_str());
    }
};

::testing::AssertionResult AnsweredCleanly(const Shown& s, const std::wstring& caption) {
    if (!s.report.clean())
        return ::testing::AssertionFailure() << "the dialog was not answered cleanly (timed out " << s.report.timedOut
                                             << ", closed by the watcher " << s.report.closedByWatcher << ", others "
                                             << s.report.unexpected.size() << ")";
    if (s.report.seen() != 1 || s.report.dialogs[0].caption != caption)
        return ::testing::AssertionFailure() << "no dialog captioned " << Narrow(caption);
    return ShowReturned(s.result, VARIANT_TRUE);
}

TEST(ConcurrentDialogs, EightThreadsShowColourFontAndFileDialogsAtOnceEachWithItsOwnStateAndAnswers) {
    ThreadFiles files;
    ASSERT_TRUE(files.made);
    std::vector<std::unique_ptr<ThreadRun>> runs;
    Kind colours, fonts, fileDialogs;
    OneAtATime fontMaking;
    for (int i = 0; i < kThreads; ++i) {
        runs.push_back(std::make_unique<ThreadRun>());
        runs.back()->index = i;
        // Measured before any thread starts, for the same reason the threads make their fonts in turn.
        runs.back()->referencePoints = RealisedPoints(L"DejaVu Sans", runs.back()->fontSize());
    }
    std::vector<std::unique_ptr<ApartmentThread>> threads;
    const ULONGLONG start = GetTickCount64();
    for (auto& owned : runs) {
        ThreadRun* run = owned.get();
        threads.push_back(std::make_unique<ApartmentThread>([=, &colours, &fonts, &fileDialogs, &fontMaking] {
            RunThread(*run, colours, fonts, fileDialogs, fontMaking);
        }));
    }
    for (auto& t : threads) EXPECT_TRUE(t->Join(240000)) << "a thread did not end";
    std::printf("%d threads, 3 dialogs each, in %.1f s\n", kThreads, (GetTickCount64() - start) / 1000.0);
    for (const auto& run : runs) {
        SCOPED_TRACE("thread " + std::to_string(run->index));
        if (!run->created) {
            ADD_FAILURE() << "the thread could not create its objects";
            continue;
        }
        EXPECT_TRUE(AnsweredCleanly(run->colourShown, run->caption(L"colour")));
        EXPECT_TRUE(AnsweredCleanly(run->fontShown, run->caption(L"font")));
        EXPECT_TRUE(AnsweredCleanly(run->fileShown, run->caption(L"file")));
        EXPECT_EQ(run->colourTogether, kThreads) << "colour dialogs open at once";
        EXPECT_EQ(run->fontTogether, kThreads) << "font dialogs open at once";
        EXPECT_EQ(run->fileTogether, kThreads) << "file dialogs open at once";
        EXPECT_EQ(run->selectedColour, run->colour());
        EXPECT_EQ(run->fontPoints, run->referencePoints) << "the size chosen, " << Narrow(run->fontSize()) << " points";
        EXPECT_EQ(run->fileChosen, kFolder + L"\\" + std::to_wstring(run->index) + L"\\" + run->fileName());
        EXPECT_EQ(run->colourTitleSeen, run->caption(L"colour"));
        EXPECT_EQ(run->fontTitleSeen, run->caption(L"font"));
        EXPECT_EQ(run->buddySeen, static_cast<IDispatch*>(&run->buddy));
        EXPECT_EQ(run->buddy.references(), 0) << "released by its thread's own put of Nothing";
    }
}

}  // namespace
}  // namespace cz::testing
