// IDispatch as a careless or hostile client calls it: malformed DISPPARAMS, null and cyclic references,
// argument counts beyond the declared ones, named arguments in and out of range, numbers no integer can
// hold. Every call gives a clean error code and the object goes on working with its values intact.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chooser_classes.h"
#include "com_client.h"

namespace cz::testing {
namespace {

ComPtr<IDispatch> Make(const std::wstring& progId) {
    ComPtr<IDispatch> object;
    EXPECT_EQ(CreateByProgId(progId.c_str(), object), S_OK);
    return object;
}

DISPID Id(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << Narrow(name);
    return id;
}

// One raw Invoke; argError starts at a value no answer gives.
struct Raw {
    HRESULT hr;
    UINT argError;
    Var result;
    EXCEPINFO exception;
};

Raw Call(IDispatch* object, DISPID id, WORD flags, DISPPARAMS& params) {
    Raw r{E_FAIL, 0xDEAD, Var(), EXCEPINFO{}};
    r.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, r.result.get(), &r.exception, &r.argError);
    SysFreeString(r.exception.bstrSource);
    SysFreeString(r.exception.bstrDescription);
    SysFreeString(r.exception.bstrHelpFile);
    return r;
}

LONG GetLong(IDispatch* object, const wchar_t* name) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    Raw r = Call(object, Id(object, name), DISPATCH_PROPERTYGET, none);
    EXPECT_EQ(r.hr, S_OK) << Narrow(name);
    Var asLong;
    EXPECT_EQ(VariantChangeType(asLong.get(), r.result.get(), 0, VT_I4), S_OK);
    return V_I4(asLong.get());
}

HRESULT Put(IDispatch* object, const wchar_t* name, VARIANT value, UINT* argError = nullptr) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    Raw r = Call(object, Id(object, name), DISPATCH_PROPERTYPUT, params);
    if (argError) *argError = r.argError;
    return r.hr;
}

VARIANT Double(double value) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_R8;
    V_R8(&v) = value;
    return v;
}

// ---- malformed DISPPARAMS ---------------------------------------------------------------------------------

TEST(HostileClient, NullArraysWithCountsAreRefused) {
    auto colour = Make(kColourDialog.progId());
    ASSERT_TRUE(colour);
    const DISPID init = Id(colour.Get(), L"Init");
    DISPPARAMS noValues{nullptr, nullptr, 3, 0};
    EXPECT_EQ(Call(colour.Get(), init, DISPATCH_METHOD, noValues).hr, E_INVALIDARG);
    Var value = Var::I4(5);
    DISPPARAMS noNames{value.get(), nullptr, 1, 1};
    EXPECT_EQ(Call(colour.Get(), init, DISPATCH_METHOD, noNames).hr, E_INVALIDARG);
    DISPID named = 0;
    DISPPARAMS moreNamesThanValues{value.get(), &named, 1, 2};
    EXPECT_EQ(Call(colour.Get(), init, DISPATCH_METHOD, moreNamesThanValues).hr, E_INVALIDARG);
    EXPECT_EQ(colour->Invoke(init, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
              E_INVALIDARG);
    // A put without its value.
    DISPPARAMS empty{nullptr, nullptr, 0, 0};
    EXPECT_EQ(Call(colour.Get(), Id(colour.Get(), L"Flags"), DISPATCH_PROPERTYPUT, empty).hr, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(GetLong(colour.Get(), L"InitialColour"), 0) << "nothing was stored";
}

TEST(HostileClient, GetIDsOfNamesWithNullArraysIsRefused) {
    auto file = Make(kFileDialog.progId());
    ASSERT_TRUE(file);
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"Flags");
    EXPECT_EQ(file->GetIDsOfNames(IID_NULL, nullptr, 1, LOCALE_USER_DEFAULT, &id), E_INVALIDARG);
    EXPECT_EQ(file->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, nullptr), E_INVALIDARG);
    LPOLESTR nullName = nullptr;
    EXPECT_EQ(file->GetIDsOfNames(IID_NULL, &nullName, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
    EXPECT_EQ(file->GetIDsOfNames(IID_NULL, nullptr, 0, LOCALE_USER_DEFAULT, nullptr), S_OK);
}

TEST(HostileClient, ParameterNamesGiveTheirPositions) {
    auto colour = Make(kColourDialog.progId());
    ASSERT_TRUE(colour);
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"init"), const_cast<LPOLESTR>(L"FLAGS"),
                        const_cast<LPOLESTR>(L"InitialColour"), const_cast<LPOLESTR>(L"NoSuchParameter")};
    DISPID ids[4] = {};
    EXPECT_EQ(colour->GetIDsOfNames(IID_NULL, names, 4, LOCALE_USER_DEFAULT, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], Id(colour.Get(), L"Init"));
    EXPECT_EQ(ids[1], 3);
    EXPECT_EQ(ids[2], 0);
    EXPECT_EQ(ids[3], DISPID_UNKNOWN);
}

// ---- references ---------------------------------------------------------------------------------------

TEST(HostileClient, ACyclicChainOfReferencesIsATypeMismatch) {
    auto file = Make(kFileDialog.progId());
    ASSERT_TRUE(file);
    VARIANT a, b;
    V_VT(&a) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&a) = &b;
    V_VT(&b) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&b) = &a;
    DISPPARAMS params{&a, nullptr, 1, 0};
    Raw r = Call(file.Get(), Id(file.Get(), L"FarProc"), DISPATCH_METHOD, params);
    EXPECT_EQ(r.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(r.argError, 0u);
    // A long chain that does end is refused too: a script variable is one level deep.
    VARIANT chain[20];
    for (int i = 0; i < 19; ++i) {
        V_VT(&chain[i]) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&chain[i]) = &chain[i + 1];
    }
    V_VT(&chain[19]) = VT_I4;
    V_I4(&chain[19]) = 5;
    DISPPARAMS longChain{chain, nullptr, 1, 0};
    EXPECT_EQ(Call(file.Get(), Id(file.Get(), L"FarProc"), DISPATCH_METHOD, longChain).hr, DISP_E_TYPEMISMATCH);
    // Two levels are fine.
    DISPPARAMS twoLevels{&chain[17], nullptr, 1, 0};
    Raw ok = Call(file.Get(), Id(file.Get(), L"FarProc"), DISPATCH_METHOD, twoLevels);
    EXPECT_EQ(ok.hr, S_OK);
    EXPECT_EQ(V_VT(ok.result.get()), VT_I4);
    EXPECT_EQ(V_I4(ok.result.get()), 5);
}

TEST(HostileClient, NullReferencesAreATypeMismatchNeverRead) {
    auto colour = Make(kColourDialog.progId());
    ASSERT_TRUE(colour);
    ASSERT_EQ(Put(colour.Get(), L"InitialColour", *Var::I4(9)), S_OK);
    for (VARTYPE vt : {VARTYPE(VT_BYREF | VT_I4), VARTYPE(VT_BYREF | VT_VARIANT), VARTYPE(VT_BYREF | VT_BSTR),
                       VARTYPE(VT_BYREF | VT_R8)}) {
        SCOPED_TRACE(vt);
        VARIANT null;
        V_VT(&null) = vt;
        V_BYREF(&null) = nullptr;
        UINT argError = 0xDEAD;
        // To a by-value parameter (the put) and to a by-reference one (Init's first).
        EXPECT_EQ(Put(colour.Get(), L"InitialColour", null, &argError), DISP_E_TYPEMISMATCH);
        EXPECT_EQ(argError, 0u);
        VARIANT args[2];
        args[0] = null;
        args[1] = *Var::I4(1);
        DISPPARAMS params{args, nullptr, 2, 0};
        Raw r = Call(colour.Get(), Id(colour.Get(), L"Init"), DISPATCH_METHOD, params);
        EXPECT_EQ(r.hr, DISP_E_TYPEMISMATCH);
        EXPECT_EQ(r.argError, 0u) << "the second argument, last in rgvarg";
    }
    EXPECT_EQ(GetLong(colour.Get(), L"InitialColour"), 9);
}

// ---- argument counts ----------------------------------------------------------------------------------

TEST(HostileClient, TooManyArgumentsAreABadParameterCount) {
    auto colour = Make(kColourDialog.progId());
    ASSERT_TRUE(colour);
    ASSERT_EQ(Put(colour.Get(), L"InitialColour", *Var::I4(3)), S_OK);
    // Init , , , , 5: four omitted arguments and a fifth the member does not declare.
    VARIANT args[5];
    args[0] = *Var::I4(5);
    for (int i = 1; i < 5; ++i) args[i] = *Var::Missing();
    DISPPARAMS params{args, nullptr, 5, 0};
    EXPECT_EQ(Call(colour.Get(), Id(colour.Get(), L"Init"), DISPATCH_METHOD, params).hr, DISP_E_BADPARAMCOUNT);
    // A huge count is refused before either array is read.
    DISPPARAMS huge{args, nullptr, 0x7FFFFFFF, 0};
    EXPECT_EQ(Call(colour.Get(), Id(colour.Get(), L"Init"), DISPATCH_METHOD, huge).hr, DISP_E_BADPARAMCOUNT);
    // Flags(1, 2, 3) = 9
    VARIANT put[4] = {*Var::I4(9), *Var::I4(3), *Var::I4(2), *Var::I4(1)};
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS indexed{put, &named, 4, 1};
    EXPECT_EQ(Call(colour.Get(), Id(colour.Get(), L"Flags"), DISPATCH_PROPERTYPUT, indexed).hr, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(GetLong(colour.Get(), L"Flags"), 0) << "the 9 was not stored";
    EXPECT_EQ(GetLong(colour.Get(), L"InitialColour"), 3);
}

TEST(HostileClient, APutTakesItsValueNamedOrAsTheOnlyArgument) {
    auto colour = Make(kColourDialog.progId());
    ASSERT_TRUE(colour);
    const DISPID flags = Id(colour.Get(), L"Flags");
    Var value = Var::I4(2);
    DISPPARAMS positional{value.get(), nullptr, 1, 0};
    EXPECT_EQ(Call(colour.Get(), flags, DISPATCH_PROPERTYPUT, positional).hr, S_OK);
    EXPECT_EQ(GetLong(colour.Get(), L"Flags"), 2);
    // The named value need not come first.
    VARIANT args[2] = {*Var::I4(1), *Var::I4(8)};
    DISPID names[2] = {0, DISPID_PROPERTYPUT};
    DISPPARAMS named{args, names, 2, 2};
    EXPECT_EQ(Call(colour.Get(), flags, DISPATCH_PROPERTYPUT, named).hr, DISP_E_BADPARAMCOUNT)
        << "Flags has no parameter besides its value";
    // With only the value, named.
    VARIANT reversed[2] = {*Var::I4(1), *Var::I4(8)};
    DISPID valueSecond[1] = {DISPID_PROPERTYPUT};
    DISPPARAMS namedOnly{reversed, valueSecond, 1, 1};
    EXPECT_EQ(Call(colour.Get(), flags, DISPATCH_PROPERTYPUT, namedOnly).hr, S_OK);
    EXPECT_EQ(GetLong(colour.Get(), L"Flags"), 1);
    ASSERT_EQ(Put(colour.Get(), L"Flags", *Var::I4(2)), S_OK);
    DISPID twice[2] = {DISPID_PROPERTYPUT, DISPID_PROPERTYPUT};
    DISPPARAMS doubled{args, twice, 2, 2};
    EXPECT_NE(Call(colour.Get(), flags, DISPATCH_PROPERTYPUT, doubled).hr, S_OK);
    EXPECT_EQ(GetLong(colour.Get(), L"Flags"), 2);
}

// ---- named arguments ----------------------------------------------------------------------------------

TEST(HostileClient, NamedArgumentsFillTheirParametersAndTheRestTakeDefaults) {
    auto colour = Make(kColourDialog.progId());
    ASSERT_TRUE(colour);
    ASSERT_EQ(Put(colour.Get(), L"Flags", *Var::I4(2)), S_OK);
    ASSERT_EQ(Put(colour.Get(), L"HWndOwner", *Var::I4(-7)), S_OK);
    const DISPID init = Id(colour.Get(), L"Init");
    // Init(InitialColour:=5)
    Var five = Var::I4(5);
    DISPID first = 0;
    DISPPARAMS one{five.get(), &first, 1, 1};
    Raw r = Call(colour.Get(), init, DISPATCH_METHOD, one);
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(GetLong(colour.Get(), L"InitialColour"), 5);
    EXPECT_EQ(GetLong(colour.Get(), L"Flags"), 4) << "declared default";
    EXPECT_EQ(GetLong(colour.Get(), L"HWndOwner"), 0) << "declared default";
    // Init 6, Flags:=2 : a positional argument and a named one.
    VARIANT mixed[2] = {*Var::I4(2), *Var::I4(6)};
    DISPID flagsName = 3;
    DISPPARAMS both{mixed, &flagsName, 2, 1};
    ASSERT_EQ(Call(colour.Get(), init, DISPATCH_METHOD, both).hr, S_OK);
    EXPECT_EQ(GetLong(colour.Get(), L"InitialColour"), 6);
    EXPECT_EQ(GetLong(colour.Get(), L"Flags"), 2);
}

TEST(HostileClient, NamedArgumentsOutOfRangeOrTwiceAreRefusedWithTheirIndex) {
    auto colour = Make(kColourDialog.progId());
    ASSERT_TRUE(colour);
    ASSERT_EQ(Put(colour.Get(), L"InitialColour", *Var::I4(9)), S_OK);
    const DISPID init = Id(colour.Get(), L"Init");
    for (DISPID bad : {DISPID(4), DISPID(-1), DISPID(1000), DISPID(DISPID_PROPERTYPUT)}) {
        SCOPED_TRACE(bad);
        VARIANT args[2] = {*Var::I4(1), *Var::I4(5)};
        DISPID names[2] = {bad, 0};
        DISPPARAMS params{args, names, 2, 2};
        Raw r = Call(colour.Get(), init, DISPATCH_METHOD, params);
        EXPECT_EQ(r.hr, DISP_E_PARAMNOTFOUND);
        EXPECT_EQ(r.argError, 0u);
    }
    VARIANT args[2] = {*Var::I4(1), *Var::I4(5)};
    DISPID same[2] = {0, 0};
    DISPPARAMS twice{args, same, 2, 2};
    Raw r = Call(colour.Get(), init, DISPATCH_METHOD, twice);
    EXPECT_EQ(r.hr, DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(r.argError, 1u);
    EXPECT_EQ(GetLong(colour.Get(), L"InitialColour"), 9);
}

// ---- conversions --------------------------------------------------------------------------------------

TEST(HostileClient, NaNAndInfinitiesIntoIntegersAreAnOverflow) {
    auto file = Make(kFileDialog.progId());
    ASSERT_TRUE(file);
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const double kInf = std::numeric_limits<double>::infinity();
    for (double value : {kNaN, kInf, -kInf}) {
        SCOPED_TRACE(value);
        UINT argError = 0xDEAD;
        EXPECT_EQ(Put(file.Get(), L"HWndOwner", Double(value), &argError), DISP_E_OVERFLOW) << "Long";
        EXPECT_EQ(argError, 0u);
        EXPECT_EQ(Put(file.Get(), L"Flags", Double(value)), DISP_E_OVERFLOW) << "enumeration";
        EXPECT_EQ(Put(file.Get(), L"MaxFileSize", Double(value)), DISP_E_OVERFLOW) << "16-bit";
        VARIANT single;
        V_VT(&single) = VT_R4;
        V_R4(&single) = static_cast<float>(value);
        EXPECT_EQ(Put(file.Get(), L"DefaultFilter", single), DISP_E_OVERFLOW) << "from a single";
    }
    EXPECT_EQ(GetLong(file.Get(), L"HWndOwner"), 0);
    EXPECT_EQ(GetLong(file.Get(), L"Flags"), 2621440);
    EXPECT_EQ(GetLong(file.Get(), L"MaxFileSize"), 1024);
    EXPECT_EQ(GetLong(file.Get(), L"DefaultFilter"), 1);
    // Finite values still convert, rounding as the automation layer rounds.
    EXPECT_EQ(Put(file.Get(), L"MaxFileSize", Double(2.5)), S_OK);
    EXPECT_EQ(GetLong(file.Get(), L"MaxFileSize"), 2);
    EXPECT_EQ(Put(file.Get(), L"MaxFileSize", Double(40000.0)), DISP_E_OVERFLOW);
}

TEST(HostileClient, ACoercionErrorNamesTheCallersArgument) {
    auto bff = Make(kBrowseForFolder.progId());
    ASSERT_TRUE(bff);
    // Init "C:\", "not a number", "title": HWndOwner (parameter 1) is rgvarg[1].
    Var title = Var::Str(L"title"), owner = Var::Str(L"not a number"), path = Var::Str(L"C:\\");
    VARIANT args[3] = {*title, *owner, *path};  // views: the Vars own the strings
    DISPPARAMS params{args, nullptr, 3, 0};
    Raw r = Call(bff.Get(), Id(bff.Get(), L"Init"), DISPATCH_METHOD, params);
    EXPECT_EQ(r.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(r.argError, 1u);
    // Too large for the 16-bit parameter: an overflow at its index.
    auto file = Make(kFileDialog.progId());
    ASSERT_TRUE(file);
    UINT argError = 0xDEAD;
    EXPECT_EQ(Put(file.Get(), L"DefaultFilter", *Var::I4(70000), &argError), DISP_E_OVERFLOW);
    EXPECT_EQ(argError, 0u);
}

TEST(HostileClient, AVariableOfAnotherTypeKeepsItsTypeWhenTheMemberLeavesItAlone) {
    auto bff = Make(kBrowseForFolder.progId());
    ASSERT_TRUE(bff);
    // Init path, owner, title, flags with every argument a script variable of a type other than declared.
    Var path = Var::Str(L"C:\\"), owner = Var::Str(L"0"), title = Var::I4(12), flags = Var::I2(64);
    VARIANT args[4] = {*Var::ByRef(flags.get()), *Var::ByRef(title.get()), *Var::ByRef(owner.get()),
                       *Var::ByRef(path.get())};
    DISPPARAMS params{args, nullptr, 4, 0};
    Raw r = Call(bff.Get(), Id(bff.Get(), L"Init"), DISPATCH_METHOD, params);
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(GetLong(bff.Get(), L"Flags"), 64);
    EXPECT_EQ(flags.vt(), VT_I2);
    EXPECT_EQ(V_I2(flags.get()), 64);
    EXPECT_EQ(owner.vt(), VT_BSTR);
    EXPECT_EQ(owner.str(), L"0");
    EXPECT_EQ(title.vt(), VT_I4);
    EXPECT_EQ(path.str(), L"C:\\");
}

TEST(HostileClient, AnUnknownMemberOrKindIsMemberNotFound) {
    auto colour = Make(kColourDialog.progId());
    ASSERT_TRUE(colour);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(Call(colour.Get(), 999, DISPATCH_METHOD, none).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(colour.Get(), Id(colour.Get(), L"SelectedColour"), DISPATCH_PROPERTYPUT, none).hr,
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(colour->Invoke(Id(colour.Get(), L"Show"), IID_IDispatch, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                             nullptr, nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
}

}  // namespace
}  // namespace cz::testing
