// The skinned controls: each binds to a template item of its dialog with Attach and takes the
// dialog's look. In the system look they leave the control's own drawing alone; in the dark skin
// they draw dark (buttons, check and radio boxes, group boxes and up-down controls paint
// themselves; statics, edits and lists take the dialog's dark colours).
#pragma once

#include "platform/afx/Controls.h"

// Binding shared by the skinned controls: subclasses the item and remembers the look.
class KIVFW_API CZenControl {
public:
    BOOL IsSystemLook() const { return m_bSystemLook; }

protected:
    BOOL AttachTo(CWnd& control, UINT nID, CWnd* pDialog);
    BOOL m_bSystemLook = TRUE;
};

class KIVFW_API CZenButton : public CButton, public CZenControl {
public:
    // crFace, crText, crFrame and crFocus are the dark skin's face, caption, frame and focus
    // rectangle colours; with nFlag nonzero the button shows its focus rectangle.
    BOOL Attach(UINT nID, CWnd* pDialog, COLORREF crFace = 0x000000, COLORREF crText = 0xC4C4C4,
                COLORREF crFrame = 0x6B6B6B, COLORREF crFocus = 0xC4C4C4, int nFlag = 1);
    HICON SetIcon(HICON hIcon);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF m_crFace = 0, m_crText = 0, m_crFrame = 0, m_crFocus = 0;
    int m_nFlag = 1;
    HICON m_hIcon = nullptr;
};

// Check boxes, radio buttons and group boxes that paint themselves in the dark skin.
class KIVFW_API CZenPaintedButton : public CButton, public CZenControl {
public:
    BOOL Attach(UINT nID, CWnd* pDialog) { return AttachTo(*this, nID, pDialog); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void PaintDark(CDC& dc, const CRect& client) = 0;
    // The colours the parent gives the control, as for any static text.
    HBRUSH ParentColors(CDC& dc);
};

class KIVFW_API CZenCheckBox : public CZenPaintedButton {
protected:
    void PaintDark(CDC& dc, const CRect& client) override;
    // Caption-less boxes show the focus around the mark instead of around a caption.
    virtual bool FocusAroundMark() const;
};

class KIVFW_API CZenRadioButton : public CZenPaintedButton {
protected:
    void PaintDark(CDC& dc, const CRect& client) override;
};

class KIVFW_API CZenGroupBox : public CZenPaintedButton {
protected:
    void PaintDark(CDC& dc, const CRect& client) override;
};

// A caption-less check box of a table of boxes. It always shows the keyboard focus, as a
// rectangle around its mark, so that a user moving with the keyboard sees where they are.
class KIVFW_API CFocusCheckBox : public CZenCheckBox {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool FocusAroundMark() const override { return true; }
};

class KIVFW_API CZenStatic : public CStatic, public CZenControl {
public:
    BOOL Attach(UINT nID, CWnd* pDialog) { return AttachTo(*this, nID, pDialog); }
    void SetWindowTextW(const wchar_t* lpszString);
};

// A static whose caption runs top to bottom, one character under the other (column headers).
class KIVFW_API CZenVStatic : public CStatic, public CZenControl {
public:
    BOOL Attach(UINT nID, CWnd* pDialog) { return AttachTo(*this, nID, pDialog); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class KIVFW_API CZenEdit : public CEdit, public CZenControl {
public:
    BOOL Attach(UINT nID, CWnd* pDialog) { return AttachTo(*this, nID, pDialog); }
};

class KIVFW_API CZenSpinButton : public CSpinButtonCtrl, public CZenControl {
public:
    BOOL Attach(UINT nID, CWnd* pDialog) { return AttachTo(*this, nID, pDialog); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class KIVFW_API CZenSlider : public CSliderCtrl, public CZenControl {
public:
    BOOL Attach(UINT nID, CWnd* pDialog) { return AttachTo(*this, nID, pDialog); }
};

class KIVFW_API CZenComboBox : public CComboBox, public CZenControl {
public:
    BOOL Attach(UINT nID, CWnd* pDialog) { return AttachTo(*this, nID, pDialog); }
};

// A list box; owner-drawn ones with strings are drawn in the look's colours.
class KIVFW_API CZenListBox : public CListBox, public CZenControl {
public:
    // Owner-drawn entries are made at least as tall as a line of the list's own font.
    BOOL Attach(UINT nID, CWnd* pDialog);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};

// A list of strings with a check mark in front of each (an owner-drawn list box with strings).
// A click on the mark, or the space bar on the selected entry, ticks or unticks it. The check
// state is kept in the entry's item data.
class KIVFW_API CZenListBoxCheck : public CZenListBox {
public:
    int SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    bool DescribeItem(int nIndex, CString& strText, int& nChecked) const override;

    // The mark's square in an entry's rectangle.
    static CRect CheckRect(const CRect& item);

protected:
    const AFX_MSGMAP* GetMessageMap() const override;

private:
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    void Toggle(int nIndex);
};

class KIVFW_API CZenListCtrl : public CListCtrl, public CZenControl {
public:
    BOOL Attach(UINT nID, CWnd* pDialog);
};

// Removes or restores the visual style of a window.
class KIVFW_API CZenTheme {
public:
    static HRESULT SetWindowTheme(HWND hWnd, const wchar_t* pszSubAppName, const wchar_t* pszSubIdList);
};
