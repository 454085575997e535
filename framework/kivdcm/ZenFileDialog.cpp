#include "framework/kivdcm/ZenFileDialog.h"

#include <cwchar>

CZenFileDialog::CZenFileDialog(BOOL bOpenFileDialog, const wchar_t* lpszDefExt, const wchar_t* lpszFileName,
                               DWORD dwFlags, const wchar_t* lpszFilter, CWnd* pParentWnd)
    : CDialog(0, pParentWnd), m_bOpenFileDialog(bOpenFileDialog), m_strFilter(lpszFilter), m_strDefExt(lpszDefExt)
{
    if (lpszFileName)
        std::wcsncpy(m_szFile, lpszFileName, std::size(m_szFile) - 1);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLEHOOK;
}

CString CZenFileDialog::GetFileName() const
{
    const int slash = m_strPathName.ReverseFind(L'\\');
    return m_strPathName.Mid(slash + 1);
}

HWND CZenFileDialog::GetFileDialogWindow() const
{
    return m_hWnd ? ::GetParent(m_hWnd) : nullptr;
}

INT_PTR CZenFileDialog::DoModal()
{
    // The filter is written with "|" between its parts; the system wants NULs and a double NUL.
    std::wstring filter = m_strFilter.str();
    for (wchar_t& c : filter) {
        if (c == L'|')
            c = L'\0';
    }
    filter.push_back(L'\0');
    filter.push_back(L'\0');

    m_ofn.hwndOwner = m_pParentWnd && m_pParentWnd->m_hWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    m_ofn.lpstrFilter = m_strFilter.IsEmpty() ? nullptr : filter.c_str();
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = static_cast<DWORD>(std::size(m_szFile));
    m_ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? nullptr : m_strDefExt.GetString();
    m_ofn.lpstrTitle = m_strTitle.IsEmpty() ? nullptr : m_strTitle.GetString();
    m_ofn.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = &CZenFileDialog::HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);

    const BOOL ok = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    if (m_hWnd)
        UnsubclassWindow();
    if (!ok)
        return IDCANCEL;
    m_strPathName = m_szFile;
    return IDOK;
}

BOOL CZenFileDialog::OnInitDialog()
{
    return TRUE;
}

BOOL CZenFileDialog::OnFileNameOK()
{
    return FALSE;
}

BOOL CZenFileDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_NOTIFY) {
        const auto* notify = reinterpret_cast<const OFNOTIFYW*>(lParam);
        switch (notify->hdr.code) {
        case CDN_INITDONE:
            CDialog::MarkInitialized(GetFileDialogWindow());
            *pResult = 0;
            return TRUE;
        case CDN_FILEOK: {
            m_strPathName = notify->lpOFN->lpstrFile;
            const BOOL keepOpen = OnFileNameOK();
            ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, keepOpen ? 1 : 0);
            *pResult = keepOpen ? 1 : 0;
            return TRUE;
        }
        default:
            break;
        }
    }
    return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}

// Binds the object to the panel at its WM_INITDIALOG; later messages reach the object through
// the panel's window procedure, and the hook answers "not handled".
UINT_PTR CALLBACK CZenFileDialog::HookProc(HWND hDlg, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG || CWnd::FromHandlePermanent(hDlg))
        return 0;
    auto* self = reinterpret_cast<CZenFileDialog*>(reinterpret_cast<const OPENFILENAMEW*>(lParam)->lCustData);
    if (!self || !self->SubclassWindow(hDlg))
        return 0;
    BOOL result = TRUE;
    try {
        result = self->OnInitDialog();
    } catch (...) {
        result = TRUE;
    }
    return static_cast<UINT_PTR>(result);
}
