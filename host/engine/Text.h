// Byte-wise text helpers. Only ASCII letters are folded; every other byte, including the bytes
// of non-ASCII and malformed UTF-8 sequences, is data and compares as itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiv::engine {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr char FoldChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view Trim(std::string_view text);
std::string Fold(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool AllDigits(std::string_view text);  // false for an empty text

// A non-negative decimal number of ASCII digits only; nothing when it does not fit.
std::optional<std::int64_t> ParseCount(std::string_view digits);

// Up to the first '.', and what follows it (empty when there is no '.').
std::string_view FirstSegment(std::string_view path);
std::string_view AfterFirstSegment(std::string_view path);

}  // namespace kiv::engine
