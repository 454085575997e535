#include "host/core/Journal.h"

#include "host/core/Utf.h"

namespace kivhost {

Journal::~Journal()
{
    if (m_file)
        std::fclose(m_file);
}

bool Journal::OpenFile(const std::wstring& path)
{
    if (m_file)
        std::fclose(m_file);
    m_file = _wfopen(path.c_str(), L"wb");
    return m_file != nullptr;
}

std::wstring Journal::OneLine(const std::wstring& text)
{
    std::wstring line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
            line += L"\\n";
            ++i;
        } else if (text[i] == L'\n') {
            line += L"\\n";
        } else if (text[i] == L'\r') {
            line += L"\\r";
        } else if (text[i] == L'\0') {
            line += L"\\0";
        } else {
            line += text[i];
        }
    }
    return line;
}

void Journal::Command(const std::wstring& command, const std::wstring& answer)
{
    if (!Wanted())
        return;
    Add(L"> " + OneLine(command));
    Add(L"< " + OneLine(answer));
}

void Journal::MessageBoxShown(bool information, const std::wstring& text)
{
    if (!Wanted())
        return;
    Add((information ? L"! info " : L"! exclamation ") + OneLine(text));
}

void Journal::Note(const std::wstring& text)
{
    if (!Wanted())
        return;
    Add(L"# " + OneLine(text));
}

void Journal::Add(std::wstring line)
{
    if (m_file) {
        const std::string bytes = ToUtf8(line) + "\n";
        std::fwrite(bytes.data(), 1, bytes.size(), m_file);
        std::fflush(m_file);
    }
    if (m_listener)
        m_listener(line);
    if (m_keepLines)
        m_lines.push_back(std::move(line));
}

}  // namespace kivhost
