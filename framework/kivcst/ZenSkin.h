// The two looks of the application's dialogs: the system's colours, or the dark skin.
#pragma once

#include "platform/afx/AfxExport.h"

namespace ZenSkin {

constexpr COLORREF kBack = 0x282828;          // dialog and list background
constexpr COLORREF kText = 0xC4C4C4;          // text
constexpr COLORREF kTextDisabled = 0x6B6B6B;  // text of disabled controls
constexpr COLORREF kFieldBack = 0x000000;     // edit fields and button faces
constexpr COLORREF kFrame = 0x6B6B6B;         // frames and separators
constexpr COLORREF kMarkFrame = 0x5A5A5A;     // check and radio mark frames
constexpr COLORREF kMark = 0xA5A5A5;          // check and radio marks
constexpr COLORREF kMarkFrameDisabled = 0x282828;
constexpr COLORREF kMarkDisabled = 0x444444;
constexpr COLORREF kMarkBackDisabled = 0x0E0E0E;

// Shared brushes of the dark skin, owned by the library.
KIVFW_API HBRUSH BackBrush();
KIVFW_API HBRUSH FieldBrush();

// The look the user chose: nonzero for the system's colours, zero for the dark skin (settings
// store, section "General", value "ColorScheme").
KIVFW_API BOOL ReadSystemLook();

}  // namespace ZenSkin
