#include "host/core/HostWindow.h"

#include "host/core/host_ids.h"

#include <iterator>

namespace kivhost {

bool HostWindow::Create(const wchar_t* title, bool visible, HMENU menu)
{
    const RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 720, CW_USEDEFAULT + 480};
    const RECT placed = visible ? RECT{100, 100, 820, 580} : rect;
    if (!CreateEx(0, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, placed, nullptr, 0, menu))
        return false;
    if (visible) {
        ShowWindow(SW_SHOW);
        UpdateWindow();
    }
    return true;
}

const AFX_MSGMAP* HostWindow::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapMessage<&HostWindow::OnColorSource>(kColorSource),
        MapMessage<&HostWindow::OnTerrainMissing>(kTerrainMissing),
    };
    static const AFX_MSGMAP map{CWnd::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

// wParam 0 asks for the colour dialog's title, 1 for the custom colours it offers.
LRESULT HostWindow::OnColorSource(WPARAM wParam, LPARAM lParam)
{
    auto* text = reinterpret_cast<CString*>(lParam);
    if (!text)
        return 0;
    text->LoadString(wParam == 0 ? IDS_HOST_COLOR_TITLE : IDS_HOST_CUSTOM_COLORS);
    return 1;
}

// wParam points to the name of the missing data.
LRESULT HostWindow::OnTerrainMissing(WPARAM wParam, LPARAM)
{
    const auto* missing = reinterpret_cast<const wchar_t*>(wParam);
    m_journal.Note(std::wstring(L"message 0x07FD ") + (missing ? missing : L""));
    CString note;
    note.LoadString(IDS_HOST_TERRAIN_NOTE);
    m_journal.Note(note.str());
    return 0;
}

}  // namespace kivhost
