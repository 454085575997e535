#include "host/core/DriverListView.h"

#include <commctrl.h>

namespace kivhost {

void DumpListViewColumns(Journal& journal, HWND list)
{
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    std::wstring line = L"  columns";
    for (int column = 0; column < columns; ++column)
        line += L" " + std::to_wstring(::SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    journal.Note(line);
}

}  // namespace kivhost
