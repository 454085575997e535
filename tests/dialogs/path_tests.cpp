// The paths the module is given or builds, in the spellings users and applications have: longer
// than MAX_PATH, with spaces, in Japanese, with the "\\?\" prefix and as a UNC share. The camera
// catalogue under the application data path and the data files' short and long forms must reach
// the same files in every spelling, neither cut nor overrun.
#include "dialogs/adf/AdfPath.h"
#include "framework/kivcom/CameraDB.h"
#include "framework/kivcom/CommonFile.h"
#include "tests/dialogs/fov_test_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// Creates every folder of the path, whatever its length.
void MakeFolders(const std::wstring& folder)
{
    for (size_t at = folder.find(L'\\', 3); at != std::wstring::npos; at = folder.find(L'\\', at + 1))
        ::CreateDirectoryW(CCommonFile::ExtendedPath(folder.substr(0, at).c_str()), nullptr);
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(CCommonFile::ExtendedPath(path.c_str())) != INVALID_FILE_ATTRIBUTES;
}

// A folder under the temp folder as the module is given it: behind a root ("\\?\", or drive C
// as its administrative share, which the test prefix offers too), and made longer than MAX_PATH
// with folders of the filler character when one is given.
struct PathForm {
    const char* name;
    const wchar_t* root;
    const wchar_t* folder;
    wchar_t filler;
};

const PathForm kForms[] = {{"plain", L"", L"kivpath-plain\\", 0},
                           {"spaces", L"", L"kiv path  with spaces\\sub folder\\", 0},
                           {"japanese", L"", L"kivpath-星図\\天文 データ\\", 0},
                           {"longer_than_max_path", L"", L"kivpath-long\\", L'd'},
                           {"extended_prefix", L"\\\\?\\", L"kivpath-prefixed\\", 0},
                           {"unc_share", L"\\\\localhost\\C$", L"kivpath-unc\\", 0},
                           {"long_unc_share", L"\\\\localhost\\C$", L"kivpath-long-unc\\", L'u'}};

class PathForms : public testing::TestWithParam<PathForm> {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        ASSERT_EQ(std::wstring(temp).substr(1, 2), L":\\") << "the temp folder is expected on a drive";
        const std::wstring root = GetParam().root;
        m_folder = root + (root.ends_with(L'$') ? temp + 2 : temp) + GetParam().folder;
        while (GetParam().filler && m_folder.size() < 300)
            m_folder += std::wstring(40, GetParam().filler) + L"\\";
        MakeFolders(m_folder + L"Camera\\");
        kivtest::WriteBytes(m_folder + L"Camera\\cameras.txt", kivtest::kTestCatalog, sizeof kivtest::kTestCatalog - 1);
        ASSERT_TRUE(Exists(m_folder + L"Camera\\cameras.txt")) << testing::PrintToString(m_folder);
    }

    std::wstring m_folder;
};

TEST_P(PathForms, TheCameraCatalogueLoadsUnderTheApplicationDataPath)
{
    for (const std::wstring& folder : {m_folder, m_folder.substr(0, m_folder.size() - 1)}) {
        CCameraDB db;
        ASSERT_TRUE(db.Init(folder.c_str())) << testing::PrintToString(folder);
        EXPECT_EQ(db.GetVendorNum(), 4);
        EXPECT_EQ(db.GetCameraNum(), 4);
    }
    for (const wchar_t* dialog : {L"CDlgVfield", L"CDlgVmosaic"}) {
        kivtest::ClearSettings();
        const auto run = kivtest::Run({dialog, "", true, {L"appdata=" + m_folder}, {L"dump", L"cancel"}, {}});
        const auto makers = run.Control(1560);
        ASSERT_TRUE(makers.has_value()) << testing::PrintToString(dialog);
        EXPECT_EQ(kivtest::ItemTexts(*makers), (std::vector<std::wstring>{L"Alpha", L"Beta", L"Empty", L"Gamma"}));
    }
}

TEST_P(PathForms, ADataFilesShortAndLongFormsNameTheSameFile)
{
    const std::wstring file = m_folder + L"comets data.adf";
    kivtest::WriteBytes(file, "# name: comets\n", 15);
    const CString shortForm = AdfShortPath(CString(file));
    ASSERT_FALSE(shortForm.IsEmpty());
    EXPECT_TRUE(Exists(shortForm.str())) << testing::PrintToString(shortForm.str());
    const CString longForm = AdfLongPath(shortForm);
    EXPECT_TRUE(Exists(longForm.str())) << testing::PrintToString(longForm.str());
    // The same file, spelt with or without the prefix.
    const auto plain = [](std::wstring path) { return path.rfind(L"\\\\?\\", 0) == 0 ? path.substr(4) : path; };
    EXPECT_EQ(::CompareStringOrdinal(plain(longForm.str()).c_str(), -1, plain(file).c_str(), -1, TRUE), CSTR_EQUAL)
        << testing::PrintToString(longForm.str());
}

INSTANTIATE_TEST_SUITE_P(EverySpelling, PathForms, testing::ValuesIn(kForms),
                         [](const testing::TestParamInfo<PathForm>& info) { return std::string(info.param.name); });

TEST(ExtendedPath, PrefixesOnlyLongPathsAndMakesThemFull)
{
    const std::wstring longTail = std::wstring(270, L'x');
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\data\\a.txt", L"C:\\data\\a.txt"},
        {L"\\\\server\\share\\a.txt", L"\\\\server\\share\\a.txt"},
        {L"C:\\data\\" + longTail, L"\\\\?\\C:\\data\\" + longTail},
        {L"C:/data/./skip/../" + longTail, L"\\\\?\\C:\\data\\" + longTail},
        {L"\\\\server\\share\\" + longTail, L"\\\\?\\UNC\\server\\share\\" + longTail},
        {L"\\\\?\\C:\\data\\" + longTail, L"\\\\?\\C:\\data\\" + longTail},
        {L"", L""}};
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(CCommonFile::ExtendedPath(path.c_str()).str(), expected) << testing::PrintToString(path);
    EXPECT_TRUE(CCommonFile::ExtendedPath(nullptr).IsEmpty());
}

}  // namespace
