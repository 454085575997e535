// A hostile host for robustness runs (kivhost --hostile SEED): about half of the queries get an
// answer that a real application may give at its worst, drawn deterministically from the seed,
// so that a failing run can be repeated exactly. Statements and host commands still reach the
// engine, so the journal shows what a dialog sent in answer to the odd values it was given.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace kivhost {

// The kinds of hostile answer, in the order the seed draws them from.
enum class HostileKind {
    Empty,            // ""
    HugeText,         // 64 KB of letters
    HugeNumber,       // a number of 400 digits
    Negative,         // "-2147483649"
    Zero,             // "0"
    Max,              // "1e308"
    Min,              // "-1e308"
    NotANumber,       // "nan"
    Infinity,         // "inf"
    Word,             // "Horizon" where a number is expected
    NumberForBool,    // "1" where TRUE/FALSE is expected
    FormatSpecifiers, // "%s%n%x"
    LoneSurrogate,    // a high surrogate with no low one
    EmbeddedNul,      // "12", NUL, "34"
    ErrorText,        // "ERROR unknown key"
    FailedCall,       // the automation call fails with E_FAIL and no answer
    Count
};

const wchar_t* HostileKindName(HostileKind kind);

class HostileAnswers {
public:
    explicit HostileAnswers(std::uint64_t seed) : m_seed(seed) {}

    // Decides for the next query: false leaves the engine's own answer; true gives kind and answer.
    bool Next(HostileKind& kind, std::wstring& answer);
    // The same without a copy: the answer, which lives as long as the program, or nullptr.
    const std::wstring* Next(HostileKind& kind);

private:
    std::uint64_t m_seed;
    std::uint64_t m_index = 0;
};

}  // namespace kivhost
