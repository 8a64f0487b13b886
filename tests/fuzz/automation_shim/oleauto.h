// See windows.h here: the VARIANT and the automation calls the argument conversion makes.
#pragma once

#include "windows.h"

enum : VARTYPE {
    VT_EMPTY = 0, VT_NULL = 1, VT_I2 = 2, VT_I4 = 3, VT_R4 = 4, VT_R8 = 5, VT_CY = 6, VT_DATE = 7, VT_BSTR = 8,
    VT_DISPATCH = 9, VT_ERROR = 10, VT_BOOL = 11, VT_VARIANT = 12, VT_UNKNOWN = 13, VT_DECIMAL = 14, VT_I1 = 16,
    VT_UI1 = 17, VT_UI2 = 18, VT_UI4 = 19, VT_I8 = 20, VT_UI8 = 21, VT_INT = 22, VT_UINT = 23,
    VT_ARRAY = 0x2000, VT_BYREF = 0x4000,
};

struct DECIMAL {
    USHORT wReserved;
    BYTE scale;
    BYTE sign;
    ULONG Hi32;
    ULONGLONG Lo64;
};

struct IUnknown;
struct IDispatch;

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1, wReserved2, wReserved3;
    union {
        LONGLONG llVal;
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        CHAR cVal;
        USHORT uiVal;
        ULONG ulVal;
        ULONGLONG ullVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        float fltVal;
        double dblVal;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        void* byref;
        VARIANT* pvarVal;
        DECIMAL* pdecVal;
    };
    DECIMAL decVal;  // overlaps the whole variant on the system; kept apart here
};
using VARIANTARG = VARIANT;

void VariantInit(VARIANT* v);
HRESULT VariantClear(VARIANT* v);
HRESULT VariantCopy(VARIANT* destination, VARIANT* source);
HRESULT VariantChangeType(VARIANT* destination, VARIANT* source, USHORT flags, VARTYPE vt);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR s);
UINT SysStringLen(BSTR s);
