#include "dialogs/adf/AdfPath.h"

#include "framework/kivcom/CommonFile.h"

#include <windows.h>

#include <string>

namespace {

// Both calls answer the size they need when the buffer is too small; paths beyond MAX_PATH get a
// second call with that size rather than being cut.
template <class Convert>
bool ConvertPath(Convert convert, const CString& strPath, CString& strResult)
{
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD length = convert(strPath, buffer.data(), MAX_PATH);
    if (length >= MAX_PATH) {
        buffer.assign(length, L'\0');
        length = convert(strPath, buffer.data(), length);
        if (length >= buffer.size())
            length = 0;
    }
    if (length == 0)
        return false;
    buffer.resize(length);
    strResult = CString(std::move(buffer));
    return true;
}

}  // namespace

CString AdfShortPath(const CString& strPath)
{
    CString strShort;
    if (strPath.IsEmpty() || !ConvertPath(&::GetShortPathNameW, strPath, strShort))
        return strPath;
    return strShort;
}

CString AdfLongPath(const CString& strPath)
{
    CString strLong;
    if (strPath.IsEmpty() || !ConvertPath(&::GetLongPathNameW, strPath, strLong))
        return CString();
    // Some systems give a "\\?\" drive path back as it came; its plain form converts.
    const bool prefixed = strLong.Left(4) == L"\\\\?\\" && strLong.Mid(5, 2) == L":\\";
    CString strPlain;
    if (prefixed && strLong == strPath && ConvertPath(&::GetLongPathNameW, strLong.Mid(4), strPlain))
        return strPlain.GetLength() < MAX_PATH ? strPlain : CCommonFile::ExtendedPath(strPlain);
    return strLong;
}
