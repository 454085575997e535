// Message maps as static tables of typed entries.
//
// A class that handles messages overrides GetMessageMap and returns a table whose entries are made
// by the Map... functions below; each entry names the message, the notification code and control
// ids it applies to, and a small generated function (a thunk) that cracks the message parameters
// and calls the member function with typed arguments. The tables chain to the base class's table.
//
//     const AFX_MSGMAP* CDlgX::GetMessageMap() const
//     {
//         static const AFX_MSGMAP_ENTRY entries[] = {
//             MapClicked<&CDlgX::OnCheckView>(IDC_CHECK_VIEW),
//             MapNotify<&CDlgX::OnDeltaposSpin>(UDN_DELTAPOS, IDC_SPIN),
//         };
//         static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
//         return &map;
//     }
#pragma once

#include "platform/afx/AfxExport.h"

#include <commctrl.h>

#include <cstddef>

class CWnd;

// The window object of a handle (a temporary one when the handle has no permanent object).
KIVFW_API CWnd* AfxWndFromHandle(HWND hWnd);

struct AFX_MSG {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Cracks the message and calls the handler; returns false when the entry declines the message.
using AFX_MSGTHUNK = bool (*)(CWnd* pTarget, const AFX_MSG& msg, LRESULT& result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // WM_COMMAND, WM_NOTIFY or the window message itself
    UINT nCode;      // notification code (WM_COMMAND, WM_NOTIFY); 0 for other messages
    UINT nID;        // first control id (WM_COMMAND, WM_NOTIFY)
    UINT nLastID;    // last control id of the range
    AFX_MSGTHUNK pfnThunk;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* pBaseMap;
    const AFX_MSGMAP_ENTRY* lpEntries;
    std::size_t nCount;
};

namespace afx_detail {

template <class>
struct MemberOf;
template <class T, class R, class... A>
struct MemberOf<R (T::*)(A...)> {
    using type = T;
};

template <auto Handler>
using Owner = typename MemberOf<decltype(Handler)>::type;

template <auto Handler>
Owner<Handler>* Self(CWnd* pTarget)
{
    return static_cast<Owner<Handler>*>(pTarget);
}

}  // namespace afx_detail

// WM_COMMAND with a notification code from one control (or a menu command, code 0).
// Handler: void OnSomething();
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapCommand(UINT nCode, UINT nID)
{
    return {WM_COMMAND, nCode, nID, nID, [](CWnd* w, const AFX_MSG&, LRESULT& r) {
                (afx_detail::Self<Handler>(w)->*Handler)();
                r = 0;
                return true;
            }};
}

// WM_COMMAND with a notification code from a range of controls. Handler: void OnSomething(UINT nID);
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapCommandRange(UINT nCode, UINT nFirstID, UINT nLastID)
{
    return {WM_COMMAND, nCode, nFirstID, nLastID, [](CWnd* w, const AFX_MSG& m, LRESULT& r) {
                (afx_detail::Self<Handler>(w)->*Handler)(LOWORD(m.wParam));
                r = 0;
                return true;
            }};
}

// Button click (BN_CLICKED). Handler: void OnBnClickedX();
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapClicked(UINT nID) { return MapCommand<Handler>(BN_CLICKED, nID); }
// Edit change (EN_CHANGE). Handler: void OnEnChangeX();
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapEnChange(UINT nID) { return MapCommand<Handler>(EN_CHANGE, nID); }
// List-box selection change (LBN_SELCHANGE). Handler: void OnLbnSelchangeX();
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapLbnSelChange(UINT nID) { return MapCommand<Handler>(LBN_SELCHANGE, nID); }
// Combo-box selection change (CBN_SELCHANGE). Handler: void OnCbnSelchangeX();
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapCbnSelChange(UINT nID) { return MapCommand<Handler>(CBN_SELCHANGE, nID); }

// WM_NOTIFY from one control. Handler: void OnX(NMHDR* pNMHDR, LRESULT* pResult);
// The result (0 unless the handler sets it) is the message's return value: for UDN_DELTAPOS a
// nonzero result keeps the up-down control from moving.
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapNotify(UINT nCode, UINT nID)
{
    return {WM_NOTIFY, nCode, nID, nID, [](CWnd* w, const AFX_MSG& m, LRESULT& r) {
                r = 0;
                (afx_detail::Self<Handler>(w)->*Handler)(reinterpret_cast<NMHDR*>(m.lParam), &r);
                return true;
            }};
}

// WM_NOTIFY from a range of controls. Handler: void OnX(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapNotifyRange(UINT nCode, UINT nFirstID, UINT nLastID)
{
    return {WM_NOTIFY, nCode, nFirstID, nLastID, [](CWnd* w, const AFX_MSG& m, LRESULT& r) {
                r = 0;
                const NMHDR* header = reinterpret_cast<NMHDR*>(m.lParam);
                (afx_detail::Self<Handler>(w)->*Handler)(static_cast<UINT>(header->idFrom),
                                                         reinterpret_cast<NMHDR*>(m.lParam), &r);
                return true;
            }};
}

// WM_HSCROLL / WM_VSCROLL from any scroll bar or trackbar.
// Handler: void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapHScroll()
{
    return {WM_HSCROLL, 0, 0, 0, [](CWnd* w, const AFX_MSG& m, LRESULT& r) {
                (afx_detail::Self<Handler>(w)->*Handler)(LOWORD(m.wParam), HIWORD(m.wParam),
                                                         AfxWndFromHandle(reinterpret_cast<HWND>(m.lParam)));
                r = 0;
                return true;
            }};
}

// A message without parameters worth cracking (WM_PAINT, WM_DESTROY). Handler: void OnX();
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapSimple(UINT nMessage)
{
    return {nMessage, 0, 0, 0, [](CWnd* w, const AFX_MSG&, LRESULT& r) {
                (afx_detail::Self<Handler>(w)->*Handler)();
                r = 0;
                return true;
            }};
}

// WM_DRAWITEM. Handler: void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapDrawItem()
{
    return {WM_DRAWITEM, 0, 0, 0, [](CWnd* w, const AFX_MSG& m, LRESULT& r) {
                (afx_detail::Self<Handler>(w)->*Handler)(static_cast<int>(m.wParam),
                                                         reinterpret_cast<LPDRAWITEMSTRUCT>(m.lParam));
                r = TRUE;
                return true;
            }};
}

// WM_MEASUREITEM. Handler: void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapMeasureItem()
{
    return {WM_MEASUREITEM, 0, 0, 0, [](CWnd* w, const AFX_MSG& m, LRESULT& r) {
                (afx_detail::Self<Handler>(w)->*Handler)(static_cast<int>(m.wParam),
                                                         reinterpret_cast<LPMEASUREITEMSTRUCT>(m.lParam));
                r = TRUE;
                return true;
            }};
}

// Mouse messages (WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE).
// Handler: void OnLButtonDown(UINT nFlags, POINT point);
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapMouse(UINT nMessage)
{
    return {nMessage, 0, 0, 0, [](CWnd* w, const AFX_MSG& m, LRESULT& r) {
                const POINT point{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
                (afx_detail::Self<Handler>(w)->*Handler)(static_cast<UINT>(m.wParam), point);
                r = 0;
                return true;
            }};
}

// Keyboard messages (WM_KEYDOWN, WM_CHAR). Handler: void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapKey(UINT nMessage)
{
    return {nMessage, 0, 0, 0, [](CWnd* w, const AFX_MSG& m, LRESULT& r) {
                (afx_detail::Self<Handler>(w)->*Handler)(static_cast<UINT>(m.wParam), LOWORD(m.lParam),
                                                         HIWORD(m.lParam));
                r = 0;
                return true;
            }};
}

// Any other message with its raw parameters (private messages such as the colour-source request).
// Handler: LRESULT OnX(WPARAM wParam, LPARAM lParam);
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY MapMessage(UINT nMessage)
{
    return {nMessage, 0, 0, 0, [](CWnd* w, const AFX_MSG& m, LRESULT& r) {
                r = (afx_detail::Self<Handler>(w)->*Handler)(m.wParam, m.lParam);
                return true;
            }};
}
