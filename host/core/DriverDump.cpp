// The driver's "dump": every control of a dialog, with the rows of its lists, into the journal.
#include "host/core/DriverDetail.h"
#include "host/core/DriverListView.h"

#include "platform/afx/Controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

namespace kivhost {

using namespace detail;

namespace {

// The height of a list's rows in pixels; a list view without rows has none to measure (0).
int ItemHeight(HWND list)
{
    if (IsClass(list, L"ListBox"))
        return static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    RECT row{};
    row.left = LVIR_BOUNDS;
    if (::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0 || !::SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)))
        return 0;
    return row.bottom - row.top;
}

}  // namespace

void Driver::Dump(Journal& journal, HWND dialog)
{
    journal.Note(L"dump " + WindowText(dialog));
    // A panel inside the dialog (a file dialog's added panel) is followed by its own controls.
    std::vector<HWND> controls;
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        controls.push_back(control);
        for (HWND inner = IsClass(control, L"#32770") ? ::GetWindow(control, GW_CHILD) : nullptr; inner;
             inner = ::GetWindow(inner, GW_HWNDNEXT))
            controls.push_back(inner);
    }
    for (const HWND control : controls) {
        const int id = ::GetDlgCtrlID(control);
        const std::wstring cls = ClassName(control);
        int checked = 0;
        int sel = -1;
        std::wstring text = WindowText(control);
        if (HasCheckState(control))
            checked = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
        if (IsClass(control, L"ListBox")) {
            sel = static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0));
        } else if (IsClass(control, L"ComboBox")) {
            sel = static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
        } else if (IsClass(control, WC_LISTVIEWW)) {
            sel = ListViewSelection(control);
        } else if (IsClass(control, TRACKBAR_CLASSW)) {
            sel = static_cast<int>(::SendMessageW(control, TBM_GETPOS, 0, 0));
        } else if (IsClass(control, UPDOWN_CLASSW)) {
            sel = static_cast<int>(::SendMessageW(control, UDM_GETPOS32, 0, 0));
        }
        std::wstring itemHeight;
        if (IsClass(control, L"ListBox") || IsClass(control, WC_LISTVIEWW))
            itemHeight = L" itemheight=" + std::to_wstring(ItemHeight(control));
        wchar_t style[16];
        std::swprintf(style, 16, L"%08lX", static_cast<unsigned long>(::GetWindowLongPtrW(control, GWL_STYLE)));
        const HWND focus = ::GetFocus();
        const bool focused = focus && (focus == control || ::IsChild(control, focus));
        journal.Note(std::to_wstring(id) + L" " + cls + L" enabled=" + (::IsWindowEnabled(control) ? L"1" : L"0") +
                     L" visible=" + (::IsWindowVisible(control) ? L"1" : L"0") + L" checked=" + std::to_wstring(checked) +
                     L" sel=" + std::to_wstring(sel) + L" style=0x" + style + L" focus=" + (focused ? L"1" : L"0") +
                     itemHeight + L" text=" + text);

        if (IsClass(control, L"ListBox")) {
            const int count = static_cast<int>(::SendMessageW(control, LB_GETCOUNT, 0, 0));
            const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
            const bool strings = (style & LBS_HASSTRINGS) || !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
            for (int i = 0; i < count; ++i) {
                CString itemText;
                int itemChecked = 0;
                CListBox* list = dynamic_cast<CListBox*>(CWnd::FromHandlePermanent(control));
                if (!(list && list->DescribeItem(i, itemText, itemChecked)) && strings) {
                    const int length = static_cast<int>(::SendMessageW(control, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
                    std::wstring buffer(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
                    ::SendMessageW(control, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
                    buffer.resize(static_cast<size_t>(std::max(length, 0)));
                    itemText = CString(buffer);
                }
                journal.Note(L"  " + std::to_wstring(i) + L" checked=" + std::to_wstring(itemChecked) + L" " + itemText.str());
            }
        } else if (IsClass(control, L"ComboBox")) {
            const int count = static_cast<int>(::SendMessageW(control, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                const int length = static_cast<int>(::SendMessageW(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
                std::wstring buffer(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
                ::SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
                buffer.resize(static_cast<size_t>(std::max(length, 0)));
                journal.Note(L"  " + std::to_wstring(i) + L" checked=0 " + buffer);
            }
        } else if (IsClass(control, WC_LISTVIEWW)) {
            DumpListViewColumns(journal, control);
            const int count = static_cast<int>(::SendMessageW(control, LVM_GETITEMCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                journal.Note(L"  " + std::to_wstring(i) + L" checked=" + (ListView_GetCheckState(control, i) ? L"1" : L"0") +
                             L" " + ListViewRow(control, i));
            }
        }
    }
}

}  // namespace kivhost
