// ChooserPreview.EventProbe: raises PreviewItemChanged with two texts by reference, as the file dialog
// does, and calls a named method on an object with them, as the file dialog calls its buddy; for testing
// script hosts without a dialog.
#include <windows.h>

#include "chooser_preview.h"
#include "classes.h"
#include "com/common/connection_point.h"
#include "com/common/dual_object.h"
#include "automation/failure.h"
#include "platform/win32/bstr.h"
#include "platform/win32/dispatch_object.h"

namespace chooser_preview {
namespace {

using cz::com::ClassIdentity;
using cz::com::DualObject;

constexpr ClassIdentity kIdentity{&CLSID_EventProbe, u"ChooserPreview.EventProbe"};
constexpr DISPID kPreviewItemChanged = 1;

// Two texts as by-reference arguments, last first as DISPPARAMS wants them: references to strings, as
// the file dialog raises its event, or references to variants holding them, as it calls its buddy.
struct TwoTexts {
    enum Kind { StringReferences, VariantReferences };
    TwoTexts(BSTR first, BSTR second, Kind kind)
        : first_(cz::win32::toString(first)), second_(cz::win32::toString(second)) {
        VariantInit(&held_[0]);
        VariantInit(&held_[1]);
        VariantInit(&args[0]);
        VariantInit(&args[1]);
        if (kind == StringReferences) {
            args[0].vt = VT_BYREF | VT_BSTR;
            args[0].pbstrVal = second_.reference();
            args[1].vt = VT_BYREF | VT_BSTR;
            args[1].pbstrVal = first_.reference();
        } else {
            held_[0].vt = VT_BSTR;
            held_[0].bstrVal = SysAllocString(second ? second : L"");
            held_[1].vt = VT_BSTR;
            held_[1].bstrVal = SysAllocString(first ? first : L"");
            args[0].vt = VT_BYREF | VT_VARIANT;
            args[0].pvarVal = &held_[0];
            args[1].vt = VT_BYREF | VT_VARIANT;
            args[1].pvarVal = &held_[1];
        }
    }
    ~TwoTexts() {
        VariantClear(&held_[0]);
        VariantClear(&held_[1]);
    }
    TwoTexts(const TwoTexts&) = delete;
    TwoTexts& operator=(const TwoTexts&) = delete;
    DISPPARAMS params() { return DISPPARAMS{args, nullptr, 2, 0}; }

private:
    cz::win32::Bstr first_, second_;
    VARIANT held_[2];
    VARIANTARG args[2];
};

class EventProbe final : public DualObject<_EventProbe, IConnectionPointContainer> {
public:
    EventProbe() : DualObject(kIdentity) {}

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override { return events_.enumerate(points); }
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override { return events_.find(iid, point); }

    STDMETHODIMP Raise(BSTR fileName, BSTR fileTitle) override {
        return run([&] {
            TwoTexts texts(fileName, fileTitle, TwoTexts::StringReferences);
            DISPPARAMS params = texts.params();
            events_.fire(kPreviewItemChanged, params);
        });
    }
    STDMETHODIMP CallByName(IDispatch* target, BSTR method, BSTR fileName, BSTR fileTitle, LONG* result) override {
        if (!result) return E_POINTER;
        if (!target || !method) {
            *result = E_INVALIDARG;
            return S_OK;
        }
        // The library's own late-bound call, as the file dialog makes it to its buddy.
        return run([&] {
            cz::win32::DispatchObject callee{cz::win32::ComPtr<IDispatch>(target)};
            std::vector<cz::Arg> args{{cz::win32::toString(fileName)}, {cz::win32::toString(fileTitle)}};
            try {
                callee.call(cz::win32::toString(method), args);
                *result = S_OK;
            } catch (const cz::Failure& failure) {
                *result = failure.info().number;
            }
        });
    }
    STDMETHODIMP get_SinkCount(LONG* value) override {
        if (!value) return E_POINTER;
        *value = 0;
        IEnumConnections* connections = nullptr;
        if (FAILED(events_.EnumConnections(&connections)) || !connections) return S_OK;
        CONNECTDATA data{};
        ULONG fetched = 0;
        while (connections->Next(1, &data, &fetched) == S_OK) {
            ++*value;
            if (data.pUnk) data.pUnk->Release();
        }
        connections->Release();
        return S_OK;
    }

private:
    void* findExtraInterface(REFIID iid) noexcept override {
        if (iid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(this);
        return nullptr;
    }

    cz::com::ConnectionPoint events_{*this, DIID___EventProbe};
};

}  // namespace

HRESULT createEventProbe(REFIID iid, void** out) noexcept {
    return cz::com::createObject<EventProbe>(kIdentity.source, iid, out);
}

}  // namespace chooser_preview
