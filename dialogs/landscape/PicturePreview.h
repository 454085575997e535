// A picture shown scaled into a preview box. Scaling a large picture smoothly takes a good part
// of a second, so the scaled copy is made once per picture and box size and painted from then on,
// from a memory context kept with it.
#pragma once

#include "framework/module/ModuleExport.h"
#include "platform/afx/Gdi.h"
#include "platform/afx/Image.h"

#include <cstdint>

// Exported for the landscape benchmark, which measures it as the dialog uses it.
class KIVD04_API CPicturePreview {
public:
    CPicturePreview() = default;
    ~CPicturePreview() { Forget(); }
    CPicturePreview(const CPicturePreview&) = delete;
    CPicturePreview& operator=(const CPicturePreview&) = delete;

    // Paints the whole picture onto the rectangle, scaled with HALFTONE without regard to its
    // aspect.
    void Paint(HDC hDC, const CRect& rect, const CImage& image);
    void Forget();

private:
    bool Scale(HDC hDC, int nWidth, int nHeight, const CImage& image);

    HBITMAP m_hScaled = nullptr;
    HDC m_hScaledDC = nullptr;     // holds the scaled copy, so that a repaint is one copy
    HGDIOBJ m_hOldBitmap = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::uint64_t m_nSerial = 0;  // the picture the copy was made from
};
