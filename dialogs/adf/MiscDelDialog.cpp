#include "dialogs/adf/MiscDelDialog.h"

#include "dialogs/adf/AdfPath.h"
#include "framework/kivreg/Registry.h"
#include "resources/ids_adf.h"

CMiscDelDialog::CMiscDelDialog(int nProtectedData, CWnd* pParent)
    : CZenDialog(nProtectedData ? IDD_MISC_DEL_PROTECTED : IDD_MISC_DEL, pParent), m_nProtectedData(nProtectedData)
{
    m_strSection.LoadString(IDS_SECTION_MISC_DEL);
    m_strObjectName = L"";
}

CMiscDelDialog::~CMiscDelDialog() = default;

const AFX_MSGMAP* CMiscDelDialog::GetMessageMap() const
{
    return CZenDialog::GetMessageMap();
}

void CMiscDelDialog::DoDataExchange(CDataExchange* pDX)
{
    CZenDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MISC_DEL_STC_NAME, m_strObjectName);
}

BOOL CMiscDelDialog::OnInitDialog()
{
    CZenDialog::OnInitDialog();
    CZenDialog::AttachControls();
    m_grpName.Attach(IDC_MISC_DEL_GRP_NAME, this);
    if (m_nProtectedData)
        return TRUE;
    m_chkDeleteFile.Attach(IDC_MISC_DEL_CHK_DELETE, this);
    m_edtFile.Attach(IDC_MISC_DEL_EDIT_FILE, this);

    CString strKey;
    strKey.LoadString(IDS_MISC_DEL_KEY_DELETEFILE);
    int nDeleteFile = 0;
    CRegistry::Read(m_strSection, strKey, 0, &nDeleteFile, 0);
    m_bDeleteFile = nDeleteFile ? 1 : 0;
    m_chkDeleteFile.SetCheck(m_bDeleteFile ? BST_CHECKED : BST_UNCHECKED);
    m_edtFile.SetWindowText(AdfLongPath(m_strFilePath));
    return TRUE;
}

void CMiscDelDialog::OnOK()
{
    if (!m_nProtectedData) {
        m_bDeleteFile = m_chkDeleteFile.GetCheck() == BST_CHECKED ? 1 : 0;
        CString strKey;
        strKey.LoadString(IDS_MISC_DEL_KEY_DELETEFILE);
        CRegistry::Write(m_strSection, strKey, m_bDeleteFile, 0);
    }
    CZenDialog::OnOK();
}
