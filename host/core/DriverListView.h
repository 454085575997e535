// What the driver's dump says about a list view beyond its rows.
#pragma once

#include "host/core/Journal.h"

#include <windows.h>

namespace kivhost {

// Journals "  columns W0 W1 ...": the widths of the list view's columns in pixels, left to right.
void DumpListViewColumns(Journal& journal, HWND list);

}  // namespace kivhost
