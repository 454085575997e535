// The module's dialogs as the host offers them: by class name, with a menu caption, each built
// exactly as the application builds it.
#pragma once

#include "host/core/Driver.h"
#include "host/core/HostSession.h"

#include <string>
#include <vector>

namespace kivhost {

struct DialogEntry {
    const wchar_t* className;
    UINT menuCaption;                      // string id of the host's menu entry
    INT_PTR (*run)(HostSession& session);  // constructs the dialog and runs it modally
};

const std::vector<DialogEntry>& DialogCatalog();
const DialogEntry* FindDialog(const std::wstring& className);

// How a run ended, as kivhost reports it in its exit code.
enum class RunResult { Ok = 0, Cancel = 1, Unavailable = 2, Failed = 3 };

// Runs one dialog. With actions or a picture path the run is scripted: the driver performs the
// actions and cancels what is still open when they are done.
RunResult RunDialog(HostSession& session, const std::wstring& className, const std::vector<Action>& actions,
                    const std::wstring& shotPath, bool scripted, int* driverFailures = nullptr);

}  // namespace kivhost
