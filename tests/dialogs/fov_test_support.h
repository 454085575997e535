// Camera catalogues for the field-of-view tests, written into folders under the temporary folder
// and handed to the dialogs as their application data path.
#pragma once

#include "tests/support/DialogTables.h"

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
    const std::wstring folder = TempFolder(std::wstring(L"kivfov-") + name);
    ::CreateDirectoryW((folder + L"Camera").c_str(), nullptr);
    const std::wstring file = folder + L"Camera\\cameras.txt";
    ::DeleteFileW(file.c_str());
    if (content)
        WriteBytes(file, content, std::char_traits<char>::length(content));
    return folder;
}

inline std::wstring TestAppData() { return AppDataWith(L"test", kTestCatalog); }

// What OK says of a focal length or a sensor height out of range, in both camera dialogs.
inline const std::wstring kFocalRange = L"info 焦点距離には 1 から 100000 までの値を入力してください。";
inline const std::wstring kHeightRange = L"info カメラ受光面の縦サイズには 1.0 から 1000.0 までの値を入力してください。";

// The items of a list or combo box as the dump shows them ("checked=0 text" without the mark).
inline std::vector<std::wstring> ItemTexts(const ControlState& control)
{
    std::vector<std::wstring> texts;
    for (const std::wstring& item : control.items)
        texts.push_back(item.substr(item.find(L' ') + 1));
    return texts;
}

}  // namespace kivtest
