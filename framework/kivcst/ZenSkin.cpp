#include "framework/kivcst/ZenSkin.h"

#include "framework/kivreg/Registry.h"

#include <algorithm>

namespace ZenSkin {

int Scale(HDC dc, int n)
{
    const int dpi = dc ? ::GetDeviceCaps(dc, LOGPIXELSX) : 96;
    const int scaled = ::MulDiv(n, dpi > 0 ? dpi : 96, 96);
    return n > 0 ? std::max(scaled, 1) : scaled;
}

void FrameRect(HDC dc, const CRect& rect, COLORREF crLine, int nWidth)
{
    const HBRUSH brush = ::CreateSolidBrush(crLine);
    CRect line = rect;
    for (int i = 0; i < nWidth && !line.IsRectEmpty(); ++i) {
        ::FrameRect(dc, &line, brush);
        line.DeflateRect(1, 1);
    }
    ::DeleteObject(brush);
}

CMarkLayout MarkLayout(HWND hControl, HDC dc, const CRect& client)
{
    CMarkLayout layout;
    const int size = std::min(::MulDiv(12, ::GetDeviceCaps(dc, LOGPIXELSY), 96) + 1, static_cast<int>(client.Height()));
    const int top = client.top + (client.Height() - size) / 2;
    layout.mark = CRect(client.left, top, client.left + size, top + size);
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hControl, WM_GETFONT, 0, 0));
    const HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    INT digit = 0;
    ::GetCharWidth32W(dc, L'0', L'0', &digit);
    if (old)
        ::SelectObject(dc, old);
    layout.nCaptionLeft = layout.mark.right + digit / 2;
    return layout;
}

HBRUSH BackBrush()
{
    static const HBRUSH brush = ::CreateSolidBrush(kBack);
    return brush;
}

HBRUSH FieldBrush()
{
    static const HBRUSH brush = ::CreateSolidBrush(kFieldBack);
    return brush;
}

BOOL ReadSystemLook()
{
    int scheme = 0;
    CRegistry::Read(L"General", L"ColorScheme", 0, &scheme, 1);
    return scheme != 0 ? TRUE : FALSE;
}

}  // namespace ZenSkin
