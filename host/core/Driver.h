// The UI driver: performs scripted user actions on the dialogs of this thread with the window
// messages a user's actions produce. It answers message boxes with their default button (OK) and
// acts on whichever dialog is on top: the dialog that was opened, or a colour dialog, file dialog
// or sub-dialog that an earlier action opened.
#pragma once

#include "host/core/Journal.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kivhost {

struct Action {
    std::wstring verb;               // a verb of the driver's tables (DriverInput, DriverLists, DriverDialog)
    std::vector<std::wstring> args;  // the words after the verb; for "type" and "file" the rest of the text is one argument
};

// Reads "click 1501", "type 1121 0.5", "spin 1018 up", ... ; false with a reason for bad text.
bool ParseAction(const std::wstring& text, Action& action, std::wstring& error);

class Driver {
public:
    // Starts driving: from now on the dialogs this thread opens are driven. shotPath, when not
    // empty, receives a PNG of the opened dialog after the actions (before a closing ok/cancel).
    // When the actions are done the dialogs still open are cancelled.
    Driver(Journal& journal, std::vector<Action> actions, std::wstring shotPath);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Actions that could not be performed (each is also noted in the journal).
    int Failures() const { return m_failures; }
    bool ShotTaken() const { return m_shotTaken; }

    // A message box is about to be shown; the next dialog created is that box.
    static void ExpectMessageBox();

    // Writes every control of a dialog (and the items of its lists) to the journal.
    static void Dump(Journal& journal, HWND dialog);
    // Journals "fit ID clipped" for every caption that does not fit its control, or "fit ok".
    static void Fit(Journal& journal, HWND dialog);
    // A PNG of a window as it is on the screen; false when it cannot be made.
    static bool SaveWindowPicture(HWND window, const std::wstring& path);

private:
    struct Tracked {
        HWND hwnd;
        bool messageBox;
    };

    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    HWND TopDialog(bool& messageBox);
    void Perform(HWND dialog, const Action& action);
    void Fail(const std::wstring& text);
    void TakeShot(HWND dialog);

    Journal& m_journal;
    std::vector<Action> m_actions;
    size_t m_next = 0;
    std::wstring m_shotPath;
    bool m_shotTaken = false;
    int m_failures = 0;
    HWND m_mainDialog = nullptr;
    std::vector<Tracked> m_dialogs;
    std::vector<HWND> m_busy;  // dialogs an action is still working on (nested modal loops)
    HHOOK m_hook = nullptr;
    UINT_PTR m_timer = 0;
    int m_hiddenTicks = 0;
    std::vector<BYTE> m_savedKeyboard;  // modifier state to restore after a key action
    HWND m_closeDumpDialog = nullptr;   // journalled by a dump as it is destroyed ("closedump")
    bool m_userDriven = false;          // "user": real input drives the dialogs from here on
};

}  // namespace kivhost
