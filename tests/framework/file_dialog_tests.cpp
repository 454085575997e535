// The file dialog, answered by the driver's file action as a user would answer it.
#include "framework/kivdcm/ZenFileDialog.h"
#include "tests/support/FrameworkTables.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(ZenFileDialog, ReturnsTheFileTheUserChoseOrNothingOnCancel)
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring chosen = std::wstring(folder) + L"追加天体テスト.adf";
    if (std::FILE* file = _wfopen(chosen.c_str(), L"wb"))
        std::fclose(file);
    const struct {
        std::wstring answer;
        INT_PTR result;
        const wchar_t* name;
    } rows[] = {{chosen, IDOK, L"追加天体テスト.adf"}, {L"cancel", IDCANCEL, L""}};
    for (const auto& row : rows) {
        kivhost::HostSession session;
        CZenFileDialog dialog(TRUE, nullptr, L"", OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                              L"データファイル (*.adf)|*.adf|すべてのファイル (*.*)|*.*||", &session.Window());
        EXPECT_EQ(kivtest::DriveModal(session, {L"file " + row.answer}, [&] { return dialog.DoModal(); }), row.result);
        EXPECT_EQ(dialog.GetFileName(), row.name);
        const std::wstring path = row.result == IDOK ? chosen : L"";
        EXPECT_EQ(dialog.GetPathName().CompareNoCase(path.c_str()), 0) << testing::PrintToString(dialog.GetPathName().str());
    }
    ::DeleteFileW(chosen.c_str());
}

}  // namespace
