#include "platform/afx/Controls.h"

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}

CString CComboBox::GetLBText(int i) const
{
    const int length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
    if (length < 0)
        return CString();
    CString text;
    Send(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.GetBuffer(length + 1)));
    text.ReleaseBuffer();
    return text;
}

CString CListBox::GetText(int i) const
{
    const int length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(i));
    if (length < 0)
        return CString();
    CString text;
    Send(LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.GetBuffer(length + 1)));
    text.ReleaseBuffer();
    return text;
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}

bool CListBox::DescribeItem(int, CString&, int&) const
{
    return false;
}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

int AfxListTextHeight(HWND hList)
{
    const HDC dc = ::GetDC(hList);
    if (!dc)
        return 0;
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hList, WM_GETFONT, 0, 0));
    int height = 0;
    if (font) {
        const HGDIOBJ old = ::SelectObject(dc, font);
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc, &metrics);
        ::SelectObject(dc, old);
        height = metrics.tmHeight;
    } else {
        height = ::MulDiv(16, ::GetDeviceCaps(dc, LOGPIXELSY), 96);
    }
    ::ReleaseDC(hList, dc);
    return height;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM)
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    else if (message == WM_MEASUREITEM)
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    else
        return FALSE;
    *pResult = TRUE;
    return TRUE;
}

int CListCtrl::InsertColumn(int nCol, const wchar_t* heading, int nFormat, int nWidth)
{
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<wchar_t*>(heading);
    column.iSubItem = nCol;
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(nCol),
                                           reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::InsertItem(int nItem, const wchar_t* text)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<wchar_t*>(text);
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const wchar_t* text)
{
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<wchar_t*>(text);
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(nItem),
                                            reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    CString text;
    wchar_t buffer[1024] = {};
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = buffer;
    item.cchTextMax = 1024;
    ::SendMessageW(m_hWnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
    return CString(buffer);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR data)
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    ::SendMessageW(m_hWnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMW item{};
    item.state = nState;
    item.stateMask = nMask;
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem),
                                            reinterpret_cast<LPARAM>(&item)));
}
