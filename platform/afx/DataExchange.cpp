#include "platform/afx/DataExchange.h"

#include "platform/afx/MessageBox.h"
#include "platform/afx/ResourceChain.h"
#include "platform/afx/TextParse.h"
#include "platform/afx/Wnd.h"

#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cwchar>
#include <cwctype>

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    const HWND hControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_hLastControl = hControl;
    m_bEditLastControl = false;
    return hControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    const HWND hControl = PrepareCtrl(nIDC);
    m_bEditLastControl = true;
    return hControl;
}

void CDataExchange::Fail(const wchar_t* lpszMessage)
{
    AfxMessageBox(lpszMessage, MB_ICONEXCLAMATION);
    if (m_hLastControl) {
        ::SetFocus(m_hLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(m_hLastControl, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

void CDataExchange::Fail(UINT nIDPrompt)
{
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(AfxGetFrameworkHandle(), nIDPrompt, reinterpret_cast<LPWSTR>(&text), 0);
    Fail(length > 0 ? CString(text, length).GetString() : L"");
}

void AfxSetWindowText(HWND hWnd, const wchar_t* lpszNew)
{
    if (!hWnd)
        return;
    const wchar_t* text = lpszNew ? lpszNew : L"";
    const int length = ::GetWindowTextLengthW(hWnd);
    if (length == static_cast<int>(std::wcslen(text))) {
        CString current;
        ::GetWindowTextW(hWnd, current.GetBuffer(length + 1), length + 1);
        current.ReleaseBuffer();
        if (current == text)
            return;
    }
    ::SetWindowTextW(hWnd, text);
}

namespace {

CString ControlText(HWND hControl);

}  // namespace

void AfxSetNumberText(HWND hWnd, const wchar_t* lpszNew, double value)
{
    double shown = 0.0;
    if (hWnd && AfxParseDouble(ControlText(hWnd), shown) && shown == value)
        return;
    AfxSetWindowText(hWnd, lpszNew);
}

namespace {

CString ControlText(HWND hControl)
{
    CString text;
    const int length = ::GetWindowTextLengthW(hControl);
    ::GetWindowTextW(hControl, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    return text;
}

}  // namespace

CString AfxFormatDouble(double value)
{
    CString text;
    text.Format(L"%.15g", value);
    return text;
}

bool AfxParseInt(const wchar_t* text, int& value)
{
    return kivparse::ParseInt(text, value);
}

bool AfxParseUInt(const wchar_t* text, UINT& value)
{
    return kivparse::ParseUInt(text, value);
}

bool AfxParseDouble(const wchar_t* text, double& value)
{
    return kivparse::ParseDouble(text, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    const HWND hControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageW(hControl, BM_GETCHECK, 0, 0));
    } else {
        const WPARAM state = value == BST_CHECKED || value == BST_INDETERMINATE ? static_cast<WPARAM>(value)
                                                                                : BST_UNCHECKED;
        if (static_cast<WPARAM>(::SendMessageW(hControl, BM_GETCHECK, 0, 0)) != state)
            ::SendMessageW(hControl, BM_SETCHECK, state, 0);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    // The group runs from the first radio button to the next control that starts a group.
    while (hControl) {
        const DWORD_PTR kind = static_cast<DWORD_PTR>(::GetWindowLongPtrW(hControl, GWL_STYLE)) & BS_TYPEMASK;
        if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageW(hControl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            } else {
                const WPARAM state = index == value ? BST_CHECKED : BST_UNCHECKED;
                if (static_cast<WPARAM>(::SendMessageW(hControl, BM_GETCHECK, 0, 0)) != state)
                    ::SendMessageW(hControl, BM_SETCHECK, state, 0);
            }
            ++index;
        }
        hControl = ::GetWindow(hControl, GW_HWNDNEXT);
        if (!hControl || (::GetWindowLongPtrW(hControl, GWL_STYLE) & WS_GROUP))
            break;
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    const HWND hControl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!AfxParseInt(ControlText(hControl), value))
            pDX->Fail(AFX_IDP_PARSE_INT);
    } else {
        CString text;
        text.Format(L"%d", value);
        AfxSetWindowText(hControl, text);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    const HWND hControl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!AfxParseUInt(ControlText(hControl), value))
            pDX->Fail(AFX_IDP_PARSE_UINT);
    } else {
        CString text;
        text.Format(L"%u", value);
        AfxSetWindowText(hControl, text);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    const HWND hControl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!AfxParseDouble(ControlText(hControl), value))
            pDX->Fail(AFX_IDP_PARSE_REAL);
    } else {
        AfxSetNumberText(hControl, AfxFormatDouble(value), value);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    const HWND hControl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hControl);
    else
        AfxSetWindowText(hControl, value);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    const HWND hControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        index = static_cast<int>(::SendMessageW(hControl, CB_GETCURSEL, 0, 0));
    } else if (static_cast<int>(::SendMessageW(hControl, CB_GETCURSEL, 0, 0)) != index) {
        ::SendMessageW(hControl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value)
{
    const HWND hControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hControl, TBM_GETPOS, 0, 0));
    else
        ::SendMessageW(hControl, TBM_SETPOS, TRUE, value);
}
