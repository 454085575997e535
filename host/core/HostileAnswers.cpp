#include "host/core/HostileAnswers.h"

#include <vector>

namespace kivhost {

namespace {

// splitmix64: a well-mixed value from the seed and the query's index alone.
std::uint64_t Mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::wstring AnswerOf(HostileKind kind)
{
    switch (kind) {
    case HostileKind::Empty:
    case HostileKind::FailedCall:
    case HostileKind::Count:
        return L"";
    case HostileKind::HugeText:
        return std::wstring(65536, L'W');
    case HostileKind::HugeNumber:
        return L"9" + std::wstring(399, L'7');
    case HostileKind::Negative:
        return L"-2147483649";
    case HostileKind::Zero:
        return L"0";
    case HostileKind::Max:
        return L"1e308";
    case HostileKind::Min:
        return L"-1e308";
    case HostileKind::NotANumber:
        return L"nan";
    case HostileKind::Infinity:
        return L"inf";
    case HostileKind::Word:
        return L"Horizon";
    case HostileKind::NumberForBool:
        return L"1";
    case HostileKind::FormatSpecifiers:
        return L"%s%n%x%s%n";
    case HostileKind::LoneSurrogate:
        return std::wstring(1, static_cast<wchar_t>(0xD83D)) + L"x";
    case HostileKind::EmbeddedNul:
        return std::wstring(L"12\0" L"34", 5);
    case HostileKind::ErrorText:
        return L"ERROR unknown key";
    }
    return L"";
}

}  // namespace

const wchar_t* HostileKindName(HostileKind kind)
{
    static const wchar_t* const names[] = {L"empty", L"huge-text", L"huge-number", L"negative", L"zero",
                                           L"max",   L"min",       L"nan",         L"inf",      L"word",
                                           L"number-for-bool", L"format",  L"lone-surrogate", L"nul", L"error",
                                           L"failed-call"};
    const auto index = static_cast<size_t>(kind);
    return index < sizeof names / sizeof names[0] ? names[index] : L"?";
}

bool HostileAnswers::Next(HostileKind& kind, std::wstring& answer)
{
    const std::wstring* drawn = Next(kind);
    if (!drawn)
        return false;
    answer = *drawn;
    return true;
}

const std::wstring* HostileAnswers::Next(HostileKind& kind)
{
    // Made once: a catalogue of a million rows draws the 64 KB answer some hundred thousand times.
    static const auto answers = [] {
        std::vector<std::wstring> all;
        for (int k = 0; k < static_cast<int>(HostileKind::Count); ++k)
            all.push_back(AnswerOf(static_cast<HostileKind>(k)));
        return all;
    }();
    const std::uint64_t draw = Mix(m_seed * 0x100000001B3ull + m_index++);
    if (draw & 1)
        return nullptr;
    kind = static_cast<HostileKind>((draw >> 8) % static_cast<std::uint64_t>(HostileKind::Count));
    return &answers[static_cast<size_t>(kind)];
}

}  // namespace kivhost
