#include "host/engine/Value.h"

#include "host/engine/Text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <system_error>

namespace kiv::engine {
namespace {

bool IsIntegerSyntax(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    return AllDigits(text);
}

std::size_t CountDigits(std::string_view text, std::size_t pos)
{
    std::size_t n = 0;
    while (pos + n < text.size() && IsDigit(text[pos + n]))
        ++n;
    return n;
}

// [+-]?(d+.d*|.d+)([eE][+-]?d+)?
bool IsRealSyntax(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t whole = CountDigits(text, pos);
    pos += whole;
    if (pos >= text.size() || text[pos] != '.')
        return false;
    ++pos;
    const std::size_t fraction = CountDigits(text, pos);
    pos += fraction;
    if (whole == 0 && fraction == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        const std::size_t exponent = CountDigits(text, pos);
        if (exponent == 0)
            return false;
        pos += exponent;
    }
    return pos == text.size();
}

bool IsNameSyntax(std::string_view text)
{
    if (text.empty() || !(IsAsciiLetter(text.front()) || text.front() == '_'))
        return false;
    for (char c : text) {
        if (!(IsAsciiLetter(c) || IsDigit(c) || c == '_' || c == '.' || c == '-'))
            return false;
    }
    return true;
}

// from_chars takes no leading '+'.
std::string_view WithoutPlus(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    return text;
}

bool ReadReal(std::string_view text, double& out)
{
    text = WithoutPlus(text);
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out, std::chars_format::general);
    return ec == std::errc() && ptr == end && std::isfinite(out);
}

}  // namespace

bool Value::Parse(std::string_view text, Value& out, std::string& reason)
{
    if (text.empty()) {
        reason = "the value is missing";
        return false;
    }
    if (text.front() == '"') {
        if (text.size() < 2 || text.back() != '"') {
            reason = "the text value has no closing quote at its end";
            return false;
        }
        const std::string_view content = text.substr(1, text.size() - 2);
        if (content.find_first_of("\"\r\n") != std::string_view::npos) {
            reason = "a text value may not contain a quote or a line break";
            return false;
        }
        out = Text(std::string(content));
        return true;
    }
    if (EqualsNoCase(text, "TRUE") || EqualsNoCase(text, "FALSE")) {
        out = Bool(EqualsNoCase(text, "TRUE"));
        return true;
    }
    const bool integer = IsIntegerSyntax(text);
    if (integer) {
        std::int64_t i = 0;
        const std::string_view digits = WithoutPlus(text);
        const char* end = digits.data() + digits.size();
        auto [ptr, ec] = std::from_chars(digits.data(), end, i);
        if (ec == std::errc() && ptr == end) {
            out = Int(i);
            return true;
        }
    }
    // An integer too large for 64 bits is kept as a real, like any other big number.
    if (integer || IsRealSyntax(text)) {
        double r = 0;
        if (!ReadReal(text, r)) {
            reason = "the number is out of range";
            return false;
        }
        out = Real(r);
        return true;
    }
    if (IsNameSyntax(text)) {
        out = Name(std::string(text));
        return true;
    }
    reason = "the value is not TRUE/FALSE, a number, a quoted text or a name";
    return false;
}

std::string FormatInt(std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatReal(double value)
{
    char buffer[64];
    const double magnitude = std::fabs(value);
    const bool fixed = magnitude == 0.0 || (magnitude >= 1e-5 && magnitude < 1e15);
    const auto result = fixed ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    // The statement grammar reads a number as a real only when its mantissa has a '.'.
    if (text.find('.') == std::string::npos) {
        const std::size_t exponent = text.find('e');
        text.insert(exponent == std::string::npos ? text.size() : exponent, ".0");
    }
    return text;
}

std::string Value::Answer() const
{
    struct Visitor {
        std::string operator()(bool b) const { return b ? "TRUE" : "FALSE"; }
        std::string operator()(std::int64_t i) const { return FormatInt(i); }
        std::string operator()(double r) const { return FormatReal(r); }
        std::string operator()(const TextValue& t) const { return t.text; }
        std::string operator()(const NameValue& n) const { return n.word; }
    };
    return std::visit(Visitor{}, m_data);
}

std::string Value::Literal() const
{
    if (const auto* t = std::get_if<TextValue>(&m_data))
        return '"' + t->text + '"';
    return Answer();
}

bool Value::operator==(const Value& other) const
{
    if (m_data.index() != other.m_data.index())
        return false;
    struct Visitor {
        const Data& other;
        bool operator()(bool b) const { return b == std::get<bool>(other); }
        bool operator()(std::int64_t i) const { return i == std::get<std::int64_t>(other); }
        bool operator()(double r) const
        {
            return std::bit_cast<std::uint64_t>(r) == std::bit_cast<std::uint64_t>(std::get<double>(other));
        }
        bool operator()(const TextValue& t) const { return t.text == std::get<TextValue>(other).text; }
        bool operator()(const NameValue& n) const { return n.word == std::get<NameValue>(other).word; }
    };
    return std::visit(Visitor{other.m_data}, m_data);
}

}  // namespace kiv::engine
