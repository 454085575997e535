#include "host/app/MainWindow.h"

#include "framework/kivreg/Registry.h"
#include "host/core/DialogCatalog.h"
#include "host/core/host_ids.h"

namespace kivhost {

namespace {

constexpr UINT kFirstDialogCommand = 1000;
constexpr UINT kExitCommand = 900;
constexpr UINT kSystemLookCommand = 901;
constexpr UINT kDarkLookCommand = 902;

CString Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

}  // namespace

HMENU MainWindow::BuildMenu()
{
    const HMENU bar = ::CreateMenu();
    const HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, kExitCommand, Text(IDS_HOST_MENU_EXIT));
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), Text(IDS_HOST_MENU_FILE));
    const HMENU dialogs = ::CreatePopupMenu();
    const auto& catalog = DialogCatalog();
    for (size_t i = 0; i < catalog.size(); ++i)
        ::AppendMenuW(dialogs, MF_STRING, kFirstDialogCommand + i, Text(catalog[i].menuCaption));
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dialogs), Text(IDS_HOST_MENU_DIALOGS));
    const HMENU look = ::CreatePopupMenu();
    ::AppendMenuW(look, MF_STRING, kSystemLookCommand, Text(IDS_HOST_MENU_SYSTEM));
    ::AppendMenuW(look, MF_STRING, kDarkLookCommand, Text(IDS_HOST_MENU_DARK));
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(look), Text(IDS_HOST_MENU_LOOK));
    return bar;
}

bool MainWindow::Create()
{
    if (!HostWindow::Create(Text(IDS_HOST_TITLE), true, BuildMenu()))
        return false;
    RECT client{};
    GetClientRect(&client);
    m_pane = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                   ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                               0, 0, client.right, client.bottom, m_hWnd, nullptr, nullptr, nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        m_font = ::CreateFontIndirectW(&metrics.lfMessageFont);
    if (m_font)
        ::SendMessageW(m_pane, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    for (const std::wstring& line : m_journal.Lines())
        AppendToPane(line);
    m_journal.SetListener([this](const std::wstring& line) { AppendToPane(line); });
    m_session.UseWindow(this);
    return true;
}

void MainWindow::AppendToPane(const std::wstring& line)
{
    if (!m_pane)
        return;
    const int end = ::GetWindowTextLengthW(m_pane);
    ::SendMessageW(m_pane, EM_SETSEL, static_cast<WPARAM>(end), end);
    const std::wstring text = line + L"\r\n";
    ::SendMessageW(m_pane, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT MainWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (m_pane)
            ::MoveWindow(m_pane, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_COMMAND: {
        const UINT command = LOWORD(wParam);
        const auto& catalog = DialogCatalog();
        if (command >= kFirstDialogCommand && command < kFirstDialogCommand + catalog.size()) {
            RunDialog(m_session, catalog[command - kFirstDialogCommand].className, {}, {}, false);
            return 0;
        }
        if (command == kSystemLookCommand || command == kDarkLookCommand) {
            CRegistry::Write(L"General", L"ColorScheme", command == kSystemLookCommand ? 1 : 0, 1);
            return 0;
        }
        if (command == kExitCommand) {
            DestroyWindow();
            return 0;
        }
        break;
    }
    case WM_DESTROY:
        m_journal.SetListener(nullptr);
        m_session.UseWindow(nullptr);
        if (m_font)
            ::DeleteObject(m_font);
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return HostWindow::WindowProc(message, wParam, lParam);
}

}  // namespace kivhost
