// CRegistry: the application's per-user settings store, one registry key per section under
// HKEY_CURRENT_USER\Software\Calvane\KivenarLite\1.0\.
//
// Integers carry a flag that fixes how the value is stored, and a key is always read and written
// with the same flag: 1 stores a REG_DWORD; 0 stores decimal text (REG_SZ), the form that the
// application's older settings use. Doubles are stored as the exact bits of the value in a
// REG_QWORD, strings as REG_SZ. A value that is missing, or stored with another type or flag,
// reads as the default. Every operation returns nonzero on success.
#pragma once

#include "platform/afx/CString.h"

class KIVFW_API CRegistry {
public:
    static BOOL Read(const wchar_t* lpszSection, const wchar_t* lpszKey, int nDefault, int* pnValue, int nFlag);
    static BOOL Write(const wchar_t* lpszSection, const wchar_t* lpszKey, int nValue, int nFlag);
    static BOOL Read(const wchar_t* lpszSection, const wchar_t* lpszKey, double dDefault, double* pdValue);
    static BOOL Write(const wchar_t* lpszSection, const wchar_t* lpszKey, double dValue);
    static BOOL Read(const wchar_t* lpszSection, const wchar_t* lpszKey, const wchar_t* lpszDefault, CString& strValue);
    static BOOL Write(const wchar_t* lpszSection, const wchar_t* lpszKey, const wchar_t* lpszValue);

    // The key path of a section, relative to HKEY_CURRENT_USER.
    static CString SectionPath(const wchar_t* lpszSection);
    static const wchar_t kApplicationKey[];
};
