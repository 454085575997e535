#include "framework/kivcst/ZenControls.h"

#include "framework/kivcst/ZenDialog.h"
#include "framework/kivcst/ZenSkin.h"
#include "platform/afx/Accessible.h"

#include <uxtheme.h>

#include <algorithm>
#include <iterator>

namespace {

// A button as a screen reader reads it, whatever draws it: its caption, the role its style gives
// it, and its checked, pressed, default and enabled state.
class CButtonAccessible : public CAccessibleControl {
public:
    explicit CButtonAccessible(HWND hWnd) : CAccessibleControl(hWnd) {}

protected:
    bool Name(long nChild, CString& strName) const override
    {
        if (nChild != 0)
            return false;
        strName = AfxAccessibleCaption(CWnd::FromHandle(m_hWnd)->GetWindowText());
        return true;
    }
    bool Role(long nChild, long& nRole) const override
    {
        if (nChild != 0)
            return false;
        switch (::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            nRole = ROLE_SYSTEM_CHECKBUTTON;
            break;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            nRole = ROLE_SYSTEM_RADIOBUTTON;
            break;
        case BS_GROUPBOX:
            nRole = ROLE_SYSTEM_GROUPING;
            break;
        default:
            nRole = ROLE_SYSTEM_PUSHBUTTON;
            break;
        }
        return true;
    }
    bool State(long nChild, long& nState) const override
    {
        if (nChild != 0)
            return false;
        const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
        nState = 0;
        if (!(style & WS_VISIBLE))
            nState |= STATE_SYSTEM_INVISIBLE;
        if (!::IsWindowEnabled(m_hWnd))
            nState |= STATE_SYSTEM_UNAVAILABLE;
        else if ((style & BS_TYPEMASK) != BS_GROUPBOX)
            nState |= STATE_SYSTEM_FOCUSABLE;
        if (::GetFocus() == m_hWnd)
            nState |= STATE_SYSTEM_FOCUSED;
        const LRESULT check = ::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0);
        if (check == BST_CHECKED)
            nState |= STATE_SYSTEM_CHECKED;
        else if (check == BST_INDETERMINATE)
            nState |= STATE_SYSTEM_MIXED;
        if (::SendMessageW(m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED)
            nState |= STATE_SYSTEM_PRESSED;
        const LRESULT defId = ::SendMessageW(::GetParent(m_hWnd), DM_GETDEFID, 0, 0);
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ||
            (HIWORD(defId) == DC_HASDEFID && LOWORD(defId) == ::GetDlgCtrlID(m_hWnd) &&
             (style & BS_TYPEMASK) == BS_OWNERDRAW))
            nState |= STATE_SYSTEM_DEFAULT;
        return true;
    }
};

// The check list as a screen reader reads it: one row per entry, named by its text, ticked or not.
class CCheckListAccessible : public CAccessibleList {
public:
    explicit CCheckListAccessible(const CZenListBoxCheck& list) : CAccessibleList(list.m_hWnd), m_list(list) {}

protected:
    long Rows() const override { return m_list.GetCount(); }
    bool Name(long nChild, CString& strName) const override
    {
        if (nChild == 0)
            return false;
        strName = m_list.GetText(static_cast<int>(nChild - 1));
        return true;
    }
    bool State(long nChild, long& nState) const override
    {
        if (nChild == 0)
            return false;
        nState = RowState(static_cast<int>(nChild - 1));
        if (m_list.GetCheck(static_cast<int>(nChild - 1)))
            nState |= STATE_SYSTEM_CHECKED;
        return true;
    }

private:
    const CZenListBoxCheck& m_list;
};

}  // namespace

BOOL CZenControl::AttachTo(CWnd& control, UINT nID, CWnd* pDialog)
{
    if (!pDialog || !control.SubclassDlgItem(nID, pDialog))
        return FALSE;
    const auto* zen = dynamic_cast<const CZenDialog*>(pDialog);
    m_bSystemLook = zen ? zen->m_bSystemLook : TRUE;
    return TRUE;
}

// ---- push buttons ----

BOOL CZenButton::Attach(UINT nID, CWnd* pDialog, COLORREF crFace, COLORREF crText, COLORREF crFrame,
                        COLORREF crFocus, int nFlag)
{
    if (!AttachTo(*this, nID, pDialog))
        return FALSE;
    m_crFace = crFace;
    m_crText = crText;
    m_crFrame = crFrame;
    m_crFocus = crFocus;
    m_nFlag = nFlag;
    if (!m_bSystemLook) {
        const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
        ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
        Invalidate();
    }
    return TRUE;
}

LRESULT CZenButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Drawn by its owner in the dark skin, the button still reads as the system's would.
    if (message == WM_GETOBJECT)
        return CAccessibleControl::AnswerGetObject(new CButtonAccessible(m_hWnd), wParam, lParam);
    return CButton::WindowProc(message, wParam, lParam);
}

HICON CZenButton::SetIcon(HICON hIcon)
{
    const HICON previous = m_hIcon;
    m_hIcon = hIcon;
    if (m_bSystemLook)
        return CButton::SetIcon(hIcon);
    Invalidate();
    return previous;
}

void CZenButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC& dc = *CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    const bool pressed = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const bool disabled = (lpDrawItemStruct->itemState & ODS_DISABLED) != 0;
    dc.FillSolidRect(rect, pressed ? m_crFrame : m_crFace);
    ZenSkin::FrameRect(dc, rect, m_crFrame, ZenSkin::Scale(dc, 1));
    if (m_hIcon) {
        ICONINFO info{};
        int cx = ::GetSystemMetrics(SM_CXSMICON);
        int cy = ::GetSystemMetrics(SM_CYSMICON);
        if (::GetIconInfo(m_hIcon, &info)) {
            BITMAP bitmap{};
            if (info.hbmColor && ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)) {
                cx = bitmap.bmWidth;
                cy = bitmap.bmHeight;
            }
            if (info.hbmColor)
                ::DeleteObject(info.hbmColor);
            if (info.hbmMask)
                ::DeleteObject(info.hbmMask);
        }
        ::DrawIconEx(dc, rect.left + (rect.Width() - cx) / 2, rect.top + (rect.Height() - cy) / 2, m_hIcon, cx, cy,
                     0, nullptr, DI_NORMAL);
    } else {
        const CString caption = GetWindowText();
        const HGDIOBJ oldFont = dc.SelectObject(GetFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(disabled ? m_crFrame : m_crText);
        CRect text = rect;
        if (pressed)
            text.OffsetRect(1, 1);
        dc.DrawText(caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        dc.SelectObject(oldFont);
    }
    if (m_nFlag && (lpDrawItemStruct->itemState & ODS_FOCUS)) {
        CRect focus = rect;
        const int inset = ZenSkin::Scale(dc, 3);
        focus.DeflateRect(inset, inset);
        ZenSkin::FrameRect(dc, focus, m_crFocus, ZenSkin::Scale(dc, 1));
    }
}

// ---- self-painted buttons ----

LRESULT CZenPaintedButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETOBJECT)
        return CAccessibleControl::AnswerGetObject(new CButtonAccessible(m_hWnd), wParam, lParam);
    if (m_bSystemLook)
        return CButton::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(client);
        PaintDark(dc, client);
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    default:
        break;
    }
    const LRESULT result = CButton::WindowProc(message, wParam, lParam);
    // The system control repaints itself directly on these; paint the skin over it.
    switch (message) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_CLICK:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_UPDATEUISTATE:
        if (m_hWnd)
            ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        break;
    default:
        break;
    }
    return result;
}

HBRUSH CZenPaintedButton::ParentColors(CDC& dc)
{
    const HWND parent = ::GetParent(m_hWnd);
    return reinterpret_cast<HBRUSH>(
        ::SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(m_hWnd)));
}

namespace {

void DrawCaption(CDC& dc, CWnd& control, const CRect& textRect, bool enabled)
{
    const CString caption = control.GetWindowText();
    const HGDIOBJ oldFont = dc.SelectObject(control.GetFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(enabled ? ZenSkin::kText : ZenSkin::kTextDisabled);
    CRect rect = textRect;
    dc.DrawText(caption, rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(oldFont);
}

// The caption's rectangle from left on, as tall as its text and centred in the client.
CRect CaptionRect(CDC& dc, CWnd& control, const CRect& client, int left)
{
    const HGDIOBJ oldFont = dc.SelectObject(control.GetFont());
    CRect measured(left, client.top, client.right, client.bottom);
    const CString caption = control.GetWindowText();
    dc.DrawText(caption, measured, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    dc.SelectObject(oldFont);
    const int height = measured.Height();
    measured.top = client.top + (client.Height() - height) / 2;
    measured.bottom = measured.top + height;
    return measured;
}

}  // namespace

bool CZenCheckBox::FocusAroundMark() const
{
    return GetWindowTextLength() == 0;
}

void CZenCheckBox::PaintDark(CDC& dc, const CRect& client)
{
    const HBRUSH back = ParentColors(dc);
    dc.FillRect(client, back ? back : ZenSkin::BackBrush());
    const bool enabled = IsWindowEnabled() != FALSE;
    const ZenSkin::CMarkLayout layout = ZenSkin::MarkLayout(m_hWnd, dc, client);
    const CRect& mark = layout.mark;
    if (enabled)
        CZenDialogBase::DrawCheckBox(&dc, mark, GetCheck() == BST_CHECKED, 1, 3, ZenSkin::kMarkFrame, ZenSkin::kMark,
                                     ZenSkin::kBack);
    else
        CZenDialogBase::DrawCheckBox(&dc, mark, GetCheck() == BST_CHECKED, 1, 3, ZenSkin::kMarkFrameDisabled,
                                     ZenSkin::kMarkDisabled, ZenSkin::kMarkBackDisabled);
    const CRect caption = CaptionRect(dc, *this, client, layout.nCaptionLeft);
    DrawCaption(dc, *this, caption, enabled);
    if (::GetFocus() == m_hWnd) {
        CRect focus = FocusAroundMark() ? mark : caption;
        focus.InflateRect(1, 1);
        dc.SetTextColor(ZenSkin::kText);
        dc.SetBkColor(ZenSkin::kBack);
        dc.DrawFocusRect(focus);
    }
}

void CZenRadioButton::PaintDark(CDC& dc, const CRect& client)
{
    const HBRUSH back = ParentColors(dc);
    dc.FillRect(client, back ? back : ZenSkin::BackBrush());
    const bool enabled = IsWindowEnabled() != FALSE;
    const ZenSkin::CMarkLayout layout = ZenSkin::MarkLayout(m_hWnd, dc, client);
    const CRect& mark = layout.mark;
    if (enabled)
        CZenDialogBase::DrawRadioMark(&dc, mark, GetCheck() == BST_CHECKED, ZenSkin::kMarkFrame, ZenSkin::kMark,
                                      ZenSkin::kBack);
    else
        CZenDialogBase::DrawRadioMark(&dc, mark, GetCheck() == BST_CHECKED, ZenSkin::kMarkFrameDisabled,
                                      ZenSkin::kMarkDisabled, ZenSkin::kMarkBackDisabled);
    const CRect caption = CaptionRect(dc, *this, client, layout.nCaptionLeft);
    DrawCaption(dc, *this, caption, enabled);
    if (::GetFocus() == m_hWnd) {
        CRect focus = caption;
        focus.InflateRect(1, 1);
        dc.SetTextColor(ZenSkin::kText);
        dc.SetBkColor(ZenSkin::kBack);
        dc.DrawFocusRect(focus);
    }
}

void CZenGroupBox::PaintDark(CDC& dc, const CRect& client)
{
    const HGDIOBJ oldFont = dc.SelectObject(GetFont());
    TEXTMETRICW metrics{};
    dc.GetTextMetrics(&metrics);
    const CString caption = GetWindowText();
    const CSize extent = dc.GetTextExtent(caption);
    const int lineY = client.top + metrics.tmHeight / 2;
    CPen pen(PS_SOLID, ZenSkin::Scale(dc, 1), ZenSkin::kFrame);
    const HGDIOBJ oldPen = dc.SelectObject(&pen);
    const int textLeft = client.left + metrics.tmAveCharWidth;
    dc.MoveTo(client.left, lineY);
    dc.LineTo(client.left, client.bottom - 1);
    dc.LineTo(client.right - 1, client.bottom - 1);
    dc.LineTo(client.right - 1, lineY);
    if (caption.IsEmpty()) {
        dc.LineTo(client.left, lineY);
    } else {
        dc.LineTo(textLeft + extent.cx + 2, lineY);
        dc.MoveTo(textLeft - 2, lineY);
        dc.LineTo(client.left, lineY);
        CRect text(textLeft, client.top, textLeft + extent.cx, client.top + metrics.tmHeight);
        dc.FillSolidRect(text, ZenSkin::kBack);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(IsWindowEnabled() ? ZenSkin::kText : ZenSkin::kTextDisabled);
        dc.DrawText(caption, text, DT_LEFT | DT_SINGLELINE);
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldFont);
}

LRESULT CFocusCheckBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CZenCheckBox::WindowProc(message, wParam, lParam);
    // The system draws no focus for a box without a caption: draw it around the mark.
    if (m_bSystemLook && m_hWnd && (message == WM_PAINT || message == WM_SETFOCUS || message == WM_KILLFOCUS ||
                                    message == BM_SETCHECK || message == WM_LBUTTONUP)) {
        if (message != WM_PAINT) {
            ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        } else if (::GetFocus() == m_hWnd) {
            CClientDC dc(this);
            CRect client;
            GetClientRect(client);
            CRect mark = ZenSkin::MarkLayout(m_hWnd, dc, client).mark;
            mark.InflateRect(1, 1);
            dc.DrawFocusRect(mark);
        }
    }
    return result;
}

// ---- statics ----

void CZenStatic::SetWindowTextW(const wchar_t* lpszString)
{
    CWnd::SetWindowText(lpszString);
    Invalidate();
}

LRESULT CZenVStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND)
        return TRUE;
    if (message != WM_PAINT)
        return CStatic::WindowProc(message, wParam, lParam);
    CPaintDC dc(this);
    CRect client;
    GetClientRect(client);
    const HBRUSH back = reinterpret_cast<HBRUSH>(::SendMessageW(
        ::GetParent(m_hWnd), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(m_hWnd)));
    dc.FillRect(client, back ? back : ::GetSysColorBrush(COLOR_3DFACE));
    if (!IsWindowEnabled())
        dc.SetTextColor(m_bSystemLook ? ::GetSysColor(COLOR_GRAYTEXT) : ZenSkin::kTextDisabled);
    dc.SetBkMode(TRANSPARENT);
    const HGDIOBJ oldFont = dc.SelectObject(GetFont());
    TEXTMETRICW metrics{};
    dc.GetTextMetrics(&metrics);
    const CString caption = GetWindowText();
    int y = client.top;
    for (int i = 0; i < caption.GetLength(); ++i) {
        CRect cell(client.left, y, client.right, y + metrics.tmHeight);
        const CString character(caption.GetAt(i));
        dc.DrawText(character, cell, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        y += metrics.tmHeight;
    }
    dc.SelectObject(oldFont);
    return 0;
}

// ---- up-down ----

LRESULT CZenSpinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_bSystemLook || message != WM_PAINT)
        return CSpinButtonCtrl::WindowProc(message, wParam, lParam);
    CPaintDC dc(this);
    CRect client;
    GetClientRect(client);
    const bool enabled = IsWindowEnabled() != FALSE;
    const int line = ZenSkin::Scale(dc, 1);
    CBrush arrowBrush(enabled ? ZenSkin::kText : ZenSkin::kTextDisabled);
    CPen arrowPen(PS_SOLID, 1, enabled ? ZenSkin::kText : ZenSkin::kTextDisabled);
    const HGDIOBJ oldBrush = dc.SelectObject(&arrowBrush);
    const HGDIOBJ oldPen = dc.SelectObject(&arrowPen);
    const int middle = client.top + client.Height() / 2;
    for (int half = 0; half < 2; ++half) {
        CRect part(client.left, half ? middle : client.top, client.right, half ? client.bottom : middle);
        dc.FillSolidRect(part, ZenSkin::kFieldBack);
        ZenSkin::FrameRect(dc, part, ZenSkin::kFrame, line);
        const int cx = part.left + part.Width() / 2;
        const int cy = part.top + part.Height() / 2;
        const int size = std::max(1, std::min(part.Width(), part.Height()) / 4);
        const POINT up[3] = {{cx - size, cy + size / 2}, {cx + size, cy + size / 2}, {cx, cy - size / 2 - 1}};
        const POINT down[3] = {{cx - size, cy - size / 2}, {cx + size, cy - size / 2}, {cx, cy + size / 2 + 1}};
        dc.Polygon(half ? down : up, 3);
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    return 0;
}

// ---- lists ----

BOOL CZenListBox::Attach(UINT nID, CWnd* pDialog)
{
    if (!AttachTo(*this, nID, pDialog))
        return FALSE;
    // The list measured its entries before it had the dialog's font, in the system font's pixels,
    // which do not follow the screen's density.
    if (GetStyle() & LBS_OWNERDRAWFIXED) {
        CClientDC dc(this);
        const HGDIOBJ oldFont = dc.SelectObject(GetFont());
        TEXTMETRICW metrics{};
        dc.GetTextMetrics(&metrics);
        dc.SelectObject(oldFont);
        const int needed = metrics.tmHeight + 2;
        if (GetItemHeight(0) < needed)
            SetItemHeight(0, static_cast<UINT>(needed));
    }
    return TRUE;
}

void CZenListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC& dc = *CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect(lpDrawItemStruct->rcItem);
    const bool selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const bool enabled = IsWindowEnabled() != FALSE;
    COLORREF back = m_bSystemLook ? ::GetSysColor(COLOR_WINDOW) : ZenSkin::kBack;
    COLORREF text = m_bSystemLook ? ::GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT)
                                  : (enabled ? ZenSkin::kText : ZenSkin::kTextDisabled);
    if (selected && enabled) {
        back = m_bSystemLook ? ::GetSysColor(COLOR_HIGHLIGHT) : ZenSkin::kFieldBack;
        text = m_bSystemLook ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : ZenSkin::kText;
    }
    dc.FillSolidRect(rect, back);
    if (lpDrawItemStruct->itemID != static_cast<UINT>(-1)) {
        const CString caption = GetText(static_cast<int>(lpDrawItemStruct->itemID));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(text);
        CRect textRect = rect;
        textRect.left += 2;
        dc.DrawText(caption, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (lpDrawItemStruct->itemState & ODS_FOCUS) {
        dc.SetTextColor(text);
        dc.SetBkColor(back);
        dc.DrawFocusRect(rect);
    }
}

// ---- check list box ----

CRect CZenListBoxCheck::CheckRect(const CRect& item)
{
    const int size = std::max(1, static_cast<int>(item.Height()) - 4);
    const int top = item.top + (item.Height() - size) / 2;
    return CRect(item.left + 2, top, item.left + 2 + size, top + size);
}

int CZenListBoxCheck::SetCheck(int nIndex, int nCheck)
{
    const int result = SetItemData(nIndex, nCheck ? 1 : 0);
    CRect item;
    if (GetItemRect(nIndex, item) != LB_ERR)
        InvalidateRect(item, TRUE);
    return result;
}

int CZenListBoxCheck::GetCheck(int nIndex) const
{
    const LRESULT data = ::SendMessageW(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0);
    return data == LB_ERR ? 0 : static_cast<int>(data != 0);
}

bool CZenListBoxCheck::DescribeItem(int nIndex, CString& strText, int& nChecked) const
{
    strText = GetText(nIndex);
    nChecked = GetCheck(nIndex);
    return true;
}

void CZenListBoxCheck::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CZenListBox::DrawItem(lpDrawItemStruct);
    if (lpDrawItemStruct->itemID == static_cast<UINT>(-1))
        return;
    // The text drawn by the list box is moved right of the mark: repaint the entry's left part.
    CDC& dc = *CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect item(lpDrawItemStruct->rcItem);
    const CRect mark = CheckRect(item);
    const bool enabled = IsWindowEnabled() != FALSE;
    const bool selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0 && enabled;
    COLORREF back = m_bSystemLook ? ::GetSysColor(COLOR_WINDOW) : ZenSkin::kBack;
    COLORREF text = m_bSystemLook ? ::GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT)
                                  : (enabled ? ZenSkin::kText : ZenSkin::kTextDisabled);
    if (selected) {
        back = m_bSystemLook ? ::GetSysColor(COLOR_HIGHLIGHT) : ZenSkin::kFieldBack;
        text = m_bSystemLook ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : ZenSkin::kText;
    }
    dc.FillSolidRect(item, back);
    const BOOL checked = GetCheck(static_cast<int>(lpDrawItemStruct->itemID));
    if (m_bSystemLook)
        CZenDialogBase::DrawCheckBox(&dc, mark, checked, 1, 3, ::GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT),
                                     ::GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT), ::GetSysColor(COLOR_WINDOW));
    else if (enabled)
        CZenDialogBase::DrawCheckBox(&dc, mark, checked, 1, 3, ZenSkin::kMarkFrame, ZenSkin::kMark, ZenSkin::kBack);
    else
        CZenDialogBase::DrawCheckBox(&dc, mark, checked, 1, 3, ZenSkin::kMarkFrameDisabled, ZenSkin::kMarkDisabled,
                                     ZenSkin::kMarkBackDisabled);
    CRect textRect = item;
    textRect.left = mark.right + 4;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(text);
    dc.DrawText(GetText(static_cast<int>(lpDrawItemStruct->itemID)), textRect,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (lpDrawItemStruct->itemState & ODS_FOCUS) {
        dc.SetTextColor(text);
        dc.SetBkColor(back);
        dc.DrawFocusRect(item);
    }
}

const AFX_MSGMAP* CZenListBoxCheck::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapMouse<&CZenListBoxCheck::OnLButtonDown>(WM_LBUTTONDOWN),
        MapKey<&CZenListBoxCheck::OnKeyDown>(WM_KEYDOWN),
        MapMessage<&CZenListBoxCheck::OnGetObject>(WM_GETOBJECT),
    };
    static const AFX_MSGMAP map{CZenListBox::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

LRESULT CZenListBoxCheck::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    return CAccessibleControl::AnswerGetObject(new CCheckListAccessible(*this), wParam, lParam);
}

void CZenListBoxCheck::Toggle(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetCount())
        SetCheck(nIndex, !GetCheck(nIndex));
}

void CZenListBoxCheck::OnLButtonDown(UINT nFlags, POINT point)
{
    const LRESULT hit = ::SendMessageW(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    const int index = LOWORD(hit);
    CRect item;
    if (HIWORD(hit) == 0 && GetItemRect(index, item) != LB_ERR && CheckRect(item).PtInRect(point))
        Toggle(index);
    // The press still selects the entry, as any press on a list does.
    DefWindowProc(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CZenListBoxCheck::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE) {
        Toggle(GetCurSel());
        return;
    }
    DefWindowProc(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
}

BOOL CZenListCtrl::Attach(UINT nID, CWnd* pDialog)
{
    if (!AttachTo(*this, nID, pDialog))
        return FALSE;
    if (!m_bSystemLook) {
        ListView_SetBkColor(m_hWnd, ZenSkin::kBack);
        ListView_SetTextBkColor(m_hWnd, ZenSkin::kBack);
        ListView_SetTextColor(m_hWnd, ZenSkin::kText);
    }
    return TRUE;
}

HRESULT CZenTheme::SetWindowTheme(HWND hWnd, const wchar_t* pszSubAppName, const wchar_t* pszSubIdList)
{
    return ::SetWindowTheme(hWnd, pszSubAppName, pszSubIdList);
}
