// The panorama dialog's picture checks on real files: what it says at opening about a day
// picture that cannot be read, is not a power of two or is not wide enough, and OK's refusal of
// night and day pictures of different sizes; the opacity spin, the browse folder and the compass.
#include "framework/kivreg/Registry.h"
#include "resources/ids_landscape.h"
#include "tests/support/DialogTables.h"
#include "tests/support/PictureFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using kivtest::Bytes;
using kivtest::MakePng;

std::wstring Picture(const wchar_t* name, const Bytes& bytes)
{
    return kivtest::WriteBytes(kivtest::TempFolder(L"kivpanorama") + name, bytes.data(), bytes.size());
}

// The dialog shown on a day picture and a mask of 2048 x 512 unless given, from an empty store
// but for the values written.
kivtest::DialogRun RunPanorama(std::vector<std::wstring> args, std::vector<std::wstring> actions,
                               const std::vector<std::pair<const wchar_t*, const wchar_t*>>& stored = {})
{
    kivtest::ClearSettings();
    for (const auto& [key, text] : stored)
        CRegistry::Write(L"Dialog\\Panorama", key, text);
    args.insert(args.begin(), {L"show=1", L"day=" + Picture(L"day.png", MakePng(2048, 512)),
                               L"mask=" + Picture(L"mask.png", MakePng(2048, 512))});
    return kivtest::Run({L"CDlgPanorama", "", false, std::move(args), std::move(actions), {}});
}

TEST(PanoramaChecks, TheDayPictureIsCheckedAtOpening)
{
    const wchar_t kLoad[] = L"昼景画像ファイルの読み込みに失敗しました。: ";
    // The picture; the message's text before any path (null: no message), and whether the message
    // ends in CR LF (the journal's "\n") and the file's path.
    using Case = std::tuple<const char*, Bytes, const wchar_t*, bool>;
    const Case cases[] = {
        {"exactly four to one", MakePng(2048, 512), nullptr, false},
        {"a bmp", kivtest::MakeBmp(1024, 256), nullptr, false},
        {"not a power of two", MakePng(2000, 500), L"昼景画像にはピクセルサイズが縦横とも2の累乗のファイルを指定してください。", false},
        {"not wide enough", MakePng(1024, 512), L"昼景画像には縦横比が 1:4 よりも横長のファイルを指定してください。", false},
        {"cut off", Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0}, kLoad, true},
        {"claims 100000 x 25000", MakePng(4, 1, 100000, 25000), kLoad, true},
    };
    for (const auto& [name, bytes, message, withPath] : cases) {
        const std::wstring day = Picture(L"day-case.png", bytes);
        const auto run = RunPanorama({L"day=" + day, L"night="}, {L"dump", L"cancel"});
        SCOPED_TRACE(name);
        std::vector<std::wstring> expected;
        if (message)
            expected.push_back(std::wstring(L"exclamation ") + message + (withPath ? L"\\n" + day : L""));
        EXPECT_EQ(run.Messages(), expected);
        // A refused picture leaves nothing behind: no path in the edit.
        kivtest::ExpectTexts(run, {{IDC_PANORAMA_EDIT_DAY_FILE, message ? L"" : day}});
        EXPECT_TRUE(run.Statements().empty());
    }
}

// The night picture is used when the dialog's own store says so (decimal text).
TEST(PanoramaChecks, OkRefusesANightPictureOfAnotherSize)
{
    // Smaller both ways, and as wide as the day picture but less high.
    for (const auto& [name, width, height] : {std::tuple{L"night-small.png", 1024, 256}, std::tuple{L"night-low.png", 2048, 256}}) {
        const std::wstring night = Picture(name, MakePng(width, height));
        const auto refused = RunPanorama({L"night=" + night}, {L"ok", L"dump", L"cancel"}, {{L"UseNightFile", L"1"}});
        EXPECT_EQ(refused.Messages(), std::vector<std::wstring>{L"info 画像サイズが一致していません。昼景画像、マスク画像、夜景画像は"
                                                                L"ピクセルサイズが同一である必要があります。"})
            << width << "x" << height;
        EXPECT_EQ(refused.result, kivhost::RunResult::Cancel);
    }

    // Ticked by the user on a store that said no: OK takes the picture and remembers the choice.
    const std::wstring same = Picture(L"night.png", MakePng(2048, 512));
    const auto accepted = RunPanorama({L"night=" + same}, {L"click " + std::to_wstring(IDC_PANORAMA_CHK_NIGHT), L"ok"},
                                      {{L"UseNightFile", L"0"}});
    EXPECT_TRUE(accepted.Messages().empty());
    EXPECT_EQ(accepted.result, kivhost::RunResult::Ok);
    int stored = -1;
    CRegistry::Read(L"Dialog\\Panorama", L"UseNightFile", -1, &stored, 0);
    EXPECT_EQ(stored, 1);
}

// One arrow of the spin adds five, the other takes five away; the ends hold, and typing clamps.
TEST(PanoramaOpacity, TheSpinStepsByFiveWithinItsRangeAndTypingClampsAtOnce)
{
    const auto after = [](int opacity, const wchar_t* action) {
        const auto run = RunPanorama({L"opacity=" + std::to_wstring(opacity)}, {action, L"dump", L"cancel"});
        const auto edit = run.Control(IDC_PANORAMA_EDIT_OPACITY);
        return edit ? edit->text : L"absent";
    };
    EXPECT_EQ((std::set<std::wstring>{after(100, L"spin 12120 up"), after(100, L"spin 12120 down")}),
              (std::set<std::wstring>{L"100", L"95"}));
    EXPECT_EQ((std::set<std::wstring>{after(3, L"spin 12120 up"), after(3, L"spin 12120 down")}),
              (std::set<std::wstring>{L"0", L"8"}));
    EXPECT_EQ(after(50, L"type 12119 150"), L"100");
}

// A browse that picks a picture shows it and remembers its folder; a cancelled one keeps the folder.
TEST(PanoramaBrowse, OnlyAPickedFileChangesTheRememberedFolder)
{
    const std::wstring other = Picture(L"other-day.png", MakePng(4096, 1024));
    const std::wstring folder = other.substr(0, other.rfind(L'\\'));
    const std::pair<std::wstring, std::wstring> cases[] = {{L"cancel", L"C:\\users"}, {other, folder}};
    for (const auto& [choice, folderAfter] : cases) {
        const auto run = RunPanorama({}, {L"click 1177", L"file " + choice, L"dump", L"cancel"}, {{L"Directory", L"C:\\users"}});
        EXPECT_EQ(run.driverFailures, 0);
        if (choice == other)
            kivtest::ExpectTexts(run, {{IDC_PANORAMA_EDIT_DAY_FILE, other}});
        CString stored;
        ASSERT_TRUE(CRegistry::Read(L"Dialog\\Panorama", L"Directory", L"", stored));
        std::wstring text = stored.str();
        if (text.size() > 3 && text.back() == L'\\')
            text.pop_back();
        EXPECT_EQ(::CompareStringOrdinal(text.c_str(), -1, folderAfter.c_str(), -1, TRUE), CSTR_EQUAL) << testing::PrintToString(text);
    }
}

TEST(PanoramaPreviews, TheCompassLabelsFollowTheCentreFlag)
{
    const std::pair<const wchar_t*, std::vector<std::wstring>> cases[] = {{L"1", {L"北", L"東", L"南", L"西", L"北"}},
                                                                          {L"0", {L"南", L"西", L"北", L"東", L"南"}}};
    for (const auto& [centreSouth, expected] : cases) {
        const auto run = RunPanorama({std::wstring(L"centresouth=") + centreSouth}, {L"dump", L"cancel"});
        std::vector<std::wstring> labels;
        for (int id = IDC_PANORAMA_STC_DAY_LABEL1; id <= IDC_PANORAMA_STC_DAY_LABEL5; ++id) {
            const auto label = run.Control(id);
            labels.push_back(label ? label->text : L"absent");
        }
        EXPECT_EQ(labels, expected) << testing::PrintToString(centreSouth);
    }
}

}  // namespace
