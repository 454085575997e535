// An application that embeds the dialog module: it gives the module an automation object of its
// own, opens the sky light dialog as a user would, ticks light pollution, presses OK, and prints
// every command the dialog sent with the answers it got. Without a person at the screen the two
// clicks come from a timer once the dialog is up.
//
// Exit code: 0 when the dialog closed with OK, 1 otherwise, 3 when it never closed.
#include "SettingsTable.h"

#include "dialogs/sky/DlgTwilight.h"
#include "resources/ids_sky.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

// What the user does once the dialog is up.
const int kClicks[] = {IDC_TWILIGHT_CHK_POLLUTION, IDOK};
// Ticks of 20 ms before the program gives up on a dialog that does not close.
const int kPatience = 500;

int g_ticks = 0;
bool g_clicked = false;

void PrintUtf8(const std::wstring& line)
{
    const std::wstring text = line + L"\n";
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                          nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam)
{
    wchar_t name[16] = {};
    ::GetClassNameW(hWnd, name, 16);
    if (std::wstring(name) != L"#32770")
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// A thread timer fires inside the dialog's modal loop, so it plays the user there.
void CALLBACK PlayUser(HWND, UINT, UINT_PTR, DWORD)
{
    if (++g_ticks > kPatience) {
        PrintUtf8(L"the dialog did not close");
        std::fflush(stdout);
        ::ExitProcess(3);
    }
    if (g_clicked)
        return;
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    g_clicked = true;
    for (const int id : kClicks)
        ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

}  // namespace

int wmain()
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    // The application's own state, as its engine would answer it.
    SettingsTable table;
    table.Set(L"SkyLight.Visible", L"TRUE");
    table.Set(L"SkyLight.Twilight.Visible", L"TRUE");
    table.Set(L"SkyLight.Moonlight.Visible", L"FALSE");
    table.Set(L"SkyLight.Groundlight.Visible", L"TRUE");
    table.Set(L"SkyLight.LightPollution.Visible", L"FALSE");
    table.Set(L"SkyLight.LightPollution.Strength", L"0.34");

    // The two channels the dialogs take; this dialog uses the first only. The call stays in the
    // process, so no apartment is needed for it.
    CCorZen channel;
    CCorZen channel2;
    channel.SetControlDispatch(&table);
    channel2.SetControlDispatch(&table);

    // The application's window, the dialog's parent.
    CWnd frame;
    frame.CreateEx(0, L"embed example", WS_OVERLAPPEDWINDOW, RECT{0, 0, 320, 200}, nullptr, 0);

    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &PlayUser);
    INT_PTR result = -1;
    {
        CDlgTwilight dialog(&channel, &channel2, &frame);
        result = dialog.DoModal();
    }
    ::KillTimer(nullptr, timer);

    for (const SettingsTable::Call& call : table.Calls()) {
        PrintUtf8(L"> " + call.command);
        if (call.command.rfind(L"?", 0) == 0)
            PrintUtf8(L"< " + call.answer);
    }
    PrintUtf8(result == IDOK ? L"closed with OK" : L"closed with " + std::to_wstring(result));
    PrintUtf8(L"SkyLight.LightPollution.Visible is now " + table.Execute(L"? SkyLight.LightPollution.Visible"));
    frame.DestroyWindow();
    return result == IDOK ? 0 : 1;
}
