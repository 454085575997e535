// The driver's "fit" action: whether every caption of a dialog fits inside its control, measured
// in the control's own font the way the control lays its text out.
#include "host/core/DriverDetail.h"

#include <string>

namespace kivhost {

using namespace detail;

namespace {

// The room a control leaves for its caption, and how it lays the caption out; false for controls
// whose text is not a caption (pictures, frames, owner-drawn items, ellipsised texts).
bool CaptionBox(HWND control, const TEXTMETRICW& metrics, RECT& room, UINT& format)
{
    const std::wstring cls = ClassName(control);
    const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
    ::GetClientRect(control, &room);
    format = DT_CALCRECT;
    if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        const LONG_PTR kind = style & BS_TYPEMASK;
        if (kind == BS_OWNERDRAW || (style & (BS_ICON | BS_BITMAP)))
            return false;
        format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
        if (HasCheckState(control)) {
            // The mark, as large as a menu check mark, and the gap before the caption.
            room.left += ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
        } else if (kind == BS_GROUPBOX) {
            // The caption sits in the top line, indented by a character, with the frame's corner beyond it.
            room.left += metrics.tmAveCharWidth;
            room.right -= 2;
            room.bottom = room.top + metrics.tmHeight;
        } else {
            ::InflateRect(&room, -3, -3);
        }
        return true;
    }
    if (_wcsicmp(cls.c_str(), L"Static") == 0) {
        const LONG_PTR kind = style & SS_TYPEMASK;
        if (style & SS_ELLIPSISMASK)
            return false;
        if (kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT)
            format |= DT_WORDBREAK;
        else if (kind == SS_LEFTNOWORDWRAP || kind == SS_SIMPLE)
            format |= DT_SINGLELINE;
        else
            return false;
        if (style & SS_NOPREFIX)
            format |= DT_NOPREFIX;
        return true;
    }
    return false;
}

bool Clipped(HWND control)
{
    const std::wstring text = WindowText(control);
    if (text.empty())
        return false;
    const HDC dc = ::GetDC(control);
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    RECT room{};
    UINT format = 0;
    bool clipped = false;
    if (CaptionBox(control, metrics, room, format)) {
        RECT needed = room;
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, format);
        // A word too long for the width widens the calculated rectangle; lines beyond the height lengthen it.
        clipped = needed.right > room.right || needed.bottom - needed.top > room.bottom - room.top;
    }
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(control, dc);
    return clipped;
}

}  // namespace

void Driver::Fit(Journal& journal, HWND dialog)
{
    bool any = false;
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        if (!(::GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) || !Clipped(control))
            continue;
        journal.Note(L"fit " + std::to_wstring(::GetDlgCtrlID(control)) + L" clipped");
        any = true;
    }
    if (!any)
        journal.Note(L"fit ok");
}

}  // namespace kivhost
