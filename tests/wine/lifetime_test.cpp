// Creating and releasing objects, and when the library tells COM that it may be unloaded.
#include <gtest/gtest.h>

#include <vector>

#include "chooser_classes.h"
#include "com_client.h"

namespace cz::testing {
namespace {

using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

// The library as COM loaded it into this process.
HMODULE ChooserModule() { return GetModuleHandleW(L"Chooser10.dll"); }

CanUnloadNow CanUnloadNowOfLoadedLibrary() {
    HMODULE module = ChooserModule();
    return module ? reinterpret_cast<CanUnloadNow>(reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")))
                  : nullptr;
}

TEST(Lifetime, EveryProgIdCreatesAnObjectWithItsInterfacesAndTheLastReleaseFreesIt) {
    for (const auto& c : kAllClasses) {
        SCOPED_TRACE(Narrow(c.name));
        ComPtr<IDispatch> object;
        ASSERT_EQ(CreateByProgId(c.progId().c_str(), object), S_OK);
        ComPtr<IUnknown> unknown, dual;
        EXPECT_EQ(object.As(&unknown), S_OK);
        EXPECT_EQ(object->QueryInterface(*c.iid, reinterpret_cast<void**>(dual.GetAddressOf())), S_OK)
            << "the default interface";
        ComPtr<IUnknown> foreign;
        EXPECT_EQ(object->QueryInterface(IID_IPersist, reinterpret_cast<void**>(foreign.GetAddressOf())),
                  E_NOINTERFACE);
        EXPECT_EQ(foreign, nullptr);
        // The same identity through every interface.
        ComPtr<IUnknown> unknownOfDual;
        ASSERT_NE(dual, nullptr);
        EXPECT_EQ(dual.As(&unknownOfDual), S_OK);
        EXPECT_EQ(unknownOfDual.Get(), unknown.Get());
        UINT typeInfoCount = 0;
        EXPECT_EQ(object->GetTypeInfoCount(&typeInfoCount), S_OK);
        EXPECT_EQ(typeInfoCount, 1u);
        unknown.Reset();
        dual.Reset();
        unknownOfDual.Reset();
        EXPECT_EQ(object.Detach()->Release(), 0u) << "a reference was left behind";
    }
}

TEST(Lifetime, TheLibraryCanUnloadOnlyWhenNoObjectLives) {
    std::vector<ComPtr<IDispatch>> objects;
    for (const auto& c : kAllClasses) {
        objects.emplace_back();
        ASSERT_EQ(CreateByProgId(c.progId().c_str(), objects.back()), S_OK) << Narrow(c.name);
    }
    CanUnloadNow canUnloadNow = CanUnloadNowOfLoadedLibrary();
    ASSERT_NE(canUnloadNow, nullptr) << "Chooser10.dll is not loaded or does not export DllCanUnloadNow";
    while (!objects.empty()) {
        EXPECT_EQ(canUnloadNow(), S_FALSE) << objects.size() << " objects still live";
        objects.pop_back();
    }
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST(Lifetime, AnInterfaceHeldAfterTheFirstReferenceIsGoneKeepsTheLibrary) {
    ComPtr<IDispatch> object;
    ASSERT_EQ(CreateByProgId(L"Chooser10.clsZqPickerPrintDialogA", object), S_OK);
    ComPtr<IUnknown> dual;
    ASSERT_EQ(object->QueryInterface(IID__clsZqPickerPrintDialogA, reinterpret_cast<void**>(dual.GetAddressOf())),
              S_OK);
    object.Reset();
    CanUnloadNow canUnloadNow = CanUnloadNowOfLoadedLibrary();
    ASSERT_NE(canUnloadNow, nullptr);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    dual.Reset();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST(Lifetime, ALockOnTheClassFactoryKeepsTheLibrary) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(CLSID_clsZqPickerColorDialogA, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(factory.GetAddressOf())),
              S_OK);
    CanUnloadNow canUnloadNow = CanUnloadNowOfLoadedLibrary();
    ASSERT_NE(canUnloadNow, nullptr);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory.Reset();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "locked, no factory held";

    ASSERT_EQ(CoGetClassObject(CLSID_clsZqPickerColorDialogA, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(factory.GetAddressOf())),
              S_OK);
    ComPtr<IDispatch> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(object.GetAddressOf())), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    factory.Reset();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "unlocked, an object lives";
    object.Reset();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST(Lifetime, UnlocksWithoutLocksCannotDriveTheLockCountBelowZero) {
    auto factory = [] {
        ComPtr<IClassFactory> f;
        EXPECT_EQ(CoGetClassObject(CLSID_clsZqPickerColorDialogA, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                   reinterpret_cast<void**>(f.GetAddressOf())),
                  S_OK);
        return f;
    };
    ComPtr<IClassFactory> f = factory();
    ASSERT_NE(f, nullptr);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f->LockServer(FALSE), S_OK);
    f.Reset();
    CanUnloadNow canUnloadNow = CanUnloadNowOfLoadedLibrary();
    ASSERT_NE(canUnloadNow, nullptr);
    EXPECT_EQ(canUnloadNow(), S_OK) << "three unbalanced unlocks leave no lock behind";

    f = factory();
    ASSERT_EQ(f->LockServer(TRUE), S_OK);
    f.Reset();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "one lock after them counts in full";
    f = factory();
    ASSERT_EQ(f->LockServer(FALSE), S_OK);
    f.Reset();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST(Lifetime, TheClassFactoryRefusesAggregationAndUnknownInterfacesWithoutLeaking) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(CLSID_clsZqPickerFileOpenSaveA, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(factory.GetAddressOf())),
              S_OK);
    ComPtr<IDispatch> outer;
    ASSERT_EQ(CreateByProgId(L"Chooser10.clsZqPickerGeneralA", outer), S_OK);

    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(outer.Get(), IID_IUnknown, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IPersist, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);

    outer.Reset();
    factory.Reset();
    CanUnloadNow canUnloadNow = CanUnloadNowOfLoadedLibrary();
    ASSERT_NE(canUnloadNow, nullptr);
    EXPECT_EQ(canUnloadNow(), S_OK) << "a refused object was left alive";
}

TEST(Lifetime, DllGetClassObjectKnowsOnlyTheNineClasses) {
    ComPtr<IDispatch> object;  // loads the library
    ASSERT_EQ(CreateByProgId(L"Chooser10.clsZqPickerAdvancedA", object), S_OK);
    auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(ChooserModule(), "DllGetClassObject")));
    ASSERT_NE(getClassObject, nullptr);
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(LIBID_Chooser10, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    for (const auto& c : kAllClasses) {
        ComPtr<IClassFactory> factory;
        EXPECT_EQ(getClassObject(*c.clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.GetAddressOf())), S_OK)
            << Narrow(c.name);
    }
}

}  // namespace
}  // namespace cz::testing
