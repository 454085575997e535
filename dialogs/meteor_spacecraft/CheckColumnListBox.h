// The design both mark lists share: an owner-drawn list whose rows show a record each, with five
// marks under column headers of the owner dialog. The list works out where each mark lies,
// turns presses and letter keys into record changes and repaints the marks it changed; the owner
// draws the rows. TDerived holds the members (in its own order) and describes its columns:
//
//   Record          the record type;  kColumns  the five columns, left to right
//   kListID         the id under which the owner holds the list
//   kLabelID        the owner's control whose caption names the list
//   kWidenRadioKeys a key repaints the two radio slots as one span
//   SolarView()     whether columns marked bSolarOnly take presses
#pragma once

#include "dialogs/meteor_spacecraft/CheckRecords.h"
#include "platform/afx/Accessible.h"
#include "platform/afx/Controls.h"
#include "framework/kivcst/ZenScroll.h"

#include <iterator>

// A mark list as a screen reader reads it: named by its label, a row per record named by the
// record's text and described by its marks, each by its column heading and on or off, a chosen
// radio mark by the word it stands for ("表示 オン, 放射点 オフ, 名称 オフ, 日本語").
template <class TList>
class CMarkListAccessible : public CAccessibleList {
public:
    explicit CMarkListAccessible(const TList& list) : CAccessibleList(list.m_hWnd), m_list(list) {}

protected:
    long Rows() const override { return m_list.GetCount(); }
    bool Name(long nChild, CString& strName) const override
    {
        if (nChild == 0) {
            CWnd* label = m_list.m_pParentDlg ? m_list.m_pParentDlg->GetDlgItem(TList::kLabelID) : nullptr;
            if (!label)
                return false;
            strName = AfxAccessibleCaption(label->GetWindowText());
            return true;
        }
        const auto* record = m_list.RecordOfRow(static_cast<int>(nChild - 1));
        if (!record)
            return false;
        strName = record->m_strName;
        return true;
    }
    bool Description(long nChild, CString& strDescription) const override
    {
        const auto* record = nChild > 0 ? m_list.RecordOfRow(static_cast<int>(nChild - 1)) : nullptr;
        if (!record || !m_list.m_pParentDlg)
            return false;
        CString on, off;
        on.LoadString(IDS_MARK_ON);
        off.LoadString(IDS_MARK_OFF);
        strDescription.Empty();
        for (const auto& column : TList::kColumns) {
            const BOOL shown = column.pfnShown(*record);
            CString part;
            if (column.nIDSpoken) {
                if (!shown)
                    continue;
                part.LoadString(column.nIDSpoken);
            } else {
                CWnd* heading = m_list.m_pParentDlg->GetDlgItem(static_cast<int>(column.nHeaderID));
                part = (heading ? heading->GetWindowText() : CString()) + L" " + (shown ? on : off);
            }
            strDescription += (strDescription.IsEmpty() ? L"" : L", ") + part;
        }
        return true;
    }
    bool State(long nChild, long& nState) const override
    {
        if (nChild == 0)
            return false;
        nState = RowState(static_cast<int>(nChild - 1));
        return true;
    }

private:
    const TList& m_list;
};

template <class TDerived, class TRecord>
class CCheckColumnListBox : public CListBox {
public:
    using Record = TRecord;
    using Column = CCheckColumn<TRecord>;

    // The check slot of a row under a column header: the header's extent, in the list window's
    // coordinates, less a tenth of a base unit at each side and moved 2 pixels to the left, over
    // the row's full height.
    CRect GetCheckBoxRect(int nIndex, UINT nColumnID) const
    {
        const TDerived& self = Self();
        CRect item;
        GetItemRect(nIndex, item);
        CRect header;
        CRect list;
        self.m_pParentDlg->GetDlgItem(static_cast<int>(nColumnID))->GetWindowRect(header);
        self.m_pParentDlg->GetDlgItem(TDerived::kListID)->GetWindowRect(list);
        header.OffsetRect(-list.left, -list.top);
        const int inset = ::MulDiv(self.m_nBaseUnitX, 1, 10);
        return CRect(header.left - 2 + inset, item.top, header.right - inset - 2, item.bottom);
    }

    // Subclasses the owner's list control; in the dark skin also skins its scroll bar with the
    // application's scroll-bar bitmap scaled to the screen.
    BOOL Attach(UINT nID, CWnd* pOwner)
    {
        TDerived& self = Self();
        if (!SubclassDlgItem(nID, pOwner))
            return FALSE;
        if (self.m_nColorScheme)
            return TRUE;
        CBitmap loaded;
        loaded.LoadBitmap(IDB_ZEN_SCROLL_SKIN);
        const CResScale scale(153, 51, 1);
        {
            CClientDC dc(this);
            scale.GetBitmap(&dc, self.m_bmpScroll, loaded, 0, 0);
        }
        SkinWndScroll(this, static_cast<HBITMAP>(self.m_bmpScroll));
        return TRUE;
    }

    // The record of a row; null when the row's item data names no record.
    TRecord* RecordOfRow(int nIndex) const
    {
        const TDerived& self = Self();
        if (!self.m_pItems || nIndex < 0 || nIndex >= GetCount())
            return nullptr;
        const DWORD_PTR data = GetItemData(nIndex);
        if (data >= static_cast<DWORD_PTR>(self.m_pItems->GetSize()))
            return nullptr;
        return &self.m_pItems->ElementAt(static_cast<int>(data));
    }

    // For the driver's dump: the marks in header order, then the row's text.
    bool DescribeItem(int nIndex, CString& strText, int& nChecked) const override
    {
        const TRecord* record = RecordOfRow(nIndex);
        if (!record)
            return false;
        strText = L"marks=";
        for (const Column& column : TDerived::kColumns) {
            if (&column != TDerived::kColumns)
                strText += L',';
            strText += column.pfnShown(*record) ? L'1' : L'0';
        }
        strText += L' ';
        strText += record->m_strName;
        nChecked = TDerived::kColumns[0].pfnShown(*record) ? 1 : 0;
        return true;
    }

protected:
    const AFX_MSGMAP* GetMessageMap() const override
    {
        static const AFX_MSGMAP_ENTRY entries[] = {
            MapMouse<&CCheckColumnListBox::OnLButtonDown>(WM_LBUTTONDOWN),
            MapMouse<&CCheckColumnListBox::OnLButtonDblClk>(WM_LBUTTONDBLCLK),
            MapKey<&CCheckColumnListBox::OnKeyDown>(WM_KEYDOWN),
            MapMessage<&CCheckColumnListBox::OnGetObject>(WM_GETOBJECT),
        };
        static const AFX_MSGMAP map{CListBox::GetMessageMap(), entries, std::size(entries)};
        return &map;
    }

    void OnLButtonDown(UINT nFlags, POINT point)
    {
        TDerived& self = Self();
        self.m_ptDown = point;
        self.m_bCheckClicked = FALSE;
        const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
        const int row = LOWORD(hit);
        TRecord* record = HIWORD(hit) == 0 ? RecordOfRow(row) : nullptr;
        if (record) {
            for (const Column& column : TDerived::kColumns) {
                if (!GetCheckBoxRect(row, column.nHeaderID).PtInRect(point))
                    continue;
                // Outside the solar-system projection a trajectory press is swallowed whole.
                if (column.bSolarOnly && !self.SolarView())
                    return;
                TRecord changed = *record;
                column.pfnApply(changed, self.SolarView());
                *record = changed;
                self.m_bCheckClicked = TRUE;
                InvalidateMarks(row, FALSE);
            }
        }
        if (!self.m_bCheckClicked)
            DefWindowProc(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
    }

    // The second click of a double click on a mark acts as a second press; a double click never
    // reaches the list itself, so the owner gets no double-click notification.
    void OnLButtonDblClk(UINT nFlags, POINT point)
    {
        if (Self().m_bCheckClicked)
            PostMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
    }

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        const int row = GetCurSel();
        for (const Column& column : TDerived::kColumns) {
            if (nChar != static_cast<UINT>(column.chKey) || row < 0)
                continue;
            if (TRecord* record = RecordOfRow(row)) {
                TRecord changed = *record;
                column.pfnApply(changed, Self().SolarView());
                *record = changed;
            }
            InvalidateMarks(row, TDerived::kWidenRadioKeys);
            return;
        }
        DefWindowProc(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
    }

    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam)
    {
        return CAccessibleControl::AnswerGetObject(new CMarkListAccessible<TDerived>(Self()), wParam, lParam);
    }

private:
    const TDerived& Self() const { return static_cast<const TDerived&>(*this); }
    TDerived& Self() { return static_cast<TDerived&>(*this); }

    // Repaints the five slots of a row, background included, so that the owner redraws its marks.
    void InvalidateMarks(int nRow, BOOL bWidenRadios)
    {
        CRect radios;
        for (const Column& column : TDerived::kColumns) {
            if (column.bRadio && bWidenRadios) {
                const CRect slot = GetCheckBoxRect(nRow, column.nHeaderID);
                ::UnionRect(&radios, &radios, &slot);
            }
        }
        for (const Column& column : TDerived::kColumns) {
            const CRect slot = column.bRadio && bWidenRadios ? radios : GetCheckBoxRect(nRow, column.nHeaderID);
            InvalidateRect(slot, TRUE);
        }
    }
};
