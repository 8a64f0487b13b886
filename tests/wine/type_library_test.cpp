// The registered type library as early-bound clients compile against it: the classes and their
// interfaces, the order of the members in each vtable, the event interface, and the enumerations with
// the error numbers the classes raise.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <vector>

#include "chooser_classes.h"
#include "com_client.h"

namespace cz::testing {
namespace {

ComPtr<ITypeLib> Library() {
    ComPtr<ITypeLib> lib;
    EXPECT_EQ(LoadRegTypeLib(LIBID_Chooser10, 1, 0, 0x409, lib.GetAddressOf()), S_OK);
    return lib;
}

std::wstring NameOf(ITypeInfo* info, MEMBERID id) {
    BSTR name = nullptr;
    std::wstring out;
    if (SUCCEEDED(info->GetDocumentation(id, &name, nullptr, nullptr, nullptr)) && name) out = name;
    SysFreeString(name);
    return out;
}

// A member as "Name" (get or method), "Name=" (put) or "Name:=" (put by reference).
std::wstring Signature(ITypeInfo* info, const FUNCDESC& f) {
    std::wstring name = NameOf(info, f.memid);
    if (f.invkind == INVOKE_PROPERTYPUT) name += L"=";
    if (f.invkind == INVOKE_PROPERTYPUTREF) name += L":=";
    return name;
}

// The vtable part of a dual interface.
ComPtr<ITypeInfo> VtableInterface(ITypeLib* lib, REFIID iid) {
    ComPtr<ITypeInfo> info, vtable;
    if (FAILED(lib->GetTypeInfoOfGuid(iid, info.GetAddressOf()))) return nullptr;
    HREFTYPE ref = 0;
    if (FAILED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) ||
        FAILED(info->GetRefTypeInfo(ref, vtable.GetAddressOf())))
        return nullptr;
    return vtable;
}

TEST(TypeLibrary, DeclaresNineCreatableClassesEachWithAHiddenDualDefaultInterface) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    int coclasses = 0;
    for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
        TYPEKIND kind;
        if (SUCCEEDED(lib->GetTypeInfoType(i, &kind)) && kind == TKIND_COCLASS) ++coclasses;
    }
    EXPECT_EQ(coclasses, 9);
    for (const auto& c : kAllClasses) {
        SCOPED_TRACE(Narrow(c.name));
        ComPtr<ITypeInfo> coclass;
        ASSERT_EQ(lib->GetTypeInfoOfGuid(*c.clsid, coclass.GetAddressOf()), S_OK);
        EXPECT_EQ(NameOf(coclass.Get(), MEMBERID_NIL), c.name);
        TYPEATTR* attr = nullptr;
        ASSERT_EQ(coclass->GetTypeAttr(&attr), S_OK);
        EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCANCREATE);
        EXPECT_FALSE(attr->wTypeFlags & TYPEFLAG_FAPPOBJECT) << "no class is a global object";
        const WORD implemented = attr->cImplTypes;
        coclass->ReleaseTypeAttr(attr);
        // The default interface (not the event source).
        bool found = false;
        for (UINT k = 0; k < implemented; ++k) {
            INT flags = 0;
            ASSERT_EQ(coclass->GetImplTypeFlags(k, &flags), S_OK);
            if ((flags & IMPLTYPEFLAG_FDEFAULT) && !(flags & IMPLTYPEFLAG_FSOURCE)) {
                HREFTYPE ref = 0;
                ComPtr<ITypeInfo> iface;
                ASSERT_EQ(coclass->GetRefTypeOfImplType(k, &ref), S_OK);
                ASSERT_EQ(coclass->GetRefTypeInfo(ref, iface.GetAddressOf()), S_OK);
                TYPEATTR* ia = nullptr;
                ASSERT_EQ(iface->GetTypeAttr(&ia), S_OK);
                EXPECT_TRUE(IsEqualIID(ia->guid, *c.iid));
                EXPECT_EQ(NameOf(iface.Get(), MEMBERID_NIL), std::wstring(L"_") + c.name);
                const WORD dispatchFlags =
                    TYPEFLAG_FDUAL | TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
                EXPECT_EQ(ia->wTypeFlags & dispatchFlags, dispatchFlags) << "flags " << ia->wTypeFlags;
                iface->ReleaseTypeAttr(ia);
                // The vtable side: automation-compatible, so the automation marshaller can carry it.
                ComPtr<ITypeInfo> vtable = VtableInterface(lib.Get(), *c.iid);
                ASSERT_TRUE(vtable);
                ASSERT_EQ(vtable->GetTypeAttr(&ia), S_OK);
                const WORD vtableFlags = TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION;
                EXPECT_EQ(ia->wTypeFlags & vtableFlags, vtableFlags) << "flags " << ia->wTypeFlags;
                vtable->ReleaseTypeAttr(ia);
                found = true;
            }
        }
        EXPECT_TRUE(found) << "no default interface";
    }
}

// Each interface's members in vtable order, after the seven functions of IDispatch.
const std::map<std::wstring, std::vector<std::wstring>> kVtableOrder = {
    {L"clsZqChooser10A",
     {L"GetProStdProperties", L"GetProResStrings", L"GetProResPicture", L"GetProResData", L"About",
      L"BuddyObjectGlobal", L"BuddyObjectGlobal:="}},
    {L"clsZqPickerBFFA",
     {L"Init", L"Browse", L"Flags=", L"Flags", L"DialogTitle=", L"DialogTitle", L"InitialPath=", L"InitialPath",
      L"SelectedPath", L"HWndOwner=", L"HWndOwner"}},
    {L"clsZqPickerColorDialogA",
     {L"Init", L"HWndOwner=", L"HWndOwner", L"Flags=", L"Flags", L"InitialColour=", L"InitialColour",
      L"SelectedColour", L"DialogTitle", L"DialogTitle=", L"CenterDialog=", L"CenterDialog", L"Show"}},
    {L"clsZqPickerFileOpenSaveA",
     {L"hInst", L"hInst=", L"BuddyObject", L"BuddyObject:=", L"Init", L"CenterDialog=", L"CenterDialog",
      L"DefaultExt", L"DefaultExt=", L"ShowPreview", L"ShowPreview=", L"DefaultFilter", L"DefaultFilter=",
      L"DialogTitle", L"DialogTitle=", L"FileCount", L"FileName", L"FileName=", L"FileTitle", L"FileTitle=",
      L"Filter", L"Filter=", L"Flags", L"Flags=", L"HWndOwner", L"HWndOwner=", L"InitialDir", L"InitialDir=",
      L"MaxFileSize", L"MaxFileSize=", L"SelectedPath", L"GetNextFileName", L"Show", L"FarProc",
      L"PreviewObject="}},
    {L"clsZqPickerFilePpsA", {L"DisplayFileProperties", L"ShowProperties", L"ShowAbout"}},
    {L"clsZqPickerFontDialogA",
     {L"Init", L"CenterDialog=", L"CenterDialog", L"Colour=", L"Colour", L"DialogTitle", L"DialogTitle=", L"Flags=",
      L"Flags", L"Font=", L"Font", L"FontType=", L"FontType", L"HWndOwner=", L"HWndOwner", L"Max=", L"Max", L"Min=",
      L"Min", L"Style=", L"Style", L"Show"}},
    {L"clsZqPickerPrintDialogA",
     {L"Init", L"Copies=", L"Copies", L"Flags=", L"Flags", L"FromPage=", L"FromPage", L"HDC=", L"HDC", L"HWndOwner=",
      L"HWndOwner", L"Max=", L"Max", L"Min=", L"Min", L"PrintRange=", L"PrintRange", L"ToPage=", L"ToPage", L"Show"}},
    {L"clsZqPickerAdvancedA", {}},
    {L"clsZqPickerGeneralA", {}},
};

TEST(TypeLibrary, EachInterfaceHasItsMembersInVtableOrder) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    for (const auto& c : kAllClasses) {
        SCOPED_TRACE(Narrow(c.name));
        ComPtr<ITypeInfo> vtable = VtableInterface(lib.Get(), *c.iid);
        ASSERT_TRUE(vtable) << "no vtable interface";
        TYPEATTR* attr = nullptr;
        ASSERT_EQ(vtable->GetTypeAttr(&attr), S_OK);
        const WORD count = attr->cFuncs;
        EXPECT_EQ(attr->typekind, TKIND_INTERFACE);
        vtable->ReleaseTypeAttr(attr);
        std::vector<std::pair<SHORT, std::wstring>> members;
        for (WORD i = 0; i < count; ++i) {
            FUNCDESC* f = nullptr;
            ASSERT_EQ(vtable->GetFuncDesc(i, &f), S_OK);
            members.emplace_back(f->oVft, Signature(vtable.Get(), *f));
            vtable->ReleaseFuncDesc(f);
        }
        const auto& expected = kVtableOrder.at(c.name);
        ASSERT_EQ(members.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(members[i].second, expected[i]) << "member " << i;
            EXPECT_EQ(members[i].first, static_cast<SHORT>((7 + i) * sizeof(void*))) << Narrow(expected[i]);
        }
    }
}

TEST(TypeLibrary, TheFileClassRaisesPreviewItemChangedThroughItsSourceInterface) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(CLSID_clsZqPickerFileOpenSaveA, coclass.GetAddressOf()), S_OK);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(coclass->GetTypeAttr(&attr), S_OK);
    const WORD implemented = attr->cImplTypes;
    coclass->ReleaseTypeAttr(attr);
    ComPtr<ITypeInfo> source;
    for (UINT k = 0; k < implemented; ++k) {
        INT flags = 0;
        coclass->GetImplTypeFlags(k, &flags);
        if ((flags & IMPLTYPEFLAG_FSOURCE) && (flags & IMPLTYPEFLAG_FDEFAULT)) {
            HREFTYPE ref = 0;
            ASSERT_EQ(coclass->GetRefTypeOfImplType(k, &ref), S_OK);
            ASSERT_EQ(coclass->GetRefTypeInfo(ref, source.GetAddressOf()), S_OK);
        }
    }
    ASSERT_TRUE(source) << "no default source interface";
    ASSERT_EQ(source->GetTypeAttr(&attr), S_OK);
    EXPECT_TRUE(IsEqualIID(attr->guid, DIID___clsZqPickerFileOpenSaveA));
    EXPECT_EQ(attr->typekind, TKIND_DISPATCH);
    EXPECT_FALSE(attr->wTypeFlags & TYPEFLAG_FDUAL) << "a pure dispatch interface";
    source->ReleaseTypeAttr(attr);
    EXPECT_EQ(NameOf(source.Get(), MEMBERID_NIL), L"__clsZqPickerFileOpenSaveA");

    MEMBERID id = MEMBERID_NIL;
    LPOLESTR name = const_cast<LPOLESTR>(L"PreviewItemChanged");
    ASSERT_EQ(source->GetIDsOfNames(&name, 1, &id), S_OK);
    ASSERT_EQ(source->GetTypeAttr(&attr), S_OK);
    const WORD functions = attr->cFuncs;
    source->ReleaseTypeAttr(attr);
    int events = 0;
    for (WORD i = 0; i < functions; ++i) {
        FUNCDESC* f = nullptr;
        ASSERT_EQ(source->GetFuncDesc(i, &f), S_OK);
        if (f->memid == id) {
            ++events;
            EXPECT_EQ(f->invkind, INVOKE_FUNC);
            EXPECT_EQ(f->elemdescFunc.tdesc.vt, VT_VOID) << "no result";
            ASSERT_EQ(f->cParams, 2);
            for (int p = 0; p < 2; ++p) {
                const TYPEDESC& t = f->lprgelemdescParam[p].tdesc;
                EXPECT_EQ(t.vt, VT_PTR) << "by reference";
                if (t.vt == VT_PTR) {
                    EXPECT_EQ(t.lptdesc->vt, VT_BSTR);
                }
            }
            BSTR names[3] = {};
            UINT got = 0;
            ASSERT_EQ(source->GetNames(id, names, 3, &got), S_OK);
            ASSERT_EQ(got, 3u);
            EXPECT_EQ(std::wstring(names[1]), L"sFileName");
            EXPECT_EQ(std::wstring(names[2]), L"sFileTitle");
            for (BSTR n : names) SysFreeString(n);
        }
        source->ReleaseFuncDesc(f);
    }
    EXPECT_EQ(events, 1);
}

// The members of one enumeration of the type library, by name.
std::map<std::wstring, LONG> Enumeration(ITypeLib* lib, const wchar_t* name) {
    std::map<std::wstring, LONG> members;
    for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
        TYPEKIND kind;
        if (FAILED(lib->GetTypeInfoType(i, &kind)) || kind != TKIND_ENUM) continue;
        ComPtr<ITypeInfo> info;
        if (FAILED(lib->GetTypeInfo(i, info.GetAddressOf())) || NameOf(info.Get(), MEMBERID_NIL) != name) continue;
        TYPEATTR* attr = nullptr;
        if (FAILED(info->GetTypeAttr(&attr))) break;
        for (WORD v = 0; v < attr->cVars; ++v) {
            VARDESC* var = nullptr;
            if (FAILED(info->GetVarDesc(v, &var))) continue;
            Var value;
            if (var->varkind == VAR_CONST &&
                SUCCEEDED(VariantChangeType(value.get(), var->lpvarValue, 0, VT_I4)))
                members[NameOf(info.Get(), var->memid)] = V_I4(value.get());
            info->ReleaseVarDesc(var);
        }
        info->ReleaseTypeAttr(attr);
    }
    return members;
}

TEST(TypeLibrary, TheErrorEnumerationsCarryTheNumbersRaisedToClients) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    using Members = std::map<std::wstring, LONG>;
    EXPECT_EQ(Enumeration(lib.Get(), L"EErrBrowseForFolder"),
              (Members{{L"eErrBrowseForFolder_CantGetPath", -2147204443},
                       {L"eErrBrowseForFolder_InvalidWindowHandle", -2147204442},
                       {L"eErrBrowseForFolder_ComponentFailure", -2147204441}}));
    EXPECT_EQ(Enumeration(lib.Get(), L"EErrColourDialog"),
              (Members{{L"eErrColourDialog_InvalidWindowHandle", -2147204383},
                       {L"eErrColourDialog_ComponentFailure", -2147204382}}));
    EXPECT_EQ(Enumeration(lib.Get(), L"EErrFileOpenSaveDialog"),
              (Members{{L"eErrFileOpenSaveDialog_InvalidWindowHandle", -2147204043},
                       {L"eErrFileOpenSaveDialog_ComponentFailure", -2147204042}}));
    EXPECT_EQ(Enumeration(lib.Get(), L"EErrFontDialog"),
              (Members{{L"eErrFontDialog_InvalidWindowHandle", -2147203983},
                       {L"eErrFontDialog_ComponentFailure", -2147203982}}));
    EXPECT_EQ(Enumeration(lib.Get(), L"EErrPrintDialog"),
              (Members{{L"eErrPrintDialog_InvalidWindowHandle", -2147203563},
                       {L"eErrPrintDialog_ComponentFailure", -2147203562}}));
    // What the dialog classes raise is what the library declares.
    for (const auto& [enumeration, member, d] :
         {std::tuple{L"EErrBrowseForFolder", L"eErrBrowseForFolder_InvalidWindowHandle", kBrowseForFolder},
          std::tuple{L"EErrColourDialog", L"eErrColourDialog_InvalidWindowHandle", kColourDialog},
          std::tuple{L"EErrFileOpenSaveDialog", L"eErrFileOpenSaveDialog_InvalidWindowHandle", kFileDialog},
          std::tuple{L"EErrFontDialog", L"eErrFontDialog_InvalidWindowHandle", kFontDialog},
          std::tuple{L"EErrPrintDialog", L"eErrPrintDialog_InvalidWindowHandle", kPrintDialog}})
        EXPECT_EQ(Enumeration(lib.Get(), enumeration)[member], d.invalidWindowHandle) << Narrow(member);
}

TEST(TypeLibrary, TheOptionEnumerationsHaveTheirMembers) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    const std::pair<const wchar_t*, std::size_t> sizes[] = {
        {L"EBrowseForFolderFlags", 10}, {L"EColourFlags", 3}, {L"EDialogType", 2},   {L"EFileOpenSaveFlags", 22},
        {L"EFontFlags", 27},            {L"EFontType", 6},    {L"EPrintFlags", 24}, {L"EPrintRange", 3}};
    for (const auto& [name, size] : sizes) EXPECT_EQ(Enumeration(lib.Get(), name).size(), size) << Narrow(name);

    // Values a client is likely to get wrong, and the pairs that share a value.
    auto bff = Enumeration(lib.Get(), L"EBrowseForFolderFlags");
    EXPECT_EQ(bff[L"eBrowseForFolderFlag_UseNewUI"], 64) << "the new-style bit alone, not 80";
    EXPECT_EQ(bff[L"eBrowseForFolderFlag_IncludeFiles"], 16384);
    auto colour = Enumeration(lib.Get(), L"EColourFlags");
    EXPECT_EQ(colour[L"eColourFlag_PreventFullOpen"], 4);
    auto file = Enumeration(lib.Get(), L"EFileOpenSaveFlags");
    EXPECT_EQ(file[L"eFileOpenSaveFlag_Explorer"], 0x80000);
    EXPECT_EQ(file[L"eFileOpenSaveFlag_LongNames"], 0x200000);
    EXPECT_EQ(file[L"eFileOpenSaveFlag_EnableHook"], 0x20);
    auto font = Enumeration(lib.Get(), L"EFontFlags");
    EXPECT_EQ(font[L"eFontFlag_NoVectorFonts"], 2048);
    EXPECT_EQ(font[L"eFontFlag_NoOemFonts"], 2048);
    EXPECT_EQ(font[L"eFontFlag_Bots"], 3);
    EXPECT_EQ(font[L"eFontFlag_NoVertFonts"], 16777216);
    auto fontType = Enumeration(lib.Get(), L"EFontType");
    EXPECT_EQ(fontType[L"eFontType_Simulated"], 32768);
    auto print = Enumeration(lib.Get(), L"EPrintFlags");
    EXPECT_EQ(print[L"ePrintFlag_UseDevModeCopies"], 262144);
    EXPECT_EQ(print[L"ePrintFlag_UseDevModeCopiesAndCollate"], 262144);
    EXPECT_EQ(print[L"ePrintFlag_AllPages"], 0);
    auto range = Enumeration(lib.Get(), L"EPrintRange");
    EXPECT_EQ(range[L"ePrintRange_PageNumbers"], 1);
    EXPECT_EQ(range[L"ePrintRange_Selection"], 2);
    auto type = Enumeration(lib.Get(), L"EDialogType");
    EXPECT_EQ(type[L"eDialogType_SaveFile"], 1);
}

}  // namespace
}  // namespace cz::testing
