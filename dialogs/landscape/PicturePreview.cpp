#include "dialogs/landscape/PicturePreview.h"

void CPicturePreview::Forget()
{
    if (m_hScaledDC) {
        ::SelectObject(m_hScaledDC, m_hOldBitmap);
        ::DeleteDC(m_hScaledDC);
    }
    m_hScaledDC = nullptr;
    m_hOldBitmap = nullptr;
    if (m_hScaled)
        ::DeleteObject(m_hScaled);
    m_hScaled = nullptr;
    m_nWidth = 0;
    m_nHeight = 0;
    m_nSerial = 0;
}

bool CPicturePreview::Scale(HDC hDC, int nWidth, int nHeight, const CImage& image)
{
    Forget();
    const HBITMAP scaled = ::CreateCompatibleBitmap(hDC, nWidth, nHeight);
    const HDC memory = scaled ? ::CreateCompatibleDC(hDC) : nullptr;
    if (!memory) {
        if (scaled)
            ::DeleteObject(scaled);
        return false;
    }
    const HGDIOBJ old = ::SelectObject(memory, scaled);
    const int oldMode = ::SetStretchBltMode(memory, HALFTONE);
    ::SetBrushOrgEx(memory, 0, 0, nullptr);
    image.StretchBlt(memory, CRect(0, 0, nWidth, nHeight), CRect(0, 0, image.GetWidth(), image.GetHeight()), SRCCOPY);
    ::SetStretchBltMode(memory, oldMode);
    m_hScaledDC = memory;
    m_hOldBitmap = old;
    m_hScaled = scaled;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_nSerial = image.GetSerial();
    return true;
}

void CPicturePreview::Paint(HDC hDC, const CRect& rect, const CImage& image)
{
    if (image.IsNull() || rect.IsRectEmpty())
        return;
    if ((!m_hScaled || m_nSerial != image.GetSerial() || m_nWidth != rect.Width() || m_nHeight != rect.Height()) &&
        !Scale(hDC, rect.Width(), rect.Height(), image))
        return;
    ::BitBlt(hDC, rect.left, rect.top, m_nWidth, m_nHeight, m_hScaledDC, 0, 0, SRCCOPY);
}
