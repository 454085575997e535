#include "framework/kivcom/CommonFile.h"

#include <string>

CString CCommonFile::GetModulePath()
{
    // The path may be longer than MAX_PATH; the call truncates silently, so grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return CString();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768)
            return CString();
        path.resize(path.size() * 2);
    }
    return GetPathName(path.c_str());
}

CString CCommonFile::GetPathName(const wchar_t* lpszFullPath)
{
    if (!lpszFullPath)
        return CString();
    std::wstring folder(lpszFullPath);
    const size_t separator = folder.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return CString();
    folder.resize(separator + 1);
    // Callers append names with backslashes, so the folder is given in that one spelling.
    for (wchar_t& ch : folder) {
        if (ch == L'/')
            ch = L'\\';
    }
    return CString(std::move(folder));
}
