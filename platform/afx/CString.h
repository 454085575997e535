// CString: the framework's UTF-16 string, a thin value class over std::wstring.
#pragma once

#include "platform/afx/AfxExport.h"

#include <cstdarg>
#include <string>

class KIVFW_API CString {
public:
    CString() = default;
    CString(const wchar_t* psz) : m_str(psz ? psz : L"") {}
    CString(const wchar_t* pch, int nLength) : m_str(pch, pch + nLength) {}
    CString(wchar_t ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    CString(std::wstring str) : m_str(std::move(str)) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int i) const { return m_str.at(static_cast<size_t>(i)); }
    wchar_t operator[](int i) const { return GetAt(i); }
    void SetAt(int i, wchar_t ch) { m_str.at(static_cast<size_t>(i)) = ch; }

    const wchar_t* GetString() const { return m_str.c_str(); }
    operator const wchar_t*() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }

    CString& operator=(const wchar_t* psz) { m_str = psz ? psz : L""; return *this; }
    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(const wchar_t* psz) { if (psz) m_str += psz; return *this; }
    CString& operator+=(wchar_t ch) { m_str += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const wchar_t* b) { return a + CString(b); }
    friend CString operator+(const wchar_t* a, const CString& b) { return CString(a) + b; }
    friend CString operator+(const CString& a, wchar_t ch) { return CString(a.m_str + ch); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_str == (b ? b : L""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

    // Ordinal comparisons (<0, 0, >0); CompareNoCase folds letter case the way the system does.
    int Compare(const wchar_t* psz) const;
    int CompareNoCase(const wchar_t* psz) const;

    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(const wchar_t* psz, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    int Insert(int nIndex, wchar_t ch);
    int Insert(int nIndex, const wchar_t* psz);
    int Delete(int nIndex, int nCount = 1);
    int Replace(const wchar_t* pszOld, const wchar_t* pszNew);
    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();

    // printf-style formatting: %d %i %u %x %X %c %s %f %e %g %% with flags (- + 0 blank #),
    // width, precision and the length prefixes h, l, ll, I64. %s takes a const wchar_t*.
    void Format(const wchar_t* pszFormat, ...);
    void FormatV(const wchar_t* pszFormat, va_list args);
    void AppendFormat(const wchar_t* pszFormat, ...);
    // Formats a string-table entry found through the resource chain.
    void Format(UINT nFormatID, ...);

    // Loads a string-table entry through the resource chain; FALSE (and empty) when none exists.
    BOOL LoadString(UINT nID);

    // Direct buffer access for Win32 calls that fill a character array.
    wchar_t* GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::wstring m_str;
};

// The system's number conversions for host answers and control texts: a leading number, 0 when
// there is none (the semantics of _wtoi and _wtof).
KIVFW_API int AfxTextToInt(const wchar_t* psz);
KIVFW_API double AfxTextToDouble(const wchar_t* psz);
