// The classes as a late-bound client sees them: names, types and values that IDispatch gives back, the
// type library's optional parameters and defaults, and arguments passed the way script hosts pass them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string_view>

#include "chooser_classes.h"
#include "com_client.h"

namespace cz::testing {
namespace {

std::string Show(const VARIANT& v) {
    std::ostringstream out;
    switch (V_VT(&v)) {
        case VT_EMPTY: out << "Empty"; break;
        case VT_I2: out << V_I2(&v) << " (VT_I2)"; break;
        case VT_I4: out << V_I4(&v) << " (VT_I4)"; break;
        case VT_BOOL: out << V_BOOL(&v) << " (VT_BOOL)"; break;
        case VT_BSTR: out << '"' << Narrow(V_BSTR(&v) ? V_BSTR(&v) : L"") << "\" (VT_BSTR)"; break;
        case VT_DISPATCH: out << (V_DISPATCH(&v) ? "an object" : "Nothing (VT_DISPATCH)"); break;
        default: out << "a variant of type " << V_VT(&v);
    }
    return out.str();
}

// Same automation type and same value.
::testing::AssertionResult Same(const VARIANT& actual, const VARIANT& expected) {
    bool same = V_VT(&actual) == V_VT(&expected);
    if (same) switch (V_VT(&expected)) {
            case VT_I2: same = V_I2(&actual) == V_I2(&expected); break;
            case VT_I4: same = V_I4(&actual) == V_I4(&expected); break;
            case VT_BOOL: same = V_BOOL(&actual) == V_BOOL(&expected); break;
            case VT_BSTR:  // the same code units, not merely equal in some collation
                same = std::wstring_view(V_BSTR(&actual), SysStringLen(V_BSTR(&actual))) ==
                       std::wstring_view(V_BSTR(&expected), SysStringLen(V_BSTR(&expected)));
                break;
            case VT_DISPATCH: same = V_DISPATCH(&actual) == V_DISPATCH(&expected); break;
            default: same = false;
        }
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << Show(actual) << ", expected " << Show(expected);
}

std::unique_ptr<Late> Create(const std::wstring& progId) {
    ComPtr<IDispatch> object;
    HRESULT hr = CreateByProgId(progId.c_str(), object);
    EXPECT_EQ(hr, S_OK) << Narrow(progId);
    return SUCCEEDED(hr) ? std::make_unique<Late>(object) : nullptr;
}

struct Value {
    const wchar_t* property;
    Var expected;
};

void ExpectProperties(const Late& object, const std::vector<Value>& values) {
    for (const auto& v : values) {
        DispResult r = object.get(v.property);
        EXPECT_EQ(r.hr, S_OK) << Narrow(v.property) << ": " << Narrow(r.description);
        EXPECT_TRUE(Same(*r.value, *v.expected)) << Narrow(v.property);
    }
}

const Var kNothing = Var::Dispatch(nullptr);

// ---- members by name ---------------------------------------------------------------------------------

TEST(Names, TheTwoEmptyClassesKnowNoName) {
    for (const wchar_t* progId : {L"Chooser10.clsZqPickerAdvancedA", L"Chooser10.clsZqPickerGeneralA"}) {
        auto object = Create(progId);
        ASSERT_TRUE(object);
        for (const wchar_t* name : {L"HWndOwner", L"Show", L"Init", L"Flags", L"Anything", L"Value", L""}) {
            DISPID id = 42;
            EXPECT_EQ(object->id(name, &id), DISP_E_UNKNOWNNAME) << Narrow(progId) << " " << Narrow(name);
            EXPECT_EQ(id, DISPID_UNKNOWN);
        }
        // Nor does any dispatch identifier reach a member.
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        Var result;
        EXPECT_EQ(object->object()->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                                           &none, result.get(), nullptr, nullptr),
                  DISP_E_MEMBERNOTFOUND);
    }
}

TEST(Names, AreFoundWhateverTheirCase) {
    auto object = Create(kFileDialog.progId());
    ASSERT_TRUE(object);
    DISPID exact = DISPID_UNKNOWN, lower = DISPID_UNKNOWN, upper = DISPID_UNKNOWN;
    ASSERT_EQ(object->id(L"MaxFileSize", &exact), S_OK);
    ASSERT_EQ(object->id(L"maxfilesize", &lower), S_OK);
    ASSERT_EQ(object->id(L"MAXFILESIZE", &upper), S_OK);
    EXPECT_EQ(lower, exact);
    EXPECT_EQ(upper, exact);
    DISPID unknown = 0;
    EXPECT_EQ(object->id(L"MaxFileSizes", &unknown), DISP_E_UNKNOWNNAME);
}

TEST(Names, ReadOnlyAndWriteOnlyPropertiesRefuseTheOtherDirection) {
    auto file = Create(kFileDialog.progId());
    ASSERT_TRUE(file);
    EXPECT_TRUE(FAILED(file->put(L"SelectedPath", Var::Str(L"C:\\x")).error()));
    EXPECT_TRUE(FAILED(file->put(L"FileCount", Var::I2(3)).error()));
    EXPECT_TRUE(FAILED(file->get(L"PreviewObject").error())) << "PreviewObject has no get";
    ExpectProperties(*file, {{L"SelectedPath", Var::Str(L"")}, {L"FileCount", Var::I2(0)}});
    auto colour = Create(kColourDialog.progId());
    ASSERT_TRUE(colour);
    EXPECT_TRUE(FAILED(colour->put(L"SelectedColour", Var::I4(5)).error()));
    ExpectProperties(*colour, {{L"SelectedColour", Var::I4(-1)}});
}

// ---- creation defaults -------------------------------------------------------------------------------

TEST(CreationDefaults, FolderBrowser) {
    auto o = Create(kBrowseForFolder.progId());
    ASSERT_TRUE(o);
    ExpectProperties(*o, {{L"Flags", Var::I4(69)},
                          {L"HWndOwner", Var::I4(0)},
                          {L"InitialPath", Var::Str(L"")},
                          {L"DialogTitle", Var::Str(L"")},
                          {L"SelectedPath", Var::Str(L"")}});
}

TEST(CreationDefaults, Colour) {
    auto o = Create(kColourDialog.progId());
    ASSERT_TRUE(o);
    ExpectProperties(*o, {{L"Flags", Var::I4(0)},
                          {L"HWndOwner", Var::I4(0)},
                          {L"InitialColour", Var::I4(0)},
                          {L"SelectedColour", Var::I4(-1)}});
}

TEST(CreationDefaults, ColourTitleAndCentring) {
    auto o = Create(kColourDialog.progId());
    ASSERT_TRUE(o);
    DispResult title = o->get(L"DialogTitle");
    SKIP_WHILE_NOT_IMPLEMENTED(title);
    ExpectProperties(*o, {{L"DialogTitle", Var::Str(L"Colour")}, {L"CenterDialog", Var::Bool(true)}});
}

TEST(CreationDefaults, File) {
    auto o = Create(kFileDialog.progId());
    ASSERT_TRUE(o);
    ExpectProperties(*o, {{L"hInst", Var::I4(0)},
                          {L"BuddyObject", kNothing},
                          {L"CenterDialog", Var::Bool(false)},
                          {L"DefaultExt", Var::Str(L"")},
                          {L"ShowPreview", Var::Bool(false)},
                          {L"DefaultFilter", Var::I2(1)},
                          {L"DialogTitle", Var::Str(L"")},
                          {L"FileCount", Var::I2(0)},
                          {L"FileName", Var::Str(L"")},
                          {L"FileTitle", Var::Str(L"")},
                          {L"Filter", Var::Str(L"")},
                          {L"Flags", Var::I4(2621440)},
                          {L"HWndOwner", Var::I4(0)},
                          {L"InitialDir", Var::Str(L"")},
                          {L"MaxFileSize", Var::I2(1024)},
                          {L"SelectedPath", Var::Str(L"")}});
}

TEST(CreationDefaults, Font) {
    auto o = Create(kFontDialog.progId());
    ASSERT_TRUE(o);
    ExpectProperties(*o, {{L"Colour", Var::I4(0)},
                          {L"Flags", Var::I4(0)},
                          {L"Font", kNothing},
                          {L"FontType", Var::I4(0)},
                          {L"HWndOwner", Var::I4(0)},
                          {L"Max", Var::I2(0)},
                          {L"Min", Var::I2(0)},
                          {L"Style", Var::I2(0)}});
}

TEST(CreationDefaults, FontTitleAndCentring) {
    auto o = Create(kFontDialog.progId());
    ASSERT_TRUE(o);
    DispResult centre = o->get(L"CenterDialog");
    SKIP_WHILE_NOT_IMPLEMENTED(centre);
    // A thread on which no font dialog title was set has an empty one.
    ExpectProperties(*o, {{L"DialogTitle", Var::Str(L"")}, {L"CenterDialog", Var::Bool(true)}});
}

TEST(CreationDefaults, Print) {
    auto o = Create(kPrintDialog.progId());
    ASSERT_TRUE(o);
    ExpectProperties(*o, {{L"Copies", Var::I2(1)},
                          {L"Flags", Var::I4(0)},
                          {L"FromPage", Var::I2(0)},
                          {L"HDC", Var::I4(0)},
                          {L"HWndOwner", Var::I4(0)},
                          {L"Max", Var::I2(-1)},
                          {L"Min", Var::I2(1)},
                          {L"PrintRange", Var::I4(0)},
                          {L"ToPage", Var::I2(0)}});
}

// ---- stored properties -------------------------------------------------------------------------------

void ExpectStored(const Late& object, const std::vector<Value>& values) {
    for (const auto& v : values) {
        DispResult r = object.put(v.property, v.expected);
        EXPECT_EQ(r.hr, S_OK) << Narrow(v.property) << ": " << Narrow(r.description);
    }
    ExpectProperties(object, values);
}

TEST(StoredProperties, ComeBackAsTheyWereSetWithTheirTypes) {
    const std::wstring unusual = L" Gr\u00fc\u00dfe \u4e2d\u6587 ";  // no trimming, no code-page conversion
    auto bff = Create(kBrowseForFolder.progId());
    ASSERT_TRUE(bff);
    ExpectStored(*bff, {{L"Flags", Var::I4(64)}, {L"DialogTitle", Var::Str(unusual)}, {L"InitialPath", Var::Str(L"C:\\")}});
    auto colour = Create(kColourDialog.progId());
    ASSERT_TRUE(colour);
    ExpectStored(*colour, {{L"Flags", Var::I4(2)}, {L"InitialColour", Var::I4(0xFF)}});
    auto file = Create(kFileDialog.progId());
    ASSERT_TRUE(file);
    ExpectStored(*file, {{L"hInst", Var::I4(77)},
                         {L"DefaultExt", Var::Str(L"txt")},
                         {L"DefaultFilter", Var::I2(3)},
                         {L"DialogTitle", Var::Str(unusual)},
                         {L"FileName", Var::Str(L"C:\\a.txt")},
                         {L"FileTitle", Var::Str(L"a.txt")},
                         {L"Filter", Var::Str(L"Text (*.txt)|*.txt|All|*.*")},
                         {L"Flags", Var::I4(32768)},
                         {L"InitialDir", Var::Str(L"C:\\windows")},
                         {L"MaxFileSize", Var::I2(10)}});
    auto font = Create(kFontDialog.progId());
    ASSERT_TRUE(font);
    // Min above Max is stored without complaint.
    ExpectStored(*font, {{L"Colour", Var::I4(0xFF)},
                         {L"Flags", Var::I4(32768)},
                         {L"FontType", Var::I4(0x100)},
                         {L"Max", Var::I2(10)},
                         {L"Min", Var::I2(20)},
                         {L"Style", Var::I2(3)}});
    auto print = Create(kPrintDialog.progId());
    ASSERT_TRUE(print);
    ExpectStored(*print, {{L"Copies", Var::I2(3)},
                          {L"Flags", Var::I4(0x100)},
                          {L"FromPage", Var::I2(2)},
                          {L"HDC", Var::I4(1234)},
                          {L"Max", Var::I2(99)},
                          {L"Min", Var::I2(2)},
                          {L"PrintRange", Var::I4(1)},
                          {L"ToPage", Var::I2(5)}});
}

TEST(StoredProperties, AValueTooLargeForA16BitPropertyIsRefusedAndTheOldValueStays) {
    auto file = Create(kFileDialog.progId());
    ASSERT_TRUE(file);
    DispResult r = file->put(L"DefaultFilter", Var::I4(40000));
    EXPECT_TRUE(FAILED(r.error()));
    ExpectProperties(*file, {{L"DefaultFilter", Var::I2(1)}});
}

TEST(StoredProperties, BooleansAreExactlyMinusOneOrZero) {
    auto file = Create(kFileDialog.progId());
    ASSERT_TRUE(file);
    // By value, by reference as a script passes a variable, and as a number that means True.
    ASSERT_EQ(file->put(L"CenterDialog", Var::Bool(true)).hr, S_OK);
    ExpectProperties(*file, {{L"CenterDialog", Var::Bool(true)}});
    ASSERT_EQ(file->put(L"CenterDialog", Var::Bool(false)).hr, S_OK);
    ExpectProperties(*file, {{L"CenterDialog", Var::Bool(false)}});
    Var variable = Var::Bool(true);
    ASSERT_EQ(file->put(L"CenterDialog", Var::ByRef(variable.get())).hr, S_OK);
    ExpectProperties(*file, {{L"CenterDialog", Var::Bool(true)}});
    EXPECT_TRUE(Same(*variable, *Var::Bool(true))) << "the variable is only read";
    ASSERT_EQ(file->put(L"CenterDialog", Var::I2(0)).hr, S_OK);
    ExpectProperties(*file, {{L"CenterDialog", Var::Bool(false)}});
    ASSERT_EQ(file->put(L"CenterDialog", Var::I4(5)).hr, S_OK);
    ExpectProperties(*file, {{L"CenterDialog", Var::Bool(true)}});
}

TEST(StoredProperties, AnObjectPutByReferenceComesBackAsTheSameObject) {
    auto file = Create(kFileDialog.progId());
    ASSERT_TRUE(file);
    ComPtr<IDispatch> buddy;
    ASSERT_EQ(CreateByProgId(L"Chooser10.clsZqPickerGeneralA", buddy), S_OK);
    ASSERT_EQ(file->putRef(L"BuddyObject", Var::Dispatch(buddy.Get())).hr, S_OK);
    ExpectProperties(*file, {{L"BuddyObject", Var::Dispatch(buddy.Get())}});
    ASSERT_EQ(file->putRef(L"BuddyObject", kNothing).hr, S_OK);
    ExpectProperties(*file, {{L"BuddyObject", kNothing}});
    EXPECT_EQ(buddy.Detach()->Release(), 0u) << "the file object kept a reference to its former buddy";
}

// ---- arguments as script hosts pass them ---------------------------------------------------------------

TEST(ByReference, AScriptVariableOfAnotherIntegerTypeReachesATypedByRefParameter) {
    auto file = Create(kFileDialog.progId());
    ASSERT_TRUE(file);
    struct Case {
        Var variable;
        LONG expected;
    };
    for (Case c : {Case{Var::I2(1234), 1234}, Case{Var::I2(-5), -5}, Case{Var::I4(0x12345678), 0x12345678},
                   Case{Var::I4(0), 0}, Case{Var::I4(-2147483647L - 1), -2147483647L - 1}}) {
        SCOPED_TRACE(Show(*c.variable));
        // VT_BYREF | VT_VARIANT: what VBScript passes for FarProc(v).
        DispResult r = file->call(L"FarProc", {Var::ByRef(c.variable.get())});
        ASSERT_EQ(r.hr, S_OK) << Narrow(r.description);
        EXPECT_TRUE(Same(*r.value, *Var::I4(c.expected)));
        // The variable still holds its value (FarProc does not change its argument).
        Var asLong;
        ASSERT_EQ(VariantChangeType(asLong.get(), c.variable.get(), 0, VT_I4), S_OK);
        EXPECT_EQ(V_I4(asLong.get()), c.expected);
    }
}

TEST(ByReference, ValuesAndExactlyTypedReferencesWorkToo) {
    auto file = Create(kFileDialog.progId());
    ASSERT_TRUE(file);
    DispResult byValue = file->call(L"FarProc", {Var::I4(77)});
    ASSERT_EQ(byValue.hr, S_OK);
    EXPECT_TRUE(Same(*byValue.value, *Var::I4(77)));
    DispResult shortValue = file->call(L"FarProc", {Var::I2(-77)});
    ASSERT_EQ(shortValue.hr, S_OK);
    EXPECT_TRUE(Same(*shortValue.value, *Var::I4(-77)));
    LONG native = 99;
    Var typed;
    V_VT(typed.get()) = VT_BYREF | VT_I4;
    V_I4REF(typed.get()) = &native;
    DispResult byTypedRef = file->call(L"FarProc", {typed});
    ASSERT_EQ(byTypedRef.hr, S_OK);
    EXPECT_TRUE(Same(*byTypedRef.value, *Var::I4(99)));
    EXPECT_EQ(native, 99);
}

TEST(ByReference, AVariableThatIsNoNumberIsATypeMismatchAndStaysAsItWas) {
    auto file = Create(kFileDialog.progId());
    ASSERT_TRUE(file);
    Var text = Var::Str(L"abc");
    DispResult r = file->call(L"FarProc", {Var::ByRef(text.get())});
    EXPECT_EQ(r.error(), DISP_E_TYPEMISMATCH);
    EXPECT_TRUE(Same(*text, *Var::Str(L"abc")));
    DispResult none = file->call(L"FarProc", {});
    EXPECT_TRUE(FAILED(none.error())) << "the argument of FarProc is not optional";
}

// ---- optional parameters -------------------------------------------------------------------------------

// One parameter as the type library declares it. `defaultValue` of type VT_EMPTY: no declared default.
struct Param {
    const wchar_t* name;
    bool optional;
    Var defaultValue;
};

const Var kNoDefault;

void ExpectParameters(const std::wstring& progId, const wchar_t* method, const std::vector<Param>& expected) {
    std::ostringstream trace;
    trace << Narrow(progId) << "." << Narrow(method);
    SCOPED_TRACE(trace.str());
    auto object = Create(progId);
    ASSERT_TRUE(object);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(object->object()->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.GetAddressOf()), S_OK);
    DISPID id = DISPID_UNKNOWN;
    ASSERT_EQ(object->id(method, &id), S_OK);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
    const WORD functions = attr->cFuncs;
    info->ReleaseTypeAttr(attr);
    FUNCDESC* func = nullptr;
    for (WORD i = 0; i < functions && !func; ++i) {
        FUNCDESC* f = nullptr;
        ASSERT_EQ(info->GetFuncDesc(i, &f), S_OK);
        if (f->memid == id && f->invkind == INVOKE_FUNC) func = f;
        else info->ReleaseFuncDesc(f);
    }
    ASSERT_NE(func, nullptr) << "no method of that name in the type information";
    std::unique_ptr<FUNCDESC, std::function<void(FUNCDESC*)>> hold(func, [&](FUNCDESC* f) { info->ReleaseFuncDesc(f); });

    ASSERT_EQ(func->cParams, static_cast<SHORT>(expected.size()));
    std::vector<BSTR> names(expected.size() + 1, nullptr);
    UINT got = 0;
    ASSERT_EQ(info->GetNames(id, names.data(), static_cast<UINT>(names.size()), &got), S_OK);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Param& p = expected[i];
        SCOPED_TRACE(Narrow(p.name));
        EXPECT_EQ(std::wstring(names[i + 1] ? names[i + 1] : L""), p.name) << "parameter " << i;
        const PARAMDESC& desc = func->lprgelemdescParam[i].paramdesc;
        EXPECT_EQ((desc.wParamFlags & PARAMFLAG_FOPT) != 0, p.optional);
        const bool hasDefault = (desc.wParamFlags & PARAMFLAG_FHASDEFAULT) != 0;
        EXPECT_EQ(hasDefault, p.defaultValue.vt() != VT_EMPTY);
        if (!hasDefault || p.defaultValue.vt() == VT_EMPTY || !desc.pparamdescex) continue;
        const VARIANT& declared = desc.pparamdescex->varDefaultValue;
        if (p.defaultValue.vt() == VT_BSTR) {
            // An empty string must be declared as a string, not as the number 0 (which reads "0").
            EXPECT_TRUE(Same(declared, *p.defaultValue));
        } else {
            Var converted;
            ASSERT_EQ(VariantChangeType(converted.get(), const_cast<VARIANT*>(&declared), 0, p.defaultValue.vt()), S_OK)
                << Show(declared);
            EXPECT_TRUE(Same(*converted, *p.defaultValue)) << "declared " << Show(declared);
        }
    }
    for (BSTR n : names) SysFreeString(n);
}

TEST(OptionalParameters, TheTypeLibraryDeclaresEachInitDefault) {
    ExpectParameters(kBrowseForFolder.progId(), L"Init",
                     {{L"InitialPath", true, Var::Str(L"")},
                      {L"HWndOwner", true, Var::I4(0)},
                      {L"DialogTitle", true, Var::Str(L"")},
                      {L"Flags", true, Var::I4(1)}});
    ExpectParameters(kColourDialog.progId(), L"Init",
                     {{L"InitialColour", true, Var::I4(-1)},
                      {L"DialogTitle", true, Var::Str(L"")},
                      {L"HWndOwner", true, Var::I4(0)},
                      {L"Flags", true, Var::I4(4)}});
    ExpectParameters(kFileDialog.progId(), L"Init",
                     {{L"Filter", false, kNoDefault},
                      {L"DefaultFilter", true, Var::I2(1)},
                      {L"InitialDir", true, Var::Str(L"")},
                      {L"FileName", true, Var::Str(L"")},
                      {L"DialogTitle", true, Var::Str(L"")},
                      {L"HWndOwner", true, Var::I4(0)},
                      {L"Flags", true, Var::I4(2621440)},
                      {L"bShowPreview", true, Var::Bool(false)},
                      {L"PreviewObject", true, kNoDefault}});
    ExpectParameters(kFontDialog.progId(), L"Init",
                     {{L"Font", true, kNoDefault},
                      {L"DialogTitle", true, Var::Str(L"")},
                      {L"HWndOwner", true, Var::I4(0)},
                      {L"Flags", true, kNoDefault}});
    ExpectParameters(kPrintDialog.progId(), L"Init", {{L"HWndOwner", true, Var::I4(0)}, {L"Flags", true, kNoDefault}});
    ExpectParameters(kFileDialog.progId(), L"GetNextFileName", {{L"Index", true, Var::I2(1)}});
}

// Omitted arguments take the declared defaults when the call is made; these members are still to come.
TEST(OptionalParameters, InitWithEveryOptionalArgumentOmittedSetsTheDefaults) {
    auto bff = Create(kBrowseForFolder.progId());
    ASSERT_TRUE(bff);
    DispResult r = bff->call(L"Init", {});
    SKIP_WHILE_NOT_IMPLEMENTED(r);
    ASSERT_EQ(r.hr, S_OK) << Narrow(r.description);
    ExpectProperties(*bff, {{L"Flags", Var::I4(1)},
                            {L"HWndOwner", Var::I4(0)},
                            {L"InitialPath", Var::Str(L"")},
                            {L"DialogTitle", Var::Str(L"")}});
    // The same with each argument passed as missing, as a script host does.
    ASSERT_EQ(bff->put(L"Flags", Var::I4(69)).hr, S_OK);
    r = bff->call(L"Init", {Var::Missing(), Var::Missing(), Var::Missing(), Var::Missing()});
    ASSERT_EQ(r.hr, S_OK) << Narrow(r.description);
    ExpectProperties(*bff, {{L"Flags", Var::I4(1)}});
}

TEST(OptionalParameters, GetNextFileNameWithItsIndexOmitted) {
    auto file = Create(kFileDialog.progId());
    ASSERT_TRUE(file);
    DispResult r = file->call(L"GetNextFileName", {});
    SKIP_WHILE_NOT_IMPLEMENTED(r);
    ASSERT_EQ(r.hr, S_OK) << Narrow(r.description);
    EXPECT_TRUE(Same(*r.value, *Var::Str(L"")));
}

}  // namespace
}  // namespace cz::testing
