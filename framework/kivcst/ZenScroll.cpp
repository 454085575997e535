#include "framework/kivcst/ZenScroll.h"

#include "platform/afx/Wnd.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <cstdint>
#include <new>

using namespace ZenScrollSkin;

// ---- CResScale ----

CResScale::CResScale(int nDesignWidth, int nDesignHeight, BOOL bKeepAspect)
    : m_nDesignWidth(nDesignWidth), m_nDesignHeight(nDesignHeight), m_bKeepAspect(bKeepAspect)
{
}

CSize CResScale::GetSize(CDC* pDC, int nWidth, int nHeight) const
{
    if (!pDC || !pDC->GetSafeHdc() || m_nDesignWidth <= 0 || m_nDesignHeight <= 0)
        return CSize();
    int dpiX = pDC->GetDeviceCaps(LOGPIXELSX);
    int dpiY = pDC->GetDeviceCaps(LOGPIXELSY);
    if (dpiX <= 0)
        dpiX = 96;
    if (dpiY <= 0)
        dpiY = 96;
    if (m_bKeepAspect)
        dpiY = dpiX;
    if (nWidth > 0 && nHeight > 0)
        return CSize(nWidth, nHeight);
    if (nWidth > 0)
        return CSize(nWidth, m_bKeepAspect ? ::MulDiv(nWidth, m_nDesignHeight, m_nDesignWidth)
                                           : ::MulDiv(m_nDesignHeight, dpiY, 96));
    if (nHeight > 0)
        return CSize(m_bKeepAspect ? ::MulDiv(nHeight, m_nDesignWidth, m_nDesignHeight)
                                   : ::MulDiv(m_nDesignWidth, dpiX, 96),
                     nHeight);
    return CSize(::MulDiv(m_nDesignWidth, dpiX, 96), ::MulDiv(m_nDesignHeight, dpiY, 96));
}

BOOL CResScale::GetBitmap(CDC* pDC, CBitmap& out, CBitmap& source, int nWidth, int nHeight) const
{
    if (&out == &source)
        return FALSE;
    out.DeleteObject();
    const CSize from = source.GetSize();
    const CSize to = GetSize(pDC, nWidth, nHeight);
    if (from.cx <= 0 || from.cy <= 0 || to.cx <= 0 || to.cy <= 0 || to.cx > kMaxSide || to.cy > kMaxSide)
        return FALSE;
    const HDC sourceDC = ::CreateCompatibleDC(*pDC);
    const HDC targetDC = ::CreateCompatibleDC(*pDC);
    BOOL ok = sourceDC && targetDC && out.CreateCompatibleBitmap(*pDC, to.cx, to.cy);
    if (ok) {
        const HGDIOBJ oldSource = ::SelectObject(sourceDC, source.GetSafeHandle());
        const HGDIOBJ oldTarget = ::SelectObject(targetDC, out.GetSafeHandle());
        // A bitmap still selected into another device context cannot be selected here.
        ok = oldSource && oldTarget;
        if (ok) {
            ::SetStretchBltMode(targetDC, HALFTONE);
            ::SetBrushOrgEx(targetDC, 0, 0, nullptr);
            ok = ::StretchBlt(targetDC, 0, 0, to.cx, to.cy, sourceDC, 0, 0, from.cx, from.cy, SRCCOPY);
        }
        if (oldSource)
            ::SelectObject(sourceDC, oldSource);
        if (oldTarget)
            ::SelectObject(targetDC, oldTarget);
    }
    if (sourceDC)
        ::DeleteDC(sourceDC);
    if (targetDC)
        ::DeleteDC(targetDC);
    if (!ok)
        out.DeleteObject();
    return ok;
}

// ---- CZenScrollLayout ----

namespace {

int RoundedShare(std::int64_t pixels, std::int64_t part, std::int64_t whole)
{
    return whole > 0 ? static_cast<int>((pixels * part + whole / 2) / whole) : 0;
}

}  // namespace

CZenScrollLayout CZenScrollLayout::Compute(const CRect& bar, const SCROLLINFO& info, int nArrowHeight, int nMinThumb,
                                           bool bEnabled)
{
    CZenScrollLayout layout;
    const int arrow = std::clamp(nArrowHeight, 0, std::max(bar.Height(), 0) / 2);
    layout.up = CRect(bar.left, bar.top, bar.right, bar.top + arrow);
    layout.down = CRect(bar.left, bar.bottom - arrow, bar.right, bar.bottom);
    layout.track = CRect(bar.left, layout.up.bottom, bar.right, layout.down.top);
    layout.nMinPos = info.nMin;
    layout.nMaxPos = info.nMin;

    const std::int64_t range = static_cast<std::int64_t>(info.nMax) - info.nMin + 1;
    const std::int64_t page = info.nPage;
    if (!bEnabled || range <= 1 || page >= range)
        return layout;
    const int trackPixels = layout.track.Height();
    int thumbHeight = page > 0 ? RoundedShare(trackPixels, page, range) : bar.Width();
    thumbHeight = std::max(thumbHeight, nMinThumb);
    if (thumbHeight <= 0 || thumbHeight > trackPixels)
        return layout;

    layout.nMaxPos = static_cast<int>(info.nMax - std::max<std::int64_t>(page - 1, 0));
    const int pos = std::clamp(static_cast<int>(info.nPos), layout.nMinPos, layout.nMaxPos);
    const int top = layout.track.top + RoundedShare(trackPixels - thumbHeight, static_cast<std::int64_t>(pos) - info.nMin,
                                                    static_cast<std::int64_t>(layout.nMaxPos) - info.nMin);
    layout.thumb = CRect(bar.left, top, bar.right, top + thumbHeight);
    return layout;
}

ZenScrollPart CZenScrollLayout::HitTest(POINT pt) const
{
    if (up.PtInRect(pt))
        return ZenScrollPart::LineUp;
    if (down.PtInRect(pt))
        return ZenScrollPart::LineDown;
    if (thumb.IsRectEmpty() || !track.PtInRect(pt))
        return ZenScrollPart::None;
    if (pt.y < thumb.top)
        return ZenScrollPart::PageUp;
    return pt.y < thumb.bottom ? ZenScrollPart::Thumb : ZenScrollPart::PageDown;
}

int CZenScrollLayout::PosFromThumbTop(int y) const
{
    const int freePixels = track.Height() - thumb.Height();
    if (thumb.IsRectEmpty() || freePixels <= 0)
        return nMinPos;
    const int offset = std::clamp(static_cast<int>(y - track.top), 0, freePixels);
    return nMinPos + RoundedShare(static_cast<std::int64_t>(nMaxPos) - nMinPos, offset, freePixels);
}

// ---- SkinWndScroll ----

namespace {

constexpr UINT_PTR kSubclassId = 0x5A53;
// Finds a window's skin again when it is skinned a second time or unskinned.
const wchar_t kSkinProperty[] = L"KivZenScrollSkin";
constexpr UINT_PTR kRepeatTimer = 0x5A53;
// The system's delays before a held arrow or page press repeats, and between repeats.
constexpr UINT kFirstRepeatDelay = 200;
constexpr UINT kRepeatDelay = 50;

// What the bar shows; the skin repaints when it changes.
struct BarState {
    bool visible = false;
    bool enabled = false;
    bool upEnabled = false;
    bool downEnabled = false;
    CRect bar;     // window coordinates
    CRect corner;  // the size box, when the window has both scroll bars
    SCROLLINFO info{};

    bool operator==(const BarState& o) const
    {
        return visible == o.visible && enabled == o.enabled && upEnabled == o.upEnabled &&
               downEnabled == o.downEnabled && bar == o.bar && corner == o.corner && info.nMin == o.info.nMin &&
               info.nMax == o.info.nMax && info.nPage == o.info.nPage && info.nPos == o.info.nPos;
    }
};

struct SkinState {
    HBITMAP hSkin = nullptr;
    ZenScrollPart hot = ZenScrollPart::None;
    ZenScrollPart pressed = ZenScrollPart::None;
    bool pressedShown = false;  // the pointer is on the pressed part
    bool trackingLeave = false;
    bool tracking = false;
    bool orphaned = false;  // the window died, or the skin came off, while a press was tracked
    BarState painted;
};

LRESULT CALLBACK SkinProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData);

CRect ToWindow(HWND hWnd, const RECT& screen)
{
    RECT window{};
    ::GetWindowRect(hWnd, &window);
    CRect rect(screen);
    rect.OffsetRect(-window.left, -window.top);
    return rect;
}

POINT ScreenToWindow(HWND hWnd, POINT pt)
{
    RECT window{};
    ::GetWindowRect(hWnd, &window);
    return POINT{pt.x - window.left, pt.y - window.top};
}

POINT ClientToWindow(HWND hWnd, POINT pt)
{
    ::ClientToScreen(hWnd, &pt);
    return ScreenToWindow(hWnd, pt);
}

BarState ReadBar(HWND hWnd)
{
    BarState state;
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_STYLE));
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (!(style & WS_VSCROLL) || !::IsWindowVisible(hWnd) || !::GetScrollBarInfo(hWnd, OBJID_VSCROLL, &bar) ||
        (bar.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)))
        return state;
    state.bar = ToWindow(hWnd, bar.rcScrollBar);
    state.visible = !state.bar.IsRectEmpty();
    state.enabled = !(bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && ::IsWindowEnabled(hWnd);
    state.upEnabled = state.enabled && !(bar.rgstate[1] & STATE_SYSTEM_UNAVAILABLE);
    state.downEnabled = state.enabled && !(bar.rgstate[5] & STATE_SYSTEM_UNAVAILABLE);
    state.info.cbSize = sizeof state.info;
    state.info.fMask = SIF_ALL;
    ::GetScrollInfo(hWnd, SB_VERT, &state.info);
    SCROLLBARINFO horizontal{};
    horizontal.cbSize = sizeof horizontal;
    if ((style & WS_HSCROLL) && ::GetScrollBarInfo(hWnd, OBJID_HSCROLL, &horizontal) &&
        !(horizontal.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN))) {
        const CRect h = ToWindow(hWnd, horizontal.rcScrollBar);
        state.corner = CRect(state.bar.left, h.top, state.bar.right, h.bottom);
    }
    return state;
}

CZenScrollLayout LayoutOf(const BarState& state)
{
    // The system never draws a thumb shorter than half an arrow.
    const int arrow = ::GetSystemMetrics(SM_CYVSCROLL);
    return CZenScrollLayout::Compute(state.bar, state.info, arrow, std::max(arrow / 2, 1), state.enabled);
}

// Copies rows [sourceTop, sourceTop + sourceHeight) of a skin cell onto target.
void DrawCell(HDC target, const CRect& rect, HDC skin, SIZE cell, int column, int row, int sourceTop, int sourceHeight)
{
    if (rect.IsRectEmpty() || sourceHeight <= 0)
        return;
    ::StretchBlt(target, rect.left, rect.top, rect.Width(), rect.Height(), skin, column * cell.cx,
                 row * cell.cy + sourceTop, cell.cx, sourceHeight, SRCCOPY);
}

void DrawWholeCell(HDC target, const CRect& rect, HDC skin, SIZE cell, int column, int row)
{
    DrawCell(target, rect, skin, cell, column, row, 0, cell.cy);
}

int PartRow(const SkinState& skin, ZenScrollPart part)
{
    if (skin.pressed == part)
        return skin.pressedShown ? kPressed : kNormal;
    return skin.pressed == ZenScrollPart::None && skin.hot == part ? kHot : kNormal;
}

void DrawThumb(HDC target, const CRect& thumb, HDC skin, SIZE cell, int row)
{
    const int cap = std::min<int>(cell.cy, thumb.Height() / 2);
    DrawCell(target, CRect(thumb.left, thumb.top + cap, thumb.right, thumb.bottom - cap), skin, cell, kThumbBody, row,
             0, cell.cy);
    DrawCell(target, CRect(thumb.left, thumb.top, thumb.right, thumb.top + cap), skin, cell, kThumbTop, row, 0, cap);
    DrawCell(target, CRect(thumb.left, thumb.bottom - cap, thumb.right, thumb.bottom), skin, cell, kThumbBottom, row,
             cell.cy - cap, cap);
    if (thumb.Height() >= cell.cy * 2) {
        const int top = thumb.top + (thumb.Height() - cell.cy) / 2;
        DrawWholeCell(target, CRect(thumb.left, top, thumb.right, top + cell.cy), skin, cell, kGrip, row);
    }
}

void DrawBar(HDC target, const BarState& bar, const CZenScrollLayout& layout, const SkinState& state, HDC skin,
             SIZE cell)
{
    if (!bar.enabled) {
        DrawWholeCell(target, layout.up, skin, cell, kDisabled, 0);
        DrawWholeCell(target, layout.down, skin, cell, kDisabled, 1);
        DrawWholeCell(target, layout.track, skin, cell, kDisabled, 2);
        return;
    }
    if (bar.upEnabled)
        DrawWholeCell(target, layout.up, skin, cell, kUpArrow, PartRow(state, ZenScrollPart::LineUp));
    else
        DrawWholeCell(target, layout.up, skin, cell, kDisabled, 0);
    if (bar.downEnabled)
        DrawWholeCell(target, layout.down, skin, cell, kDownArrow, PartRow(state, ZenScrollPart::LineDown));
    else
        DrawWholeCell(target, layout.down, skin, cell, kDisabled, 1);
    if (layout.thumb.IsRectEmpty()) {
        DrawWholeCell(target, layout.track, skin, cell, kTrack, kNormal);
        return;
    }
    const CRect above(layout.track.left, layout.track.top, layout.track.right, layout.thumb.top);
    const CRect below(layout.track.left, layout.thumb.bottom, layout.track.right, layout.track.bottom);
    DrawWholeCell(target, above, skin, cell, kTrack, PartRow(state, ZenScrollPart::PageUp));
    DrawWholeCell(target, below, skin, cell, kTrack, PartRow(state, ZenScrollPart::PageDown));
    DrawThumb(target, layout.thumb, skin, cell, PartRow(state, ZenScrollPart::Thumb));
}

void Paint(HWND hWnd, SkinState& state)
{
    const BarState bar = ReadBar(hWnd);
    state.painted = bar;
    BITMAP skinInfo{};
    if (!bar.visible || !state.hSkin || !::GetObjectW(state.hSkin, sizeof skinInfo, &skinInfo))
        return;
    const SIZE cell{skinInfo.bmWidth / kColumns, skinInfo.bmHeight / kRows};
    if (cell.cx <= 0 || cell.cy <= 0)
        return;

    const HDC windowDC = ::GetWindowDC(hWnd);
    if (!windowDC)
        return;
    const HDC skinDC = ::CreateCompatibleDC(windowDC);
    const HDC bufferDC = ::CreateCompatibleDC(windowDC);
    const HBITMAP buffer = ::CreateCompatibleBitmap(windowDC, bar.bar.Width(), bar.bar.Height());
    const HGDIOBJ oldSkin = skinDC ? ::SelectObject(skinDC, state.hSkin) : nullptr;
    const HGDIOBJ oldBuffer = bufferDC && buffer ? ::SelectObject(bufferDC, buffer) : nullptr;
    if (oldSkin && oldBuffer) {
        // Drawn off screen as a whole, so the bar never shows half the system's and half the skin's.
        ::SetStretchBltMode(bufferDC, COLORONCOLOR);
        BarState local = bar;
        local.bar.OffsetRect(-bar.bar.left, -bar.bar.top);
        DrawBar(bufferDC, local, LayoutOf(local), state, skinDC, cell);
        ::BitBlt(windowDC, bar.bar.left, bar.bar.top, bar.bar.Width(), bar.bar.Height(), bufferDC, 0, 0, SRCCOPY);
        if (!bar.corner.IsRectEmpty()) {
            ::SetStretchBltMode(windowDC, COLORONCOLOR);
            DrawWholeCell(windowDC, bar.corner, skinDC, cell, kSizeBox, kNormal);
        }
    }
    if (oldSkin)
        ::SelectObject(skinDC, oldSkin);
    if (oldBuffer)
        ::SelectObject(bufferDC, oldBuffer);
    if (buffer)
        ::DeleteObject(buffer);
    if (bufferDC)
        ::DeleteDC(bufferDC);
    if (skinDC)
        ::DeleteDC(skinDC);
    ::ReleaseDC(hWnd, windowDC);
}

void SendScroll(HWND hWnd, WORD code, int pos = 0)
{
    ::SendMessageW(hWnd, WM_VSCROLL, MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
}

void ScrollBy(HWND hWnd, ZenScrollPart part)
{
    switch (part) {
    case ZenScrollPart::LineUp:
        SendScroll(hWnd, SB_LINEUP);
        break;
    case ZenScrollPart::LineDown:
        SendScroll(hWnd, SB_LINEDOWN);
        break;
    case ZenScrollPart::PageUp:
        SendScroll(hWnd, SB_PAGEUP);
        break;
    case ZenScrollPart::PageDown:
        SendScroll(hWnd, SB_PAGEDOWN);
        break;
    default:
        break;
    }
}

bool PrimaryButtonDown()
{
    const int key = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (::GetAsyncKeyState(key) & 0x8000) != 0;
}

// A press on the bar, followed until the button comes up: the system's own tracking would draw
// the bar in its own look, so the skin repeats what the system does (arrow and page presses
// repeat while held, the thumb follows the pointer) and sends the same WM_VSCROLL codes.
void Track(HWND hWnd, SkinState& state, POINT screenPoint)
{
    BarState bar = ReadBar(hWnd);
    if (!bar.visible || !bar.enabled)
        return;
    CZenScrollLayout layout = LayoutOf(bar);
    POINT pointer = ScreenToWindow(hWnd, screenPoint);
    const ZenScrollPart part = layout.HitTest(pointer);
    if (part == ZenScrollPart::None || (part == ZenScrollPart::LineUp && !bar.upEnabled) ||
        (part == ZenScrollPart::LineDown && !bar.downEnabled))
        return;

    const int grab = pointer.y - layout.thumb.top;
    int trackPos = bar.info.nPos;
    state.tracking = true;
    state.pressed = part;
    state.pressedShown = true;
    state.hot = ZenScrollPart::None;
    ::SetCapture(hWnd);
    ScrollBy(hWnd, part);
    if (!state.orphaned)
        Paint(hWnd, state);
    ::SetTimer(hWnd, kRepeatTimer, kFirstRepeatDelay, nullptr);

    MSG msg{};
    while (!state.orphaned && ::GetCapture() == hWnd) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.hwnd == hWnd && (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP))
            break;
        if (msg.hwnd == hWnd && msg.message == WM_MOUSEMOVE) {
            pointer = ClientToWindow(hWnd, POINT{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))});
            layout = LayoutOf(ReadBar(hWnd));
            if (part == ZenScrollPart::Thumb) {
                const int pos = layout.PosFromThumbTop(pointer.y - grab);
                if (pos != trackPos) {
                    trackPos = pos;
                    SendScroll(hWnd, SB_THUMBTRACK, pos);
                }
            } else if ((layout.HitTest(pointer) == part) != state.pressedShown) {
                state.pressedShown = !state.pressedShown;
                Paint(hWnd, state);
            }
            continue;
        }
        if (msg.hwnd == hWnd && msg.message == WM_TIMER && msg.wParam == kRepeatTimer) {
            // A release that never arrived (the button came up elsewhere) ends the press.
            if (!PrimaryButtonDown())
                break;
            ::SetTimer(hWnd, kRepeatTimer, kRepeatDelay, nullptr);
            layout = LayoutOf(ReadBar(hWnd));
            if (part != ZenScrollPart::Thumb && layout.HitTest(pointer) == part)
                ScrollBy(hWnd, part);
            continue;
        }
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }

    ::KillTimer(hWnd, kRepeatTimer);
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (::IsWindow(hWnd)) {
        if (part == ZenScrollPart::Thumb)
            SendScroll(hWnd, SB_THUMBPOSITION, trackPos);
        SendScroll(hWnd, SB_ENDSCROLL);
    }
    state.tracking = false;
    state.pressed = ZenScrollPart::None;
    state.pressedShown = false;
    if (state.orphaned) {
        delete &state;
        return;
    }
    Paint(hWnd, state);
}

void SetHot(HWND hWnd, SkinState& state, ZenScrollPart hot)
{
    if (hot != ZenScrollPart::None && !state.trackingLeave) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE | TME_NONCLIENT, hWnd, 0};
        state.trackingLeave = ::TrackMouseEvent(&leave) != FALSE;
    }
    if (hot == state.hot)
        return;
    state.hot = hot;
    Paint(hWnd, state);
}

// Messages that never change the bar, and come often.
bool LeavesBarAlone(UINT message)
{
    switch (message) {
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETDLGCODE:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETFONT:
    case WM_GETOBJECT:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
        return true;
    default:
        return false;
    }
}

// Messages after which the system may have drawn the bar although what it shows did not change.
bool SystemMayHaveDrawn(UINT message)
{
    switch (message) {
    case WM_NCPAINT:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_STYLECHANGED:
    case WM_ENABLE:
    case WM_SETREDRAW:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_CAPTURECHANGED:
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK SkinProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData)
{
    auto* state = reinterpret_cast<SkinState*>(refData);
    switch (message) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam != HTVSCROLL)
            break;
        Track(hWnd, *state, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_NCMOUSEMOVE: {
        const LRESULT result = ::DefSubclassProc(hWnd, message, wParam, lParam);
        ZenScrollPart hot = ZenScrollPart::None;
        if (wParam == HTVSCROLL) {
            const POINT pt = ScreenToWindow(hWnd, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            hot = LayoutOf(ReadBar(hWnd)).HitTest(pt);
        }
        SetHot(hWnd, *state, hot);
        return result;
    }
    case WM_NCMOUSELEAVE: {
        const LRESULT result = ::DefSubclassProc(hWnd, message, wParam, lParam);
        state->trackingLeave = false;
        SetHot(hWnd, *state, ZenScrollPart::None);
        return result;
    }
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(hWnd, SkinProc, kSubclassId);
        ::RemovePropW(hWnd, kSkinProperty);
        if (state->tracking)
            state->orphaned = true;  // the tracking loop lets go of it
        else
            delete state;
        return ::DefSubclassProc(hWnd, message, wParam, lParam);
    default:
        break;
    }
    const LRESULT result = ::DefSubclassProc(hWnd, message, wParam, lParam);
    if (!LeavesBarAlone(message) && (SystemMayHaveDrawn(message) || !(ReadBar(hWnd) == state->painted)))
        Paint(hWnd, *state);
    return result;
}

}  // namespace

BOOL SkinWndScroll(CWnd* pWnd, HBITMAP hSkin)
{
    const HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!hWnd || !::IsWindow(hWnd))
        return FALSE;
    auto* state = static_cast<SkinState*>(::GetPropW(hWnd, kSkinProperty));
    if (!hSkin) {
        if (state) {
            ::RemoveWindowSubclass(hWnd, SkinProc, kSubclassId);
            ::RemovePropW(hWnd, kSkinProperty);
            if (state->tracking)
                state->orphaned = true;
            else
                delete state;
            ::SetWindowTheme(hWnd, nullptr, nullptr);
            ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
        return TRUE;
    }
    if (!state) {
        state = new (std::nothrow) SkinState;
        if (!state)
            return FALSE;
        if (!::SetPropW(hWnd, kSkinProperty, state) ||
            !::SetWindowSubclass(hWnd, SkinProc, kSubclassId, reinterpret_cast<DWORD_PTR>(state))) {
            ::RemovePropW(hWnd, kSkinProperty);
            delete state;
            return FALSE;
        }
        // Without a visual style the system draws its bar plainly, with no hover animation that
        // would paint over the skin between two of its messages.
        ::SetWindowTheme(hWnd, L"", L"");
    }
    state->hSkin = hSkin;
    Paint(hWnd, *state);
    return TRUE;
}
