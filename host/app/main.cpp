// kivhost.exe: the sample application. It loads the module as the application does, exposes its
// script engine as an automation object, and offers the module's dialogs from a menu; from the
// command line it runs one dialog under the UI driver, or sends commands through the channel.
#include "host/app/CommandLine.h"
#include "host/app/MainWindow.h"
#include "host/core/DialogCatalog.h"
#include "host/core/HostSession.h"
#include "host/core/Soak.h"
#include "host/core/Utf.h"
#include "host/core/catalog/AdfSamples.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>

using namespace kivhost;

namespace {

void Print(std::FILE* stream, const std::wstring& text)
{
    const std::string bytes = ToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

int RunMainWindow(HostSession& session)
{
    MainWindow window(session);
    if (!window.Create())
        return 3;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

// Soaks one dialog or every one; exits 0 only when no count grew.
int RunSoak(HostSession& session, const CommandLine& command)
{
    std::vector<const DialogEntry*> entries;
    for (const DialogEntry& entry : DialogCatalog()) {
        if (command.openDialog == L"all" || command.openDialog == entry.className)
            entries.push_back(&entry);
    }
    if (entries.empty()) {
        Print(stderr, L"kivhost: the dialog " + command.openDialog + L" is not available\n");
        return 2;
    }
    bool grew = false;
    for (const DialogEntry* entry : entries) {
        const SoakResult result = Soak(session, *entry, command.soakCycles);
        Print(stdout, result.Line() + L"\n");
        grew = grew || result.Grew();
    }
    return grew ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);

    CommandLine command;
    std::wstring error;
    if (!command.Parse(std::vector<std::wstring>(argv + 1, argv + argc), error)) {
        Print(stderr, L"kivhost: " + error + L"\n" + kUsage);
        return 2;
    }
    if (command.help) {
        Print(stdout, kUsage);
        return 0;
    }
    if (command.list) {
        for (const DialogEntry& entry : DialogCatalog())
            Print(stdout, std::wstring(entry.className) + L"\n");
        return 0;
    }

    SeedAdfSamples(HostSession::DefaultAppDataPath());
    HostSession session;
    if (!command.journalFile.empty() && !session.GetJournal().OpenFile(command.journalFile)) {
        Print(stderr, L"kivhost: cannot write the journal " + command.journalFile + L"\n");
        return 2;
    }
    for (const std::wstring& assignment : command.args) {
        if (!session.Args().Set(assignment, error)) {
            Print(stderr, L"kivhost: " + error + L"\n");
            return 2;
        }
    }
    std::vector<std::wstring> problems;
    const bool loaded = command.stateFile.empty() ? session.LoadBundledSky(problems)
                                                  : session.LoadStateFile(command.stateFile, problems);
    for (const std::wstring& problem : problems)
        Print(stderr, L"kivhost: " + problem + L"\n");
    if (!loaded)
        return 2;

    if (command.hostile)
        session.MakeHostile(command.hostileSeed);
    // Without a display nobody could use a window: the host does only what the command line asks.
    const bool headless = _wgetenv(L"KIV_HEADLESS") != nullptr;
    // Only the main window's pane reads the journal back; every other run writes it out at most.
    const bool mainWindow = command.execs.empty() && command.openDialog.empty() && !headless;
    session.GetJournal().KeepLines(mainWindow);
    if (command.soakCycles > 0)
        return RunSoak(session, command);

    int exitCode = 0;
    if (!command.execs.empty()) {
        for (const std::wstring& text : command.execs)
            Print(stdout, session.Channel()->Exec(text.c_str()).str() + L"\n");
    } else if (!command.openDialog.empty()) {
        if (!FindDialog(command.openDialog)) {
            Print(stderr, L"kivhost: the dialog " + command.openDialog + L" is not available\n");
            return 2;
        }
        const bool scripted = headless || !command.actions.empty() || !command.shotFile.empty();
        int failures = 0;
        const RunResult result =
            RunDialog(session, command.openDialog, command.actions, command.shotFile, scripted, &failures);
        exitCode = static_cast<int>(result);
        if (failures > 0)
            Print(stderr, L"kivhost: " + std::to_wstring(failures) + L" action(s) could not be performed (see the journal)\n");
        if (!command.shotFile.empty() && _waccess(command.shotFile.c_str(), 0) != 0)
            Print(stderr, L"kivhost: no picture was written to " + command.shotFile + L"\n");
    } else if (!headless) {
        exitCode = RunMainWindow(session);
    }

    if (!command.saveStateFile.empty() && !session.SaveStateFile(command.saveStateFile)) {
        Print(stderr, L"kivhost: cannot write the state " + command.saveStateFile + L"\n");
        return 3;
    }
    return exitCode;
}
