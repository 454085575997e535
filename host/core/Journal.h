// The host's journal: every channel command and its answer, every message box and every dump of
// a dialog's controls, in the order they happened. Lines are kept in memory, written to a file as
// they come (UTF-8), and handed to a listener (the main window's pane).
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace kivhost {

class Journal {
public:
    Journal() = default;
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Writes every line also to this file (created anew); false when it cannot be created.
    bool OpenFile(const std::wstring& path);

    void Command(const std::wstring& command, const std::wstring& answer);  // "> text", "< text"
    void MessageBoxShown(bool information, const std::wstring& text);           // "! info|exclamation text"
    void Note(const std::wstring& text);                                    // "# text"

    const std::vector<std::wstring>& Lines() const { return m_lines; }
    void Clear() { m_lines.clear(); }
    // Whether Lines() keeps what is journaled (the default). A run that nobody reads back in
    // memory turns it off: a hostile catalogue of a million positions journals gigabytes.
    void KeepLines(bool keep) { m_keepLines = keep; }
    void SetListener(std::function<void(const std::wstring& line)> listener) { m_listener = std::move(listener); }

    // A text as one journal line: CR LF (and a lone LF) become the two characters \n, a lone CR \r, a NUL \0.
    static std::wstring OneLine(const std::wstring& text);

private:
    void Add(std::wstring line);
    bool Wanted() const { return m_keepLines || m_file || m_listener; }

    std::vector<std::wstring> m_lines;
    bool m_keepLines = true;
    std::FILE* m_file = nullptr;
    std::function<void(const std::wstring&)> m_listener;
};

}  // namespace kivhost
