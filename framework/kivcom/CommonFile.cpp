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

CString CCommonFile::ExtendedPath(const wchar_t* lpszPath)
{
    if (!lpszPath)
        return CString();
    const std::wstring path(lpszPath);
    if (path.size() < MAX_PATH || path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0)
        return CString(path);
    const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return CString(path);
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed)
        return CString(path);
    full.resize(length);
    if (full.rfind(L"\\\\", 0) == 0)
        return CString(L"\\\\?\\UNC\\" + full.substr(2));
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\')
        return CString(L"\\\\?\\" + full);
    return CString(path);
}
