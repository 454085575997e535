// Reading the rows of a mark list (the meteor and spacecraft lists) from a dump.
#pragma once

#include "tests/support/DialogHarness.h"

#include <string>
#include <vector>

namespace kivtest {

// The marks of every row, as "1,0,1,1,0", in row order; empty when the list was not dumped.
inline std::vector<std::wstring> RowMarks(const DialogRun& run, int listID, size_t dump = 0)
{
    std::vector<std::wstring> marks;
    const auto list = run.Control(listID, dump);
    if (!list)
        return marks;
    for (const std::wstring& item : list->items) {
        const size_t begin = item.find(L"marks=");
        const size_t end = item.find(L' ', begin);
        marks.push_back(begin == std::wstring::npos ? L"?" : item.substr(begin + 6, end - begin - 6));
    }
    return marks;
}

// The one command text OK sent (the statement sequence); empty when nothing was sent.
inline std::wstring OkCommand(const DialogRun& run)
{
    const auto statements = run.Statements();
    return statements.size() == 1 ? statements[0] : std::wstring();
}

}  // namespace kivtest
