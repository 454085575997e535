// The additional data file tests: a store of entries under the application's key, real files in
// a folder of their own under the temporary folder, and the host's slots to match.
#pragma once

#include "tests/support/DialogTables.h"

#include "framework/kivreg/Registry.h"
#include "host/core/Utf.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kivtest::adf {

using Values = std::map<std::wstring, std::wstring>;

inline const std::wstring kApp = L"Software\\Calvane\\KivenarLite\\1.0";
inline const std::wstring kListKey = kApp + L"\\General\\ADF";

// Writes the list values ADF1, ADF2, ...; a missing value (nullopt) leaves its position empty.
inline void WriteList(const std::vector<std::optional<std::wstring>>& values)
{
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i])
            CRegistry::Write(L"General\\ADF", (L"ADF" + std::to_wstring(i + 1)).c_str(), values[i]->c_str());
    }
}

// Entries "C:\DATA\Fn.ADF,Entry n" for n = 1 to count.
inline std::vector<std::optional<std::wstring>> Numbered(int count)
{
    std::vector<std::optional<std::wstring>> values;
    for (int i = 1; i <= count; ++i)
        values.push_back(L"C:\\DATA\\F" + std::to_wstring(i) + L".ADF,Entry " + std::to_wstring(i));
    return values;
}

// The list values as the store should hold them: ADF1, ADF2, ...
inline Values Store(const std::vector<std::wstring>& values)
{
    Values store;
    for (size_t i = 0; i < values.size(); ++i)
        store[L"ADF" + std::to_wstring(i + 1)] = values[i];
    return store;
}

// Every value of a key as name -> text (REG_SZ only); empty when the key does not exist.
inline Values ReadValues(const std::wstring& key)
{
    Values values;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameSize = 256, type = 0, size = 0;
        if (::RegEnumValueW(hKey, i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        nameSize = 256;
        size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        ::RegEnumValueW(hKey, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        data.resize(wcsnlen(data.c_str(), data.size()));
        values[name] = type == REG_SZ ? data : L"<type " + std::to_wstring(type) + L">";
    }
    ::RegCloseKey(hKey);
    return values;
}

// A folder of the test's own under the temporary folder; ends in a backslash. Files in it are
// written anew by each test.
inline std::wstring TestFolder(const std::wstring& name) { return TempFolder(L"kivadf-" + name); }

// A small data file with a line of content; its path.
inline std::wstring MakeFile(const std::wstring& path) { return WriteBytes(path, "# test objects\n", 15); }

inline bool FileExists(const std::wstring& path)
{
    return ::GetFileAttributesW(CCommonFile::ExtendedPath(path.c_str())) != INVALID_FILE_ATTRIBUTES;
}

// The system's short form of an existing file's path (the path itself when it has none).
inline std::wstring ShortForm(const std::wstring& path)
{
    std::wstring buffer(::GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
    buffer.resize(::GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size())));
    return buffer.empty() ? path : buffer;
}

// Host slots: each file registered and shown in its slot n = position + 1.
inline std::string Slots(const std::vector<std::wstring>& files)
{
    std::string state;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        if (!files[i].empty())
            state += "ADF.#" + n + ".File = \"" + kivhost::ToUtf8(files[i]) + "\"\nADF.#" + n + ".Visible = TRUE\n";
    }
    return state;
}

// The items of list 1214 in the n-th dump.
inline std::vector<std::wstring> ListItems(const DialogRun& run, size_t n = 0)
{
    const auto list = run.Control(1214, n);
    return list ? list->items : std::vector<std::wstring>{};
}

// The statements the dialog sends on OK after resetting the forty slots; the whole list when the
// resets are not all there in front, so that the comparison fails.
inline std::vector<std::wstring> AfterInit(const DialogRun& run)
{
    const std::vector<std::wstring> statements = run.Statements();
    for (int n = 1; n <= 40; ++n) {
        if (statements.size() < 40 || statements[static_cast<size_t>(n - 1)] != L"Init ADF.#" + std::to_wstring(n))
            return statements;
    }
    return std::vector<std::wstring>(statements.begin() + 40, statements.end());
}

// What OK sends for a ticked entry in slot n.
inline std::wstring FileStatement(int n, const std::wstring& file)
{
    const std::wstring slot = std::to_wstring(n);
    return L"ADF.#" + slot + L".File = \"" + file + L"\";ADF.#" + slot + L".Visible = TRUE";
}

// The list dialog run on these slots; the driver must manage every action.
inline DialogRun RunMisc(const std::string& state, std::vector<std::wstring> actions)
{
    DialogRun run = Run({L"CMiscDlg", state, false, {}, std::move(actions)});
    EXPECT_EQ(run.driverFailures, 0);
    return run;
}

}  // namespace kivtest::adf
