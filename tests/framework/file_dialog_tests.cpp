// The file dialog, answered by the driver's file action as a user would answer it.
#include "framework/kivdcm/ZenFileDialog.h"
#include "host/core/Driver.h"
#include "host/core/HostSession.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct FileRun {
    INT_PTR result = 0;
    CString path;
    CString name;
    int failures = 0;
};

FileRun RunFileDialog(const std::wstring& answer, DWORD flags)
{
    kivhost::HostSession session;
    kivhost::Action action;
    std::wstring error;
    EXPECT_TRUE(kivhost::ParseAction(L"file " + answer, action, error));
    kivhost::Driver driver(session.GetJournal(), {action}, L"");
    CZenFileDialog dialog(TRUE, nullptr, L"", flags, L"データファイル (*.adf)|*.adf|すべてのファイル (*.*)|*.*||",
                          &session.Window());
    FileRun run;
    run.result = dialog.DoModal();
    run.path = dialog.GetPathName();
    run.name = dialog.GetFileName();
    run.failures = driver.Failures();
    return run;
}

std::wstring TempFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    if (std::FILE* file = _wfopen(path.c_str(), L"wb"))
        std::fclose(file);
    return path;
}

TEST(ZenFileDialog, ReturnsTheFileTheUserChose)
{
    const std::wstring path = TempFile(L"追加天体テスト.adf");
    const FileRun run = RunFileDialog(path, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(run.failures, 0);
    EXPECT_EQ(run.path.CompareNoCase(path.c_str()), 0) << testing::PrintToString(run.path.str());
    EXPECT_EQ(run.name, L"追加天体テスト.adf");
    ::DeleteFileW(path.c_str());
}

TEST(ZenFileDialog, CancelChoosesNothing)
{
    const FileRun run = RunFileDialog(L"cancel", OFN_HIDEREADONLY);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(run.path.IsEmpty());
}

}  // namespace
