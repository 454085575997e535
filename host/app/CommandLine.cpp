#include "host/app/CommandLine.h"

namespace kivhost {

const wchar_t kUsage[] =
    L"usage: kivhost.exe [--state FILE] [--journal FILE] [--save-state FILE]\n"
    L"                   [--open DIALOG [--arg NAME=VALUE]... [--do ACTION]... [--shot FILE.png]]\n"
    L"                   [--exec TEXT]... [--list] [--hostile SEED]\n"
    L"       kivhost.exe --soak N [--hostile SEED] --open DIALOG|all\n";

bool CommandLine::Parse(const std::vector<std::wstring>& words, std::wstring& error)
{
    for (size_t i = 0; i < words.size(); ++i) {
        const std::wstring& word = words[i];
        auto value = [&](std::wstring& target) {
            if (i + 1 >= words.size()) {
                error = word + L" needs a value";
                return false;
            }
            target = words[++i];
            return true;
        };
        std::wstring text;
        if (word == L"--state") {
            if (!value(stateFile))
                return false;
        } else if (word == L"--journal") {
            if (!value(journalFile))
                return false;
        } else if (word == L"--save-state") {
            if (!value(saveStateFile))
                return false;
        } else if (word == L"--open") {
            if (!value(openDialog))
                return false;
        } else if (word == L"--arg") {
            if (!value(text))
                return false;
            args.push_back(text);
        } else if (word == L"--do") {
            if (!value(text))
                return false;
            Action action;
            std::wstring reason;
            if (!ParseAction(text, action, reason)) {
                error = L"--do \"" + text + L"\": " + reason;
                return false;
            }
            actions.push_back(action);
        } else if (word == L"--shot") {
            if (!value(shotFile))
                return false;
        } else if (word == L"--exec") {
            if (!value(text))
                return false;
            execs.push_back(text);
        } else if (word == L"--hostile") {
            if (!value(text))
                return false;
            if (text.empty() || text.find_first_not_of(L"0123456789") != std::wstring::npos || text.size() > 19) {
                error = L"--hostile needs a decimal seed";
                return false;
            }
            hostile = true;
            hostileSeed = std::stoull(text);
        } else if (word == L"--soak") {
            if (!value(text))
                return false;
            if (text.empty() || text.find_first_not_of(L"0123456789") != std::wstring::npos || text.size() > 6 ||
                std::stoi(text) < 1) {
                error = L"--soak needs a number of cycles from 1 to 999999";
                return false;
            }
            soakCycles = std::stoi(text);
        } else if (word == L"--list") {
            list = true;
        } else if (word == L"--help" || word == L"-h") {
            help = true;
        } else {
            error = L"unknown option " + word;
            return false;
        }
    }
    if (openDialog.empty() && (!args.empty() || !actions.empty() || !shotFile.empty())) {
        error = L"--arg, --do and --shot belong to --open";
        return false;
    }
    if (soakCycles > 0 && (openDialog.empty() || !actions.empty() || !shotFile.empty() || !execs.empty())) {
        error = L"--soak needs --open DIALOG or --open all, and takes no --do, --shot or --exec";
        return false;
    }
    if (openDialog == L"all" && soakCycles == 0) {
        error = L"--open all belongs to --soak";
        return false;
    }
    if (!openDialog.empty() && !execs.empty()) {
        error = L"--exec cannot be combined with --open";
        return false;
    }
    return true;
}

}  // namespace kivhost
