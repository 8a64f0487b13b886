// Benchmark client: our objects beside the system's own automation objects in one process, each
// measurement taken in interleaved rounds (ours, then the reference, round after round) so that drift of
// the machine hits both alike; a round's figure is the fastest of five batches. Prints one line per round
// and measurement for scripts/bench to reduce:
//   <measurement> <round> <our ns per call> <reference ns per call>
// Usage: dispatch_bench.exe [rounds]
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <olectl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

// The identifiers of the generated header, defined here (the other headers are in already).
#include <initguid.h>
#include "chooser10.h"

namespace {

struct Held {  // releases what it holds
    IUnknown* p = nullptr;
    ~Held() { if (p) p->Release(); }
};

double Now() {
    static const double frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return double(f.QuadPart); }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / frequency;
}

// Nanoseconds per call of body, over n calls.
double PerCall(int n, const std::function<void()>& body) {
    const double start = Now();
    for (int i = 0; i < n; ++i) body();
    return (Now() - start) * 1e9 / n;
}

// The fastest of five batches of n / 5 calls. The allocator under Wine switches between a fast and a slow
// mode for whole batches at random, for our objects and the references alike (string gets read about
// 80 ns or about 290 ns per call, batch by batch); the fastest batch compares the calls themselves.
double FastestPerCall(int n, const std::function<void()>& body) {
    double best = PerCall(n / 5, body);
    for (int batch = 1; batch < 5; ++batch) best = std::min(best, PerCall(n / 5, body));
    return best;
}

[[noreturn]] void Fail(const char* what, HRESULT hr) {
    std::fprintf(stderr, "dispatch_bench: %s failed (0x%08lx)\n", what, static_cast<unsigned long>(hr));
    std::exit(2);
}

void Check(const char* what, HRESULT hr) { if (FAILED(hr)) Fail(what, hr); }

DISPID IdOf(IDispatch* object, const wchar_t* name) {
    DISPID id = 0;
    LPOLESTR n = const_cast<LPOLESTR>(name);
    Check("GetIDsOfNames", object->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id));
    return id;
}

HRESULT Get(IDispatch* object, DISPID id, VARIANT& result) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
}

HRESULT Put(IDispatch* object, DISPID id, VARIANT& value) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

struct Measurement {
    const char* name;
    int calls;
    std::function<void()> ours;
    std::function<void()> reference;
};

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    Check("OleInitialize", OleInitialize(nullptr));
    {
        // Ours: the colour dialog object (Flags is a Long enumeration, DialogTitle a string, Init a method
        // whose four arguments are optional). The reference: StdFont (Weight a 16-bit integer, Name a string).
        // The first use in the process, once: loading the library, its type information and the class's
        // tables, up to the first property read; against the first font object made through the system.
        const double firstStart = Now();
        IDispatch* colour = nullptr;
        Check("CoCreateInstance(colour dialog)",
              CoCreateInstance(CLSID_clsZqPickerColorDialogA, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                               reinterpret_cast<void**>(&colour)));
        Held holdColour{colour};
        {
            VARIANT v; VariantInit(&v);
            Check("first read", Get(colour, IdOf(colour, L"Flags"), v));
        }
        const double firstOurs = Now() - firstStart;
        const double fontStart = Now();
        {
            IDispatch* first = nullptr;
            Check("CoCreateInstance(StdFont)", CoCreateInstance(CLSID_StdFont, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                                                reinterpret_cast<void**>(&first)));
            VARIANT v; VariantInit(&v);
            Check("first font read", Get(first, IdOf(first, L"Weight"), v));
            first->Release();
        }
        std::printf("first_use_in_process 1 %.0f %.0f\n", firstOurs * 1e9, (Now() - fontStart) * 1e9);
        FONTDESC desc{sizeof(FONTDESC), const_cast<LPOLESTR>(L"DejaVu Sans"), {120000, 0}, FW_NORMAL,
                      DEFAULT_CHARSET, FALSE, FALSE, FALSE};
        IDispatch* font = nullptr;
        Check("OleCreateFontIndirect", OleCreateFontIndirect(&desc, IID_IDispatch, reinterpret_cast<void**>(&font)));
        Held holdFont{font};

        // The file class's Filter: a string held by the object itself (the colour class's title is the
        // thread's), as long as the font's name.
        IDispatch* file = nullptr;
        Check("CoCreateInstance(file dialog)",
              CoCreateInstance(CLSID_clsZqPickerFileOpenSaveA, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                               reinterpret_cast<void**>(&file)));
        Held holdFile{file};
        const DISPID filter = IdOf(file, L"Filter");
        const DISPID flags = IdOf(colour, L"Flags"), title = IdOf(colour, L"DialogTitle"), init = IdOf(colour, L"Init");
        const DISPID weight = IdOf(font, L"Weight"), name = IdOf(font, L"Name");

        // The client's own type information, for DispGetIDsOfNames: the reference of a name table.
        ITypeInfo* colourInfo = nullptr;
        Check("GetTypeInfo", colour->GetTypeInfo(0, LOCALE_USER_DEFAULT, &colourInfo));
        Held holdInfo{colourInfo};

        // The class object held, as a client that creates many objects would: create+release inside the DLL.
        using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        HMODULE module = GetModuleHandleW(L"Chooser10.dll");
        if (!module) Fail("GetModuleHandle(Chooser10.dll)", E_FAIL);
        auto getClassObject = reinterpret_cast<GetClassObject>(
            reinterpret_cast<void (*)()>(GetProcAddress(module, "DllGetClassObject")));
        IClassFactory* factory = nullptr;
        Check("DllGetClassObject", getClassObject(CLSID_clsZqPickerColorDialogA, IID_IClassFactory,
                                                  reinterpret_cast<void**>(&factory)));
        Held holdFactory{factory};
        // Our share of CoCreateInstance: what it calls in the server once it found it, against the same
        // calls on the font object's server.
        HMODULE automation = GetModuleHandleW(L"oleaut32.dll");
        if (!automation) Fail("GetModuleHandle(oleaut32.dll)", E_FAIL);
        auto fontClassObject = reinterpret_cast<GetClassObject>(
            reinterpret_cast<void (*)()>(GetProcAddress(automation, "DllGetClassObject")));
        if (!fontClassObject || !getClassObject) Fail("GetProcAddress(DllGetClassObject)", E_FAIL);
        auto createThroughClassObject = [](GetClassObject get, REFCLSID clsid) {
            IClassFactory* f = nullptr;
            Check("DllGetClassObject", get(clsid, IID_IClassFactory, reinterpret_cast<void**>(&f)));
            IUnknown* o = nullptr;
            HRESULT hr = f->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&o));
            f->Release();
            Check("CreateInstance", hr);
            o->Release();
        };

        BSTR text = SysAllocString(L"Pick a colour");
        BSTR face = SysAllocString(L"DejaVu Sans");
        {
            VARIANT v; V_VT(&v) = VT_BSTR; V_BSTR(&v) = face;
            Check("Filter put", Put(file, filter, v));
        }
        auto putString = [](IDispatch* o, DISPID id, BSTR s) {
            VARIANT v; V_VT(&v) = VT_BSTR; V_BSTR(&v) = s;  // borrowed: the callee copies it
            Check("string put", Put(o, id, v));
        };
        auto getAndClear = [](IDispatch* o, DISPID id) {
            VARIANT v; VariantInit(&v);
            Check("get", Get(o, id, v));
            VariantClear(&v);
        };
        auto putInteger = [](IDispatch* o, DISPID id, VARTYPE vt, LONG value) {
            VARIANT v; V_VT(&v) = vt; if (vt == VT_I2) V_I2(&v) = static_cast<SHORT>(value); else V_I4(&v) = value;
            Check("integer put", Put(o, id, v));
        };
        auto putByReference = [](IDispatch* o, DISPID id, VARTYPE vt, LONG value) {
            // A script's variable passed as it passes one to a member: VT_BYREF | VT_VARIANT.
            VARIANT variable; V_VT(&variable) = vt;
            if (vt == VT_I2) V_I2(&variable) = static_cast<SHORT>(value); else V_I4(&variable) = value;
            VARIANT ref; V_VT(&ref) = VT_BYREF | VT_VARIANT; V_VARIANTREF(&ref) = &variable;
            Check("by-reference put", Put(o, id, ref));
        };
        auto callInitOmitted = [](IDispatch* o, DISPID id) {
            VARIANT missing[4];
            for (auto& m : missing) { V_VT(&m) = VT_ERROR; V_ERROR(&m) = DISP_E_PARAMNOTFOUND; }
            DISPPARAMS params{missing, nullptr, 4, 0};
            VARIANT result; VariantInit(&result);
            Check("Init with every argument omitted",
                  o->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr));
            VariantClear(&result);
        };
        // The reference: the plain type-information Invoke of the same call on the dual interface, with
        // the four arguments given as the declared types by reference. (Given as omitted, it passes each
        // by-reference parameter's default value as the pointer and the process dies.)
        auto callInitTyped = [](IDispatch* o, DISPID id, ITypeInfo* info) {
            LONG initial = -1, owner = 0, flagsValue = 4;
            BSTR title = nullptr;
            VARIANT args[4];  // in reverse order: Flags, HWndOwner, DialogTitle, InitialColour
            V_VT(&args[0]) = VT_BYREF | VT_I4; V_I4REF(&args[0]) = &flagsValue;
            V_VT(&args[1]) = VT_BYREF | VT_I4; V_I4REF(&args[1]) = &owner;
            V_VT(&args[2]) = VT_BYREF | VT_BSTR; V_BSTRREF(&args[2]) = &title;
            V_VT(&args[3]) = VT_BYREF | VT_I4; V_I4REF(&args[3]) = &initial;
            DISPPARAMS params{args, nullptr, 4, 0};
            VARIANT result; VariantInit(&result);
            IUnknown* dual = nullptr;
            Check("QueryInterface", o->QueryInterface(IID__clsZqPickerColorDialogA, reinterpret_cast<void**>(&dual)));
            Check("ITypeInfo::Invoke of Init", info->Invoke(dual, id, DISPATCH_METHOD, &params, &result, nullptr, nullptr));
            dual->Release();
            SysFreeString(title);
            VariantClear(&result);
        };
        auto lookUp = [](const std::function<HRESULT(LPOLESTR*, DISPID*)>& find) {
            LPOLESTR n = const_cast<LPOLESTR>(L"DialogTitle");
            DISPID id = 0;
            Check("name lookup", find(&n, &id));
        };

        std::vector<Measurement> measurements = {
            {"integer_get", 20000, [&] { getAndClear(colour, flags); }, [&] { getAndClear(font, weight); }},
            {"integer_put", 20000, [&] { putInteger(colour, flags, VT_I4, 4); },
             [&] { putInteger(font, weight, VT_I2, 400); }},
            {"byref_put", 20000, [&] { putByReference(colour, flags, VT_I4, 4); },
             [&] { putByReference(font, weight, VT_I2, 400); }},
            {"string_put", 20000, [&] { putString(colour, title, text); }, [&] { putString(font, name, face); }},
            {"string_get", 20000, [&] { getAndClear(colour, title); }, [&] { getAndClear(font, name); }},
            {"string_get_file_filter", 20000, [&] { getAndClear(file, filter); }, [&] { getAndClear(font, name); }},
            {"optional_omitted_vs_typeinfo_invoke_given", 10000, [&] { callInitOmitted(colour, init); },
             [&] { callInitTyped(colour, init, colourInfo); }},
            {"get_ids_of_names_vs_dispgetidsofnames", 20000,
             [&] { lookUp([&](LPOLESTR* n, DISPID* id) { return colour->GetIDsOfNames(IID_NULL, n, 1, LOCALE_USER_DEFAULT, id); }); },
             [&] { lookUp([&](LPOLESTR* n, DISPID* id) { return DispGetIDsOfNames(colourInfo, n, 1, id); }); }},
            {"create_release_in_dll_vs_olecreatefontindirect", 5000,
             [&] {
                 IUnknown* o = nullptr;
                 Check("CreateInstance", factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&o)));
                 o->Release();
             },
             [&] {
                 IUnknown* o = nullptr;
                 Check("OleCreateFontIndirect", OleCreateFontIndirect(&desc, IID_IDispatch, reinterpret_cast<void**>(&o)));
                 o->Release();
             }},
            {"class_object_create_release_vs_stdfont", 5000,
             [&] { createThroughClassObject(getClassObject, CLSID_clsZqPickerColorDialogA); },
             [&] { createThroughClassObject(fontClassObject, CLSID_StdFont); }},
            {"cocreateinstance_vs_stdfont", 200,
             [&] {
                 IUnknown* o = nullptr;
                 Check("CoCreateInstance(ours)", CoCreateInstance(CLSID_clsZqPickerColorDialogA, nullptr, CLSCTX_INPROC_SERVER,
                                                                  IID_IDispatch, reinterpret_cast<void**>(&o)));
                 o->Release();
             },
             [&] {
                 IUnknown* o = nullptr;
                 Check("CoCreateInstance(StdFont)", CoCreateInstance(CLSID_StdFont, nullptr, CLSCTX_INPROC_SERVER,
                                                                     IID_IDispatch, reinterpret_cast<void**>(&o)));
                 o->Release();
             }},
        };
        // One warm-up pass, then the rounds.
        for (auto& m : measurements) { PerCall(m.calls / 10, m.ours); PerCall(m.calls / 10, m.reference); }
        for (int round = 1; round <= rounds; ++round) {
            for (auto& m : measurements) {
                const double ours = FastestPerCall(m.calls, m.ours);
                const double reference = FastestPerCall(m.calls, m.reference);
                std::printf("%s %d %.2f %.2f\n", m.name, round, ours, reference);
            }
            std::fflush(stdout);
        }
        SysFreeString(text);
        SysFreeString(face);
    }
    OleUninitialize();
    return 0;
}
