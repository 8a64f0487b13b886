// The preview pane in the real explorer-style open dialog, through the registered DLL: the client's own
// preview window moves into the dialog below the file list and the dialog grows by its height;
// highlighting a picture in the dialog's list tells the client's event sink the path and "bmp" (or the
// buddy instead, when one is set); when the dialog closes the window is hidden and back in its own
// parent. Show runs on the test thread; the watcher highlights the file through the list itself.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <ocidl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "chooser_classes.h"
#include "chooser10.h"
#include "com_client.h"
#include "dialog_driver.h"
#include "shown.h"

namespace cz::testing {
namespace {

constexpr LONG kExplorerHookLongNames = 0x280020;
constexpr LONG kOpen = 0;
const std::wstring kFolder = L"C:\\Chooser10 preview test";
const std::wstring kPicture = kFolder + L"\\photo.bmp";

using Delivery = std::pair<std::wstring, std::wstring>;

// A client object with properties and methods by name, as a script's or a form's object offers them.
// It answers the event interface too, so it can be a connection point's sink.
class NamedObject final : public IDispatch {
public:
    using Method = std::function<void(DISPPARAMS*)>;

    void property(const std::wstring& name, Var value) { properties_[id(name)] = std::move(value); }
    void method(const std::wstring& name, Method body) { methods_[id(name)] = std::move(body); }
    void event(DISPID dispid, Method body) { methods_[dispid] = std::move(body); }
    const Var* value(const std::wstring& name) const {
        auto it = properties_.find(id(name));
        return it == properties_.end() ? nullptr : &it->second;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != DIID___clsZqPickerFileOpenSaveA) return E_NOINTERFACE;
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(InterlockedDecrement(&references_)); }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return DISP_E_BADINDEX;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (!names || !ids || count == 0) return E_INVALIDARG;
        ids[0] = id(names[0]);
        if (!properties_.count(ids[0]) && !methods_.count(ids[0])) return DISP_E_UNKNOWNNAME;
        return S_OK;
    }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override {
        if (auto m = methods_.find(dispid); m != methods_.end() && (flags & DISPATCH_METHOD)) {
            m->second(params);
            return S_OK;
        }
        auto p = properties_.find(dispid);
        if (p == properties_.end()) return DISP_E_MEMBERNOTFOUND;
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            if (!params || params->cArgs < 1) return DISP_E_BADPARAMCOUNT;
            Var stored;
            VariantCopyInd(stored.get(), &params->rgvarg[0]);
            p->second = stored;
            return S_OK;
        }
        if (result) VariantCopy(result, p->second.get());
        return S_OK;
    }

private:
    DISPID id(const std::wstring& name) const {
        std::wstring lower;
        for (wchar_t c : name) lower += static_cast<wchar_t>(towlower(c));
        auto it = ids_.find(lower);
        if (it != ids_.end()) return it->second;
        DISPID next = static_cast<DISPID>(ids_.size()) + 100;
        ids_[lower] = next;
        return next;
    }

    mutable std::map<std::wstring, DISPID> ids_;
    std::map<DISPID, Var> properties_;
    std::map<DISPID, Method> methods_;
    LONG references_ = 1;
};

// The two texts of a notification, however they came: by reference to a string or to a variant.
Delivery Texts(DISPPARAMS* params) {
    auto text = [](const VARIANT& v) -> std::wstring {
        VARIANT copy;
        VariantInit(&copy);
        std::wstring out = L"(not a text)";
        if (SUCCEEDED(VariantChangeType(&copy, const_cast<VARIANT*>(&v), 0, VT_BSTR)))
            out = copy.bstrVal ? copy.bstrVal : L"";
        VariantClear(&copy);
        return out;
    };
    if (!params || params->cArgs != 2) return {L"(argument count)", L""};
    return {text(params->rgvarg[1]), text(params->rgvarg[0])};
}

// A window of the client's form and the preview window inside it, 200 x 120 client pixels.
struct ClientForm {
    HWND home = nullptr;
    HWND picture = nullptr;
    NamedObject homeObject;
    NamedObject preview;

    ClientForm() {
        home = CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        picture = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 120, home, nullptr, nullptr, nullptr);
        homeObject.property(L"hwnd", Var::I4(HandleToLong(home)));
        preview.property(L"hwnd", Var::I4(HandleToLong(picture)));
        preview.property(L"Parent", Var::Dispatch(&homeObject));
        preview.property(L"ScaleMode", Var::I2(0));
    }
    ~ClientForm() {
        DestroyWindow(picture);
        DestroyWindow(home);
    }
};

struct PictureFolder {
    bool made = false;
    PictureFolder() {
        CreateDirectoryW(kFolder.c_str(), nullptr);
        HANDLE file = CreateFileW(kPicture.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        made = file != INVALID_HANDLE_VALUE;
        if (made) CloseHandle(file);
    }
    ~PictureFolder() {
        DeleteFileW(kPicture.c_str());
        RemoveDirectoryW(kFolder.c_str());
    }
};

// What the watcher saw while the dialog was open.
struct InDialog {
    HWND pictureParent = nullptr;
    RECT picture{};       // in the dialog's client coordinates
    RECT fileList{};      // the file list's client area
    LONG dialogHeight = 0;
    bool pictureVisible = false;
    bool highlighted = false;
};

// Highlights the only item of the dialog's file list, as a click on it does, and waits for `heard`.
bool HighlightFirstItem(const Dialog& d, const std::function<bool()>& heard) {
    HWND list = d.findChild(L"SysListView32");
    if (!list) return false;
    if (!WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0; }, 5000)) return false;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    return WaitUntil(heard, 5000);
}

std::unique_ptr<Late> NewFileDialog() {
    ComPtr<IDispatch> object;
    EXPECT_EQ(CreateByProgId(kFileDialog.progId().c_str(), object), S_OK);
    return object ? std::make_unique<Late>(object) : nullptr;
}

LONG HeightOf(const RECT& r) { return r.bottom - r.top; }

// Shows the open dialog on the picture folder; the watcher highlights the picture, records what it sees
// and cancels.
Shown ShowAndHighlight(const Late& file, InDialog& seen, const std::function<bool()>& heard, HWND picture) {
    Shown s;
    WatchOptions options;
    options.timeoutMs = 20000;
    s.report = WithDialog([&] { s.result = file.call(L"Show", {Var::I4(kOpen)}); },
                          [&](const Dialog& d) {
                              seen.dialogHeight = HeightOf(d.rect());
                              seen.highlighted = HighlightFirstItem(d, heard);
                              seen.pictureParent = GetParent(picture);
                              seen.pictureVisible = IsWindowVisible(picture);
                              GetWindowRect(picture, &seen.picture);
                              MapWindowPoints(nullptr, d.hwnd(), reinterpret_cast<POINT*>(&seen.picture), 2);
                              GetClientRect(d.control(lst1), &seen.fileList);
                              d.cancel();
                          },
                          options);
    return s;
}

void Prepare(const Late& file, NamedObject* preview) {
    EXPECT_EQ(file.put(L"InitialDir", Var::Str(kFolder)).hr, S_OK);
    EXPECT_EQ(file.put(L"Flags", Var::I4(kExplorerHookLongNames)).hr, S_OK);
    EXPECT_EQ(file.put(L"ShowPreview", Var::Bool(preview != nullptr)).hr, S_OK);
    if (preview) {
        EXPECT_EQ(file.put(L"PreviewObject", Var::Dispatch(preview)).hr, S_OK);
    }
}

// After Show, the file object and the thread's state both still hold the preview and buddy objects, and
// the state holds them until the apartment ends. The test's objects live on its stack, so both holders
// let go of them before the test returns.
struct ClearsPreviewObject {
    const Late& file;
    ~ClearsPreviewObject() {
        file.put(L"PreviewObject", Var::Dispatch(nullptr));
        file.putRef(L"BuddyObject", Var::Dispatch(nullptr));
        file.call(L"Init", {Var::Str(L"")});
    }
};

// The event sink on the object's connection point, connected while it lives.
class Sink {
public:
    explicit Sink(const Late& file) {
        object_.event(1, [this](DISPPARAMS* p) { heard.push_back(Texts(p)); });
        ComPtr<IConnectionPointContainer> container;
        if (FAILED(file.object()->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.GetAddressOf()))))
            return;
        if (FAILED(container->FindConnectionPoint(DIID___clsZqPickerFileOpenSaveA, point_.GetAddressOf()))) return;
        if (FAILED(point_->Advise(&object_, &cookie_))) cookie_ = 0;
    }
    ~Sink() {
        if (cookie_) point_->Unadvise(cookie_);
    }
    bool connected() const { return cookie_ != 0; }
    std::vector<Delivery> heard;

private:
    NamedObject object_;
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

bool HeardPicture(const std::vector<Delivery>& heard) {
    for (std::size_t i = 2; i < heard.size(); ++i)
        if (heard[i] == Delivery{kPicture, L"bmp"}) return true;
    return false;
}

// The highlighted picture arrives as the third of ("", ""), ("", ""), (path, "bmp").
::testing::AssertionResult HeardInOrder(const std::vector<Delivery>& heard) {
    for (std::size_t i = 2; i < heard.size(); ++i) {
        if (heard[i] != Delivery{kPicture, L"bmp"}) continue;
        if (heard[i - 1] == Delivery{} && heard[i - 2] == Delivery{}) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the path came, but not after two empty notifications";
    }
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << heard.size() << " notifications, none with the picture:";
    for (const auto& d : heard) failure << " (" << Narrow(d.first) << ", " << Narrow(d.second) << ")";
    return failure;
}

TEST(RealPreviewPane, ThePaneSitsBelowTheFileListAndTheHighlightedPictureReachesTheSink) {
    PictureFolder folder;
    ASSERT_TRUE(folder.made);
    ClientForm form;
    auto file = NewFileDialog();
    ASSERT_TRUE(file);
    ClearsPreviewObject clears{*file};

    // The same dialog without a pane, for its height.
    Prepare(*file, nullptr);
    InDialog plain;
    Shown first = ShowAndHighlight(*file, plain, [] { return true; }, form.picture);
    ASSERT_TRUE(first.report.clean()) << first.report.actionError;

    Prepare(*file, &form.preview);
    Sink sink(*file);
    ASSERT_TRUE(sink.connected());
    InDialog seen;
    Shown s = ShowAndHighlight(*file, seen, [&] { return HeardPicture(sink.heard); }, form.picture);
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(ShowReturned(s.result, VARIANT_FALSE));
    EXPECT_TRUE(seen.highlighted);
    EXPECT_TRUE(HeardInOrder(sink.heard));

    EXPECT_EQ(seen.pictureParent, s.dialog().hwnd) << "a child of the dialog box itself";
    EXPECT_TRUE(seen.pictureVisible);
    EXPECT_EQ(seen.picture.left, 5);
    EXPECT_EQ(seen.picture.top, seen.fileList.bottom + 104);
    EXPECT_EQ(seen.picture.right - seen.picture.left, seen.fileList.right + 5);
    EXPECT_EQ(HeightOf(seen.picture), 120 - 5);
    EXPECT_EQ(seen.dialogHeight, plain.dialogHeight + 120) << "taller by the preview's client height";
    const Var* scaleMode = form.preview.value(L"ScaleMode");
    ASSERT_TRUE(scaleMode);
    EXPECT_EQ(scaleMode->vt(), VT_I2);
    EXPECT_EQ(V_I2(&**scaleMode), 1);

    // Closed: hidden, back in the form, and the last thing heard is ("", "").
    EXPECT_EQ(GetParent(form.picture), form.home);
    EXPECT_FALSE(IsWindowVisible(form.picture));
    ASSERT_FALSE(sink.heard.empty());
    EXPECT_EQ(sink.heard.back(), Delivery{});
}

TEST(RealPreviewPane, ABuddyHearsTheNotificationsAndTheSinkNothing) {
    PictureFolder folder;
    ASSERT_TRUE(folder.made);
    ClientForm form;
    auto file = NewFileDialog();
    ASSERT_TRUE(file);
    ClearsPreviewObject clears{*file};
    Prepare(*file, &form.preview);
    NamedObject buddy;
    std::vector<Delivery> buddyHeard;
    buddy.method(L"clsPickerFileOpenSaveA_PreviewItemChanged", [&](DISPPARAMS* p) { buddyHeard.push_back(Texts(p)); });
    ASSERT_EQ(file->putRef(L"BuddyObject", Var::Dispatch(&buddy)).hr, S_OK);
    Sink sink(*file);
    ASSERT_TRUE(sink.connected());

    InDialog seen;
    Shown s = ShowAndHighlight(*file, seen, [&] { return HeardPicture(buddyHeard); }, form.picture);
    EXPECT_TRUE(s.report.clean()) << s.report.actionError;
    EXPECT_TRUE(seen.highlighted);
    EXPECT_TRUE(HeardInOrder(buddyHeard));
    EXPECT_TRUE(sink.heard.empty()) << sink.heard.size() << " events although a buddy is set";
    EXPECT_EQ(GetParent(form.picture), form.home);
    EXPECT_EQ(file->putRef(L"BuddyObject", Var::Dispatch(nullptr)).hr, S_OK);
}

}  // namespace
}  // namespace cz::testing
