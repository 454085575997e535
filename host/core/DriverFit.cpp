// The driver's "fit" action: whether every caption of a dialog fits inside its control, measured
// in the control's own font the way the control lays its text out.
#include "host/core/DriverDetail.h"

#include "framework/kivcst/ZenSkin.h"

#include <string>

namespace kivhost {

using namespace detail;

namespace {

// The room a control leaves for its caption, and how it lays the caption out; false for controls
// whose text is not a caption (pictures, frames, owner-drawn items, ellipsised texts).
bool CaptionBox(HWND control, HDC dc, const TEXTMETRICW& metrics, RECT& room, UINT& format)
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
            // The mark and the gap before the caption, where the button and the skin put them.
            room.left = ZenSkin::MarkLayout(control, dc, CRect(room)).nCaptionLeft;
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

// Whether the caption is clipped; need and room are the caption's size and the control's room for it.
bool Clipped(HWND control, SIZE& need, SIZE& room)
{
    const std::wstring text = WindowText(control);
    if (text.empty())
        return false;
    const HDC dc = ::GetDC(control);
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    RECT box{};
    UINT format = 0;
    bool clipped = false;
    if (CaptionBox(control, dc, metrics, box, format)) {
        RECT needed = box;
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, format);
        // A word too long for the width widens the calculated rectangle; lines beyond the height lengthen it.
        clipped = needed.right > box.right || needed.bottom - needed.top > box.bottom - box.top;
        // The caption's size on one line, which is what the control would need to show it whole.
        RECT line = box;
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line, (format & ~DT_WORDBREAK) | DT_SINGLELINE);
        need = {line.right - line.left, needed.bottom - needed.top};
        room = {box.right - box.left, box.bottom - box.top};
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
        SIZE need{};
        SIZE room{};
        if (!(::GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) || !Clipped(control, need, room))
            continue;
        journal.Note(L"fit " + std::to_wstring(::GetDlgCtrlID(control)) + L" clipped need=" + std::to_wstring(need.cx) +
                     L"x" + std::to_wstring(need.cy) + L" room=" + std::to_wstring(room.cx) + L"x" +
                     std::to_wstring(room.cy));
        any = true;
    }
    if (!any)
        journal.Note(L"fit ok");
}

}  // namespace kivhost
