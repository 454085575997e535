// The sample host's command interpreter: the application's script engine as the dialogs reach it
// through the host command channel. Plain standard C++ (no Windows header), so that it is built,
// tested, sanitized and fuzzed natively as well as inside kivhost.exe.
//
// Texts are UTF-8. Lone UTF-16 surrogates that reach the engine from the channel arrive encoded
// as three-byte sequences (generalized UTF-8); the engine treats every byte of a text as data, so
// such texts are stored and answered back unchanged.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kiv::engine {

class SkyState;

// One error met while loading a state file.
struct LoadError {
    int line = 0;           // 1-based line number in the state text
    std::string message;    // the engine's answer to that line (starts with "ERROR")
};

class ScriptEngine {
public:
    // An engine with an empty sky: no keys, no satellites, swarms or spacecraft, and the 40
    // additional-data-file slots empty.
    ScriptEngine();
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // Interprets one command text (query, statement, statement sequence, "default " statement or
    // host command) and returns its answer. Queries answer the value ("" for an unknown key);
    // statements and host commands answer "OK". A command that cannot be interpreted answers a
    // text that starts with "ERROR" and leaves the state exactly as it was.
    std::string Execute(std::string_view command);

    // Called after every Execute with the command and its answer (the host's journal).
    using JournalSink = std::function<void(std::string_view command, std::string_view answer)>;
    void SetJournalSink(JournalSink sink);

    // How many redraw requests of a kind arrived: "Sky" ("Show Sky", "Show Sky;") or "Stellar".
    int RedrawCount(std::string_view kind) const;

    // Executes a state file: one statement (or sequence, or host command) per line; blank lines
    // and lines whose first non-blank character is "#" are skipped. Lines that fail are reported
    // and skipped; the others take effect.
    std::vector<LoadError> LoadState(std::string_view text);

    // The whole sky state as a state file that LoadState turns, in a fresh engine, into exactly
    // this state again.
    std::string SaveState() const;

    // True when both engines hold the same sky state (keys, values with their kinds, defaults,
    // collections and their order); journals and redraw counts do not count.
    bool SameState(const ScriptEngine& other) const;

private:
    std::unique_ptr<SkyState> m_state;
    JournalSink m_journal;
    std::map<std::string, int, std::less<>> m_redraws;
};

}  // namespace kiv::engine
