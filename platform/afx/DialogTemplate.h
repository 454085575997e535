// Dialog templates laid out in proportion to the screen's density.
//
// A template's dialog units become pixels through the average width of the Latin letters of its
// font. Hinting rounds those letters at each pixel size on its own, so at some densities the
// units come out narrower than the text (a Japanese UI face at 120 dpi: 8 pixels to four units
// where the 96-dpi layout, blown up, gives 8.75), and captions that fit at 96 dpi are cut off. A
// template is therefore widened (or heightened) by the shortfall before its dialog is created, so
// that at every density the dialog is its 96-dpi layout in proportion; it is never narrowed.
#pragma once

#include "platform/afx/AfxExport.h"

#include <windows.h>

#include <cstddef>
#include <vector>

struct CTemplateScale {
    double dX = 1.0;
    double dY = 1.0;
    bool IsIdentity() const { return dX == 1.0 && dY == 1.0; }
};

// The dialog units of an extended template's font at the screen's density, set against the same
// font's at 96 dpi; identity for other templates or when nothing falls short.
KIVFW_API CTemplateScale TemplateScaleForScreen(const void* pTemplate, size_t nSize);

// A copy of an extended template with every item's horizontal edges (and the dialog's width)
// multiplied by scale.dX and its vertical ones by scale.dY, rounded to whole units; empty when the
// template is not an extended one with a font, or is cut short.
KIVFW_API std::vector<BYTE> ScaleDialogTemplate(const void* pTemplate, size_t nSize, const CTemplateScale& scale);
