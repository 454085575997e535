// CWnd: a window object over an HWND, with message maps and data exchange.
#pragma once

#include "platform/afx/CString.h"
#include "platform/afx/Gdi.h"
#include "platform/afx/MessageMap.h"
#include "platform/afx/Object.h"

#include <oaidl.h>

class CDataExchange;

class KIVFW_API CWnd : public CObject {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object of a handle: its permanent object, or a temporary one that lives as long as the
    // handle does. Null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Binds an existing window to this object without changing its window procedure.
    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Binds an existing window and routes its messages through this object's message map.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creates a top-level or child window of a framework class; the object owns it.
    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParent, UINT nID, HMENU hMenu = nullptr, LPCWSTR lpszClassName = nullptr);
    BOOL DestroyWindow();

    // Text, state and geometry.
    void SetWindowText(const wchar_t* lpszString);
    void GetWindowText(CString& rString) const;
    CString GetWindowText() const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPRECT lpRect) const;
    void MoveWindow(const RECT& rect, BOOL bRepaint = TRUE);
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)); }
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE)
    {
        ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
    }
    void SetDlgItemText(int nID, const wchar_t* lpszString);
    CString GetDlgItemText(int nID) const;
    void CheckDlgButton(int nID, UINT nCheck) { ::CheckDlgButton(m_hWnd, nID, nCheck); }
    UINT IsDlgButtonChecked(int nID) const { return ::IsDlgButtonChecked(m_hWnd, nID); }

    // Data exchange between member variables and controls: TRUE reads the controls (and
    // validates), FALSE writes the members into the controls. While it runs, notifications from
    // the controls do not reach the message map, so handlers are not re-entered.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    bool IsExchangingData() const { return m_nDataExchangeDepth > 0; }

    // Automation invoke on the control's dispatch interface. Supported: a result of VT_EMPTY,
    // VT_BSTR (into a CString) or VT_I4, and parameters VTS_BSTR (const wchar_t*), VTS_I4, VTS_R8.
    void SetControlDispatch(IDispatch* pDispatch) { m_pControlDispatch = pDispatch; }
    IDispatch* GetControlDispatch() const { return m_pControlDispatch; }
    HRESULT InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo, ...);

    // The message map and the default handlers that message maps may call on.
    virtual const AFX_MSGMAP* GetMessageMap() const;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void DoDataExchange(CDataExchange* pDX);
    // Owner draw and colour requests go back to the control's own object when the parent's map
    // does not take them.
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    static const CRuntimeClass classCWnd;
    const CRuntimeClass* GetRuntimeClass() const override;

protected:
    // Messages reflected from the parent to this control; TRUE when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Messages that the class handles outside its message map (control colours, for example).
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // After the window is gone: the object may delete itself here.
    virtual void PostNcDestroy() {}

    WNDPROC m_pfnSuper = nullptr;

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;

    bool DispatchToMap(const AFX_MSG& msg, LRESULT& result);
    void ProposeListItemHeight(LPMEASUREITEMSTRUCT lpMeasureItemStruct) const;
    void AttachPermanent(HWND hWnd);
    void DetachPermanent();

    int m_nDataExchangeDepth = 0;
    bool m_bOwnsWindow = false;
    IDispatch* m_pControlDispatch = nullptr;
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Parameter descriptions for InvokeHelper.
#define VTS_BSTR "\x08"
#define VTS_I4 "\x03"
#define VTS_R8 "\x05"
