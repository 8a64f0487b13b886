// Each thread's module state: made on first use, its references released when the thread's apartment
// ends, its memory given back when the thread or the module ends, and a reference never released from
// a thread's or the module's end.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "frame/hook_state.h"
#include "frame/thread_state.h"
#include "platform/sim/sim_threads.h"

namespace cz {
namespace {

// A client object; what holds it is read from the reference count.
class ClientObject final : public LateBound {
public:
    Variant get(std::u16string_view) override { return Empty{}; }
    void put(std::u16string_view, const Variant&) override {}
    Variant call(std::u16string_view, std::vector<Arg>&) override { return Empty{}; }
};

// Runs body on a thread of its own and waits for it.
template <class Body>
void onThread(Body body) {
    std::thread(body).join();
}

TEST(ThreadState, EachThreadStartsFromZeroAndKeepsItsOwnValues) {
    hookState().ColourDialogTitle = u"main";
    onThread([] {
        EXPECT_EQ(hookState().ColourDialogTitle, u"");
        EXPECT_EQ(hookState().ColourCenterDialog, False);
        EXPECT_EQ(hookState().PreviewHost, nullptr);
        hookState().ColourDialogTitle = u"worker";
        EXPECT_EQ(&hookState(), &hookState()) << "found again, not made again";
        endThreadState();
    });
    EXPECT_EQ(hookState().ColourDialogTitle, u"main");
    endThreadState();
}

TEST(ThreadState, AThreadThatEndedGivesAZeroStateToTheNextOne) {
    onThread([] {
        hookState().FontDialogTitle = u"first";
        hookState().FileCenterDialog = True;
        endThreadState();
    });
    onThread([] {
        EXPECT_EQ(hookState().FontDialogTitle, u"");
        EXPECT_EQ(hookState().FileCenterDialog, False);
        endThreadState();
    });
}

TEST(ThreadState, TheApartmentIsWatchedOnlyWhileTheStateHoldsAReference) {
    onThread([] {
        hookState().ColourDialogTitle = u"plain values";
        EXPECT_EQ(sim::apartmentWatches(), 0u) << "plain values never keep the module loaded";
        auto client = std::make_shared<ClientObject>();
        hookState().PreviewHost = client;
        hookState().PreviewSender = client;
        EXPECT_EQ(sim::apartmentWatches(), 1u);
        hookState().PreviewHost = nullptr;
        EXPECT_EQ(sim::apartmentWatches(), 1u) << "PreviewSender still holds it";
        hookState().PreviewSender.reset();
        EXPECT_EQ(sim::apartmentWatches(), 0u);
        EXPECT_EQ(client.use_count(), 1);
        endThreadState();
    });
}

TEST(ThreadState, TheApartmentsEndReleasesEveryReferenceOnceAndKeepsThePlainValues) {
    auto client = std::make_shared<ClientObject>();
    onThread([&] {
        hookState().PreviewSender = client;
        hookState().PreviewHost = client;
        hookState().ColourDialogTitle = u"kept";
        ASSERT_EQ(client.use_count(), 3);
        sim::endApartment();
        EXPECT_EQ(client.use_count(), 1) << "both references released";
        EXPECT_EQ(hookState().PreviewSender, nullptr);
        EXPECT_EQ(hookState().PreviewHost, nullptr);
        EXPECT_EQ(hookState().ColourDialogTitle, u"kept");
        EXPECT_EQ(sim::apartmentWatches(), 0u) << "the notice is revoked once nothing is held";
        sim::endApartment();  // a second apartment on the same thread, with nothing to release
        EXPECT_EQ(client.use_count(), 1);

        hookState().PreviewHost = client;  // a new apartment of the same thread takes references again
        EXPECT_EQ(sim::apartmentWatches(), 1u);
        sim::endApartment();
        EXPECT_EQ(client.use_count(), 1);
        endThreadState();
    });
}

// A reference whose release runs code that uses the state again: it is out of the state by then.
class ReentrantObject final : public LateBound {
public:
    ~ReentrantObject() override {
        sawSender = hookState().PreviewSender != nullptr;
        hookState().FontDialogTitle = u"written while released";
    }
    Variant get(std::u16string_view) override { return Empty{}; }
    void put(std::u16string_view, const Variant&) override {}
    Variant call(std::u16string_view, std::vector<Arg>&) override { return Empty{}; }
    static inline bool sawSender = true;
};

TEST(ThreadState, AReleaseThatUsesTheStateFindsItsReferenceGone) {
    onThread([] {
        hookState().PreviewSender = std::make_shared<ReentrantObject>();
        sim::endApartment();
        EXPECT_FALSE(ReentrantObject::sawSender);
        EXPECT_EQ(hookState().FontDialogTitle, u"written while released");
        EXPECT_EQ(sim::apartmentWatches(), 0u);
        endThreadState();
    });
}

TEST(ThreadState, AThreadsEndAbandonsAReferenceItStillHolds) {
    auto client = std::make_shared<ClientObject>();
    onThread([&] {
        hookState().PreviewHost = client;
        endThreadState();  // no apartment end came first
    });
    EXPECT_EQ(client.use_count(), 2) << "releasing it here would call into another module under the loader lock";
    onThread([] {
        EXPECT_EQ(hookState().PreviewHost, nullptr) << "the abandoned record is not handed on";
        endThreadState();
    });
}

TEST(ThreadState, TheModulesEndForgetsEveryThreadsStateAndAbandonsTheirReferences) {
    auto client = std::make_shared<ClientObject>();
    hookState().ColourDialogTitle = u"before";
    hookState().PreviewSender = client;
    endAllThreadStates();
    EXPECT_EQ(client.use_count(), 2) << "abandoned, not released";
    EXPECT_EQ(hookState().ColourDialogTitle, u"") << "a new module instance starts from zero";
    EXPECT_EQ(hookState().PreviewSender, nullptr);
    EXPECT_FALSE(threadStateHoldsReferences());
    endThreadState();
}

TEST(ThreadState, ManyThreadsAtOnceEachKeepTheirOwnState) {
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([t, &wrong] {
            for (int round = 0; round < 200; ++round) {
                String mine = u"thread " + String(1, static_cast<char16_t>(u'A' + t));
                hookState().ColourDialogTitle = mine;
                std::this_thread::yield();
                if (hookState().ColourDialogTitle != mine) ++wrong;
                if (round % 3 == 0) {
                    hookState().PreviewHost = std::make_shared<ClientObject>();
                    sim::endApartment();
                }
                endThreadState();  // the thread "ends" and its next round is a new thread's first use
                if (hookState().ColourDialogTitle != u"") ++wrong;
            }
            endThreadState();
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace cz
