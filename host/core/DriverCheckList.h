// The driver's pixel-exact press in a mark list: "markat ID ROW HEADER left|right DX" presses row
// ROW of owner-drawn list ID at DX pixels from the left or right edge of column header HEADER,
// measured as the list measures its check slots (the header's window rectangle less the list
// window's top-left corner), so that a script can press just inside or just outside a slot.
#pragma once

#include "host/core/Driver.h"

namespace kivhost {

// Presses as described; false with a reason when the words or the controls do not fit.
bool PressMarkAt(HWND dialog, HWND list, const Action& action, std::wstring& error);

}  // namespace kivhost
