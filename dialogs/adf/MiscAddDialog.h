// CMiscAddDialog: the open-file dialog in which the user picks an additional data file and, in a
// panel below the standard controls, the name of the new entry (the file's name or a typed one).
#pragma once

#include "framework/kivdcm/ZenFileDialog.h"
#include "framework/module/ModuleExport.h"

class KIVD04_API CMiscAddDialog : public CZenFileDialog {
public:
    CMiscAddDialog(BOOL bOpenFileDialog, const wchar_t* lpszDefExt, const wchar_t* lpszFileName, DWORD dwFlags,
                   const wchar_t* lpszFilter, CWnd* pParentWnd);
    ~CMiscAddDialog() override;

    static const CRuntimeClass classCMiscAddDialog;
    const CRuntimeClass* GetRuntimeClass() const override;

    CString m_strObjectName;  // the new entry's name, after OK

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    BOOL OnFileNameOK() override;

private:
    void UpdateStatus();
};
