#include "dialogs/adf/MiscDlg.h"

#include "dialogs/adf/AdfPath.h"
#include "dialogs/adf/MiscAddDialog.h"
#include "dialogs/adf/MiscDelDialog.h"
#include "framework/kivcom/CommonFile.h"
#include "framework/kivreg/Registry.h"
#include "resources/ids_adf.h"

#include <iterator>

namespace {

constexpr const wchar_t kAdfDirKey[] = L"AdfDir";

CString AdfValueName(int nPosition)
{
    CString strName;
    strName.Format(IDS_ADF_VALUE_FORMAT, nPosition);
    return strName;
}

}  // namespace

BOOL SplitAdfValue(const CString& strValue, CString& strFile, CString& strName)
{
    const int comma = strValue.Find(L',');
    if (comma <= 0)
        return FALSE;
    strFile = strValue.Left(comma);
    strName = strValue.Mid(comma + 1);
    return TRUE;
}

CMiscDlg::CMiscDlg(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CZenDialog(pChannel, pChannel2, IDD_MISC, pParent)
{
    Construct();
}

CMiscDlg::CMiscDlg(CWnd* pParent) : CZenDialog(IDD_MISC, pParent)
{
    Construct();
}

CMiscDlg::~CMiscDlg() = default;

void CMiscDlg::Construct()
{
    m_strSection.LoadString(IDS_SECTION_MISC);
    m_strListSection.LoadString(IDS_SECTION_ADF_LIST);
}

const AFX_MSGMAP* CMiscDlg::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapClicked<&CMiscDlg::OnButtonAdd>(IDC_MISC_BTN_ADD),
        MapClicked<&CMiscDlg::OnDspMiscButtonDel>(IDC_MISC_BTN_DEL),
        MapLbnSelChange<&CMiscDlg::OnSelchangeDspMiscList>(IDC_MISC_LIST),
        MapClicked<&CMiscDlg::OnDspMiscMoveUp>(IDC_MISC_BTN_UP),
        MapClicked<&CMiscDlg::OnDspMiscMoveDown>(IDC_MISC_BTN_DOWN),
        MapSimple<&CMiscDlg::OnDestroy>(WM_DESTROY),
    };
    static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CMiscDlg::DoDataExchange(CDataExchange* pDX)
{
    CZenDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_MISC_CHK_NAMES, m_bShowNames);
}

void CMiscDlg::AttachControls()
{
    CZenDialog::AttachControls();
    m_btnAdd.Attach(IDC_MISC_BTN_ADD, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnDel.Attach(IDC_MISC_BTN_DEL, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnUp.Attach(IDC_MISC_BTN_UP, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnDown.Attach(IDC_MISC_BTN_DOWN, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_lstAdf.Attach(IDC_MISC_LIST, this);
    m_chkShowNames.Attach(IDC_MISC_CHK_NAMES, this);
    if (!m_bSystemLook)
        CZenTheme::SetWindowTheme(m_lstAdf.m_hWnd, L"", L"");
}

int CMiscDlg::GetAdfFileList()
{
    m_arrAdf.RemoveAll();
    for (int n = 1; n <= kAdfSlotCount; ++n) {
        CString strValue;
        CRegistry::Read(m_strListSection, AdfValueName(n), L"", strValue);
        CAdfRec rec;
        if (!SplitAdfValue(strValue, rec.m_strFile, rec.m_strName))
            break;
        m_arrAdf.Add(rec);
    }
    return m_arrAdf.GetSize();
}

int CMiscDlg::GetIndexInList(const CString& strFile) const
{
    for (int i = 0; i < m_arrAdf.GetSize(); ++i) {
        if (m_arrAdf[i].m_strFile.CompareNoCase(strFile) == 0)
            return i;
    }
    return -1;
}

BOOL CMiscDlg::OnInitDialog()
{
    CZenDialog::OnInitDialog();
    AttachControls();

    m_nAdfCount = GetAdfFileList();

    m_lstAdf.ResetContent();
    m_lstAdf.SendMessage(WM_SETREDRAW, FALSE);
    bool bNamesShown = false;
    for (int i = 0; i < m_arrAdf.GetSize() && i < kAdfSlotCount; ++i) {
        const int n = i + 1;
        const int item = m_lstAdf.AddString(m_arrAdf[i].m_strName);
        m_lstAdf.SetCheck(item, 0);
        if (m_pChannel->ExecFormat(L"? ADF.#%d.File", n).IsEmpty())
            continue;
        const CString strVisible = m_pChannel->ExecFormat(L"? ADF.#%d.Visible", n);
        if (strVisible.IsEmpty() || strVisible[0] != L'T')
            continue;
        m_lstAdf.SetCheck(item, 1);
        if (!bNamesShown) {
            const CString strNames = m_pChannel->ExecFormat(L"? ADF.#%d.Name.Visible", n);
            bNamesShown = !strNames.IsEmpty() && strNames[0] == L'T';
        }
    }
    m_lstAdf.SendMessage(WM_SETREDRAW, TRUE);
    m_lstAdf.Invalidate();

    if (bNamesShown) {
        m_bShowNames = 1;
        m_chkShowNames.SetCheck(BST_CHECKED);
    }
    m_btnUp.EnableWindow(FALSE);
    m_btnDown.EnableWindow(FALSE);
    m_bModified = 0;
    return TRUE;
}

void CMiscDlg::OnButtonAdd()
{
    // The host has forty slots and the store is read back up to the fortieth value: a further
    // entry would be lost at the next start.
    if (m_arrAdf.GetSize() >= kAdfSlotCount) {
        AfxMessageBox(IDS_MISC_LIST_FULL, MB_ICONEXCLAMATION);
        return;
    }
    CString strFilter;
    strFilter.LoadString(IDS_MISC_ADD_FILTER);
    CMiscAddDialog dialog(TRUE, L"adf", L"*.adf", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, strFilter, nullptr);
    CString strTitle;
    strTitle.LoadString(IDS_MISC_ADD_TITLE);
    dialog.SetTitle(strTitle);
    CString strFolder;
    CRegistry::Read(m_strSection, kAdfDirKey, L"", strFolder);
    // A remembered folder that is gone, or a value that is no folder at all (the file dialog
    // hangs on some of those), opens the dialog where it opens by itself.
    const DWORD attributes = strFolder.GetLength() < 32767 ? ::GetFileAttributesW(strFolder) : INVALID_FILE_ATTRIBUTES;
    if (!strFolder.IsEmpty() && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        dialog.m_ofn.lpstrInitialDir = strFolder;
    if (dialog.DoModal() != IDOK)
        return;

    const CString strPath = AdfShortPath(dialog.GetPathName());
    CRegistry::Write(m_strSection, kAdfDirKey, CCommonFile::GetPathName(strPath));
    if (GetIndexInList(strPath) >= 0) {
        AfxMessageBox(IDS_MISC_ALREADY_REGISTERED, MB_ICONEXCLAMATION);
        return;
    }
    // The store separates file and name at the first comma: a file whose path keeps a comma
    // (one without a short form) would come back as another file.
    if (strPath.Find(L',') >= 0) {
        AfxMessageBox(IDS_MISC_COMMA_IN_PATH, MB_ICONEXCLAMATION);
        return;
    }
    CAdfRec rec(strPath, dialog.m_strObjectName);
    m_arrAdf.InsertAt(0, rec);
    m_lstAdf.InsertString(0, rec.m_strName);
    ++m_nAdfCount;
    m_bModified = 1;
}

void CMiscDlg::OnDspMiscButtonDel()
{
    const int sel = m_lstAdf.GetCurSel();
    if (sel < 0 || sel >= m_arrAdf.GetSize()) {
        AfxMessageBox(IDS_MISC_SELECT_TO_DELETE, MB_ICONINFORMATION);
        return;
    }
    CMiscDelDialog dialog(0, this);
    dialog.m_strObjectName = m_lstAdf.GetText(sel);
    dialog.m_strFilePath = m_arrAdf[sel].m_strFile;
    if (dialog.DoModal() != IDOK)
        return;

    m_lstAdf.DeleteString(sel);
    if (dialog.m_bDeleteFile) {
        m_arrDeleteFiles.Add(m_arrAdf[sel].m_strFile);
        ++m_nDeleteCount;
    }
    m_arrAdf.RemoveAt(sel);
    --m_nAdfCount;
    m_bModified = 1;
}

void CMiscDlg::OnSelchangeDspMiscList()
{
    const int sel = m_lstAdf.GetCurSel();
    if (sel == LB_ERR)
        return;
    const int count = m_lstAdf.GetCount();
    m_btnUp.EnableWindow(sel >= 1);
    m_btnDown.EnableWindow(sel < count - 1);
}

void CMiscDlg::OnDspMiscMoveUp()
{
    const int sel = m_lstAdf.GetCurSel();
    if (sel >= 1 && sel < m_arrAdf.GetSize())
        MoveEntry(sel, sel - 1);
}

void CMiscDlg::OnDspMiscMoveDown()
{
    const int sel = m_lstAdf.GetCurSel();
    if (sel >= 0 && sel < m_lstAdf.GetCount() - 1 && sel < m_arrAdf.GetSize() - 1)
        MoveEntry(sel, sel + 1);
}

// Moves one entry to a neighbouring place in both the entries and the list, keeping its tick and
// the selection on it.
void CMiscDlg::MoveEntry(int nFrom, int nTo)
{
    CAdfRec rec = m_arrAdf[nFrom];
    m_arrAdf.RemoveAt(nFrom);
    m_arrAdf.InsertAt(nTo, rec);

    const CString strText = m_lstAdf.GetText(nFrom);
    const int check = m_lstAdf.GetCheck(nFrom);
    m_lstAdf.DeleteString(nFrom);
    m_lstAdf.InsertString(nTo, strText);
    m_lstAdf.SetCheck(nTo, check);
    m_lstAdf.SetCurSel(nTo);

    OnSelchangeDspMiscList();
    m_bModified = 1;
}

void CMiscDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_bModified) {
        RewriteStore();
        DeleteMarkedFiles();
    }

    for (int n = 1; n <= kAdfSlotCount; ++n)
        m_pChannel->ExecFormat(L"Init ADF.#%d", n);
    for (int i = 0; i < m_arrAdf.GetSize() && i < m_lstAdf.GetCount(); ++i) {
        if (!m_lstAdf.GetCheck(i))
            continue;
        const int n = i + 1;
        const CString strShort = AdfShortPath(m_arrAdf[i].m_strFile);
        m_pChannel->ExecFormat(L"ADF.#%d.File = \"%s\";ADF.#%d.Visible = TRUE", n, strShort.GetString(), n);
        if (m_bShowNames)
            m_pChannel->ExecFormat(L"ADF.#%d.Name.Visible = TRUE", n);
    }
    m_pChannel->Exec(L"Show Stellar");
    EndDialog(IDOK);
}

// Replaces the stored list by the dialog's: the old key goes with everything below it, so that
// no value of a longer old list survives.
void CMiscDlg::RewriteStore()
{
    // Without the section's name the key would be the application's own: leave the store alone.
    if (m_strListSection.IsEmpty())
        return;
    const CString strKey = CString(CRegistry::kApplicationKey) + L"\\" + m_strListSection;
    RecursiveRegDeleteKey(HKEY_CURRENT_USER, strKey);
    for (int i = 0; i < m_arrAdf.GetSize(); ++i) {
        const CString strValue = m_arrAdf[i].m_strFile + L"," + m_arrAdf[i].m_strName;
        CRegistry::Write(m_strListSection, AdfValueName(i + 1), strValue);
    }
}

// Deletes the files marked in the delete dialog, in marking order. A file that an entry of the
// list still names, in either path form (added again after its deletion was marked, or listed
// twice), is kept; failures are silent.
void CMiscDlg::DeleteMarkedFiles()
{
    for (int i = 0; i < m_arrDeleteFiles.GetSize(); ++i) {
        const CString& strFile = m_arrDeleteFiles[i];
        if (strFile.IsEmpty() || IsFileInList(strFile))
            continue;
        ::DeleteFileW(strFile);
    }
}

bool CMiscDlg::IsFileInList(const CString& strFile) const
{
    const CString strShort = AdfShortPath(strFile);
    for (int i = 0; i < m_arrAdf.GetSize(); ++i) {
        const CString& strEntry = m_arrAdf[i].m_strFile;
        if (strEntry.CompareNoCase(strFile) == 0 || AdfShortPath(strEntry).CompareNoCase(strShort) == 0)
            return true;
    }
    return false;
}

LONG CMiscDlg::RecursiveRegDeleteKey(HKEY hKey, const wchar_t* lpszSubKey)
{
    if (!lpszSubKey || !*lpszSubKey)
        return ERROR_INVALID_PARAMETER;
    HKEY hSubKey = nullptr;
    LONG result = ::RegOpenKeyExW(hKey, lpszSubKey, 0, DELETE | KEY_ENUMERATE_SUB_KEYS, &hSubKey);
    if (result != ERROR_SUCCESS)
        return ::RegDeleteKeyW(hKey, lpszSubKey);

    do {
        wchar_t szName[260];
        DWORD cchName = static_cast<DWORD>(std::size(szName));
        result = ::RegEnumKeyExW(hSubKey, 0, szName, &cchName, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS) {
            ::RegCloseKey(hSubKey);
            return result;
        }
        result = RecursiveRegDeleteKey(hSubKey, szName);
    } while (result == ERROR_SUCCESS);

    ::RegCloseKey(hSubKey);
    return ::RegDeleteKeyW(hKey, lpszSubKey);
}

void CMiscDlg::OnDestroy()
{
    m_arrAdf.RemoveAll();
}
