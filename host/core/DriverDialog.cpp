// ok, cancel, file, dump, fit, shot, closedump and user: what acts on the dialog on top as a whole.
#include "host/core/DriverDetail.h"

#include <commdlg.h>
#include <dlgs.h>

namespace kivhost::detail {

namespace {

std::wstring CheckFile(const Action& action)
{
    return action.args[0].empty() ? L"file needs a path or cancel" : L"";
}

void Press(HWND dialog, int id)
{
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void Ok(ActionContext& context, const Action&)
{
    Press(context.dialog, IDOK);
}

void Cancel(ActionContext& context, const Action&)
{
    Press(context.dialog, IDCANCEL);
}

// file PATH / file cancel: answers the file dialog on top, as a user typing a name and pressing Open.
void File(ActionContext& context, const Action& action)
{
    if (action.args[0] == L"cancel") {
        ::SendMessageW(context.dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    ::SendMessageW(context.dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(action.args[0].c_str()));
    Press(context.dialog, IDOK);
}

// shot PATH: a picture of the dialog on top, or of the message box that is up.
void Shot(ActionContext& context, const Action& action)
{
    if (!Driver::SaveWindowPicture(context.dialog, action.args[0]))
        context.Fail(L"could not write the picture " + action.args[0]);
}

std::wstring CheckShot(const Action& action)
{
    return action.args[0].empty() ? L"shot needs a path" : L"";
}

void DumpDialog(ActionContext& context, const Action&)
{
    Driver::Dump(context.journal, context.dialog);
}

void FitDialog(ActionContext& context, const Action&)
{
    Driver::Fit(context.journal, context.dialog);
}

// closedump: the dialog on top is dumped once more as it closes, however it is closed.
void CloseDump(ActionContext& context, const Action&)
{
    context.closeDumpDialog = context.dialog;
}

// user: the driver acts no more, answers no message box and cancels nothing; a person (or a test
// at the X server) drives the dialogs with the real mouse and keyboard until they close.
void User(ActionContext& context, const Action&)
{
    context.userDriven = true;
}

}  // namespace

std::vector<Verb> DialogVerbs()
{
    return {
        {L"ok", 0, Target::Dialog, nullptr, &Ok},
        {L"cancel", 0, Target::Dialog, nullptr, &Cancel},
        {L"file", -1, Target::Dialog, &CheckFile, &File},
        {L"dump", 0, Target::Dialog, nullptr, &DumpDialog},
        {L"fit", 0, Target::Dialog, nullptr, &FitDialog},
        {L"shot", -1, Target::Dialog, &CheckShot, &Shot},
        {L"closedump", 0, Target::Dialog, nullptr, &CloseDump},
        {L"user", 0, Target::Dialog, nullptr, &User},
    };
}

}  // namespace kivhost::detail
