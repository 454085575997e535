#include "dialogs/satellite/SatelliteList.h"

#include <commctrl.h>

#include <utility>

namespace {

constexpr UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);

}  // namespace

BOOL CSatelliteList::Attach(UINT nID, CWnd* pDialog)
{
    if (!CZenListCtrl::Attach(nID, pDialog))
        return FALSE;
    ListView_SetCallbackMask(m_hWnd, LVIS_STATEIMAGEMASK);
    return TRUE;
}

int CSatelliteList::GetSelectedRow() const
{
    if (ListView_GetSelectedCount(m_hWnd) == 0)
        return -1;
    // The selected row of a single-selection list is nearly always the focused one, which the
    // control finds at once; looking for a selection alone walks every row.
    const int focused = GetNextItem(-1, LVNI_FOCUSED | LVNI_SELECTED);
    return focused >= 0 ? focused : GetNextItem(-1, LVNI_SELECTED);
}

void CSatelliteList::SetRows(std::vector<Row> rows, int nSelected)
{
    const int selected = GetSelectedRow();
    if (selected >= 0)
        SetItemState(selected, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_rows = std::move(rows);
    ListView_SetItemCountEx(m_hWnd, GetRowCount(), 0);
    if (nSelected >= 0 && nSelected < GetRowCount())
        SetItemState(nSelected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::vector<CSatelliteList::Row> CSatelliteList::TakeRows()
{
    std::vector<Row> rows = std::move(m_rows);
    m_rows.clear();
    ListView_SetItemCountEx(m_hWnd, 0, 0);
    return rows;
}

void CSatelliteList::CheckAllRows(BOOL bCheck)
{
    for (Row& row : m_rows)
        row.checked = bCheck;
    Invalidate();
}

void CSatelliteList::SetRowCheck(int nRow, BOOL bCheck)
{
    if (nRow < 0 || nRow >= GetRowCount())
        return;
    m_rows[static_cast<size_t>(nRow)].checked = bCheck;
    ListView_RedrawItems(m_hWnd, nRow, nRow);
}

void CSatelliteList::ToggleRow(int nRow)
{
    if (nRow >= 0 && nRow < GetRowCount())
        SetRowCheck(nRow, !m_rows[static_cast<size_t>(nRow)].checked);
}

BOOL CSatelliteList::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == LVM_SETITEMSTATE && lParam) {
        LVITEMW item = *reinterpret_cast<const LVITEMW*>(lParam);
        if (item.stateMask & LVIS_STATEIMAGEMASK) {
            const UINT image = item.state & LVIS_STATEIMAGEMASK;
            if (image == kChecked || image == kUnchecked) {
                const int row = static_cast<int>(wParam);
                if (row == -1) {
                    CheckAllRows(image == kChecked);
                } else {
                    SetRowCheck(row, image == kChecked);
                }
            }
            // Selection and focus are the control's own.
            item.stateMask &= ~static_cast<UINT>(LVIS_STATEIMAGEMASK);
            *pResult = item.stateMask ? DefWindowProc(message, wParam, reinterpret_cast<LPARAM>(&item)) : TRUE;
            return TRUE;
        }
    }
    return CZenListCtrl::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CSatelliteList::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_NOTIFY)
        return CZenListCtrl::OnChildNotify(message, wParam, lParam, pResult);
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (header->code) {
    case LVN_GETDISPINFOW:
        FillDisplayInfo(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
        *pResult = 0;
        return TRUE;
    case NM_CLICK: {
        LVHITTESTINFO hit{};
        hit.pt = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->ptAction;
        const int row = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (row >= 0 && (hit.flags & LVHT_ONITEMSTATEICON))
            ToggleRow(row);
        *pResult = 0;
        return TRUE;
    }
    case LVN_KEYDOWN:
        if (reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey == VK_SPACE)
            ToggleRow(GetNextItem(-1, LVNI_FOCUSED));
        *pResult = 0;
        return TRUE;
    default:
        return CZenListCtrl::OnChildNotify(message, wParam, lParam, pResult);
    }
}

void CSatelliteList::FillDisplayInfo(LVITEMW& item) const
{
    if (item.iItem < 0 || item.iItem >= GetRowCount())
        return;
    const Row& row = m_rows[static_cast<size_t>(item.iItem)];
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        const wchar_t* text = item.iSubItem == 1   ? row.label.GetString()
                              : item.iSubItem == 2 ? row.localName.GetString()
                              : item.iSubItem == 3 ? row.type.GetString()
                                                   : L"";
        lstrcpynW(item.pszText, text, item.cchTextMax);
    }
    if (item.mask & LVIF_STATE) {
        item.state = (item.state & ~static_cast<UINT>(LVIS_STATEIMAGEMASK)) | (row.checked ? kChecked : kUnchecked);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
    if (item.mask & LVIF_PARAM)
        item.lParam = row.number;
}
