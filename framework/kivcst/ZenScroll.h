// Scroll bars of the dark skin: a skin bitmap scaled to the screen, and a window whose vertical
// scroll bar is drawn from it.
#pragma once

// The skin bitmap, in the control library's resources (the resource script includes this header).
#define IDB_ZEN_SCROLL_SKIN 8014

#ifndef RC_INVOKED

#include "platform/afx/Gdi.h"

class CWnd;

// Scales a bitmap drawn for 96 dpi to the dpi of a device.
class KIVFW_API CResScale {
public:
    // nDesignWidth x nDesignHeight is the size, in pixels at 96 dpi, that the bitmap stands for
    // (whatever size the source bitmap itself has). bKeepAspect nonzero: both sides scale by the
    // device's horizontal dpi, and a size asked for one side sets the other in proportion; zero:
    // each side scales by its own dpi, and a size asked for one side leaves the other alone.
    CResScale(int nDesignWidth, int nDesignHeight, BOOL bKeepAspect);

    // The size of the scaled bitmap on pDC. nWidth or nHeight above 0 asks for that many pixels
    // on that side instead of the design size at the device's dpi.
    CSize GetSize(CDC* pDC, int nWidth = 0, int nHeight = 0) const;

    // Makes out a bitmap of GetSize(pDC, nWidth, nHeight) compatible with pDC (a window's device
    // context) and stretches source into it with halftone. FALSE, with out empty, when the device,
    // the source or the size is unusable (out and source must be two objects).
    BOOL GetBitmap(CDC* pDC, CBitmap& out, CBitmap& source, int nWidth, int nHeight) const;

    static constexpr int kMaxSide = 16384;  // a larger scaled bitmap is refused

private:
    int m_nDesignWidth;
    int m_nDesignHeight;
    BOOL m_bKeepAspect;
};

// The skin bitmap's layout: nine columns by three rows of equal cells (17 x 17 pixels at 96 dpi).
// Columns 0 to 6 hold a part in its normal, hot and pressed states (rows 0, 1, 2); column 7 the
// disabled up arrow, down arrow and track; column 8 the size box. Thumb caps are drawn from their
// outer edge, so a cell holds the cap followed by plain body; track and body cells are stretched.
namespace ZenScrollSkin {
enum Column { kUpArrow, kDownArrow, kTrack, kThumbTop, kThumbBody, kThumbBottom, kGrip, kDisabled, kSizeBox };
enum Row { kNormal, kHot, kPressed };
constexpr int kColumns = 9;
constexpr int kRows = 3;
}  // namespace ZenScrollSkin

enum class ZenScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

// Where the parts of a vertical scroll bar lie, in the coordinates of the bar's rectangle.
struct KIVFW_API CZenScrollLayout {
    CRect up, down, track, thumb;  // thumb is empty when the bar has none
    int nMinPos = 0;
    int nMaxPos = 0;  // the last position the top of the page can take

    // The system's rules: arrows of nArrowHeight (halved when the bar is too short), a thumb as
    // tall as the page's share of the range but at least nMinThumb, and no thumb when the bar is
    // disabled, when the page shows the whole range, or when the thumb does not fit.
    static CZenScrollLayout Compute(const CRect& bar, const SCROLLINFO& info, int nArrowHeight, int nMinThumb,
                                    bool bEnabled);
    ZenScrollPart HitTest(POINT pt) const;
    // The position at which the thumb's top would stand at y.
    int PosFromThumbTop(int y) const;
};

// Draws pWnd's vertical scroll bar from hSkin, a skin bitmap laid out as above and already at
// the screen's dpi (CResScale). The window keeps its own scroll bar: hit testing, keyboard,
// wheel and WM_VSCROLL stay the system's and the window's; the skin paints the bar over the
// system's drawing and tracks presses on it itself, so that a press or drag shows the skin too.
// The bitmap stays the caller's and must live as long as the skin; a null hSkin takes the skin
// off. FALSE when pWnd has no window.
KIVFW_API BOOL SkinWndScroll(CWnd* pWnd, HBITMAP hSkin);

#endif  // RC_INVOKED
