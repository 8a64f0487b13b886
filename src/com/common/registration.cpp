#include "com/common/registration.h"

#include <oleauto.h>

#include <new>
#include <string>
#include <utility>

#include "com/common/type_info_records.h"
#include "com/common/type_library.h"
#include "platform/win32/bstr.h"
#include "platform/win32/module_lifetime.h"

namespace cz::com {
namespace {

using win32::ComPtr;

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY get() const { return key_; }
    HKEY* put() { return &key_; }

private:
    HKEY key_ = nullptr;
};

// Thrown inside this file only: the step that failed, as an HRESULT.
struct StepFailed {
    HRESULT code;
};

void checkStatus(LSTATUS status) {
    if (status != ERROR_SUCCESS) throw StepFailed{HRESULT_FROM_WIN32(status)};
}

void check(HRESULT hr) {
    if (FAILED(hr)) throw StepFailed{hr};
}

// Creates HKEY_CLASSES_ROOT\<path> with its default value and optionally one named value.
void writeKey(const std::wstring& path, const std::wstring& value, const wchar_t* name = nullptr,
              const std::wstring& namedValue = std::wstring()) {
    RegistryKey key;
    checkStatus(RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                          key.put(), nullptr));
    auto write = [&](const wchar_t* valueName, const std::wstring& text) {
        checkStatus(RegSetValueExW(key.get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
    };
    write(nullptr, value);
    if (name) write(name, namedValue);
}

void deleteTree(const std::wstring& path) {
    LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
    if (status != ERROR_FILE_NOT_FOUND) checkStatus(status);
    status = RegDeleteKeyW(HKEY_CLASSES_ROOT, path.c_str());
    if (status != ERROR_FILE_NOT_FOUND) checkStatus(status);
}

std::wstring guidText(REFGUID guid) {
    wchar_t text[40];
    if (StringFromGUID2(guid, text, 40) == 0) throw StepFailed{E_UNEXPECTED};
    return text;
}

std::wstring modulePath() {
    String path = win32::module::path();
    if (path.empty()) throw StepFailed{HRESULT_FROM_WIN32(GetLastError())};
    return std::wstring(win32::wide(path));
}

TLIBATTR libraryAttributes() {
    ComPtr<ITypeLib> typeLib;
    check(moduleTypeLib(typeLib));
    LibraryAttributes attr;
    check(typeLib->GetLibAttr(attr.put(*typeLib.get())));
    return *attr.get();
}

template <class Steps>
HRESULT runSteps(Steps&& steps) noexcept {
    try {
        std::forward<Steps>(steps)();
        return S_OK;
    } catch (const StepFailed& failed) {
        return failed.code;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace

HRESULT registerServer(std::wstring_view library, std::span<const ClassEntry> classes) noexcept {
    return runSteps([&] {
        const std::wstring path = modulePath();
        ComPtr<ITypeLib> typeLib;
        check(LoadTypeLibEx(path.c_str(), REGKIND_REGISTER, typeLib.put()));
        const std::wstring libid = guidText(libraryAttributes().guid);
        for (const ClassEntry& entry : classes) {
            const std::wstring progId = std::wstring(library) + L"." + entry.name;
            const std::wstring clsidKey = L"CLSID\\" + guidText(*entry.clsid);
            writeKey(progId, entry.name);
            writeKey(progId + L"\\CLSID", guidText(*entry.clsid));
            writeKey(clsidKey, progId);
            writeKey(clsidKey + L"\\ProgID", progId);
            writeKey(clsidKey + L"\\InprocServer32", path, L"ThreadingModel", L"Apartment");
            writeKey(clsidKey + L"\\TypeLib", libid);
        }
    });
}

HRESULT unregisterServer(std::wstring_view library, std::span<const ClassEntry> classes) noexcept {
    return runSteps([&] {
        for (const ClassEntry& entry : classes) {
            deleteTree(std::wstring(library) + L"." + entry.name);
            deleteTree(L"CLSID\\" + guidText(*entry.clsid));
        }
        const TLIBATTR attr = libraryAttributes();
        win32::Bstr registeredPath;
        if (SUCCEEDED(QueryPathOfRegTypeLib(attr.guid, attr.wMajorVerNum, attr.wMinorVerNum, attr.lcid,
                                            registeredPath.put())))
            check(UnRegisterTypeLib(attr.guid, attr.wMajorVerNum, attr.wMinorVerNum, attr.lcid, attr.syskind));
    });
}

}  // namespace cz::com
