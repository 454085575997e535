#include "host/core/DriverCheckList.h"

#include <cwctype>

namespace kivhost {

namespace {

bool ToInt(const std::wstring& text, int& value)
{
    if (text.empty())
        return false;
    for (size_t i = text[0] == L'-' ? 1 : 0; i < text.size(); ++i) {
        if (!std::iswdigit(text[i]))
            return false;
    }
    if (text == L"-")
        return false;
    value = std::stoi(text);
    return true;
}

}  // namespace

bool PressMarkAt(HWND dialog, HWND list, const Action& action, std::wstring& error)
{
    int row = 0;
    int headerID = 0;
    int offset = 0;
    const bool fromLeft = action.args.size() == 5 && action.args[3] == L"left";
    const bool fromRight = action.args.size() == 5 && action.args[3] == L"right";
    if (!(fromLeft || fromRight) || !ToInt(action.args[1], row) || !ToInt(action.args[2], headerID) ||
        !ToInt(action.args[4], offset)) {
        error = L"markat takes ID ROW HEADER left|right DX";
        return false;
    }
    const HWND header = ::GetDlgItem(dialog, headerID);
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    if (!header || row < 0 || row >= count) {
        error = L"markat " + action.args[0] + L": no such row or header";
        return false;
    }
    ::SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    RECT item{};
    ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    RECT headerRect{};
    RECT listRect{};
    ::GetWindowRect(header, &headerRect);
    ::GetWindowRect(list, &listRect);
    const int x = (fromLeft ? headerRect.left : headerRect.right) - listRect.left + offset;
    const LPARAM at = MAKELPARAM(x, (item.top + item.bottom) / 2);
    ::SetFocus(list);
    ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(list, WM_LBUTTONUP, 0, at);
    return true;
}

}  // namespace kivhost
