#include "framework/kivdcm/SetColorDialog.h"

#include "platform/afx/TextParse.h"

#include "platform/afx/Dialog.h"

#include <commdlg.h>

#include <cwctype>

namespace {

struct HookContext {
    const CString* title;
};

UINT_PTR CALLBACK ColorHook(HWND hDlg, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* choose = reinterpret_cast<const CHOOSECOLORW*>(lParam);
        const auto* context = reinterpret_cast<const HookContext*>(choose->lCustData);
        if (context && !context->title->IsEmpty())
            ::SetWindowTextW(hDlg, *context->title);
        CDialog::MarkInitialized(hDlg);
    }
    return 0;
}

}  // namespace

CSetColorDialog::CSetColorDialog(CCorZen* pChannel, CCorZen* pChannel2, const CString& strTitle,
                                 const CString& strCustomColors, const CString& strColorKey, CWnd* pParentWnd)
    : m_pChannel(pChannel), m_pChannel2(pChannel2), m_strTitle(strTitle), m_strCustomColors(strCustomColors),
      m_strColorKey(strColorKey), m_pParentWnd(pParentWnd)
{
}

bool CSetColorDialog::ParseColor(const wchar_t* lpszText, COLORREF& crColor)
{
    unsigned int value = 0;
    if (!kivparse::ParseColor(lpszText, value))
        return false;
    crColor = RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    return true;
}

CString CSetColorDialog::FormatColor(COLORREF crColor)
{
    CString text;
    text.Format(L"#%02X%02X%02X", GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
    return text;
}

INT_PTR CSetColorDialog::DoModal()
{
    if (m_pChannel) {
        COLORREF current = 0;
        if (ParseColor(m_pChannel->Exec(L"? " + m_strColorKey), current))
            m_crColor = current;
    }
    COLORREF custom[16];
    for (COLORREF& c : custom)
        c = RGB(255, 255, 255);
    int index = 0;
    int start = 0;
    while (index < 16 && start < m_strCustomColors.GetLength()) {
        int end = m_strCustomColors.Find(L',', start);
        if (end < 0)
            end = m_strCustomColors.GetLength();
        CString item = m_strCustomColors.Mid(start, end - start);
        COLORREF color = 0;
        if (ParseColor(item.Trim(), color))
            custom[index++] = color;
        start = end + 1;
    }

    HookContext context{&m_strTitle};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = m_pParentWnd && m_pParentWnd->m_hWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    choose.rgbResult = m_crColor;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK;
    choose.lCustData = reinterpret_cast<LPARAM>(&context);
    choose.lpfnHook = ColorHook;
    if (!::ChooseColorW(&choose))
        return IDCANCEL;
    m_crColor = choose.rgbResult;
    if (m_pChannel)
        m_pChannel->Exec(m_strColorKey + L" = \"" + FormatColor(m_crColor) + L"\"");
    if (m_pChannel2)
        m_pChannel2->Exec(L"Show Sky");
    return IDOK;
}
