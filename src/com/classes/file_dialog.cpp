// clsZqPickerFileOpenSaveA on its dual interface, forwarding to the portable file dialog, and the source
// of its PreviewItemChanged event (IConnectionPointContainer with one connection point).
// The portable headers come before the system headers: some of their names are macros in <windows.h>.
#include "file/file_dialog.h"
#include "platform/win32/win32_platform.h"

#include "chooser10.h"
#include "com/classes/adapter_support.h"
#include "com/classes/classes.h"
#include "com/common/connection_point.h"
#include "com/common/dual_object.h"
#include "platform/win32/dispatch_object.h"

namespace cz::com::classes {
namespace {

using namespace adapters;

constexpr ClassIdentity kIdentity{&CLSID_clsZqPickerFileOpenSaveA, u"Chooser10.clsZqPickerFileOpenSaveA"};

// Dispatch id of PreviewItemChanged in __clsZqPickerFileOpenSaveA (chooser10.idl).
constexpr DISPID kPreviewItemChanged = 1;

// The file dialog object as the explorer hook holds it: its automation face, which keeps it alive, plus
// the delivery of the preview notifications, which is no member clients can reach.
class PreviewSender final : public LateBound {
public:
    PreviewSender(IDispatch* self, cz::clsZqPickerFileOpenSaveA& logic) : face_(win32::ComPtr<IDispatch>(self)), logic_(logic) {}

    Variant get(std::u16string_view name) override { return face_.get(name); }
    void put(std::u16string_view name, const Variant& value) override { face_.put(name, value); }
    Variant call(std::u16string_view name, std::vector<Arg>& args) override {
        if (name != u"RaisePreviewItemChanged" || args.size() != 2) return face_.call(name, args);
        String fileName = textIn(args[0].value), fileTitle = textIn(args[1].value);
        logic_.RaisePreviewItemChanged(fileName, fileTitle);
        return Empty{};
    }

private:
    static String textIn(const Variant& value) {
        const String* text = std::get_if<String>(&value);
        return text ? *text : String();
    }

    win32::DispatchObject face_;
    cz::clsZqPickerFileOpenSaveA& logic_;
};

class FileDialog final : public DualObject<_clsZqPickerFileOpenSaveA, IConnectionPointContainer> {
public:
    FileDialog() : DualObject(kIdentity) {}

    // Raises PreviewItemChanged(sFileName, sFileTitle) to every connected sink. The strings travel by
    // reference; what a handler writes into them is ignored. Throws std::bad_alloc.
    void firePreviewItemChanged(const String& fileName, const String& fileTitle) {
        win32::Bstr name(fileName), title(fileTitle);
        VARIANTARG args[2];  // last argument first
        VariantInit(&args[0]);
        args[0].vt = VT_BYREF | VT_BSTR;
        args[0].pbstrVal = title.reference();
        VariantInit(&args[1]);
        args[1].vt = VT_BYREF | VT_BSTR;
        args[1].pbstrVal = name.reference();
        DISPPARAMS params{args, nullptr, 2, 0};
        events_.fire(kPreviewItemChanged, params);
    }

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override { return events_.enumerate(points); }
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override { return events_.find(iid, point); }

    // _clsZqPickerFileOpenSaveA
    STDMETHODIMP get_hInst(LONG* value) override { return run([&] { give(value, logic_.hInst()); }); }
    STDMETHODIMP put_hInst(LONG value) override { return run([&] { logic_.hInst(value); }); }
    STDMETHODIMP get_BuddyObject(IDispatch** value) override { return run([&] { giveObject(value, logic_.BuddyObject()); }); }
    STDMETHODIMP putref_BuddyObject(IDispatch* value) override { return run([&] { logic_.BuddyObject(object(value)); }); }
    STDMETHODIMP Init(BSTR* Filter, short* DefaultFilter, BSTR* InitialDir, BSTR* FileName, BSTR* DialogTitle,
                      LONG* HWndOwner, ::EFileOpenSaveFlags* Flags, VARIANT_BOOL* bShowPreview,
                      IDispatch** PreviewObject) override {
        return run([&] {
            logic_.Init(text(slot(Filter)), slot(DefaultFilter), text(slot(InitialDir)), text(slot(FileName)),
                        text(slot(DialogTitle)), slot(HWndOwner), slot(Flags), flag(slot(bShowPreview)),
                        object(PreviewObject ? *PreviewObject : nullptr));
        });
    }
    STDMETHODIMP put_CenterDialog(VARIANT_BOOL* value) override { return run([&] { logic_.CenterDialog(flag(slot(value))); }); }
    STDMETHODIMP get_CenterDialog(VARIANT_BOOL* value) override { return run([&] { giveFlag(value, logic_.CenterDialog()); }); }
    STDMETHODIMP get_DefaultExt(BSTR* value) override { return run([&] { giveText(value, logic_.DefaultExt()); }); }
    STDMETHODIMP put_DefaultExt(BSTR value) override { return run([&] { logic_.DefaultExt(text(value)); }); }
    STDMETHODIMP get_ShowPreview(VARIANT_BOOL* value) override { return run([&] { giveFlag(value, logic_.ShowPreview()); }); }
    STDMETHODIMP put_ShowPreview(VARIANT_BOOL value) override { return run([&] { logic_.ShowPreview(flag(value)); }); }
    STDMETHODIMP get_DefaultFilter(short* value) override { return run([&] { give(value, logic_.DefaultFilter()); }); }
    STDMETHODIMP put_DefaultFilter(short value) override { return run([&] { logic_.DefaultFilter(value); }); }
    STDMETHODIMP get_DialogTitle(BSTR* value) override { return run([&] { giveText(value, logic_.DialogTitle()); }); }
    STDMETHODIMP put_DialogTitle(BSTR value) override { return run([&] { logic_.DialogTitle(text(value)); }); }
    STDMETHODIMP get_FileCount(short* value) override { return run([&] { give(value, logic_.FileCount()); }); }
    STDMETHODIMP get_FileName(BSTR* value) override { return run([&] { giveText(value, logic_.FileName()); }); }
    STDMETHODIMP put_FileName(BSTR value) override { return run([&] { logic_.FileName(text(value)); }); }
    STDMETHODIMP get_FileTitle(BSTR* value) override { return run([&] { giveText(value, logic_.FileTitle()); }); }
    STDMETHODIMP put_FileTitle(BSTR value) override { return run([&] { logic_.FileTitle(text(value)); }); }
    STDMETHODIMP get_Filter(BSTR* value) override { return run([&] { giveText(value, logic_.Filter()); }); }
    STDMETHODIMP put_Filter(BSTR value) override { return run([&] { logic_.Filter(text(value)); }); }
    STDMETHODIMP get_Flags(::EFileOpenSaveFlags* value) override { return run([&] { give(value, logic_.Flags()); }); }
    STDMETHODIMP put_Flags(::EFileOpenSaveFlags value) override { return run([&] { logic_.Flags(value); }); }
    STDMETHODIMP get_HWndOwner(LONG* value) override { return run([&] { give(value, logic_.HWndOwner()); }); }
    STDMETHODIMP put_HWndOwner(LONG value) override { return run([&] { logic_.HWndOwner(value); }); }
    STDMETHODIMP get_InitialDir(BSTR* value) override { return run([&] { giveText(value, logic_.InitialDir()); }); }
    STDMETHODIMP put_InitialDir(BSTR value) override { return run([&] { logic_.InitialDir(text(value)); }); }
    STDMETHODIMP get_MaxFileSize(short* value) override { return run([&] { give(value, logic_.MaxFileSize()); }); }
    STDMETHODIMP put_MaxFileSize(short value) override { return run([&] { logic_.MaxFileSize(value); }); }
    STDMETHODIMP get_SelectedPath(BSTR* value) override { return run([&] { giveText(value, logic_.SelectedPath()); }); }
    STDMETHODIMP GetNextFileName(short* Index, BSTR* result) override {
        return run([&] { giveText(result, logic_.GetNextFileName(slot(Index))); });
    }
    STDMETHODIMP Show(::EDialogType* DialogType, VARIANT_BOOL* result) override {
        return run([&] { giveFlag(result, logic_.Show(slot(DialogType))); });
    }
    STDMETHODIMP FarProc(LONG* pfn, LONG* result) override { return run([&] { give(result, logic_.FarProc(slot(pfn))); }); }
    STDMETHODIMP put_PreviewObject(IDispatch* value) override { return run([&] { logic_.PreviewObject(object(value)); }); }

private:
    void* findExtraInterface(REFIID iid) noexcept override {
        if (iid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(this);
        return nullptr;
    }

    ConnectionPoint events_{*this, DIID___clsZqPickerFileOpenSaveA};
    // Registered as the sender of the preview notifications: a counted reference to this very object.
    cz::clsZqPickerFileOpenSaveA logic_{
        win32::platform(),
        [this] { return std::make_shared<PreviewSender>(static_cast<_clsZqPickerFileOpenSaveA*>(this), logic_); },
        [this](const String& fileName, const String& fileTitle) { firePreviewItemChanged(fileName, fileTitle); }};
};

}  // namespace

HRESULT createFileDialog(REFIID iid, void** out) noexcept {
    return createObject<FileDialog>(kIdentity.source, iid, out);
}

}  // namespace cz::com::classes
