// CZenFileDialog: the system's open (or save) file dialog, Explorer style, with a hook so that a
// derived class can add a panel from its own child template and handle the panel's controls
// through its message map, as a dialog does.
#pragma once

#include "platform/afx/Dialog.h"

#include <commdlg.h>

class KIVFW_API CZenFileDialog : public CDialog {
public:
    CZenFileDialog(BOOL bOpenFileDialog, const wchar_t* lpszDefExt = nullptr, const wchar_t* lpszFileName = nullptr,
                   DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const wchar_t* lpszFilter = nullptr,
                   CWnd* pParentWnd = nullptr);

    // IDOK with the chosen file, IDCANCEL otherwise.
    INT_PTR DoModal() override;
    CString GetPathName() const { return m_strPathName; }
    // The chosen file's name with its extension, without its folder.
    CString GetFileName() const;
    // The file dialog itself (the panel's parent), while it runs.
    HWND GetFileDialogWindow() const;

    OPENFILENAMEW m_ofn{};
    CString m_strSection;  // settings-store section of a derived dialog

protected:
    // Called with the panel (or the system's empty hook panel) as this window.
    BOOL OnInitDialog() override;
    // Called when the user confirms a file; nonzero keeps the dialog open.
    virtual BOOL OnFileNameOK();
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    static UINT_PTR CALLBACK HookProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_bOpenFileDialog;
    CString m_strFilter;      // filter with "|" turned into the NULs the system wants
    CString m_strDefExt;
    CString m_strTitle;
    wchar_t m_szFile[32768] = {};
    CString m_strPathName;

public:
    void SetTitle(const wchar_t* lpszTitle) { m_strTitle = lpszTitle; }
};
