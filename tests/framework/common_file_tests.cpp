// The common-file path helpers.
#include "framework/kivcom/CommonFile.h"

#include <gtest/gtest.h>

namespace {

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
        {L"C:\\Kivenar/mixed\\day.png", L"C:\\Kivenar\\mixed\\"},
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

}  // namespace
