// The additional data file tests: a store of entries under the application's key, real files in
// a folder of their own under the temporary folder, and the host's slots to match.
#pragma once

#include "tests/support/DialogHarness.h"

#include "framework/kivreg/Registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kivtest::adf {

inline const wchar_t kListSection[] = L"General\\ADF";
inline const std::wstring kListKey = std::wstring(L"Software\\Calvane\\KivenarLite\\1.0\\") + kListSection;

inline std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

// Writes the list values ADF1, ADF2, ...; a missing value (nullopt) leaves its position empty.
inline void WriteList(const std::vector<std::optional<std::wstring>>& values)
{
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i])
            CRegistry::Write(kListSection, (L"ADF" + std::to_wstring(i + 1)).c_str(), values[i]->c_str());
    }
}

// Every value of a key as name -> text (REG_SZ only); empty when the key does not exist.
inline std::map<std::wstring, std::wstring> ReadValues(const std::wstring& key)
{
    std::map<std::wstring, std::wstring> values;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameSize = 256;
        DWORD type = 0;
        DWORD dataSize = 0;
        if (::RegEnumValueW(hKey, i, name, &nameSize, nullptr, &type, nullptr, &dataSize) != ERROR_SUCCESS)
            break;
        std::wstring data(dataSize / sizeof(wchar_t) + 1, L'\0');
        nameSize = 256;
        dataSize = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        ::RegEnumValueW(hKey, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &dataSize);
        data.resize(wcsnlen(data.c_str(), data.size()));
        values[name] = type == REG_SZ ? data : L"<type " + std::to_wstring(type) + L">";
    }
    ::RegCloseKey(hKey);
    return values;
}

inline bool KeyExists(const std::wstring& key)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

inline void WriteValue(const std::wstring& key, const wchar_t* name, const wchar_t* text)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                     static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
}

// A folder of the test's own under the temporary folder, emptied; ends in a backslash.
inline std::wstring TestFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"kivadf-" + name + L"\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    WIN32_FIND_DATAW found{};
    const HANDLE find = ::FindFirstFileW((folder + L"*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring path = folder + found.cFileName;
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(find, &found));
        ::FindClose(find);
    }
    return folder;
}

// A small data file with a line of content; its full path.
inline std::wstring MakeFile(const std::wstring& path)
{
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(handle, INVALID_HANDLE_VALUE) << Utf8(path);
    const char line[] = "# test objects\n";
    DWORD written = 0;
    ::WriteFile(handle, line, sizeof line - 1, &written, nullptr);
    ::CloseHandle(handle);
    return path;
}

inline bool FileExists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The system's short form of an existing file's path (the path itself when it has none).
inline std::wstring ShortForm(const std::wstring& path)
{
    const DWORD size = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0)
        return path;
    std::wstring buffer(size, L'\0');
    const DWORD length = ::GetShortPathNameW(path.c_str(), buffer.data(), size);
    buffer.resize(length);
    return buffer;
}

// Host slots: each file registered in its slot n = position + 1, shown or not as given.
inline std::string Slots(const std::vector<std::pair<std::wstring, const char*>>& slots)
{
    std::string state;
    for (size_t i = 0; i < slots.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        if (slots[i].first.empty())
            continue;
        state += "ADF.#" + n + ".File = \"" + Utf8(slots[i].first) + "\"\n";
        state += "ADF.#" + n + ".Visible = " + slots[i].second + "\n";
    }
    return state;
}

// The items of list 1214 in the n-th dump.
inline std::vector<std::wstring> ListItems(const DialogRun& run, size_t n = 0)
{
    const auto list = run.Control(1214, n);
    return list ? list->items : std::vector<std::wstring>{};
}

// The statements the dialog sends on OK after the forty slot resets, which are checked apart.
inline std::vector<std::wstring> AfterInit(const DialogRun& run)
{
    std::vector<std::wstring> statements = run.Statements();
    std::vector<std::wstring> rest;
    size_t i = 0;
    for (int n = 1; n <= 40 && i < statements.size(); ++n, ++i) {
        if (statements[i] != L"Init ADF.#" + std::to_wstring(n))
            return statements;  // no reset in front: the whole list, for the failure message
    }
    if (i < 40)
        return statements;
    rest.assign(statements.begin() + static_cast<std::ptrdiff_t>(i), statements.end());
    return rest;
}

inline std::wstring FileStatement(int n, const std::wstring& file)
{
    const std::wstring slot = std::to_wstring(n);
    return L"ADF.#" + slot + L".File = \"" + file + L"\";ADF.#" + slot + L".Visible = TRUE";
}

inline std::wstring NameStatement(int n)
{
    return L"ADF.#" + std::to_wstring(n) + L".Name.Visible = TRUE";
}

inline DialogRun RunMisc(const std::string& state, std::vector<std::wstring> actions)
{
    return Run({L"CMiscDlg", state, false, {}, std::move(actions)});
}

}  // namespace kivtest::adf
