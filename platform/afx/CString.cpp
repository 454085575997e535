#include "platform/afx/CString.h"

#include "platform/afx/ResourceChain.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <vector>

int CString::Compare(const wchar_t* psz) const
{
    return m_str.compare(psz ? psz : L"");
}

int CString::CompareNoCase(const wchar_t* psz) const
{
    const std::wstring other = psz ? psz : L"";
    const int r = ::CompareStringOrdinal(m_str.c_str(), GetLength(), other.c_str(),
                                         static_cast<int>(other.size()), TRUE);
    return r == CSTR_LESS_THAN ? -1 : r == CSTR_GREATER_THAN ? 1 : 0;
}

CString CString::Left(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.substr(0, static_cast<size_t>(nCount)));
}

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(nCount)));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::clamp(nFirst, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)));
}

int CString::Find(wchar_t ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    const size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* psz, int nStart) const
{
    if (!psz || nStart < 0 || nStart > GetLength())
        return -1;
    const size_t pos = m_str.find(psz, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const
{
    const size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Insert(int nIndex, wchar_t ch)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert(m_str.begin() + nIndex, ch);
    return GetLength();
}

int CString::Insert(int nIndex, const wchar_t* psz)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    if (psz)
        m_str.insert(static_cast<size_t>(nIndex), psz);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nIndex);
    m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
    return GetLength();
}

int CString::Replace(const wchar_t* pszOld, const wchar_t* pszNew)
{
    const std::wstring from = pszOld ? pszOld : L"";
    const std::wstring to = pszNew ? pszNew : L"";
    if (from.empty())
        return 0;
    int count = 0;
    for (size_t pos = m_str.find(from); pos != std::wstring::npos; pos = m_str.find(from, pos + to.size())) {
        m_str.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

CString& CString::MakeUpper()
{
    if (!m_str.empty())
        ::CharUpperBuffW(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        ::CharLowerBuffW(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft()
{
    const auto first = std::find_if(m_str.begin(), m_str.end(), [](wchar_t c) { return !std::iswspace(c); });
    m_str.erase(m_str.begin(), first);
    return *this;
}

CString& CString::TrimRight()
{
    const auto last = std::find_if(m_str.rbegin(), m_str.rend(), [](wchar_t c) { return !std::iswspace(c); });
    m_str.erase(last.base(), m_str.end());
    return *this;
}

namespace {

void AppendNarrow(std::wstring& out, const char* text)
{
    while (*text)
        out += static_cast<wchar_t>(static_cast<unsigned char>(*text++));
}

// Pads a converted field to its width, on the left unless the '-' flag asks for the right.
void AppendPadded(std::wstring& out, const std::wstring& field, int width, bool leftAlign)
{
    const int pad = width - static_cast<int>(field.size());
    if (pad > 0 && !leftAlign)
        out.append(static_cast<size_t>(pad), L' ');
    out += field;
    if (pad > 0 && leftAlign)
        out.append(static_cast<size_t>(pad), L' ');
}

}  // namespace

// Numbers go through the C library's narrow formatter, which is locale-free here and unambiguous;
// strings and characters are handled directly so that %s always means a wide string.
void CString::FormatV(const wchar_t* pszFormat, va_list args)
{
    std::wstring out;
    const wchar_t* p = pszFormat ? pszFormat : L"";
    while (*p) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        const wchar_t* conversionStart = p++;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        std::string flags;
        while (*p && std::wcschr(L"-+ 0#", *p))
            flags += static_cast<char>(*p++);
        int width = -1;
        if (*p == L'*') {
            width = va_arg(args, int);
            if (width < 0) {
                flags += '-';
                width = -width;
            }
            ++p;
        } else if (std::iswdigit(*p)) {
            width = 0;
            while (std::iswdigit(*p))
                width = std::min(width * 10 + (*p++ - L'0'), 4096);
        }
        int precision = -1;
        if (*p == L'.') {
            ++p;
            precision = 0;
            if (*p == L'*') {
                precision = va_arg(args, int);
                ++p;
            } else {
                while (std::iswdigit(*p))
                    precision = std::min(precision * 10 + (*p++ - L'0'), 4096);
            }
        }
        enum class Size { Default, Short, Long, LongLong } size = Size::Default;
        if (*p == L'h') {
            size = Size::Short;
            ++p;
        } else if (*p == L'l') {
            ++p;
            size = Size::Long;
            if (*p == L'l') {
                size = Size::LongLong;
                ++p;
            }
        } else if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
            size = Size::LongLong;
            p += 3;
        } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
            p += 3;
        }
        const wchar_t conv = *p;
        if (!conv)
            break;
        ++p;

        std::string narrow = "%" + flags;
        if (width >= 0)
            narrow += std::to_string(width);
        if (precision >= 0)
            narrow += "." + std::to_string(precision);
        char buffer[512];
        const bool leftAlign = flags.find('-') != std::string::npos;
        switch (conv) {
        case L'd':
        case L'i':
            if (size == Size::LongLong) {
                std::snprintf(buffer, sizeof buffer, (narrow + "lld").c_str(), va_arg(args, long long));
            } else {
                int value = va_arg(args, int);
                if (size == Size::Short)
                    value = static_cast<short>(value);
                std::snprintf(buffer, sizeof buffer, (narrow + "d").c_str(), value);
            }
            AppendNarrow(out, buffer);
            break;
        case L'u':
        case L'x':
        case L'X':
        case L'o': {
            const std::string c(1, static_cast<char>(conv));
            if (size == Size::LongLong) {
                std::snprintf(buffer, sizeof buffer, (narrow + "ll" + c).c_str(), va_arg(args, unsigned long long));
            } else {
                unsigned value = va_arg(args, unsigned);
                if (size == Size::Short)
                    value = static_cast<unsigned short>(value);
                std::snprintf(buffer, sizeof buffer, (narrow + c).c_str(), value);
            }
            AppendNarrow(out, buffer);
            break;
        }
        case L'f':
        case L'F':
        case L'e':
        case L'E':
        case L'g':
        case L'G': {
            const double value = va_arg(args, double);
            std::vector<char> big(static_cast<size_t>(std::max(width, 0) + std::max(precision, 0)) + 400);
            std::snprintf(big.data(), big.size(), (narrow + static_cast<char>(conv)).c_str(), value);
            AppendNarrow(out, big.data());
            break;
        }
        case L'p':
            std::snprintf(buffer, sizeof buffer, "%p", va_arg(args, void*));
            AppendNarrow(out, buffer);
            break;
        case L'c':
        case L'C': {
            const wchar_t ch = static_cast<wchar_t>(va_arg(args, int));
            AppendPadded(out, std::wstring(1, ch), width, leftAlign);
            break;
        }
        case L's':
        case L'S': {
            std::wstring field;
            if (conv == L'S' || size == Size::Short) {
                const char* text = va_arg(args, const char*);
                if (!text)
                    text = "(null)";
                const int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
                if (n > 1) {
                    field.resize(static_cast<size_t>(n - 1));
                    ::MultiByteToWideChar(CP_ACP, 0, text, -1, field.data(), n);
                }
            } else {
                const wchar_t* text = va_arg(args, const wchar_t*);
                field = text ? text : L"(null)";
            }
            if (precision >= 0 && static_cast<size_t>(precision) < field.size())
                field.resize(static_cast<size_t>(precision));
            AppendPadded(out, field, width, leftAlign);
            break;
        }
        default:
            // An unknown conversion is copied as it stands, so a mistyped format stays visible.
            out.append(conversionStart, p);
            break;
        }
    }
    m_str = std::move(out);
}

void CString::Format(const wchar_t* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(const wchar_t* pszFormat, ...)
{
    CString tail;
    va_list args;
    va_start(args, pszFormat);
    tail.FormatV(pszFormat, args);
    va_end(args);
    m_str += tail.m_str;
}

void CString::Format(UINT nFormatID, ...)
{
    CString format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

BOOL CString::LoadString(UINT nID)
{
    m_str.clear();
    for (HINSTANCE module : AfxResourceChain()) {
        const wchar_t* text = nullptr;
        const int length = ::LoadStringW(module, nID, reinterpret_cast<LPWSTR>(&text), 0);
        if (length > 0 && text) {
            m_str.assign(text, static_cast<size_t>(length));
            return TRUE;
        }
    }
    return FALSE;
}

wchar_t* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::wcslen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

int AfxTextToInt(const wchar_t* psz)
{
    return psz ? _wtoi(psz) : 0;
}

double AfxTextToDouble(const wchar_t* psz)
{
    return psz ? _wtof(psz) : 0.0;
}
