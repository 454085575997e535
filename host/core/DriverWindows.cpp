// Window helpers that the families of actions share.
#include "host/core/DriverDetail.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>

namespace kivhost::detail {

void ActionContext::Fail(const std::wstring& text)
{
    ++failures;
    journal.Note(L"driver: " + text);
}

bool IsInteger(const std::wstring& text)
{
    if (text.empty())
        return false;
    size_t i = text[0] == L'-' ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (!std::iswdigit(text[i]))
            return false;
    }
    return true;
}

std::wstring CheckNumberArgument(const Action& action)
{
    return IsInteger(action.args[1]) ? L"" : L"\"" + action.verb + L"\" needs a number";
}

std::wstring ClassName(HWND hwnd)
{
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    return name;
}

bool IsClass(HWND hwnd, const wchar_t* name)
{
    return ::CompareStringOrdinal(ClassName(hwnd).c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

std::wstring WindowText(HWND hwnd)
{
    const int length = ::GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

HWND FindControl(HWND dialog, int id)
{
    if (const HWND direct = ::GetDlgItem(dialog, id))
        return direct;
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    ::EnumChildWindows(
        dialog,
        [](HWND child, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (::GetDlgCtrlID(child) == s->id) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SendClick(HWND control, POINT point, bool twice)
{
    const LPARAM at = MAKELPARAM(point.x, point.y);
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(control, WM_LBUTTONUP, 0, at);
    if (twice) {
        ::SendMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::SendMessageW(control, WM_LBUTTONUP, 0, at);
    }
}

void NotifyParent(HWND control, UINT code)
{
    ::SendMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), code),
                   reinterpret_cast<LPARAM>(control));
}

bool HasCheckState(HWND control)
{
    if (!IsClass(control, L"Button"))
        return false;
    switch (::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return true;
    default:
        // Skinned buttons may have become owner-drawn; their check state still answers.
        return false;
    }
}

int ListViewSelection(HWND list)
{
    return static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::wstring ListViewRow(HWND list, int row)
{
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    std::wstring line;
    for (int column = 0; column < std::max(columns, 1); ++column) {
        wchar_t buffer[1024] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 1024;
        ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (column)
            line += L'\t';
        line += buffer;
    }
    return line;
}

}  // namespace kivhost::detail
