// A host stand-in for the few system declarations the argument conversion uses, so that it can be
// fuzzed on the host with the sanitizers: the VARIANT layout, its type tags and the codes. Only what
// that file needs; the conversions behind it are a small model (automation_shim.cpp).
#pragma once

#include <cstdint>

using HRESULT = std::int32_t;
using SCODE = std::int32_t;
using VARTYPE = std::uint16_t;
using WORD = std::uint16_t;
using USHORT = std::uint16_t;
using SHORT = std::int16_t;
using CHAR = char;
using BYTE = std::uint8_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using VARIANT_BOOL = std::int16_t;
using OLECHAR = char16_t;
using BSTR = OLECHAR*;
using UINT = unsigned int;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = static_cast<HRESULT>(0x80020004);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005);
inline constexpr HRESULT DISP_E_OVERFLOW = static_cast<HRESULT>(0x8002000A);
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }
inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;
