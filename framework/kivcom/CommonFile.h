// Path helpers of the application's common-file library.
#pragma once

#include "platform/afx/CString.h"

class KIVFW_API CCommonFile {
public:
    // The application's folder, ending in a backslash.
    static CString GetModulePath();
    // The folder part of a full file path, ending in a backslash ("" when the path has none).
    static CString GetPathName(const wchar_t* lpszFullPath);
    // The path as the file functions take it beyond MAX_PATH characters: a long drive path gets
    // the "\\?\" prefix, a long UNC path "\\?\UNC\", both made full first (the prefix turns
    // off the resolving of "." and ".."); shorter and already prefixed paths are left alone.
    static CString ExtendedPath(const wchar_t* lpszPath);
};
