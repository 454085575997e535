#include "framework/kivcst/ZenDialog.h"

#include "framework/kivcst/ZenSkin.h"
#include "framework/kivdcm/SetColorDialog.h"

#include <algorithm>

// ---- drawing helpers ----

void CZenDialogBase::DrawCheckBox(CDC* pDC, const CRect& rect, BOOL bChecked, int nFrame, int nInset,
                                  COLORREF crFrame, COLORREF crMark, COLORREF crBack)
{
    // The frame and inset are given in pixels at 96 dpi.
    const HDC dc = pDC->GetSafeHdc();
    nFrame = ZenSkin::Scale(dc, nFrame);
    nInset = ZenSkin::Scale(dc, nInset);
    pDC->FillSolidRect(rect, crFrame);
    CRect inner = rect;
    inner.DeflateRect(nFrame, nFrame);
    pDC->FillSolidRect(inner, crBack);
    if (!bChecked)
        return;
    CRect tick = inner;
    tick.DeflateRect(nInset - nFrame > 0 ? nInset - nFrame : 0, nInset - nFrame > 0 ? nInset - nFrame : 0);
    if (tick.IsRectEmpty())
        tick = inner;
    // A tick: down from the left third to the bottom third, then up to the top right.
    const int width = std::max(1, tick.Width() / 6);
    CPen pen(PS_SOLID, width, crMark);
    const HGDIOBJ oldPen = pDC->SelectObject(&pen);
    const int x0 = tick.left;
    const int y0 = tick.top + tick.Height() / 2;
    const int x1 = tick.left + tick.Width() / 3;
    const int y1 = tick.bottom - 1 - width / 2;
    pDC->MoveTo(x0, y0);
    pDC->LineTo(x1, y1);
    pDC->LineTo(tick.right - 1, tick.top + width / 2);
    pDC->SelectObject(oldPen);
}

void CZenDialogBase::DrawRadioMark(CDC* pDC, const CRect& rect, BOOL bChecked, COLORREF crFrame, COLORREF crMark,
                                   COLORREF crBack)
{
    CPen ring(PS_SOLID, ZenSkin::Scale(pDC->GetSafeHdc(), 1), crFrame);
    CBrush fill(crBack);
    const HGDIOBJ oldPen = pDC->SelectObject(&ring);
    const HGDIOBJ oldBrush = pDC->SelectObject(&fill);
    pDC->Ellipse(rect);
    if (bChecked) {
        CRect dot = rect;
        const int inset = std::max(2, rect.Width() / 4);
        dot.DeflateRect(inset, inset);
        CPen dotPen(PS_SOLID, 1, crMark);
        CBrush dotBrush(crMark);
        pDC->SelectObject(&dotPen);
        pDC->SelectObject(&dotBrush);
        pDC->Ellipse(dot);
        pDC->SelectObject(&ring);
        pDC->SelectObject(&fill);
    }
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
}

// ---- the dialog base ----

CZenDialog::CZenDialog(CCorZen* pChannel, CCorZen* pChannel2, UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_pChannel(pChannel), m_pChannel2(pChannel2),
      m_bSystemLook(ZenSkin::ReadSystemLook())
{
}

const CRuntimeClass CZenDialog::classCZenDialog{"CZenDialog", &CDialog::classCDialog};

const CRuntimeClass* CZenDialog::GetRuntimeClass() const
{
    return &classCZenDialog;
}

CZenDialog::CZenDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_bSystemLook(ZenSkin::ReadSystemLook())
{
}

void CZenDialog::DoitBool(CString strKey, BOOL on)
{
    m_pChannel->Exec(strKey + (on ? L" = TRUE" : L" = FALSE"));
}

BOOL CZenDialog::IsIt(CString strKey, CString strValue)
{
    return m_pChannel->Exec(L"? " + strKey) == strValue;
}

void CZenDialog::DoitVisible(const CString& strPath, BOOL on)
{
    m_pChannel->Exec(strPath + (on ? L".Visible = TRUE" : L".Visible = FALSE"));
}

BOOL CZenDialog::IsVisible(const CString& strPath)
{
    return m_pChannel->Exec(L"? " + strPath + L".Visible") == L"TRUE";
}

BOOL CZenDialog::OnInitDialog()
{
    return CDialog::OnInitDialog();
}

void CZenDialog::AttachControls()
{
    if (::GetDlgItem(m_hWnd, IDOK))
        m_btnOK.Attach(IDOK, this);
    if (::GetDlgItem(m_hWnd, IDCANCEL))
        m_btnCancel.Attach(IDCANCEL, this);
    if (::GetDlgItem(m_hWnd, ID_ZEN_HELP))
        m_btnHelp.Attach(ID_ZEN_HELP, this);
}

void CZenDialog::RunColorDialog(const wchar_t* lpszColorKey)
{
    const HWND parent = m_pParentWnd && m_pParentWnd->m_hWnd ? m_pParentWnd->m_hWnd : ::GetParent(m_hWnd);
    CString first;
    CString second;
    ::SendMessageW(parent, WM_ZEN_COLORSOURCE, 0, reinterpret_cast<LPARAM>(&first));
    ::SendMessageW(parent, WM_ZEN_COLORSOURCE, 1, reinterpret_cast<LPARAM>(&second));
    CSetColorDialog dialog(m_pChannel, m_pChannel2, first, second, lpszColorKey, this);
    dialog.DoModal();
}

BOOL CZenDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_bSystemLook) {
        const HDC hdc = reinterpret_cast<HDC>(wParam);
        switch (message) {
        case WM_CTLCOLORDLG:
            *pResult = reinterpret_cast<LRESULT>(ZenSkin::BackBrush());
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: {
            ::SetTextColor(hdc, ZenSkin::kText);
            ::SetBkColor(hdc, ZenSkin::kBack);
            *pResult = reinterpret_cast<LRESULT>(ZenSkin::BackBrush());
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
            ::SetTextColor(hdc, ZenSkin::kText);
            ::SetBkColor(hdc, ZenSkin::kFieldBack);
            *pResult = reinterpret_cast<LRESULT>(ZenSkin::FieldBrush());
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}
