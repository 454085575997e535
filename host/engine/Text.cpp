#include "host/engine/Text.h"

#include <charconv>

namespace kiv::engine {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Fold(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = FoldChar(c);
    return folded;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldChar(a[i]) != FoldChar(b[i]))
            return false;
    }
    return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool AllDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

std::optional<std::int64_t> ParseCount(std::string_view digits)
{
    if (!AllDigits(digits))
        return std::nullopt;
    std::int64_t value = 0;
    const char* end = digits.data() + digits.size();
    auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::string_view FirstSegment(std::string_view path)
{
    return path.substr(0, path.find('.'));
}

std::string_view AfterFirstSegment(std::string_view path)
{
    const std::size_t dot = path.find('.');
    return dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
}

}  // namespace kiv::engine
