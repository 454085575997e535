#include "dialogs/adf/MiscAddDialog.h"

#include "platform/afx/MessageBox.h"
#include "framework/kivreg/Registry.h"
#include "resources/ids_adf.h"

#include <iterator>

// The module's own instance (the module's entry point keeps it): the panel's template is loaded
// by the system's file dialog, which looks only in the instance it is given.
HINSTANCE KivModuleInstance();

const CRuntimeClass CMiscAddDialog::classCMiscAddDialog{"CMiscAddDialog", &CDialog::classCDialog};

const CRuntimeClass* CMiscAddDialog::GetRuntimeClass() const
{
    return &classCMiscAddDialog;
}

CMiscAddDialog::CMiscAddDialog(BOOL bOpenFileDialog, const wchar_t* lpszDefExt, const wchar_t* lpszFileName,
                               DWORD dwFlags, const wchar_t* lpszFilter, CWnd* pParentWnd)
    : CZenFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd)
{
    m_strSection.LoadString(IDS_SECTION_MISC_ADD);
    m_ofn.Flags |= OFN_ENABLETEMPLATE;
    m_ofn.lpTemplateName = MAKEINTRESOURCEW(IDD_MISC_ADD);
    m_ofn.hInstance = KivModuleInstance();
    m_strObjectName = L"";
}

CMiscAddDialog::~CMiscAddDialog() = default;

const AFX_MSGMAP* CMiscAddDialog::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapClicked<&CMiscAddDialog::UpdateStatus>(IDC_MISC_ADD_RAD_FILENAME),
        MapClicked<&CMiscAddDialog::UpdateStatus>(IDC_MISC_ADD_RAD_TYPED),
    };
    static const AFX_MSGMAP map{CZenFileDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

BOOL CMiscAddDialog::OnInitDialog()
{
    CZenFileDialog::OnInitDialog();
    CString strKey;
    strKey.LoadString(IDS_MISC_ADD_KEY_USEFILENAME);
    int nUseFileName = 0;
    CRegistry::Read(m_strSection, strKey, 0, &nUseFileName, 0);
    ::CheckRadioButton(m_hWnd, IDC_MISC_ADD_RAD_FILENAME, IDC_MISC_ADD_RAD_TYPED,
                       nUseFileName ? IDC_MISC_ADD_RAD_FILENAME : IDC_MISC_ADD_RAD_TYPED);
    UpdateStatus();
    return TRUE;
}

void CMiscAddDialog::UpdateStatus()
{
    const BOOL bTyped = IsDlgButtonChecked(IDC_MISC_ADD_RAD_FILENAME) != BST_CHECKED;
    GetDlgItem(IDC_MISC_ADD_STC_NAME)->EnableWindow(bTyped);
    GetDlgItem(IDC_MISC_ADD_EDIT_NAME)->EnableWindow(bTyped);
}

BOOL CMiscAddDialog::OnFileNameOK()
{
    const bool bUseFileName = IsDlgButtonChecked(IDC_MISC_ADD_RAD_FILENAME) == BST_CHECKED;
    if (bUseFileName) {
        m_strObjectName = GetFileName();
    } else {
        m_strObjectName = GetDlgItemText(IDC_MISC_ADD_EDIT_NAME);
        if (m_strObjectName.IsEmpty()) {
            AfxMessageBox(IDS_MISC_ADD_NO_NAME, MB_ICONINFORMATION);
            GetDlgItem(IDC_MISC_ADD_EDIT_NAME)->SetFocus();
            return TRUE;
        }
    }
    CString strKey;
    strKey.LoadString(IDS_MISC_ADD_KEY_USEFILENAME);
    CRegistry::Write(m_strSection, strKey, bUseFileName ? 1 : 0, 0);
    return FALSE;
}
