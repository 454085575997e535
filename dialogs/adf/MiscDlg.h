// CMiscDlg: the list of additional object data files that the host draws on the sky. The list
// is the module's own, kept in the settings store; the host learns the ticked entries on OK.
// Files the user marks for deletion are deleted only when the whole dialog is confirmed.
#pragma once

#include "platform/afx/Array.h"
#include "platform/afx/Object.h"
#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

// One entry of the list: a data file and the name it is shown under.
class KIVD04_API CAdfRec : public CObject {
public:
    CAdfRec() = default;
    CAdfRec(const CString& strFile, const CString& strName) : m_strFile(strFile), m_strName(strName) {}

    CString m_strFile;  // full path, in its short form when added by the dialog
    CString m_strName;
};

// The host's slots and the entries the store holds.
constexpr int kAdfSlotCount = 40;

// Splits a stored value "file,name" at its first comma (the name may hold commas, the file may
// not). FALSE for a value that ends the list: empty, without a comma, or with an empty file.
KIVD04_API BOOL SplitAdfValue(const CString& strValue, CString& strFile, CString& strName);

class KIVD04_API CMiscDlg : public CZenDialog {
public:
    CMiscDlg(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent);
    explicit CMiscDlg(CWnd* pParent);
    ~CMiscDlg() override;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void AttachControls() override;

    // Reads the list from the store into the entries; the number of entries read.
    int GetAdfFileList();
    // The index of the entry whose file is strFile (letter case aside), or -1.
    int GetIndexInList(const CString& strFile) const;
    // Deletes lpszSubKey of hKey with everything below it; a Win32 result code. An empty or
    // missing name is refused, so the call can never reach hKey itself.
    static LONG RecursiveRegDeleteKey(HKEY hKey, const wchar_t* lpszSubKey);

private:
    void OnButtonAdd();
    void OnDspMiscButtonDel();
    void OnSelchangeDspMiscList();
    void OnDspMiscMoveUp();
    void OnDspMiscMoveDown();
    void OnDestroy();

    void Construct();
    void MoveEntry(int nFrom, int nTo);
    void RewriteStore();
    void DeleteMarkedFiles();
    bool IsFileInList(const CString& strFile) const;

    int m_bShowNames = 0;
    CZenButton m_btnAdd;
    CZenButton m_btnDel;
    CZenButton m_btnUp;
    CZenButton m_btnDown;
    CZenListBoxCheck m_lstAdf;
    CZenCheckBox m_chkShowNames;
    int m_nAdfCount = 0;
    CArray<CAdfRec, CAdfRec&> m_arrAdf;
    int m_bModified = 0;
    int m_nDeleteCount = 0;
    CArray<CString, CString&> m_arrDeleteFiles;
    CString m_strSection;
    CString m_strListSection;  // "General\ADF"
};
