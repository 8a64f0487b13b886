// ChooserPreview.EventProbe: raises PreviewItemChanged with two texts by reference, as the file dialog
// does, and calls a named method on an object with them, as the file dialog calls its buddy; for testing
// script hosts without a dialog.
#include <windows.h>

#include "chooser_preview.h"
#include "classes.h"
#include "com/common/connection_point.h"
#include "com/common/dual_object.h"
#include "platform/win32/bstr.h"

namespace chooser_preview {
namespace {

using cz::com::ClassIdentity;
using cz::com::DualObject;

constexpr ClassIdentity kIdentity{&CLSID_EventProbe, u"ChooserPreview.EventProbe"};
constexpr DISPID kPreviewItemChanged = 1;

// Two texts as by-reference arguments, last first as DISPPARAMS wants them.
struct TwoTexts {
    TwoTexts(BSTR first, BSTR second)
        : first_(cz::win32::toString(first)), second_(cz::win32::toString(second)) {
        VariantInit(&args[0]);
        args[0].vt = VT_BYREF | VT_BSTR;
        args[0].pbstrVal = second_.reference();
        VariantInit(&args[1]);
        args[1].vt = VT_BYREF | VT_BSTR;
        args[1].pbstrVal = first_.reference();
    }
    DISPPARAMS params() { return DISPPARAMS{args, nullptr, 2, 0}; }

private:
    cz::win32::Bstr first_, second_;
    VARIANTARG args[2];
};

class EventProbe final : public DualObject<_EventProbe, IConnectionPointContainer> {
public:
    EventProbe() : DualObject(kIdentity) {}

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override { return events_.enumerate(points); }
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override { return events_.find(iid, point); }

    STDMETHODIMP Raise(BSTR fileName, BSTR fileTitle) override {
        return run([&] {
            TwoTexts texts(fileName, fileTitle);
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
        return run([&] {
            DISPID id = DISPID_UNKNOWN;
            LPOLESTR names[] = {method};
            HRESULT hr = target->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
            if (SUCCEEDED(hr)) {
                TwoTexts texts(fileName, fileTitle);
                DISPPARAMS params = texts.params();
                EXCEPINFO exception{};
                hr = target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, &exception,
                                    nullptr);
                SysFreeString(exception.bstrSource);
                SysFreeString(exception.bstrDescription);
                SysFreeString(exception.bstrHelpFile);
            }
            *result = hr;
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
