// One run of the sample host: the script engine behind its automation objects, the two channels
// the dialogs get, the journal, the parent window, and the inputs some dialogs take.
#pragma once

#include "channel/CorZen.h"
#include "host/core/EngineDispatch.h"
#include "host/core/HostWindow.h"
#include "host/core/Journal.h"
#include "host/engine/ScriptEngine.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace kivhost {

// What the application hands a dialog beside the channels (--arg NAME=VALUE).
struct DialogArgs {
    int terrain = 1;                 // the terrain data is installed
    int flight = 0;                  // flight mode
    std::wstring appdata;            // application data path (ends in a backslash)
    // The panorama dialog's public members: what the host holds, and takes back after OK.
    int panoramaShow = 1;
    std::wstring panoramaDay;
    std::wstring panoramaMask;
    std::wstring panoramaNight;
    int panoramaOpacity = 100;
    int panoramaCentreSouth = 1;
    // The names given with --arg (in lower case, aliases resolved), so that a dialog can tell a
    // value given on the command line from the host's own.
    std::set<std::wstring> given;

    // Applies one NAME=VALUE; false with a reason for an unknown name or a bad value.
    bool Set(const std::wstring& assignment, std::wstring& error);
};

class HostSession {
public:
    HostSession();
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    kiv::engine::ScriptEngine& Engine() { return m_engine; }
    Journal& GetJournal() { return m_journal; }
    CCorZen* Channel() { return &m_channel; }
    CCorZen* Channel2() { return &m_channel2; }
    DialogArgs& Args() { return m_args; }

    // Both channels answer queries from the same hostile sequence from now on (kivhost --hostile).
    void MakeHostile(std::uint64_t seed);

    // The dialogs' parent. A caller with a window of its own (the main window) passes it;
    // otherwise a hidden one is made.
    HostWindow& Window();
    void UseWindow(HostWindow* window) { m_window = window; }

    // The sky the host starts with: the bundled default, or a state file. Problems (lines that
    // failed) are returned as text; false when the sky could not be read at all.
    bool LoadBundledSky(std::vector<std::wstring>& problems);
    bool LoadStateText(const std::string& utf8, std::vector<std::wstring>& problems);
    bool LoadStateFile(const std::wstring& path, std::vector<std::wstring>& problems);
    bool SaveStateFile(const std::wstring& path) const;

    // The application data path when none was given: "appdata\" beside the program.
    static std::wstring DefaultAppDataPath();

private:
    bool m_comInitialized = false;
    kiv::engine::ScriptEngine m_engine;
    Journal m_journal;
    EngineDispatch m_dispatch;
    EngineDispatch m_dispatch2;
    CCorZen m_channel;
    CCorZen m_channel2;
    DialogArgs m_args;
    std::unique_ptr<HostileAnswers> m_hostile;
    std::unique_ptr<HostWindow> m_ownWindow;
    HostWindow* m_window = nullptr;
};

// Reads a whole file; false when it cannot be read.
bool ReadFileBytes(const std::wstring& path, std::string& bytes);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace kivhost
