// Camera catalogues for the field-of-view tests, written into folders under the temporary folder
// and handed to the dialogs as their application data path.
#pragma once

#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace kivtest {

// Four makers: Alpha (two cameras), Beta (one with a negative guider distance but a guider
// width), Empty (none) and Gamma (one whose guider sits at distance 0).
inline const char kTestCatalog[] =
    "# test catalogue\n"
    "vendor\tAlpha\n"
    "camera\tA One\tAlpha One\t36\t24\t-1\t0\t0\n"
    "camera\tA Two\tAlpha Two\t22.3\t14.9\t20\t5\t4\n"
    "vendor\tBeta\n"
    "camera\tB One\tBeta One\t13.2\t8.8\t-1\t3\t2\n"
    "vendor\tEmpty\n"
    "vendor\tGamma\n"
    "camera\tG One\tGamma One\t4.8\t3.6\t0\t2.6\t2.6\n";

// An application data folder named after the test, whose catalogue holds content (no catalogue
// file at all when content is null). The path ends in a backslash.
inline std::wstring AppDataWith(const wchar_t* name, const char* content)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"kivfov-" + name + L"\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ::CreateDirectoryW((folder + L"Camera").c_str(), nullptr);
    const std::wstring file = folder + L"Camera\\cameras.txt";
    ::DeleteFileW(file.c_str());
    if (content) {
        const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(handle, content, static_cast<DWORD>(std::char_traits<char>::length(content)), &written, nullptr);
        ::CloseHandle(handle);
    }
    return folder;
}

inline std::wstring TestAppData()
{
    return AppDataWith(L"test", kTestCatalog);
}

// A scripted run of a camera dialog on the test catalogue, from an empty settings store.
inline DialogRun RunOnTestCatalog(const wchar_t* dialog, const std::string& state, std::vector<std::wstring> actions)
{
    ClearSettings();
    return Run({dialog, state, false, {L"appdata=" + TestAppData()}, std::move(actions)});
}

// Texts that controls show: control id, text.
using Texts = std::vector<std::pair<int, std::wstring>>;

// Checks the texts against the first dump of the run.
inline void ExpectTexts(const DialogRun& run, const Texts& texts)
{
    for (const auto& [id, text] : texts) {
        const auto control = run.Control(id);
        ASSERT_TRUE(control.has_value()) << id;
        EXPECT_EQ(control->text, text) << id;
    }
}

inline std::vector<std::wstring> Then(std::vector<std::wstring> actions, std::initializer_list<const wchar_t*> tail)
{
    actions.insert(actions.end(), tail.begin(), tail.end());
    return actions;
}

// The items of a list or combo box as the dump shows them ("checked=0 text" without the mark).
inline std::vector<std::wstring> ItemTexts(const ControlState& control)
{
    std::vector<std::wstring> texts;
    for (const std::wstring& item : control.items)
        texts.push_back(item.substr(item.find(L' ') + 1));
    return texts;
}

}  // namespace kivtest
