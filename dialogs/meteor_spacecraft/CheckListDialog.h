// What the meteor and spacecraft dialogs share: the list colour table, the owner drawing of a
// mark list's rows, the bulk buttons and the name flags as they cross the channel. TList is the
// dialog's list-box class (CMeteorSwarmListBox or CSpacecraftListBox).
#pragma once

#include "platform/afx/Array.h"
#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ListCeilings.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <iterator>

template <class TList>
class CCheckListDialog : public CZenDialog {
public:
    using Record = typename TList::Record;

protected:
    // nIDSection names the dialog's settings section, nIDColorKey the key of its colour button.
    CCheckListDialog(CCorZen* pChannel, CCorZen* pChannel2, UINT nIDTemplate, UINT nIDSection, UINT nIDColorKey,
                     CWnd* pParent)
        : CZenDialog(pChannel, pChannel2, nIDTemplate, pParent), m_nIDColorKey(nIDColorKey)
    {
        Construct(nIDSection);
    }
    CCheckListDialog(UINT nIDTemplate, UINT nIDSection, UINT nIDColorKey, CWnd* pParent)
        : CZenDialog(nIDTemplate, pParent), m_nIDColorKey(nIDColorKey)
    {
        Construct(nIDSection);
    }

    // The dialog's list and the view state its marks depend on while drawing (see CCheckColumn).
    virtual TList& CheckList() = 0;
    virtual BOOL MarkViewFlag() = 0;
    // Where a row's text starts: the left edge of this control of the dialog, plus an indent.
    virtual UINT TextAnchorID() const = 0;
    virtual int TextIndent() const = 0;
    // Whether the selection state fills the row itself before the row is drawn.
    virtual BOOL FillsOnSelection() const { return FALSE; }

    const AFX_MSGMAP* GetMessageMap() const override
    {
        static const AFX_MSGMAP_ENTRY entries[] = {
            MapDrawItem<&CCheckListDialog::OnDrawItem>(),
        };
        static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
        return &map;
    }

    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        if (nIDCtl != TList::kListID) {
            CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
            return;
        }
        if (static_cast<int>(lpDrawItemStruct->itemID) == -1) {
            HandleFocusState(lpDrawItemStruct);
            return;
        }
        const UINT action = lpDrawItemStruct->itemAction;
        const UINT state = lpDrawItemStruct->itemState;
        if (action & ODA_DRAWENTIRE) {
            DrawEntire(nIDCtl, lpDrawItemStruct);
            if (state & ODS_SELECTED)
                HandleSelectionState(nIDCtl, lpDrawItemStruct);
            if (state & ODS_FOCUS)
                HandleFocusState(lpDrawItemStruct);
        } else if (action & ODA_SELECT) {
            HandleSelectionState(nIDCtl, lpDrawItemStruct);
        } else if (action & ODA_FOCUS) {
            HandleFocusState(lpDrawItemStruct);
        }
    }

    void DrawEntire(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        CDC dc(lpDrawItemStruct->hDC);
        const CRect item(lpDrawItemStruct->rcItem);
        dc.FillSolidRect(item, dc.GetBkColor());

        TList& list = CheckList();
        CRect anchor;
        CRect listWindow;
        GetDlgItem(static_cast<int>(TextAnchorID()))->GetWindowRect(anchor);
        GetDlgItem(TList::kListID)->GetWindowRect(listWindow);
        const CRect text(anchor.left - listWindow.left + TextIndent(), item.top, 23 * LOWORD(::GetDialogBaseUnits()),
                         item.bottom);

        const int index = LOWORD(lpDrawItemStruct->itemData);
        if (!list.m_pItems || index >= list.m_pItems->GetSize())
            return;
        const Record& record = list.m_pItems->GetAt(index);
        CRect textRect = text;
        dc.DrawText(record.m_strName, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);

        const BOOL bViewFlag = MarkViewFlag();
        for (const auto& column : TList::kColumns) {
            DrawCheckBoxItem(dc, column.nHeaderID, lpDrawItemStruct, column.pfnShown(record),
                             column.pfnDisabled(record, bViewFlag));
        }
    }

    void DrawCheckBoxItem(CDC& dc, UINT nColumnID, LPDRAWITEMSTRUCT lpDrawItemStruct, BOOL bChecked, BOOL bDisabled)
    {
        CRect column;
        CRect listWindow;
        GetDlgItem(static_cast<int>(nColumnID))->GetWindowRect(column);
        GetDlgItem(TList::kListID)->GetWindowRect(listWindow);
        column.OffsetRect(-listWindow.left, -listWindow.top);

        const int bx = CheckList().m_nBaseUnitX;
        const int inset = ::MulDiv(bx, 1, 10);
        const CRect& item = lpDrawItemStruct->rcItem;
        CRect mark(column.left - 2 + inset, item.top + bx / 5, column.right - inset - 2, item.bottom - bx / 5);
        const int w = mark.Width();
        const int h = mark.Height();
        if (w >= h)
            mark.DeflateRect((w - h) / 2, 0);
        else
            mark.DeflateRect(0, (h - w) / 2);

        COLORREF c1, c2, c3;
        if (m_bSystemLook) {
            c1 = c2 = bDisabled ? m_crCheckDisabled : m_crCheck;
            c3 = m_crCheckBack;
        } else if (!bDisabled) {
            c1 = 0x5A5A5A, c2 = 0xA5A5A5, c3 = 0x282828;
        } else {
            c1 = 0x282828, c2 = 0x444444, c3 = 0x0E0E0E;
        }
        if (IsRadioColumn(nColumnID))
            CZenDialogBase::DrawRadioMark(&dc, mark, bChecked, c1, c2, c3);
        else
            CZenDialogBase::DrawCheckBox(&dc, mark, bChecked, 1, 3, c1, c2, c3);
    }

    void HandleSelectionState(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        const BOOL selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
        m_crText = selected ? m_crSelText : m_crNormalText;
        m_crBack = selected ? m_crSelBack : m_crNormalBack;
        CDC dc(lpDrawItemStruct->hDC);
        const COLORREF oldText = dc.SetTextColor(m_crText);
        const COLORREF oldBack = dc.SetBkColor(m_crBack);
        if (FillsOnSelection())
            dc.FillSolidRect(&lpDrawItemStruct->rcItem, m_crBack);
        DrawEntire(nIDCtl, lpDrawItemStruct);
        dc.SetTextColor(oldText);
        dc.SetBkColor(oldBack);
    }

    void HandleFocusState(LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        CDC dc(lpDrawItemStruct->hDC);
        dc.SetTextColor(m_crNormalText);
        dc.SetBkColor(m_crNormalBack);
        dc.DrawFocusRect(&lpDrawItemStruct->rcItem);
    }

    // A bulk button: one flag of every record takes the value; every row is redrawn.
    void SetEveryRecord(BOOL Record::*pFlag, int nCount, BOOL bValue)
    {
        TList& list = CheckList();
        for (int i = 0; list.m_pItems && i < nCount && i < list.m_pItems->GetSize(); ++i)
            list.m_pItems->ElementAt(i).*pFlag = bValue;
        list.Invalidate(TRUE);
    }

    // A boolean answer: true only for exactly "TRUE".
    BOOL AskFlag(const wchar_t* lpszFormat, const wchar_t* lpszKey)
    {
        return m_pChannel->ExecFormat(lpszFormat, lpszKey) == L"TRUE";
    }

    // The name label of an object whose label keys lie under strPrefix: shown when either
    // language is, and in Japanese unless the English name is shown.
    void AskNameFlags(const CString& strPrefix, BOOL& bName, BOOL& bJapanese)
    {
        const BOOL japanese = AskFlag(L"? %s.JapaneseName.Visible", strPrefix);
        const BOOL english = AskFlag(L"? %s.EnglishName.Visible", strPrefix);
        bName = japanese || english;
        bJapanese = !english;
    }

    // One statement of OK's command text: the key, then the rest ending in ";". OK writes several
    // for every object of the list, so they are joined rather than formatted; the key ends at a
    // NUL, as a formatted "%s" would.
    static void AppendStatement(CString& strCommand, const CString& strKey, const wchar_t* lpszRest)
    {
        strCommand += strKey.GetString();
        strCommand += lpszRest;
    }

    // The statements that set the label keys under strPrefix, for OK's command text.
    static void AppendNameStatements(CString& strCommand, const CString& strPrefix, BOOL bName, BOOL bJapanese)
    {
        if (!bName) {
            AppendStatement(strCommand, strPrefix, L".Name.Visible = False;");
            AppendStatement(strCommand, strPrefix, L".JapaneseName.Visible = False;");
            AppendStatement(strCommand, strPrefix, L".EnglishName.Visible = False;");
        } else if (bJapanese) {
            AppendStatement(strCommand, strPrefix, L".Name.Visible = True;");
            AppendStatement(strCommand, strPrefix, L".JapaneseName.Visible = True;");
            AppendStatement(strCommand, strPrefix, L".EnglishName.Visible = False;");
        } else {
            AppendStatement(strCommand, strPrefix, L".Name.Visible = True;");
            AppendStatement(strCommand, strPrefix, L".EnglishName.Visible = True;");
            AppendStatement(strCommand, strPrefix, L".JapaneseName.Visible = False;");
        }
    }

    // Hands the list its owner, records and base unit.
    void PrepareList(CArray<Record, Record&>& records)
    {
        TList& list = CheckList();
        list.m_pParentDlg = this;
        list.m_pItems = &records;
        list.m_nBaseUnitX = LOWORD(::GetDialogBaseUnits());
    }

    // Empties the list, asks for the number of objects (read up to nCeiling, ListCeilings.h),
    // sizes the records to it and adds one row per record (its item data the record's index);
    // readNames(record, n) asks for the names of object n (1-based) as the row is added.
    // Returns the count.
    template <class TReadNames>
    int FillList(const wchar_t* lpszCountQuery, int nCeiling, TReadNames readNames)
    {
        TList& list = CheckList();
        list.ResetContent();
        const int count = ListCount(m_pChannel->Exec(lpszCountQuery), nCeiling);
        list.m_pItems->SetSize(count);
        // No repaint or scroll-bar update until the last row is in.
        list.SendMessage(WM_SETREDRAW, FALSE);
        // The rows go straight to the list box's own procedure, the only one that handles
        // LB_ADDSTRING: a message through the skin's subclass makes Wine ask its server for the
        // subclass data, which for ten thousand rows took a second.
        const WNDPROC listProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(list.m_hWnd, GCLP_WNDPROC));
        for (int n = 1; n <= count; ++n) {
            readNames(list.m_pItems->ElementAt(n - 1), n);
            ::CallWindowProcW(listProc, list.m_hWnd, LB_ADDSTRING, 0, n - 1);
        }
        list.SendMessage(WM_SETREDRAW, TRUE);
        list.Invalidate();
        return count;
    }

    // Buttons with the skin's standard colours and focus rectangle.
    void AttachButtons(std::initializer_list<std::pair<CZenButton*, UINT>> buttons)
    {
        for (const auto& [button, id] : buttons)
            button->Attach(id, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    }

    // The vertical statics above the mark columns, left to right.
    void AttachColumnHeaders()
    {
        for (size_t i = 0; i < std::size(m_vstHeaders); ++i)
            m_vstHeaders[i].Attach(TList::kColumns[i].nHeaderID, this);
    }

    // In the dark skin the list drops its visual style, so that it takes the skin's colours.
    void UnthemeListInDarkSkin()
    {
        if (!m_bSystemLook)
            CZenTheme::SetWindowTheme(::GetDlgItem(m_hWnd, TList::kListID), L"", L"");
    }

    void OnBtnColor()
    {
        CString key;
        key.LoadString(m_nIDColorKey);
        RunColorDialog(key);
    }

    CString m_strSection;
    CZenVStatic m_vstHeaders[std::size(TList::kColumns)];

    COLORREF m_crSelText;
    COLORREF m_crSelBack;
    COLORREF m_crBack;
    COLORREF m_crText;
    COLORREF m_crNormalBack;
    COLORREF m_crNormalText;
    COLORREF m_crCheckBack;
    COLORREF m_crCheck;
    COLORREF m_crCheckDisabled;

private:
    void Construct(UINT nIDSection)
    {
        m_strSection.LoadString(nIDSection);
        m_crSelText = m_bSystemLook ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : 0xC4C4C4;
        m_crSelBack = m_bSystemLook ? ::GetSysColor(COLOR_HIGHLIGHT) : 0x000000;
        m_crNormalBack = m_bSystemLook ? ::GetSysColor(COLOR_WINDOW) : 0x282828;
        m_crNormalText = m_bSystemLook ? ::GetSysColor(COLOR_WINDOWTEXT) : 0xC4C4C4;
        m_crBack = m_crNormalBack;
        m_crText = m_crNormalText;
        m_crCheckBack = ::GetSysColor(COLOR_WINDOW);
        m_crCheck = 0x000000;
        m_crCheckDisabled = 0xC0C0C0;
    }

    UINT m_nIDColorKey;

    static BOOL IsRadioColumn(UINT nColumnID)
    {
        for (const auto& column : TList::kColumns) {
            if (column.nHeaderID == nColumnID)
                return column.bRadio;
        }
        return FALSE;
    }
};
