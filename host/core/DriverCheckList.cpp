// markat: the driver's pixel-exact press in a mark list. "markat ID ROW HEADER left|right DX"
// presses row ROW of owner-drawn list ID DX pixels from the left or right edge of column header
// HEADER, measured as the list measures its check slots (the header's window rectangle less the
// list window's top-left corner), so that a script can press just inside or just outside a slot.
#include "host/core/DriverDetail.h"

namespace kivhost::detail {

namespace {

std::wstring CheckMarkAt(const Action& action)
{
    const bool edge = action.args[3] == L"left" || action.args[3] == L"right";
    return edge && IsInteger(action.args[1]) && IsInteger(action.args[2]) && IsInteger(action.args[4])
               ? L""
               : L"markat takes ID ROW HEADER left|right DX";
}

void MarkAt(ActionContext& context, const Action& action)
{
    const HWND list = context.control;
    const int row = std::stoi(action.args[1]);
    const HWND header = FindControl(context.dialog, std::stoi(action.args[2]));
    if (!IsClass(list, L"ListBox") || !header || row < 0 || row >= ::SendMessageW(list, LB_GETCOUNT, 0, 0)) {
        context.Fail(L"markat " + action.args[0] + L": no such row or header");
        return;
    }
    ::SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    RECT item{};
    ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    RECT headerRect{};
    RECT listRect{};
    ::GetWindowRect(header, &headerRect);
    ::GetWindowRect(list, &listRect);
    const int x = (action.args[3] == L"left" ? headerRect.left : headerRect.right) - listRect.left + std::stoi(action.args[4]);
    ::SetFocus(list);
    SendClick(list, POINT{x, (item.top + item.bottom) / 2}, false);
}

}  // namespace

std::vector<Verb> CheckListVerbs()
{
    return {{L"markat", 5, Target::UsableControl, &CheckMarkAt, &MarkAt}};
}

}  // namespace kivhost::detail
