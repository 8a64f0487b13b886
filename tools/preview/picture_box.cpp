// ChooserPreview.PictureBox: the picture window on its dual interface, and the form it sits in.
#include <windows.h>

#include <memory>

#include "chooser_preview.h"
#include "classes.h"
#include "com/common/dual_object.h"
#include "picture_window.h"
#include "platform/win32/bstr.h"

namespace chooser_preview {
namespace {

using cz::com::ClassIdentity;
using cz::com::DualObject;

constexpr ClassIdentity kFormIdentity{&CLSID_PreviewForm, u"ChooserPreview.PreviewForm"};
constexpr ClassIdentity kPictureIdentity{&CLSID_PictureBox, u"ChooserPreview.PictureBox"};

LONG handleOf(HWND hwnd) { return HandleToLong(hwnd); }

class PreviewForm final : public DualObject<_PreviewForm> {
public:
    PreviewForm() : DualObject(kFormIdentity) {}
    void attach(HWND form) { form_ = form; }

    STDMETHODIMP get_hwnd(LONG* value) override {
        if (!value) return E_POINTER;
        *value = handleOf(form_);
        return S_OK;
    }

private:
    HWND form_ = nullptr;
};

class PictureBox final : public DualObject<_PictureBox> {
public:
    PictureBox() : DualObject(kPictureIdentity), window_(std::make_unique<PictureWindow>()) {}

    STDMETHODIMP get_hwnd(LONG* value) override { return give(value, handleOf(window_->picture())); }
    STDMETHODIMP get_Parent(IDispatch** value) override {
        if (!value) return E_POINTER;
        *value = nullptr;
        return run([&] {
            IDispatch* form = nullptr;
            HRESULT hr = cz::com::createObject<PreviewForm>(kFormIdentity.source, IID_IDispatch,
                                                            reinterpret_cast<void**>(&form));
            if (FAILED(hr)) return hr;
            static_cast<PreviewForm*>(static_cast<_PreviewForm*>(form))->attach(window_->form());
            *value = form;
            return S_OK;
        });
    }
    STDMETHODIMP get_ScaleMode(short* value) override { return give(value, scaleMode_); }
    STDMETHODIMP put_ScaleMode(short value) override {
        scaleMode_ = value;
        return S_OK;
    }
    STDMETHODIMP Move(LONG left, LONG top, LONG width, LONG height) override {
        return MoveWindow(window_->picture(), left, top, width, height, TRUE) ? S_OK : E_FAIL;
    }
    STDMETHODIMP LoadFile(BSTR path, VARIANT_BOOL* loaded) override {
        ++loads_;
        return run([&] {
            bool ok = window_->load(path ? std::wstring(path, SysStringLen(path)) : std::wstring());
            if (loaded) *loaded = ok ? VARIANT_TRUE : VARIANT_FALSE;
        });
    }
    STDMETHODIMP Clear() override {
        return run([&] { window_->clear(); });
    }
    STDMETHODIMP get_PictureFile(BSTR* value) override {
        if (!value) return E_POINTER;
        *value = SysAllocStringLen(window_->file().data(), static_cast<UINT>(window_->file().size()));
        return *value || window_->file().empty() ? S_OK : E_OUTOFMEMORY;
    }
    STDMETHODIMP get_PictureWidth(LONG* value) override { return give(value, window_->pictureSize().cx); }
    STDMETHODIMP get_PictureHeight(LONG* value) override { return give(value, window_->pictureSize().cy); }
    STDMETHODIMP get_PixelAt(LONG x, LONG y, LONG* value) override {
        return give(value, static_cast<LONG>(window_->pixelAt(x, y)));
    }
    STDMETHODIMP get_Visible(VARIANT_BOOL* value) override {
        return give(value, IsWindowVisible(window_->picture()) ? VARIANT_TRUE : VARIANT_FALSE);
    }
    STDMETHODIMP get_LoadCount(LONG* value) override { return give(value, loads_); }

private:
    template <class T, class V>
    static HRESULT give(T* slot, V value) {
        if (!slot) return E_POINTER;
        *slot = static_cast<T>(value);
        return S_OK;
    }

    std::unique_ptr<PictureWindow> window_;
    short scaleMode_ = 0;
    LONG loads_ = 0;
};

}  // namespace

HRESULT createPictureBox(REFIID iid, void** out) noexcept {
    return cz::com::createObject<PictureBox>(kPictureIdentity.source, iid, out);
}

}  // namespace chooser_preview
