// CDialog: a modal dialog from a template found through the resource chain.
#pragma once

#include "platform/afx/Wnd.h"

class KIVFW_API CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally; IDOK, IDCANCEL (or what EndDialog gave), or -1 when the template
    // is missing or the dialog cannot be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Marks, for tools that drive dialogs, a dialog whose initialisation has finished.
    static bool IsInitialized(HWND hDlg);
    // Sets that mark on a dialog of the system's (colour and file dialogs) from its hook.
    static void MarkInitialized(HWND hDlg);

    static const CRuntimeClass classCDialog;
    const CRuntimeClass* GetRuntimeClass() const override;

    UINT m_nIDHelp;          // the template id
    CWnd* m_pParentWnd;      // the window that owns the dialog while it runs

protected:
    // Controls are filled from the members (UpdateData(FALSE)); TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    // Reads and validates the controls and closes with IDOK; stays open when that fails.
    virtual void OnOK();
    virtual void OnCancel();

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
};

INT_PTR CALLBACK AfxDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
