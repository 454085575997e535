// CMiscDelDialog: confirms the removal of one entry from the additional data file list. The
// ordinary form also offers to delete the entry's file; the protected form, for data the
// application needs, only removes the entry.
#pragma once

#include "framework/kivcst/ZenDialog.h"
#include "framework/module/ModuleExport.h"

class KIVD04_API CMiscDelDialog : public CZenDialog {
public:
    CMiscDelDialog(int nProtectedData, CWnd* pParent);
    ~CMiscDelDialog() override;

    CString m_strObjectName;  // set by the caller

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CZenGroupBox m_grpName;
    CZenCheckBox m_chkDeleteFile;
    CZenEdit m_edtFile;

public:
    CString m_strFilePath;   // set by the caller
    int m_bDeleteFile = 0;   // the user asked for the file to be deleted; read after OK

private:
    int m_nProtectedData;
    CString m_strSection;
};
