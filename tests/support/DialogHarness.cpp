#include "tests/support/DialogHarness.h"

#include "framework/kivreg/Registry.h"

#include <windows.h>

#include <sstream>

namespace kivtest {

namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

int ReadField(const std::wstring& line, const wchar_t* name, int fallback)
{
    const size_t pos = line.find(std::wstring(L" ") + name + L"=");
    if (pos == std::wstring::npos)
        return fallback;
    return std::stoi(line.substr(pos + std::wcslen(name) + 2));
}

// The lines that start with prefix, without it; or (matching false) the lines that do not.
std::vector<std::wstring> Select(const std::vector<std::wstring>& lines, const wchar_t* prefix, bool matching = true)
{
    std::vector<std::wstring> selected;
    for (const std::wstring& line : lines) {
        if (StartsWith(line, prefix) == matching)
            selected.push_back(line.substr(matching ? std::wcslen(prefix) : 0));
    }
    return selected;
}

}  // namespace

std::vector<std::wstring> DialogRun::Commands() const
{
    return Select(journal, L"> ");
}

std::vector<std::wstring> DialogRun::Statements() const
{
    return Select(Commands(), L"? ", false);
}

std::vector<std::wstring> DialogRun::Queries() const
{
    return Select(Commands(), L"? ");
}

std::vector<std::wstring> DialogRun::Messages() const
{
    return Select(journal, L"! ");
}

std::vector<ControlState> DialogRun::Dump(size_t n) const
{
    // A dump is a "# dump CAPTION" line followed by the lines of its controls and their items.
    std::vector<std::vector<ControlState>> dumps;
    bool inDump = false;
    for (const std::wstring& line : journal) {
        if (StartsWith(line, L"# dump ")) {
            dumps.emplace_back();
            inDump = true;
            continue;
        }
        const bool item = StartsWith(line, L"#   ");
        const bool control = !item && StartsWith(line, L"# ") && line.find(L" enabled=") != std::wstring::npos;
        if (!inDump || !(control || (item && !dumps.back().empty()))) {
            inDump = false;
        } else if (control) {
            ControlState state;
            const std::wstring body = line.substr(2);
            const size_t space = body.find(L' ');
            state.id = std::stoi(body);
            state.cls = body.substr(space + 1, body.find(L" enabled=") - space - 1);
            state.enabled = ReadField(body, L"enabled", 0) != 0;
            state.visible = ReadField(body, L"visible", 0) != 0;
            state.checked = ReadField(body, L"checked", 0);
            state.sel = ReadField(body, L"sel", -1);
            state.itemHeight = ReadField(body, L"itemheight", -1);
            const size_t text = body.find(L" text=");
            state.text = text == std::wstring::npos ? std::wstring() : body.substr(text + 6);
            dumps.back().push_back(state);
        } else if (StartsWith(line, L"#   columns")) {
            std::wistringstream widths(line.substr(11));
            for (int width = 0; widths >> width;)
                dumps.back().back().columns.push_back(width);
        } else {
            const size_t space = line.find(L' ', 4);
            dumps.back().back().items.push_back(space == std::wstring::npos ? std::wstring() : line.substr(space + 1));
        }
    }
    return n < dumps.size() ? dumps[n] : std::vector<ControlState>{};
}

std::optional<ControlState> DialogRun::Control(int id, size_t n) const
{
    for (const ControlState& state : Dump(n)) {
        if (state.id == id)
            return state;
    }
    return std::nullopt;
}

std::vector<AccessibleChild> DialogRun::Accessible(int id, size_t n) const
{
    // "# acc ID CHILD role=... name=... state=... description=...": the keys are found in order, as
    // a name may hold blanks.
    const std::wstring prefix = L"# acc " + std::to_wstring(id) + L" ";
    std::vector<std::vector<AccessibleChild>> reads;
    for (const std::wstring& line : journal) {
        if (!StartsWith(line, prefix.c_str()))
            continue;
        const std::wstring body = line.substr(prefix.size());
        AccessibleChild child;
        child.child = std::stoi(body);
        const size_t role = body.find(L" role="), name = body.find(L" name=", role), state = body.find(L" state=", name),
                     description = body.find(L" description=", state);
        if (description == std::wstring::npos)
            continue;
        child.role = body.substr(role + 6, name - role - 6);
        child.name = body.substr(name + 6, state - name - 6);
        child.state = body.substr(state + 7, description - state - 7);
        child.description = body.substr(description + 13);
        if (child.child == 0)
            reads.emplace_back();
        if (!reads.empty())
            reads.back().push_back(child);
    }
    return n < reads.size() ? reads[n] : std::vector<AccessibleChild>{};
}

DialogRun Run(const DialogScript& script, std::string* stateAfter)
{
    kivhost::HostSession session;
    std::vector<std::wstring> problems;
    if (script.bundledSky)
        session.LoadBundledSky(problems);
    if (!script.state.empty())
        session.LoadStateText(script.state, problems);
    DialogRun run;
    for (const std::wstring& problem : problems)
        run.journal.push_back(L"# state: " + problem);
    std::wstring error;
    for (const std::wstring& assignment : script.args) {
        if (!session.Args().Set(assignment, error))
            run.journal.push_back(L"# arg: " + error);
    }
    std::vector<kivhost::Action> actions;
    for (const std::wstring& text : script.actions) {
        kivhost::Action action;
        if (kivhost::ParseAction(text, action, error))
            actions.push_back(action);
        else
            run.journal.push_back(L"# action: " + error);
    }
    if (script.hostileSeed)
        session.MakeHostile(*script.hostileSeed);
    bool inQuery = false;
    if (!script.keepQueries) {
        session.GetJournal().KeepLines(false);
        session.GetJournal().SetListener([&run, &inQuery](const std::wstring& line) {
            if (StartsWith(line, L"> ? ")) {
                inQuery = true;
                return;
            }
            if (inQuery && (StartsWith(line, L"< ") || StartsWith(line, L"# hostile ")))
                return;
            inQuery = false;
            run.journal.push_back(line);
        });
    }
    run.result = kivhost::RunDialog(session, script.dialog, actions, L"", true, &run.driverFailures);
    session.GetJournal().SetListener(nullptr);
    run.journal.insert(run.journal.end(), session.GetJournal().Lines().begin(), session.GetJournal().Lines().end());
    if (stateAfter)
        *stateAfter = session.Engine().SaveState();
    return run;
}

std::vector<std::wstring> CatalogNames()
{
    std::vector<std::wstring> names;
    for (const kivhost::DialogEntry& entry : kivhost::DialogCatalog())
        names.push_back(entry.className);
    return names;
}

void ClearSettings()
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, CRegistry::kApplicationKey);
}

void SetSystemLook(bool system)
{
    CRegistry::Write(L"General", L"ColorScheme", system ? 1 : 0, 1);
}

kivhost::ObjectCount CurrentObjectCounts()
{
    return kivhost::CountLiveObjects();
}

}  // namespace kivtest
