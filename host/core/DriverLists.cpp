// select, check, mark and dblmark: the rows of list boxes, combo boxes and list views.
#include "host/core/DriverDetail.h"

#include "framework/kivcst/ZenControls.h"

#include <commctrl.h>

#include <algorithm>

namespace kivhost::detail {

namespace {

std::wstring CheckRowAndHeader(const Action& action)
{
    return IsInteger(action.args[1]) && IsInteger(action.args[2]) ? L""
                                                                   : L"\"" + action.verb + L"\" needs a row and a header id";
}

void SelectListBoxRow(ActionContext& context, const Action& action, int index)
{
    const HWND control = context.control;
    if (index < 0) {
        ::SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        NotifyParent(control, LBN_SELCHANGE);
        return;
    }
    if (index >= ::SendMessageW(control, LB_GETCOUNT, 0, 0)) {
        context.Fail(L"select " + action.args[0] + L": no entry " + action.args[1]);
        return;
    }
    ::SendMessageW(control, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT item{};
    ::SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    ::SetFocus(control);
    // On the entry's text: clear of a check list's mark on the left and of the mark
    // columns that owner-drawn lists keep on the right.
    const int x = item.left + std::max(4L, (item.right - item.left) / 4);
    SendClick(control, POINT{x, (item.top + item.bottom) / 2}, false);
}

void Select(ActionContext& context, const Action& action)
{
    const HWND control = context.control;
    const int index = std::stoi(action.args[1]);
    if (IsClass(control, L"ListBox")) {
        SelectListBoxRow(context, action, index);
    } else if (IsClass(control, L"ComboBox")) {
        if (index >= ::SendMessageW(control, CB_GETCOUNT, 0, 0)) {
            context.Fail(L"select " + action.args[0] + L": no entry " + action.args[1]);
            return;
        }
        ::SetFocus(control);
        ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        NotifyParent(control, CBN_SELCHANGE);
        NotifyParent(control, CBN_SELENDOK);
    } else if (IsClass(control, WC_LISTVIEWW)) {
        ::SetFocus(control);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = index < 0 ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(index < 0 ? -1 : index),
                       reinterpret_cast<LPARAM>(&state));
        if (index >= 0)
            ::SendMessageW(control, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    } else {
        context.Fail(L"select " + action.args[0] + L": not a list");
    }
}

void Check(ActionContext& context, const Action& action)
{
    const HWND control = context.control;
    const int row = std::stoi(action.args[1]);
    if (IsClass(control, L"ListBox") && row >= 0 && row < ::SendMessageW(control, LB_GETCOUNT, 0, 0)) {
        // A check list box: a click on the row's mark.
        ::SendMessageW(control, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        RECT item{};
        ::SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        ::SetFocus(control);
        SendClick(control, CZenListBoxCheck::CheckRect(item).CenterPoint(), false);
        return;
    }
    if (!IsClass(control, WC_LISTVIEWW) || row < 0 || row >= ::SendMessageW(control, LVM_GETITEMCOUNT, 0, 0)) {
        context.Fail(L"check " + action.args[0] + L": no list row " + action.args[1]);
        return;
    }
    const bool checked = ListView_GetCheckState(control, row) != 0;
    ListView_SetCheckState(control, row, !checked);
}

// A click (or a double click) on the mark slot of a row: the header's extent over the row, as
// the list computes it.
void Mark(ActionContext& context, const Action& action)
{
    const HWND control = context.control;
    const int row = std::stoi(action.args[1]);
    const HWND header = FindControl(context.dialog, std::stoi(action.args[2]));
    if (!IsClass(control, L"ListBox") || !header || row < 0 || row >= ::SendMessageW(control, LB_GETCOUNT, 0, 0)) {
        context.Fail(action.verb + L" " + action.args[0] + L": no such row or header");
        return;
    }
    RECT item{};
    ::SendMessageW(control, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    ::SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    RECT headerRect{};
    RECT listRect{};
    ::GetWindowRect(header, &headerRect);
    ::GetWindowRect(control, &listRect);
    const int x = (headerRect.left + headerRect.right) / 2 - listRect.left;
    ::SetFocus(control);
    SendClick(control, POINT{x, (item.top + item.bottom) / 2}, action.verb == L"dblmark");
}

}  // namespace

std::vector<Verb> ListVerbs()
{
    return {
        {L"select", 2, Target::UsableControl, &CheckNumberArgument, &Select},
        {L"check", 2, Target::UsableControl, &CheckNumberArgument, &Check},
        {L"mark", 3, Target::UsableControl, &CheckRowAndHeader, &Mark},
        {L"dblmark", 3, Target::UsableControl, &CheckRowAndHeader, &Mark},
    };
}

}  // namespace kivhost::detail
