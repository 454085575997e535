// Checks the table-driven dialog tests share: what a dump shows of a control, scripts with a
// closing tail, and files of the tests' own under the temporary folder.
#pragma once

#include "framework/kivcom/CommonFile.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace kivtest {

// Texts that controls show: control id, text.
using Texts = std::vector<std::pair<int, std::wstring>>;

inline void ExpectTexts(const DialogRun& run, const Texts& texts, size_t dump = 0)
{
    for (const auto& [id, text] : texts) {
        const auto control = run.Control(id, dump);
        EXPECT_EQ(control ? control->text : L"<absent>", text) << id;
    }
}

// A control's enable state or check state in the n-th dump; -1 when the dump lacks the control,
// so that a missing control fails any comparison with a state.
inline int Enabled(const DialogRun& run, int id, size_t dump = 0)
{
    const auto control = run.Control(id, dump);
    return control ? static_cast<int>(control->enabled) : -1;
}

inline int Checked(const DialogRun& run, int id, size_t dump = 0)
{
    const auto control = run.Control(id, dump);
    return control ? control->checked : -1;
}

inline void ExpectEnabled(const DialogRun& run, std::initializer_list<int> ids, bool enabled, size_t dump = 0)
{
    for (const int id : ids)
        EXPECT_EQ(Enabled(run, id, dump), enabled ? 1 : 0) << id << " in dump " << dump;
}

inline std::vector<std::wstring> Then(std::vector<std::wstring> actions, std::initializer_list<const wchar_t*> tail)
{
    actions.insert(actions.end(), tail.begin(), tail.end());
    return actions;
}

// A folder under the temporary folder, created; ends in a backslash.
inline std::wstring TempFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + name + L"\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

// Writes a file anew, through the extended form when its path is longer than MAX_PATH; its path.
inline std::wstring WriteBytes(const std::wstring& path, const void* data, size_t size)
{
    const CString extended = CCommonFile::ExtendedPath(path.c_str());
    ::SetFileAttributesW(extended, FILE_ATTRIBUTE_NORMAL);  // a read-only one left by an earlier run
    const HANDLE file = ::CreateFileW(extended, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << testing::PrintToString(path);
    DWORD written = 0;
    ::WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

}  // namespace kivtest
