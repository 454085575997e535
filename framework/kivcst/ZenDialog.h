// CZenDialog: the base of every settings dialog. It keeps the two host channels, the look, the
// channel wrappers the dialogs share, and it paints the dark skin.
#pragma once

#include "channel/CorZen.h"
#include "platform/afx/DataExchange.h"
#include "platform/afx/Dialog.h"
#include "platform/afx/MessageBox.h"
#include "framework/kivcst/ZenControls.h"

// Drawing helpers of the skinned controls and the owner-drawn lists.
class KIVFW_API CZenDialogBase {
public:
    // A check box mark in rect: a frame nFrame pixels wide in crFrame, filled with crBack, and
    // when checked a tick inset nInset pixels from the frame in crMark.
    static void DrawCheckBox(CDC* pDC, const CRect& rect, BOOL bChecked, int nFrame, int nInset,
                             COLORREF crFrame, COLORREF crMark, COLORREF crBack);
    // A radio mark in rect: a ring in crFrame filled with crBack, and when checked a dot in crMark.
    static void DrawRadioMark(CDC* pDC, const CRect& rect, BOOL bChecked, COLORREF crFrame, COLORREF crMark,
                              COLORREF crBack);
};

class KIVFW_API CZenDialog : public CDialog, public CZenDialogBase {
public:
    CZenDialog(CCorZen* pChannel, CCorZen* pChannel2, UINT nIDTemplate, CWnd* pParentWnd);
    CZenDialog(UINT nIDTemplate, CWnd* pParentWnd);

    CCorZen* m_pChannel = nullptr;   // every query and statement
    CCorZen* m_pChannel2 = nullptr;  // handed on to the colour dialog only
    BOOL m_bSystemLook;              // nonzero: system colours; zero: dark skin

    // Sends key + " = TRUE" or " = FALSE".
    void DoitBool(CString strKey, BOOL on);
    // Asks "? " + key and compares the answer with strValue exactly.
    BOOL IsIt(CString strKey, CString strValue);
    // Sends path + ".Visible = TRUE" or "= FALSE".
    void DoitVisible(const CString& strPath, BOOL on);
    // Asks "? " + path + ".Visible"; nonzero when the answer is exactly "TRUE".
    BOOL IsVisible(const CString& strPath);

    static const CRuntimeClass classCZenDialog;
    const CRuntimeClass* GetRuntimeClass() const override;

protected:
    BOOL OnInitDialog() override;
    // Binds the skinned control objects to their template items; the base binds OK, Cancel and
    // Help where the template has them.
    virtual void AttachControls();
    // The colour button: asks the parent window for the colour dialog's two texts (the
    // colour-source request, wParam 0 then 1), then runs the colour dialog on strColorKey.
    void RunColorDialog(const wchar_t* lpszColorKey);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    CZenButton m_btnOK;
    CZenButton m_btnCancel;
    CZenButton m_btnHelp;
};

// The colour-source request a dialog sends its parent window: lParam points to a CString that
// the parent fills; wParam 0 asks for the colour dialog's title, 1 for the custom colours.
constexpr UINT WM_ZEN_COLORSOURCE = 0x0810;
// The id of the Help button of the dialog templates.
constexpr UINT ID_ZEN_HELP = 57670;
