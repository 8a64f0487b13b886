// The per-thread module state on the real system: the class logic's state linked into this client, with
// a counting client object placed where the library keeps its per-thread references. The real COM tells
// the state when a thread's apartment ends.
// The portable headers come first: they use names that <windows.h> defines as macros.
#include "frame/hook_state.h"
#include "frame/thread_state.h"
#include "platform/win32/module_lifetime.h"
#include "platform/win32/variant_conversion.h"

#include <gtest/gtest.h>

#include "apartment_thread.h"
#include "counting_object.h"

namespace cz::testing {
namespace {

// The client's object as the library stores it: a portable reference over its IDispatch.
Object Held(CountingObject& client) {
    IDispatch* reference = client.take();
    Object object = win32::toObject(reference);
    reference->Release();
    return object;
}

TEST(ThreadStateOnCom, TheLastCoUninitializeReleasesEveryReferenceExactlyOnce) {
    CountingObject client;
    ASSERT_TRUE(RunApartmentThread([&] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE) << "a nested initialisation";
        hookState().PreviewHost = Held(client);
        hookState().PreviewSender = Held(client);
        hookState().ColourDialogTitle = u"kept";
        EXPECT_EQ(client.references(), 2);
        CoUninitialize();
        EXPECT_EQ(client.references(), 2) << "the apartment lives on: the inner CoUninitialize releases nothing";
        EXPECT_TRUE(threadStateHoldsReferences());
    }, ThreadEnd::Uninitialize));
    EXPECT_EQ(client.references(), 0) << "released at the apartment's end";
    EXPECT_EQ(client.releases(), client.addRefs()) << "and never once too often";
    EXPECT_FALSE(win32::module::inUse()) << "the apartment's notice is gone with the references";
}

TEST(ThreadStateOnCom, OleUninitializeEndsTheApartmentToo) {
    CountingObject client;
    ASSERT_TRUE(RunApartmentThread([&] {
        CoUninitialize();  // the thread's own initialisation; OLE's follows
        ASSERT_EQ(OleInitialize(nullptr), S_OK);
        hookState().PreviewHost = Held(client);
        OleUninitialize();
        EXPECT_EQ(client.references(), 0);
        EXPECT_FALSE(threadStateHoldsReferences());
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);  // for the thread's own end
    }));
    EXPECT_EQ(client.references(), 0);
    EXPECT_EQ(client.releases(), client.addRefs());
}

TEST(ThreadStateOnCom, PlainValuesAndReleasedReferencesLeaveNothingThatKeepsTheModule) {
    CountingObject client;
    ASSERT_TRUE(RunApartmentThread([&] {
        hookState().ColourDialogTitle = u"a title";
        hookState().FontCenterDialog = True;
        EXPECT_FALSE(win32::module::inUse()) << "plain values never keep the module loaded";
        hookState().PreviewHost = Held(client);
        EXPECT_TRUE(win32::module::inUse()) << "the apartment-end notice stands while a reference is held";
        hookState().PreviewHost = nullptr;
        EXPECT_EQ(client.references(), 0) << "putting Nothing releases at once";
        EXPECT_FALSE(win32::module::inUse()) << "and takes the notice back";
        endThreadState();
    }));
    EXPECT_EQ(client.releases(), client.addRefs());
}

TEST(ThreadStateOnCom, ANewApartmentOnTheSameThreadIsWatchedAgain) {
    CountingObject first, second;
    ASSERT_TRUE(RunApartmentThread([&] {
        hookState().PreviewSender = Held(first);
        CoUninitialize();
        EXPECT_EQ(first.references(), 0);
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        hookState().PreviewSender = Held(second);
        EXPECT_EQ(second.references(), 1);
    }));
    EXPECT_EQ(second.references(), 0);
    EXPECT_EQ(first.releases(), first.addRefs());
    EXPECT_EQ(second.releases(), second.addRefs());
}

TEST(ThreadStateOnCom, AThreadThatEndsWithoutCoUninitializeAbandonsItsReferenceAndEndsCleanly) {
    CountingObject client;
    // As the DLL's thread detach does it: the state ends, COM is left as the thread left it.
    ASSERT_TRUE(RunApartmentThread([&] {
        hookState().PreviewHost = Held(client);
        endThreadState();
    }, ThreadEnd::Nothing));
    EXPECT_EQ(client.references(), 1) << "not released from the thread's end";
    EXPECT_FALSE(win32::module::inUse()) << "COM let go of the apartment notice with the thread";
    ASSERT_TRUE(RunApartmentThread([&] {
        EXPECT_EQ(hookState().PreviewHost, nullptr) << "a later thread starts from zero";
        endThreadState();
    }));
    EXPECT_EQ(client.references(), 1);
}

}  // namespace
}  // namespace cz::testing
