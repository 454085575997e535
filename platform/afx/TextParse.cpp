#include "platform/afx/TextParse.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <iterator>

namespace kivparse {

namespace {

// Skips blanks and checks that nothing but blanks follows the number.
bool OnlyBlanks(const wchar_t* p)
{
    while (*p && std::iswspace(*p))
        ++p;
    return *p == 0;
}

const wchar_t* SkipBlanks(const wchar_t* p)
{
    while (*p && std::iswspace(*p))
        ++p;
    return p;
}

std::vector<std::wstring> SplitTabs(const std::wstring& line)
{
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find(L'\t', start);
        fields.emplace_back(line.substr(start, tab == std::wstring::npos ? std::wstring::npos : tab - start));
        if (tab == std::wstring::npos)
            return fields;
        start = tab + 1;
    }
}

// The camera fields after the record kind: display name, key, then five sizes in mm.
bool ReadCamera(const std::vector<std::wstring>& fields, CatalogCamera& camera)
{
    if (fields.size() != 8 || fields[1].empty() || fields[2].empty())
        return false;
    camera.name = fields[1];
    camera.key = fields[2];
    double* const sizes[] = {&camera.width, &camera.height, &camera.guiderDistance, &camera.guiderWidth,
                             &camera.guiderHeight};
    for (size_t i = 0; i < std::size(sizes); ++i) {
        if (!ParseDouble(fields[3 + i].c_str(), *sizes[i]))
            return false;
    }
    return true;
}

void AppendUtf16(std::wstring& text, unsigned long code)
{
    if (code < 0x10000) {
        text += static_cast<wchar_t>(code);
    } else {
        code -= 0x10000;
        text += static_cast<wchar_t>(0xD800 + (code >> 10));
        text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
    }
}

}  // namespace

bool ParseInt(const wchar_t* text, int& value)
{
    if (!text)
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    const long long parsed = std::wcstoll(text, &end, 10);
    if (end == text || errno == ERANGE || !OnlyBlanks(end) || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseUInt(const wchar_t* text, unsigned int& value)
{
    if (!text)
        return false;
    const wchar_t* p = SkipBlanks(text);
    if (*p == L'-')
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    const unsigned long long parsed = std::wcstoull(p, &end, 10);
    if (end == p || errno == ERANGE || !OnlyBlanks(end) || parsed > UINT_MAX)
        return false;
    value = static_cast<unsigned int>(parsed);
    return true;
}

bool ParseDouble(const wchar_t* text, double& value)
{
    if (!text)
        return false;
    const wchar_t* p = SkipBlanks(text);
    // Only plain decimal numbers: no hexadecimal floats, infinities or NaNs.
    for (const wchar_t* q = p; *q && !std::iswspace(*q); ++q) {
        if (!std::wcschr(L"0123456789+-.eE", *q))
            return false;
    }
    wchar_t* end = nullptr;
    errno = 0;
    const double parsed = std::wcstod(p, &end);
    if (end == p || !OnlyBlanks(end) || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool ParseColor(const wchar_t* text, unsigned int& rgb)
{
    if (!text || text[0] != L'#')
        return false;
    unsigned int value = 0;
    for (int i = 1; i <= 6; ++i) {
        const wchar_t c = text[i];
        unsigned int digit = 0;
        if (c >= L'0' && c <= L'9')
            digit = static_cast<unsigned int>(c - L'0');
        else if (c >= L'A' && c <= L'F')
            digit = static_cast<unsigned int>(c - L'A' + 10);
        else if (c >= L'a' && c <= L'f')
            digit = static_cast<unsigned int>(c - L'a' + 10);
        else
            return false;
        value = value * 16 + digit;
    }
    if (text[7] != 0)
        return false;
    rgb = value;
    return true;
}

std::wstring FromUtf8(const std::string& bytes)
{
    std::wstring text;
    size_t i = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        unsigned long code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        int taken = 1;
        while (length > 1 && taken < length && i + static_cast<size_t>(taken) < bytes.size() &&
               (static_cast<unsigned char>(bytes[i + static_cast<size_t>(taken)]) & 0xC0) == 0x80) {
            code = (code << 6) | (static_cast<unsigned char>(bytes[i + static_cast<size_t>(taken)]) & 0x3F);
            ++taken;
        }
        // Truncated, overlong, surrogate or beyond U+10FFFF: one replacement for what was taken.
        static const unsigned long kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        const bool valid = length > 0 && taken == length && code >= kSmallest[length] && code <= 0x10FFFF &&
                           !(code >= 0xD800 && code <= 0xDFFF);
        AppendUtf16(text, valid ? code : 0xFFFD);
        i += static_cast<size_t>(taken);
    }
    return text;
}

void ParseCatalog(const std::string& bytes, std::vector<CatalogVendor>& vendors, std::vector<CatalogCamera>& cameras)
{
    vendors.clear();
    cameras.clear();
    const std::wstring text = FromUtf8(bytes);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        if (line.empty() || line[0] == L'#')
            continue;
        const std::vector<std::wstring> fields = SplitTabs(line);
        if (fields[0] == L"vendor" && fields.size() == 2 && !fields[1].empty()) {
            vendors.push_back({fields[1], 0});
            continue;
        }
        CatalogCamera camera;
        // A camera before any maker has no block to belong to.
        if (fields[0] == L"camera" && !vendors.empty() && ReadCamera(fields, camera)) {
            camera.vendor = vendors.back().name;
            cameras.push_back(camera);
            ++vendors.back().cameraCount;
        }
    }
}

}  // namespace kivparse
