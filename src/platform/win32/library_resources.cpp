// The running library's own resources: strings, pictures (as standard picture objects) and custom data,
// looked up in the module that holds this code.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "platform/win32/bstr.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/module_lifetime.h"
#include "platform/win32/variant_conversion.h"
#include "platform/win32/win32_platform.h"

namespace cz::win32 {
namespace {

// Resource numbers are 16-bit; anything else cannot name a resource.
bool isResourceNumber(std::int32_t id) { return id > 0 && id <= 0xFFFF; }

LPCWSTR number(std::int32_t id) { return MAKEINTRESOURCEW(static_cast<WORD>(id)); }

}  // namespace

String Win32Platform::LoadResString(std::int32_t id) {
    const wchar_t* text = nullptr;
    int length = 0;
    if (id >= 0 && id <= 0xFFFF)
        length = ::LoadStringW(module::handle(), static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) throw ResourceNotFound(id);
    return String(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(length));
}

Picture Win32Platform::LoadResPicture(std::int32_t id, std::int16_t kind) {
    LPCWSTR type = kind == kResourceBitmap ? RT_BITMAP : kind == kResourceIcon ? RT_GROUP_ICON
                   : kind == kResourceCursor ? RT_GROUP_CURSOR : nullptr;
    HMODULE library = module::handle();
    if (!type || !isResourceNumber(id) || !::FindResourceW(library, number(id), type)) throw ResourceNotFound(id);

    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof(desc);
    if (kind == kResourceBitmap) {
        desc.picType = PICTYPE_BITMAP;
        desc.bmp.hbitmap = static_cast<HBITMAP>(::LoadImageW(library, number(id), IMAGE_BITMAP, 0, 0, 0));
        if (!desc.bmp.hbitmap) throw ResourceNotFound(id);
    } else {
        desc.picType = PICTYPE_ICON;
        desc.icon.hicon = static_cast<HICON>(
            ::LoadImageW(library, number(id), kind == kResourceIcon ? IMAGE_ICON : IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
        if (!desc.icon.hicon) throw ResourceNotFound(id);
    }
    // The picture object owns the image from here on.
    ComPtr<IDispatch> picture;
    HRESULT hr = ::OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.putVoid());
    if (FAILED(hr)) {
        if (kind == kResourceBitmap) ::DeleteObject(desc.bmp.hbitmap);
        else ::DestroyIcon(desc.icon.hicon);
        throw Failure(hr, u"Could not make a picture object of the resource");
    }
    return toObject(picture.get());
}

std::vector<std::uint8_t> Win32Platform::LoadResData(std::int32_t id, const Variant& type) {
    String name;
    LPCWSTR lookUp = nullptr;
    if (const auto* text = std::get_if<String>(&type)) {
        name = *text;
        lookUp = wide(name);
    } else if (const auto* i4 = std::get_if<std::int32_t>(&type)) {
        if (isResourceNumber(*i4)) lookUp = number(*i4);
    } else if (const auto* i2 = std::get_if<std::int16_t>(&type)) {
        if (isResourceNumber(*i2)) lookUp = number(*i2);
    } else if (const auto* real = std::get_if<double>(&type)) {
        if (*real >= 1 && *real <= 0xFFFF && *real == static_cast<double>(static_cast<std::int32_t>(*real)))
            lookUp = number(static_cast<std::int32_t>(*real));
    } else {
        throw Failure(runtime_error::TypeMismatch, u"Type mismatch");
    }
    HMODULE library = module::handle();
    HRSRC found = lookUp && isResourceNumber(id) ? ::FindResourceW(library, number(id), lookUp) : nullptr;
    HGLOBAL loaded = found ? ::LoadResource(library, found) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) throw ResourceNotFound(id);
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    return std::vector<std::uint8_t>(first, first + ::SizeofResource(library, found));
}

}  // namespace cz::win32
