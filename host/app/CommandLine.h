// kivhost's command line.
#pragma once

#include "host/core/Driver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kivhost {

struct CommandLine {
    std::wstring stateFile;
    std::wstring journalFile;
    std::wstring saveStateFile;
    std::wstring openDialog;
    std::vector<std::wstring> args;  // NAME=VALUE
    std::vector<Action> actions;
    std::wstring shotFile;
    std::vector<std::wstring> execs;
    bool hostile = false;
    std::uint64_t hostileSeed = 0;
    int soakCycles = 0;  // 0: no soak
    bool list = false;
    bool help = false;

    // False with a reason when the words do not make a command line.
    bool Parse(const std::vector<std::wstring>& words, std::wstring& error);
};

extern const wchar_t kUsage[];

}  // namespace kivhost
