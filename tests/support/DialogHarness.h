// Runs a dialog of the module the way kivhost does (scripted, against a real engine) and reads
// what the host saw: the commands in order, the message boxes, and dumps of the controls.
#pragma once

#include "host/core/DialogCatalog.h"
#include "host/core/HostSession.h"
#include "host/core/Soak.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kivtest {

// One control as a "dump" action reported it.
struct ControlState {
    int id = 0;
    std::wstring cls;
    bool enabled = false;
    bool visible = false;
    int checked = 0;
    int sel = -1;
    int itemHeight = -1;              // a list's row height in pixels; -1 for other controls
    std::wstring text;
    std::vector<std::wstring> items;  // list items, as "checked=N text"
    std::vector<int> columns;         // a list view's column widths in pixels
};

// One child of a control as an "acc" action reported it (child 0 is the control itself).
struct AccessibleChild {
    int child = 0;
    std::wstring role;
    std::wstring name;
    std::wstring state;  // the state words, joined by commas
    std::wstring description;
};

struct DialogRun {
    kivhost::RunResult result = kivhost::RunResult::Failed;
    int driverFailures = 0;
    std::vector<std::wstring> journal;

    // Every command sent, in order (queries included).
    std::vector<std::wstring> Commands() const;
    // The commands that are not queries: what the dialog told the host.
    std::vector<std::wstring> Statements() const;
    // The queries, without their "? ".
    std::vector<std::wstring> Queries() const;
    // Message boxes as "info TEXT" or "exclamation TEXT".
    std::vector<std::wstring> Messages() const;
    // The controls of the n-th "dump" action (0-based); empty when there was none.
    std::vector<ControlState> Dump(size_t n = 0) const;
    // One control of the n-th dump.
    std::optional<ControlState> Control(int id, size_t n = 0) const;
    // What the n-th "acc ID" action of control id read.
    std::vector<AccessibleChild> Accessible(int id, size_t n = 0) const;
};

struct DialogScript {
    std::wstring dialog;                // class name, e.g. L"CDlgTwilight"
    std::string state;                  // statements the engine starts from (UTF-8); empty: nothing
    bool bundledSky = false;            // start from the bundled default sky instead
    std::vector<std::wstring> args;     // NAME=VALUE
    std::vector<std::wstring> actions;  // driver actions, as for --do
    std::optional<std::uint64_t> hostileSeed = std::nullopt;  // answer queries as kivhost --hostile SEED does
    // False: the run's journal leaves out the queries and their answers (a hostile catalogue of
    // a hundred thousand rows asks gigabytes' worth).
    bool keepQueries = true;
};

// Runs the script; the engine state after the run is written to stateAfter when given.
DialogRun Run(const DialogScript& script, std::string* stateAfter = nullptr);

// The class names of every dialog the host offers, in its catalogue's order.
std::vector<std::wstring> CatalogNames();

// The settings store of the application, emptied (tests that use it start from nothing).
void ClearSettings();
// Chooses the look of the dialogs that open next (nonzero: the system's colours).
void SetSystemLook(bool system);

// Counts of this process's live GDI objects and of this thread's windows.
kivhost::ObjectCount CurrentObjectCounts();

}  // namespace kivtest
