// Files: the common-file path helpers; the picture class, with the sizes its header guard reads
// and the limits it keeps a decoder within, on files this test writes itself (BMP and PNG) from
// every path spelling and on files that are cut off, empty or lying about their size; and the
// file dialog, answered by the driver's file action as a user would answer it.
#include "framework/kivcom/CommonFile.h"
#include "framework/kivdcm/ZenFileDialog.h"
#include "platform/afx/Image.h"
#include "tests/support/FrameworkTables.h"
#include "tests/support/PictureFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using kivtest::Bytes;
using kivtest::MakeBmp;
using kivtest::MakePng;

TEST(CommonFileGetPathName, GivesTheFolderEndingInABackslash)
{
    const struct {
        const wchar_t* path;
        const wchar_t* folder;
    } rows[] = {
        {L"C:\\Kivenar\\LndPic\\day.png", L"C:\\Kivenar\\LndPic\\"},
        {L"C:\\Kivenar\\LndPic\\", L"C:\\Kivenar\\LndPic\\"},
        {L"C:\\day.png", L"C:\\"},
        {L"C:/Kivenar/LndPic/day.png", L"C:\\Kivenar\\LndPic\\"},
        {L"\\\\server\\share\\星図\\comets.txt", L"\\\\server\\share\\星図\\"},
        {L"day.png", L""},
        {L"C:day.png", L""},
        {L"", L""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CCommonFile::GetPathName(row.path), row.folder) << testing::PrintToString(std::wstring(row.path));
    EXPECT_EQ(CCommonFile::GetPathName(nullptr), L"");
}

TEST(CommonFileGetModulePath, IsTheFolderOfTheProgram)
{
    const CString folder = CCommonFile::GetModulePath();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ(folder.Right(1), L"\\");
    const CString program = folder + L"framework_tests.exe";
    EXPECT_NE(::GetFileAttributesW(program), INVALID_FILE_ATTRIBUTES) << "the program lies in that folder";
}

std::wstring Folder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + name + L"\\";
    for (size_t at = folder.find(L'\\', 3); at != std::wstring::npos; at = folder.find(L'\\', at + 1))
        ::CreateDirectoryW(CCommonFile::ExtendedPath(folder.substr(0, at).c_str()), nullptr);
    return folder;
}

std::wstring Write(const std::wstring& path, const Bytes& bytes)
{
    const HANDLE file = ::CreateFileW(CCommonFile::ExtendedPath(path.c_str()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                      nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << testing::PrintToString(path);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

Bytes Cut(const Bytes& bytes, size_t size)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(size, bytes.size())));
}

TEST(ImageHeader, ReadsSizesAndRefusesWhatItCannotTrust)
{
    const Bytes bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0,
                       0x00, 0x10, 0, 0, 0x00, 0xFC, 0xFF, 0xFF};  // 4096 x -1024
    const Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC0, 0, 17, 8, 0x04, 0x00, 0x10, 0x00};
    Bytes zeroWidth = MakePng(1, 16);
    zeroWidth[19] = 0;  // the last byte of the header's width
    const struct {
        const char* name;
        Bytes bytes;
        bool read;
        std::int64_t w, h;
        bool within;
    } cases[] = {
        {"png claiming 100000x25000", MakePng(1, 1, 100000, 25000), true, 100000, 25000, false},
        {"png 32768x4096 is at the pixel limit", MakePng(1, 1, 32768, 4096), true, 32768, 4096, true},
        {"png 32768x4097 is over it", MakePng(1, 1, 32768, 4097), true, 32768, 4097, false},
        {"png of zero width", zeroWidth, true, 0, 16, false},
        {"png cut off in IHDR", Cut(MakePng(8, 2), 20), false, 0, 0, false},
        {"bmp stored top row first", bmp, true, 4096, 1024, true},
        {"jpeg after an APP0 segment", jpeg, true, 4096, 1024, true},
        {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, false, 0, 0, false},
    };
    for (const auto& c : cases) {
        std::int64_t w = 0, h = 0;
        EXPECT_EQ(CImage::ReadHeaderSize(c.bytes.data(), c.bytes.size(), w, h), c.read) << c.name;
        if (c.read) {
            EXPECT_EQ(w, c.w) << c.name;
            EXPECT_EQ(h, c.h) << c.name;
        }
        EXPECT_EQ(c.read && CImage::IsWithinLimits(w, h), c.within) << c.name;
    }
}

// Each file is written, then loaded: a picture loads at its size; a broken or lying file fails
// and leaves the image empty.
TEST(ImageFile, PicturesLoadFromEveryPathSpellingAndBadFilesFailCleanly)
{
    std::wstring longFolder = L"kivimage-long";
    while (longFolder.size() < 280)
        longFolder += L"\\" + std::wstring(40, L'p');
    Bytes huge = MakePng(4, 1, 100000, 25000);
    huge.resize(100 * 1024, 0);  // a 100 KB file that claims 2.5 billion pixels
    const struct {
        const char* name;
        std::wstring folder;
        const wchar_t* file;
        Bytes bytes;
        int width, height;  // 0 x 0: the load fails
    } cases[] = {
        {"png", Folder(L"kivimage"), L"day.png", MakePng(64, 16), 64, 16},
        {"bmp", Folder(L"kivimage"), L"day.bmp", MakeBmp(32, 8), 32, 8},
        {"japanese folder", Folder(L"kivimage-風景 写真"), L"昼景.png", MakePng(16, 4), 16, 4},
        {"longer than MAX_PATH", Folder(longFolder), L"day.png", MakePng(16, 4), 16, 4},
        {"png named .bmp", Folder(L"kivimage"), L"named-wrong.bmp", MakePng(8, 2), 8, 2},
        {"empty", Folder(L"kivimage-bad"), L"empty.png", {}, 0, 0},
        {"claims 100000 x 25000", Folder(L"kivimage-bad"), L"huge.png", huge, 0, 0},
        {"header smaller than its pixels", Folder(L"kivimage-bad"), L"small-claim.png", MakePng(64, 16, 8, 2), 0, 0},
        {"bmp cut after its header", Folder(L"kivimage-bad"), L"cut.bmp", Cut(MakeBmp(64, 64), 60), 0, 0},
    };
    for (const auto& c : cases) {
        const std::wstring path = Write(c.folder + c.file, c.bytes);
        CImage image;
        EXPECT_EQ(SUCCEEDED(image.Load(path.c_str())), c.width > 0) << c.name;
        EXPECT_EQ(image.IsNull(), c.width == 0) << c.name;
        EXPECT_EQ(image.GetWidth(), c.width) << c.name;
        EXPECT_EQ(image.GetHeight(), c.height) << c.name;
    }
    CImage missing;
    EXPECT_TRUE(FAILED(missing.Load(L"C:\\no such folder\\picture.png")));
}

TEST(ZenFileDialog, ReturnsTheFileTheUserChoseOrNothingOnCancel)
{
    const std::wstring chosen = Write(Folder(L"kivfiles") + L"追加天体テスト.adf", {});
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
