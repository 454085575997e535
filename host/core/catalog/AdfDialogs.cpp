// The additional data file dialog as the host builds them.
#include "dialogs/adf/AdfPath.h"
#include "dialogs/adf/MiscDlg.h"
#include "framework/kivreg/Registry.h"
#include "host/core/catalog/AdfSamples.h"
#include "host/core/catalog/Catalog.h"
#include "host/core/host_ids.h"

#include "host/core/HostSession.h"
#include "host/core/Utf.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace kivhost {

namespace {

INT_PTR RunMisc(HostSession& session)
{
    CMiscDlg dialog(session.Channel(), session.Channel2(), &session.Window());
    return dialog.DoModal();
}

// The entry's name is the file's first line when that reads "# name: ...", else the file's name.
std::wstring SampleName(const std::wstring& path, const std::wstring& fileName)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return fileName;
    const std::string line = bytes.substr(0, bytes.find_first_of("\r\n"));
    const std::string prefix = "# name: ";
    if (line.compare(0, prefix.size(), prefix) != 0 || line.size() == prefix.size())
        return fileName;
    return FromUtf8(line.substr(prefix.size()));
}

}  // namespace

void SeedAdfSamples(const std::wstring& appdata)
{
    const wchar_t* const kSamplesSection = L"Host";
    const wchar_t* const kSamplesKey = L"AdfSamplesWritten";
    int written = 0;
    CRegistry::Read(kSamplesSection, kSamplesKey, 0, &written, 1);
    HKEY hList = nullptr;
    if (written || ::RegOpenKeyExW(HKEY_CURRENT_USER, CRegistry::SectionPath(L"General\\ADF"), 0, KEY_READ, &hList) ==
                       ERROR_SUCCESS) {
        if (hList)
            ::RegCloseKey(hList);
        return;
    }
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found{};
    const HANDLE find = ::FindFirstFileW((appdata + L"ADF\\*.adf").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                files.push_back(found.cFileName);
        } while (::FindNextFileW(find, &found));
        ::FindClose(find);
    }
    std::sort(files.begin(), files.end());
    int position = 0;
    for (const std::wstring& file : files) {
        const std::wstring path = appdata + L"ADF\\" + file;
        const CString shortPath = AdfShortPath(path.c_str());
        if (position == kAdfSlotCount || shortPath.Find(L',') >= 0)
            continue;
        CString valueName;
        valueName.Format(L"ADF%d", ++position);
        CRegistry::Write(L"General\\ADF", valueName, shortPath + L"," + SampleName(path, file).c_str());
    }
    CRegistry::Write(kSamplesSection, kSamplesKey, 1, 1);
}

void AddAdfDialogs(std::vector<DialogEntry>& catalog)
{
    catalog.push_back({L"CMiscDlg", IDS_HOST_DLG_MISC, &RunMisc});
}

}  // namespace kivhost
