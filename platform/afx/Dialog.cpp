#include "platform/afx/Dialog.h"

#include "platform/afx/DialogTemplate.h"
#include "platform/afx/ResourceChain.h"

namespace {

// The dialog that DoModal is creating: it is bound to the first message of its new window.
CDialog* g_pDialogInit = nullptr;

const wchar_t kInitializedProperty[] = L"KivFwDialogInitialized";

}  // namespace

const CRuntimeClass CDialog::classCDialog{"CDialog", &CWnd::classCWnd};

const CRuntimeClass* CDialog::GetRuntimeClass() const
{
    return &classCDialog;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

bool CDialog::IsInitialized(HWND hDlg)
{
    return ::GetPropW(hDlg, kInitializedProperty) != nullptr;
}

void CDialog::MarkInitialized(HWND hDlg)
{
    ::SetPropW(hDlg, kInitializedProperty, reinterpret_cast<HANDLE>(1));
}

INT_PTR CDialog::DoModal()
{
    const LPCWSTR name = MAKEINTRESOURCEW(m_nIDHelp);
    const HINSTANCE module = AfxFindResourceHandle(name, MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!module)
        return -1;
    const HRSRC resource = ::FindResourceW(module, name, MAKEINTRESOURCEW(5));
    const HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    const auto* dialogTemplate = loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
    if (!dialogTemplate)
        return -1;
    const DWORD size = ::SizeofResource(module, resource);
    const CTemplateScale scale = TemplateScaleForScreen(dialogTemplate, size);
    const std::vector<BYTE> scaled = scale.IsIdentity() ? std::vector<BYTE>{} : ScaleDialogTemplate(dialogTemplate, size, scale);
    if (!scaled.empty())
        dialogTemplate = reinterpret_cast<const DLGTEMPLATE*>(scaled.data());

    HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!hParent)
        hParent = ::GetActiveWindow();
    CDialog* const previous = g_pDialogInit;
    g_pDialogInit = this;
    const INT_PTR result = ::DialogBoxIndirectParamW(module, dialogTemplate, hParent, AfxDlgProc, 0);
    g_pDialogInit = previous;
    if (m_hWnd)
        UnsubclassWindow();
    return result;
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_INITDIALOG) {
        // Messages that a handler might post reach the modal loop only after this returns.
        *pResult = OnInitDialog();
        MarkInitialized(m_hWnd);
        return TRUE;
    }
    if (message == WM_NCDESTROY)
        ::RemovePropW(m_hWnd, kInitializedProperty);
    if (CWnd::OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            *pResult = 0;
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            *pResult = 0;
            return TRUE;
        }
    }
    return FALSE;
}

// The dialog procedure binds the dialog object to its window at the window's first message
// (owner-drawn list boxes ask for their item height before WM_INITDIALOG), then routes the
// window through AfxWndProc; from there on it only answers "not handled", which sends the
// message on to the system's dialog handling.
INT_PTR CALLBACK AfxDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CWnd::FromHandlePermanent(hDlg))
        return FALSE;
    CDialog* pDialog = g_pDialogInit;
    if (!pDialog)
        return FALSE;
    g_pDialogInit = nullptr;
    if (!pDialog->SubclassWindow(hDlg))
        return FALSE;
    LRESULT result = 0;
    BOOL handled = FALSE;
    try {
        handled = pDialog->OnWndMsg(message, wParam, lParam, &result);
    } catch (...) {
        handled = FALSE;
    }
    if (!handled)
        return FALSE;
    if (message == WM_INITDIALOG || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, result);
    return TRUE;
}
