// Registration of both servers in the prefix's registry, as regsvr32 leaves it, and its removal.
#include <gtest/gtest.h>

#include <cwctype>

#include "chooser_classes.h"
#include "com_client.h"

namespace cz::testing {
namespace {

const std::wstring kChooserDll = WindowsPath(CHOOSER10_DLL);
const std::wstring kPillarDll = WindowsPath(ZQPILLAR10_DLL);
const wchar_t* const kPillarProgIds[] = {L"ZqPillar10.clsZqfxErrorHandlerA", L"ZqPillar10.clsZqPillar10A"};
// The automation marshaller: what dual and dispatch interfaces are marshalled with.
const wchar_t* const kOleAutomationMarshaller = L"{00020424-0000-0000-C000-000000000046}";

std::wstring lower(std::wstring s) {
    for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
    return s;
}

::testing::AssertionResult SamePath(const std::wstring& actual, const std::wstring& expected) {
    if (lower(actual) == lower(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "registered \"" << std::string(actual.begin(), actual.end())
                                         << "\", expected \"" << std::string(expected.begin(), expected.end()) << "\"";
}

// Everything the registry holds for one class: ProgID, CLSID and the in-process server entry.
void ExpectClassRegistered(const std::wstring& progId, const CLSID& clsid, const std::wstring& dll) {
    SCOPED_TRACE(Narrow(progId));
    const std::wstring clsidKey = L"CLSID\\" + GuidString(clsid);
    std::wstring value;
    ASSERT_TRUE(ReadClassesRoot(progId + L"\\CLSID", nullptr, value)) << "no ProgID key";
    EXPECT_EQ(lower(value), lower(GuidString(clsid)));
    ASSERT_TRUE(ReadClassesRoot(clsidKey + L"\\InprocServer32", nullptr, value)) << "no InprocServer32";
    EXPECT_TRUE(SamePath(value, dll));
    ASSERT_TRUE(ReadClassesRoot(clsidKey + L"\\InprocServer32", L"ThreadingModel", value)) << "no ThreadingModel";
    EXPECT_EQ(value, L"Apartment");
    ASSERT_TRUE(ReadClassesRoot(clsidKey + L"\\ProgID", nullptr, value)) << "no ProgID under the CLSID";
    EXPECT_EQ(value, progId);
    CLSID fromProgId{};
    EXPECT_EQ(CLSIDFromProgID(progId.c_str(), &fromProgId), S_OK);
    EXPECT_TRUE(IsEqualCLSID(fromProgId, clsid));
}

void ExpectClassGone(const std::wstring& progId, const CLSID& clsid) {
    SCOPED_TRACE(Narrow(progId));
    EXPECT_FALSE(ClassesRootKeyExists(progId));
    EXPECT_FALSE(ClassesRootKeyExists(L"CLSID\\" + GuidString(clsid)));
    CLSID fromProgId{};
    EXPECT_NE(CLSIDFromProgID(progId.c_str(), &fromProgId), S_OK);
    ComPtr<IUnknown> object;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(object.GetAddressOf())),
              REGDB_E_CLASSNOTREG);
}

// The type library: registered at the DLL's path, and every default interface marshalled by the
// automation marshaller with the library named.
void ExpectChooserTypeLibraryRegistered() {
    BSTR path = nullptr;
    ASSERT_EQ(QueryPathOfRegTypeLib(LIBID_Chooser10, 1, 0, 0x409, &path), S_OK) << "type library 1.0 not registered";
    std::wstring registered(path, SysStringLen(path));
    SysFreeString(path);
    while (!registered.empty() && registered.back() == L'\0') registered.pop_back();
    // Wine records the path that LoadTypeLibEx(REGKIND_REGISTER) registers in its long form; the same file.
    if (registered.rfind(L"\\\\?\\", 0) == 0) registered.erase(0, 4);
    EXPECT_TRUE(SamePath(registered, kChooserDll));
    ComPtr<ITypeLib> lib;
    ASSERT_EQ(LoadRegTypeLib(LIBID_Chooser10, 1, 0, 0x409, lib.GetAddressOf()), S_OK);
    TLIBATTR* attr = nullptr;
    ASSERT_EQ(lib->GetLibAttr(&attr), S_OK);
    EXPECT_EQ(attr->lcid, 0x409u);
    EXPECT_EQ(attr->wMajorVerNum, 1);
    EXPECT_EQ(attr->wMinorVerNum, 0);
    lib->ReleaseTLibAttr(attr);
    for (const auto& c : kAllClasses) {
        SCOPED_TRACE(Narrow(c.name));
        const std::wstring key = L"Interface\\" + GuidString(*c.iid);
        std::wstring value;
        EXPECT_TRUE(ReadClassesRoot(key + L"\\ProxyStubClsid32", nullptr, value));
        EXPECT_EQ(value, kOleAutomationMarshaller);
        EXPECT_TRUE(ReadClassesRoot(key + L"\\TypeLib", nullptr, value));
        EXPECT_EQ(lower(value), lower(GuidString(LIBID_Chooser10)));
    }
    EXPECT_TRUE(ClassesRootKeyExists(L"Interface\\" + GuidString(DIID___clsZqPickerFileOpenSaveA)))
        << "the event interface";
}

void ExpectChooserRegistered() {
    for (const auto& c : kAllClasses) ExpectClassRegistered(c.progId(), *c.clsid, kChooserDll);
    ExpectChooserTypeLibraryRegistered();
}

// The framework component's type library, found through its own objects.
GUID PillarLibraryId() {
    ComPtr<IDispatch> handler;
    if (FAILED(CreateByProgId(kPillarProgIds[0], handler))) return GUID_NULL;
    ComPtr<ITypeInfo> info;
    ComPtr<ITypeLib> lib;
    UINT index = 0;
    TLIBATTR* attr = nullptr;
    GUID id = GUID_NULL;
    if (SUCCEEDED(handler->GetTypeInfo(0, 0, info.GetAddressOf())) &&
        SUCCEEDED(info->GetContainingTypeLib(lib.GetAddressOf(), &index)) && SUCCEEDED(lib->GetLibAttr(&attr))) {
        id = attr->guid;
        lib->ReleaseTLibAttr(attr);
    }
    return id;
}

CLSID PillarClassId(const wchar_t* progId) {
    CLSID clsid = GUID_NULL;
    CLSIDFromProgID(progId, &clsid);
    return clsid;
}

int Regsvr32(const std::wstring& arguments) { return RunProgram(L"regsvr32.exe " + arguments); }

TEST(Registration, EveryChooserClassIsAnApartmentServerUnderItsProgId) { ExpectChooserRegistered(); }

TEST(Registration, TheFrameworkComponentIsRegisteredWithItsTypeLibrary) {
    for (const wchar_t* progId : kPillarProgIds) {
        CLSID clsid = PillarClassId(progId);
        ASSERT_FALSE(IsEqualCLSID(clsid, GUID_NULL)) << Narrow(progId) << " has no CLSID";
        ExpectClassRegistered(progId, clsid, kPillarDll);
    }
    GUID lib = PillarLibraryId();
    ASSERT_FALSE(IsEqualGUID(lib, GUID_NULL)) << "no type information from the error handler";
    EXPECT_TRUE(ClassesRootKeyExists(L"TypeLib\\" + GuidString(lib)));
}

// Unregisters both servers with regsvr32 /u and registers them again; whatever fails, the servers are
// registered again when the test ends, for the tests that follow.
TEST(Registration, UnregisteringRemovesTheKeysAndRegisteringRestoresThem) {
    struct Reregister {
        ~Reregister() {
            Regsvr32(L"/s \"" + kChooserDll + L"\"");
            Regsvr32(L"/s \"" + kPillarDll + L"\"");
        }
    } guard;
    const CLSID pillarClasses[] = {PillarClassId(kPillarProgIds[0]), PillarClassId(kPillarProgIds[1])};
    const GUID pillarLib = PillarLibraryId();
    ASSERT_FALSE(IsEqualGUID(pillarLib, GUID_NULL));

    ASSERT_EQ(Regsvr32(L"/s /u \"" + kChooserDll + L"\""), 0);
    for (const auto& c : kAllClasses) ExpectClassGone(c.progId(), *c.clsid);
    EXPECT_FALSE(ClassesRootKeyExists(L"TypeLib\\" + GuidString(LIBID_Chooser10)));
    for (const auto& c : kAllClasses)
        EXPECT_FALSE(ClassesRootKeyExists(L"Interface\\" + GuidString(*c.iid))) << Narrow(c.name);
    // The other server is untouched.
    for (int i = 0; i < 2; ++i) ExpectClassRegistered(kPillarProgIds[i], pillarClasses[i], kPillarDll);

    ASSERT_EQ(Regsvr32(L"/s \"" + kChooserDll + L"\""), 0);
    ExpectChooserRegistered();

    ASSERT_EQ(Regsvr32(L"/s /u \"" + kPillarDll + L"\""), 0);
    for (int i = 0; i < 2; ++i) ExpectClassGone(kPillarProgIds[i], pillarClasses[i]);
    EXPECT_FALSE(ClassesRootKeyExists(L"TypeLib\\" + GuidString(pillarLib)));
    ExpectChooserRegistered();

    ASSERT_EQ(Regsvr32(L"/s \"" + kPillarDll + L"\""), 0);
    for (int i = 0; i < 2; ++i) ExpectClassRegistered(kPillarProgIds[i], pillarClasses[i], kPillarDll);
    EXPECT_TRUE(ClassesRootKeyExists(L"TypeLib\\" + GuidString(pillarLib)));
}

TEST(Registration, RegisteringTwiceChangesNothing) {
    ASSERT_EQ(Regsvr32(L"/s \"" + kChooserDll + L"\""), 0);
    ASSERT_EQ(Regsvr32(L"/s \"" + kChooserDll + L"\""), 0);
    ExpectChooserRegistered();
}

}  // namespace
}  // namespace cz::testing
