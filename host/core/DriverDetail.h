// What the driver's families of actions share; not part of the host's interface. Each family
// (DriverInput, DriverLists, DriverDialog) lists its verbs in a table of its own, so that the
// actions of a new kind of control go into one small file.
#pragma once

#include "host/core/Driver.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kivhost::detail {

// What an action may use of the driver that performs it.
struct ActionContext {
    Journal& journal;
    HWND dialog;                       // the dialog on top
    HWND control;                      // the control the first argument names; null for a dialog's verb
    std::vector<BYTE>& savedKeyboard;  // modifier state the driver puts back at its next tick
    int& failures;
    HWND& closeDumpDialog;             // a dialog whose controls are journalled as it closes
    bool& userDriven;                  // the driver has handed the dialogs to the user

    void Fail(const std::wstring& text);
};

enum class Target {
    Dialog,         // the verb acts on the dialog on top
    Control,        // the first argument is the id of a control of that dialog
    UsableControl,  // the same, and the control must be visible and enabled, as for a user
};

struct Verb {
    const wchar_t* name;
    // Words after the verb; -1: the rest of the text is the last argument (after the control id
    // when the verb has one) and may be empty.
    int arguments;
    Target target;
    // Checks of the arguments beyond their count and the control id: an error text, or empty.
    std::wstring (*check)(const Action& action);
    void (*perform)(ActionContext& context, const Action& action);
};

std::vector<Verb> InputVerbs();   // click, type, spin, slide, key, press, focus
std::vector<Verb> ListVerbs();    // select, check, mark, dblmark
std::vector<Verb> DialogVerbs();  // ok, cancel, file, dump, fit, shot, closedump, user
std::vector<Verb> CheckListVerbs();  // markat
std::vector<Verb> AccessibilityVerbs();  // acc

// Window helpers (DriverWindows.cpp).
bool IsInteger(const std::wstring& text);
// The check of verbs whose second argument is a number.
std::wstring CheckNumberArgument(const Action& action);
std::wstring ClassName(HWND hwnd);
bool IsClass(HWND hwnd, const wchar_t* name);
std::wstring WindowText(HWND hwnd);
// The control with this id: a child of the dialog, or of a panel inside it (a file dialog's
// added panel).
HWND FindControl(HWND dialog, int id);
void SendClick(HWND control, POINT point, bool twice);
void NotifyParent(HWND control, UINT code);
// Buttons that have a check state: check boxes and radio buttons of any kind.
bool HasCheckState(HWND control);
int ListViewSelection(HWND list);
std::wstring ListViewRow(HWND list, int row);

}  // namespace kivhost::detail
