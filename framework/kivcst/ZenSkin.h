// The two looks of the application's dialogs: the system's colours, or the dark skin.
#pragma once

#include "platform/afx/Gdi.h"

namespace ZenSkin {

constexpr COLORREF kBack = 0x282828;          // dialog and list background
constexpr COLORREF kText = 0xC4C4C4;          // text
constexpr COLORREF kTextDisabled = 0x6B6B6B;  // text of disabled controls
constexpr COLORREF kFieldBack = 0x000000;     // edit fields and button faces
constexpr COLORREF kFrame = 0x6B6B6B;         // frames and separators
constexpr COLORREF kMarkFrame = 0x5A5A5A;     // check and radio mark frames
constexpr COLORREF kMark = 0xA5A5A5;          // check and radio marks
// A disabled mark is an empty box in a dim frame: a filled one would read as a third state.
constexpr COLORREF kMarkFrameDisabled = 0x3C3C3C;
constexpr COLORREF kMarkDisabled = 0x606060;
constexpr COLORREF kMarkBackDisabled = kBack;

// n pixels at 96 dpi, at the density of the device behind dc (at least 1 when n is).
KIVFW_API int Scale(HDC dc, int n);

// Where a check box or radio button puts its mark and its caption in client: a square of 12
// pixels and one at 96 dpi, growing with the screen, at the left and centred in height, and the
// caption half a digit's width beyond it, in the control's font. The system's own button lays
// them out so; the skin draws its marks in the same places, so that a caption fits both looks alike.
struct CMarkLayout {
    CRect mark;
    int nCaptionLeft = 0;
};
KIVFW_API CMarkLayout MarkLayout(HWND hControl, HDC dc, const CRect& client);

// Frames rect with a line of nWidth pixels inside it.
KIVFW_API void FrameRect(HDC dc, const CRect& rect, COLORREF crLine, int nWidth);

// Shared brushes of the dark skin, owned by the library.
KIVFW_API HBRUSH BackBrush();
KIVFW_API HBRUSH FieldBrush();

// The look the user chose: nonzero for the system's colours, zero for the dark skin (settings
// store, section "General", value "ColorScheme").
KIVFW_API BOOL ReadSystemLook();

}  // namespace ZenSkin
