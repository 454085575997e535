// Thin, non-owning wrappers of the standard and common controls: a handle and one-line messages.
#pragma once

#include "platform/afx/Wnd.h"

#include <commctrl.h>

#include <cassert>

class KIVFW_API CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int nCheck) { Send(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    UINT GetState() const { return static_cast<UINT>(Send(BM_GETSTATE)); }
    HICON SetIcon(HICON hIcon)
    {
        return reinterpret_cast<HICON>(Send(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
    }
    // Owner-drawn buttons draw here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        assert(::IsWindow(m_hWnd));
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class KIVFW_API CStatic : public CWnd {};

class KIVFW_API CEdit : public CWnd {
public:
    void SetLimitText(UINT nMax) { ::SendMessageW(m_hWnd, EM_SETLIMITTEXT, nMax, 0); }
    void LimitText(int nChars = 0) { SetLimitText(static_cast<UINT>(nChars)); }
    void SetSel(int nStart, int nEnd) { ::SendMessageW(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStart), nEnd); }
};

class KIVFW_API CComboBox : public CWnd {
public:
    int AddString(const wchar_t* s) { return Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s)); }
    int InsertString(int i, const wchar_t* s) { return Send(CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(s)); }
    int DeleteString(int i) { return Send(CB_DELETESTRING, i); }
    void ResetContent() { Send(CB_RESETCONTENT); }
    int GetCount() const { return Send(CB_GETCOUNT); }
    int GetCurSel() const { return Send(CB_GETCURSEL); }
    int SetCurSel(int i) { return Send(CB_SETCURSEL, i); }
    int FindStringExact(int iStart, const wchar_t* s) const
    {
        return Send(CB_FINDSTRINGEXACT, iStart, reinterpret_cast<LPARAM>(s));
    }
    CString GetLBText(int i) const;

protected:
    int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        assert(::IsWindow(m_hWnd));
        return static_cast<int>(::SendMessageW(m_hWnd, message, wParam, lParam));
    }
};

class KIVFW_API CListBox : public CWnd {
public:
    int AddString(const wchar_t* s) { return Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s)); }
    int InsertString(int i, const wchar_t* s) { return Send(LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(s)); }
    int DeleteString(int i) { return Send(LB_DELETESTRING, i); }
    void ResetContent() { Send(LB_RESETCONTENT); }
    int GetCount() const { return Send(LB_GETCOUNT); }
    int GetCurSel() const { return Send(LB_GETCURSEL); }
    int SetCurSel(int i) { return Send(LB_SETCURSEL, i); }
    int GetTopIndex() const { return Send(LB_GETTOPINDEX); }
    DWORD_PTR GetItemData(int i) const { return static_cast<DWORD_PTR>(::SendMessageW(m_hWnd, LB_GETITEMDATA, i, 0)); }
    int SetItemData(int i, DWORD_PTR data) { return Send(LB_SETITEMDATA, i, static_cast<LPARAM>(data)); }
    int GetItemRect(int i, LPRECT r) const { return Send(LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(r)); }
    int GetItemHeight(int i) const { return Send(LB_GETITEMHEIGHT, i); }
    int SetItemHeight(int i, UINT cy) { return Send(LB_SETITEMHEIGHT, i, cy); }
    CString GetText(int i) const;

    // Owner-drawn list boxes draw and measure here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    // What an item shows, for lists whose items are not plain strings (a list that draws its
    // own records or check marks); false leaves the item to the list's strings.
    virtual bool DescribeItem(int nIndex, CString& strText, int& nChecked) const;

protected:
    int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        assert(::IsWindow(m_hWnd));
        return static_cast<int>(::SendMessageW(m_hWnd, message, wParam, lParam));
    }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// The text height of a list box's font. A list measured while it is being created has no font
// yet and shows the system font, which is 16 pixels tall at 96 dpi and grows with the screen's
// density (Wine keeps its stock system font at 16 pixels up to 144 dpi, so the height is scaled
// here rather than read from it).
KIVFW_API int AfxListTextHeight(HWND hList);

class KIVFW_API CListCtrl : public CWnd {
public:
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return static_cast<DWORD>(::SendMessageW(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }
    int InsertColumn(int nCol, const wchar_t* heading, int nFormat, int nWidth);
    int InsertItem(int nItem, const wchar_t* text);
    BOOL SetItemText(int nItem, int nSubItem, const wchar_t* text);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem) { return ListView_DeleteItem(m_hWnd, nItem); }
    BOOL DeleteAllItems() { return ListView_DeleteAllItems(m_hWnd); }
    int GetItemCount() const { return ListView_GetItemCount(m_hWnd); }
    BOOL SetItemData(int nItem, DWORD_PTR data);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL GetCheck(int nItem) const { return ListView_GetCheckState(m_hWnd, nItem); }
    void SetCheck(int nItem, BOOL bCheck) { ListView_SetCheckState(m_hWnd, nItem, bCheck); }
    BOOL SetColumnWidth(int nCol, int cx) { return ListView_SetColumnWidth(m_hWnd, nCol, cx); }
    int GetNextItem(int nItem, int nFlags) const { return ListView_GetNextItem(m_hWnd, nItem, nFlags); }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) { return ListView_EnsureVisible(m_hWnd, nItem, bPartialOK); }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, LPARAM lParamSort)
    {
        return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SORTITEMS, static_cast<WPARAM>(lParamSort),
                                                reinterpret_cast<LPARAM>(pfnCompare)));
    }
};

class KIVFW_API CSliderCtrl : public CWnd {
public:
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE)
    {
        ::SendMessageW(m_hWnd, TBM_SETRANGEMIN, FALSE, nMin);
        ::SendMessageW(m_hWnd, TBM_SETRANGEMAX, bRedraw, nMax);
    }
    int GetPos() const { return static_cast<int>(::SendMessageW(m_hWnd, TBM_GETPOS, 0, 0)); }
    void SetPos(int nPos) { ::SendMessageW(m_hWnd, TBM_SETPOS, TRUE, nPos); }
    void SetTicFreq(int nFreq) { ::SendMessageW(m_hWnd, TBM_SETTICFREQ, static_cast<WPARAM>(nFreq), 0); }
};

class KIVFW_API CSpinButtonCtrl : public CWnd {
public:
    void SetRange32(int nLower, int nUpper) { ::SendMessageW(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper); }
    void GetRange32(int& nLower, int& nUpper) const
    {
        ::SendMessageW(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
    }
    int SetPos32(int nPos) { return static_cast<int>(::SendMessageW(m_hWnd, UDM_SETPOS32, 0, nPos)); }
    int GetPos32() const { return static_cast<int>(::SendMessageW(m_hWnd, UDM_GETPOS32, 0, 0)); }
};
