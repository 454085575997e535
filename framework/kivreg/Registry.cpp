#include "framework/kivreg/Registry.h"

#include "platform/afx/DataExchange.h"

#include <cstring>

const wchar_t CRegistry::kApplicationKey[] = L"Software\\Calvane\\KivenarLite\\1.0";

namespace {

bool ReadRaw(const wchar_t* section, const wchar_t* key, DWORD flags, void* data, DWORD* size)
{
    const CString path = CRegistry::SectionPath(section);
    // Without RRF_NOEXPAND an expandable text is expanded into the buffer before its type is
    // checked, which overruns the buffer of a number.
    return ::RegGetValueW(HKEY_CURRENT_USER, path, key, flags | RRF_NOEXPAND, nullptr, data, size) == ERROR_SUCCESS;
}

bool WriteRaw(const wchar_t* section, const wchar_t* key, DWORD type, const void* data, DWORD size)
{
    HKEY hKey = nullptr;
    const CString path = CRegistry::SectionPath(section);
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = ::RegSetValueExW(hKey, key, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    ::RegCloseKey(hKey);
    return ok;
}

bool ReadText(const wchar_t* section, const wchar_t* key, CString& text)
{
    DWORD size = 0;
    if (!ReadRaw(section, key, RRF_RT_REG_SZ, nullptr, &size))
        return false;
    // The value may change between the two calls; a grown value simply fails the read.
    const DWORD chars = size / sizeof(wchar_t) + 1;
    wchar_t* buffer = text.GetBuffer(static_cast<int>(chars));
    size = chars * sizeof(wchar_t);
    const bool ok = ReadRaw(section, key, RRF_RT_REG_SZ, buffer, &size);
    text.ReleaseBuffer(ok ? -1 : 0);
    return ok;
}

}  // namespace

CString CRegistry::SectionPath(const wchar_t* lpszSection)
{
    CString path(kApplicationKey);
    if (lpszSection && *lpszSection) {
        path += L"\\";
        path += lpszSection;
    }
    return path;
}

BOOL CRegistry::Read(const wchar_t* lpszSection, const wchar_t* lpszKey, int nDefault, int* pnValue, int nFlag)
{
    *pnValue = nDefault;
    if (nFlag) {
        DWORD value = 0;
        DWORD size = sizeof value;
        // A stored value of another size than its type's is no number (Wine hands it over as it is).
        if (!ReadRaw(lpszSection, lpszKey, RRF_RT_REG_DWORD, &value, &size) || size != sizeof value)
            return FALSE;
        *pnValue = static_cast<int>(value);
        return TRUE;
    }
    CString text;
    int value = 0;
    if (!ReadText(lpszSection, lpszKey, text) || !AfxParseInt(text, value))
        return FALSE;
    *pnValue = value;
    return TRUE;
}

BOOL CRegistry::Write(const wchar_t* lpszSection, const wchar_t* lpszKey, int nValue, int nFlag)
{
    if (nFlag) {
        const DWORD value = static_cast<DWORD>(nValue);
        return WriteRaw(lpszSection, lpszKey, REG_DWORD, &value, sizeof value);
    }
    CString text;
    text.Format(L"%d", nValue);
    return WriteRaw(lpszSection, lpszKey, REG_SZ, text.GetString(),
                    static_cast<DWORD>((text.GetLength() + 1) * sizeof(wchar_t)));
}

BOOL CRegistry::Read(const wchar_t* lpszSection, const wchar_t* lpszKey, double dDefault, double* pdValue)
{
    *pdValue = dDefault;
    ULONGLONG bits = 0;
    DWORD size = sizeof bits;
    if (!ReadRaw(lpszSection, lpszKey, RRF_RT_REG_QWORD, &bits, &size) || size != sizeof bits)
        return FALSE;
    std::memcpy(pdValue, &bits, sizeof bits);
    return TRUE;
}

BOOL CRegistry::Write(const wchar_t* lpszSection, const wchar_t* lpszKey, double dValue)
{
    ULONGLONG bits = 0;
    std::memcpy(&bits, &dValue, sizeof bits);
    return WriteRaw(lpszSection, lpszKey, REG_QWORD, &bits, sizeof bits);
}

BOOL CRegistry::Read(const wchar_t* lpszSection, const wchar_t* lpszKey, const wchar_t* lpszDefault, CString& strValue)
{
    CString text;
    if (!ReadText(lpszSection, lpszKey, text)) {
        strValue = lpszDefault;
        return FALSE;
    }
    strValue = text;
    return TRUE;
}

BOOL CRegistry::Write(const wchar_t* lpszSection, const wchar_t* lpszKey, const wchar_t* lpszValue)
{
    const CString text(lpszValue);
    return WriteRaw(lpszSection, lpszKey, REG_SZ, text.GetString(),
                    static_cast<DWORD>((text.GetLength() + 1) * sizeof(wchar_t)));
}
