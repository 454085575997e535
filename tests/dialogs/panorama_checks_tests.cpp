// The panorama dialog's picture checks on real files: what it says at opening about a day, mask
// or night picture that cannot be read, is not a power of two or is not wide enough, what it
// clears, and OK's refusal of night and day pictures of different sizes.
#include "framework/kivreg/Registry.h"
#include "resources/ids_landscape.h"
#include "tests/support/DialogHarness.h"
#include "tests/support/PictureFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace {

using kivtest::Bytes;

const wchar_t kDayLoad[] = L"昼景画像ファイルの読み込みに失敗しました。: ";
const wchar_t kDayPower[] = L"昼景画像にはピクセルサイズが縦横とも2の累乗のファイルを指定してください。";
const wchar_t kDayAspect[] = L"昼景画像には縦横比が 1:4 よりも横長のファイルを指定してください。";
const wchar_t kMismatch[] =
    L"画像サイズが一致していません。昼景画像、マスク画像、夜景画像はピクセルサイズが同一である必要があります。";

std::wstring Picture(const wchar_t* name, const Bytes& bytes)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"kivpanorama\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + name;
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

kivtest::DialogRun RunPanorama(const std::wstring& day, const std::wstring& mask, const std::wstring& night,
                               bool nightOn, std::vector<std::wstring> actions)
{
    kivtest::ClearSettings();
    // The night picture is used when the dialog's own store says so (decimal text).
    CRegistry::Write(L"Dialog\\Panorama", L"UseNightFile", nightOn ? 1 : 0, 0);
    return kivtest::Run({L"CDlgPanorama",
                         "",
                         false,
                         {L"show=1", L"day=" + day, L"mask=" + mask, L"night=" + night},
                         std::move(actions),
                         {}});
}

struct DayCase {
    const char* name;
    Bytes bytes;
    const wchar_t* message;  // the text before any path; null: no message
    bool withPath;           // the message ends in CR LF (the journal's "\n") and the file's path
};

TEST(PanoramaChecks, TheDayPictureIsCheckedAtOpening)
{
    const std::wstring mask = Picture(L"mask.png", kivtest::MakePng(2048, 512));
    const DayCase cases[] = {
        {"exactly four to one", kivtest::MakePng(2048, 512), nullptr, false},
        {"wider than four to one", kivtest::MakePng(4096, 512), nullptr, false},
        {"a bmp", kivtest::MakeBmp(1024, 256), nullptr, false},
        {"not a power of two", kivtest::MakePng(2000, 500), kDayPower, false},
        {"not wide enough", kivtest::MakePng(1024, 512), kDayAspect, false},
        {"cut off", Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0}, kDayLoad, true},
        {"claims 100000 x 25000", kivtest::MakePng(4, 1, 100000, 25000), kDayLoad, true},
    };
    for (const DayCase& c : cases) {
        const std::wstring day = Picture(L"day-case.png", c.bytes);
        const auto run = RunPanorama(day, mask, L"", false, {L"dump", L"cancel"});
        std::vector<std::wstring> expected;
        if (c.message)
            expected.push_back(std::wstring(L"exclamation ") + c.message + (c.withPath ? L"\\n" + day : L""));
        EXPECT_EQ(run.Messages(), expected) << c.name;
        const auto edit = run.Control(IDC_PANORAMA_EDIT_DAY_FILE);
        ASSERT_TRUE(edit.has_value()) << c.name;
        // A refused picture leaves nothing behind: no path in the edit.
        EXPECT_EQ(edit->text, c.message ? L"" : day) << c.name;
        EXPECT_TRUE(run.Statements().empty()) << c.name;
    }
}

TEST(PanoramaChecks, OkRefusesANightPictureOfAnotherSize)
{
    const std::wstring day = Picture(L"day.png", kivtest::MakePng(2048, 512));
    const std::wstring mask = Picture(L"mask.png", kivtest::MakePng(2048, 512));
    const std::wstring night = Picture(L"night-small.png", kivtest::MakePng(1024, 256));
    const auto refused = RunPanorama(day, mask, night, true, {L"ok", L"dump", L"cancel"});
    EXPECT_EQ(refused.Messages(), std::vector<std::wstring>{std::wstring(L"info ") + kMismatch});
    EXPECT_EQ(refused.result, kivhost::RunResult::Cancel);

    const std::wstring sameNight = Picture(L"night.png", kivtest::MakePng(2048, 512));
    const auto accepted = RunPanorama(day, mask, sameNight, true, {L"ok"});
    EXPECT_TRUE(accepted.Messages().empty());
    EXPECT_EQ(accepted.result, kivhost::RunResult::Ok);
}

}  // namespace

namespace {

std::wstring OpacityAfter(int opacity, std::vector<std::wstring> actions)
{
    const std::wstring day = Picture(L"day.png", kivtest::MakePng(2048, 512));
    const std::wstring mask = Picture(L"mask.png", kivtest::MakePng(2048, 512));
    kivtest::ClearSettings();
    actions.push_back(L"dump");
    actions.push_back(L"cancel");
    const auto run = kivtest::Run({L"CDlgPanorama", "", false,
                                   {L"show=1", L"day=" + day, L"mask=" + mask, L"opacity=" + std::to_wstring(opacity)},
                                   std::move(actions), {}});
    const auto edit = run.Control(IDC_PANORAMA_EDIT_OPACITY);
    return edit ? edit->text : L"absent";
}

TEST(PanoramaOpacity, TheSpinStepsByFiveWithinItsRangeAndTypingClampsAtOnce)
{
    // One arrow of the spin adds five, the other takes five away; the ends hold.
    const std::set<std::wstring> atTop = {OpacityAfter(100, {L"spin 12120 up"}), OpacityAfter(100, {L"spin 12120 down"})};
    EXPECT_EQ(atTop, (std::set<std::wstring>{L"100", L"95"}));
    const std::set<std::wstring> nearBottom = {OpacityAfter(3, {L"spin 12120 up"}), OpacityAfter(3, {L"spin 12120 down"})};
    EXPECT_EQ(nearBottom, (std::set<std::wstring>{L"0", L"8"}));
    EXPECT_EQ(OpacityAfter(50, {L"type 12119 150"}), L"100");
}

TEST(PanoramaBrowse, ACancelledFileDialogLeavesTheFolderAsItWas)
{
    const std::wstring day = Picture(L"day.png", kivtest::MakePng(2048, 512));
    const std::wstring mask = Picture(L"mask.png", kivtest::MakePng(2048, 512));
    kivtest::ClearSettings();
    CRegistry::Write(L"Dialog\\Panorama", L"Directory", L"C:\\users");
    const auto run = kivtest::Run({L"CDlgPanorama", "", false, {L"show=1", L"day=" + day, L"mask=" + mask},
                                   {L"click 1177", L"file cancel", L"cancel"}, {}});
    EXPECT_EQ(run.driverFailures, 0);
    CString folder;
    ASSERT_TRUE(CRegistry::Read(L"Dialog\\Panorama", L"Directory", L"", folder));
    EXPECT_EQ(folder.str(), L"C:\\users");
}

}  // namespace

namespace {

TEST(PanoramaBrowse, ABrowseThatPicksAFileRemembersItsFolder)
{
    const std::wstring day = Picture(L"day.png", kivtest::MakePng(2048, 512));
    const std::wstring mask = Picture(L"mask.png", kivtest::MakePng(2048, 512));
    const std::wstring other = Picture(L"other-day.png", kivtest::MakePng(4096, 1024));
    kivtest::ClearSettings();
    CRegistry::Write(L"Dialog\\Panorama", L"Directory", L"C:\\users");
    const auto run = kivtest::Run({L"CDlgPanorama", "", false, {L"show=1", L"day=" + day, L"mask=" + mask},
                                   {L"click 1177", L"file " + other, L"dump", L"cancel"}, {}});
    EXPECT_EQ(run.driverFailures, 0);
    const auto edit = run.Control(IDC_PANORAMA_EDIT_DAY_FILE);
    ASSERT_TRUE(edit.has_value());
    EXPECT_EQ(edit->text, other);
    CString folder;
    ASSERT_TRUE(CRegistry::Read(L"Dialog\\Panorama", L"Directory", L"", folder));
    EXPECT_EQ(::CompareStringOrdinal(folder, -1, other.substr(0, other.rfind(L'\\')).c_str(), -1, TRUE) == CSTR_EQUAL ||
                  ::CompareStringOrdinal(folder, -1, other.substr(0, other.rfind(L'\\') + 1).c_str(), -1, TRUE) == CSTR_EQUAL,
              true)
        << testing::PrintToString(folder.str());
}

}  // namespace

namespace {

TEST(PanoramaPreviews, TheCompassLabelsFollowTheCentreFlag)
{
    const std::wstring day = Picture(L"day.png", kivtest::MakePng(2048, 512));
    const std::wstring mask = Picture(L"mask.png", kivtest::MakePng(2048, 512));
    struct Case {
        const wchar_t* centreSouth;
        std::vector<std::wstring> labels;
    } cases[] = {{L"1", {L"北", L"東", L"南", L"西", L"北"}}, {L"0", {L"南", L"西", L"北", L"東", L"南"}}};
    for (const Case& c : cases) {
        kivtest::ClearSettings();
        const auto run = kivtest::Run({L"CDlgPanorama", "", false,
                                       {L"show=1", L"day=" + day, L"mask=" + mask, std::wstring(L"centresouth=") + c.centreSouth},
                                       {L"dump", L"cancel"}, {}});
        std::vector<std::wstring> labels;
        for (int id = IDC_PANORAMA_STC_DAY_LABEL1; id <= IDC_PANORAMA_STC_DAY_LABEL5; ++id) {
            const auto label = run.Control(id);
            labels.push_back(label ? label->text : L"absent");
        }
        EXPECT_EQ(labels, c.labels) << testing::PrintToString(c.centreSouth);
    }
}

}  // namespace
