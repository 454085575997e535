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

std::wstring TempFolder()
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    return temp;
}

// Creates every folder of the path, whatever its length.
void MakeFolders(const std::wstring& folder)
{
    for (size_t at = folder.find(L'\\', 3); at != std::wstring::npos; at = folder.find(L'\\', at + 1))
        ::CreateDirectoryW(CCommonFile::ExtendedPath(folder.substr(0, at).c_str()), nullptr);
}

void WriteFile(const std::wstring& path, const char* content)
{
    const HANDLE file = ::CreateFileW(CCommonFile::ExtendedPath(path.c_str()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                      nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << testing::PrintToString(path);
    DWORD written = 0;
    ::WriteFile(file, content, static_cast<DWORD>(std::char_traits<char>::length(content)), &written, nullptr);
    ::CloseHandle(file);
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(CCommonFile::ExtendedPath(path.c_str())) != INVALID_FILE_ATTRIBUTES;
}

struct PathForm {
    const char* name;
    // The folder (ending in a backslash) as the module is given it, made from the temp folder.
    std::wstring (*folder)(const std::wstring& temp);
};

const PathForm kForms[] = {
    {"plain", [](const std::wstring& temp) { return temp + L"kivpath-plain\\"; }},
    {"spaces", [](const std::wstring& temp) { return temp + L"kiv path  with spaces\\sub folder\\"; }},
    {"japanese", [](const std::wstring& temp) { return temp + L"kivpath-星図\\天文 データ\\"; }},
    {"longer_than_max_path",
     [](const std::wstring& temp) {
         std::wstring folder = temp + L"kivpath-long\\";
         while (folder.size() < 300)
             folder += std::wstring(40, L'd') + L"\\";
         return folder;
     }},
    {"extended_prefix", [](const std::wstring& temp) { return L"\\\\?\\" + temp + L"kivpath-prefixed\\"; }},
    {"unc_share",
     [](const std::wstring& temp) {
         // Drive C as its administrative share (the test prefix offers it too).
         return L"\\\\localhost\\C$" + temp.substr(2) + L"kivpath-unc\\";
     }},
    {"long_unc_share",
     [](const std::wstring& temp) {
         std::wstring folder = L"\\\\localhost\\C$" + temp.substr(2) + L"kivpath-long-unc\\";
         while (folder.size() < 300)
             folder += std::wstring(40, L'u') + L"\\";
         return folder;
     }},
};

class PathForms : public testing::TestWithParam<PathForm> {
protected:
    void SetUp() override
    {
        const std::wstring temp = TempFolder();
        ASSERT_EQ(temp.substr(1, 2), L":\\") << "the temp folder is expected on a drive";
        m_folder = GetParam().folder(temp);
        MakeFolders(m_folder + L"Camera\\");
        WriteFile(m_folder + L"Camera\\cameras.txt", kivtest::kTestCatalog);
        ASSERT_TRUE(Exists(m_folder + L"Camera\\cameras.txt")) << testing::PrintToString(m_folder);
    }

    std::wstring m_folder;
};

TEST_P(PathForms, TheCameraCatalogueLoadsUnderTheApplicationDataPath)
{
    CCameraDB db;
    ASSERT_TRUE(db.Init(m_folder.c_str()));
    EXPECT_EQ(db.GetVendorNum(), 4);
    EXPECT_EQ(db.GetCameraNum(), 4);
    // The folder without its closing backslash names the same catalogue.
    CCameraDB bare;
    EXPECT_TRUE(bare.Init(m_folder.substr(0, m_folder.size() - 1).c_str()));
    EXPECT_EQ(bare.GetCameraNum(), 4);
}

TEST_P(PathForms, TheCameraDialogsListTheCataloguesMakers)
{
    for (const wchar_t* dialog : {L"CDlgVfield", L"CDlgVmosaic"}) {
        kivtest::ClearSettings();
        const auto run = kivtest::Run({dialog, "", true, {L"appdata=" + m_folder}, {L"dump", L"cancel"}, {}});
        const auto makers = run.Control(1560);
        ASSERT_TRUE(makers.has_value()) << testing::PrintToString(dialog);
        ASSERT_EQ(makers->items.size(), 4u) << testing::PrintToString(dialog);
        EXPECT_NE(makers->items[0].find(L"Alpha"), std::wstring::npos);
    }
}

TEST_P(PathForms, ADataFilesShortAndLongFormsNameTheSameFile)
{
    const std::wstring file = m_folder + L"comets data.adf";
    WriteFile(file, "# name: comets\n");
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

void PrintTo(const PathForm& form, std::ostream* out)
{
    *out << form.name;
}

INSTANTIATE_TEST_SUITE_P(EverySpelling, PathForms, testing::ValuesIn(kForms),
                         [](const testing::TestParamInfo<PathForm>& info) { return std::string(info.param.name); });

struct ExtendedCase {
    const char* name;
    std::wstring path;
    std::wstring expected;
};

TEST(ExtendedPath, PrefixesOnlyLongPathsAndMakesThemFull)
{
    const std::wstring longTail = std::wstring(270, L'x');
    const ExtendedCase cases[] = {
        {"short drive path", L"C:\\data\\a.txt", L"C:\\data\\a.txt"},
        {"short unc path", L"\\\\server\\share\\a.txt", L"\\\\server\\share\\a.txt"},
        {"long drive path", L"C:\\data\\" + longTail, L"\\\\?\\C:\\data\\" + longTail},
        {"long path with slashes and dots", L"C:/data/./skip/../" + longTail, L"\\\\?\\C:\\data\\" + longTail},
        {"long unc path", L"\\\\server\\share\\" + longTail, L"\\\\?\\UNC\\server\\share\\" + longTail},
        {"already prefixed", L"\\\\?\\C:\\data\\" + longTail, L"\\\\?\\C:\\data\\" + longTail},
        {"empty", L"", L""},
    };
    for (const ExtendedCase& c : cases)
        EXPECT_EQ(CCommonFile::ExtendedPath(c.path.c_str()).str(), c.expected) << c.name;
    EXPECT_TRUE(CCommonFile::ExtendedPath(nullptr).IsEmpty());
}

}  // namespace
