// The satellite dialog driven through the host: what it asks and in which order, the list it
// builds, the magnitude, the major limit with the bulk buttons, and the one command OK sends.
#include "dialogs/satellite/DlgASat.h"
#include "host/core/host_ids.h"
#include "tests/dialogs/satellite_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

using namespace kivtest::sat;
using kivhost::RunResult;

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (const wchar_t c : text)
        narrow += c < 128 ? static_cast<char>(c) : '?';
    return narrow;
}

std::wstring Visible(int number, bool on)
{
    return L"ArtificialSatellite." + std::to_wstring(number) + L".Visible = " + (on ? L"True" : L"False");
}

std::wstring StoredMajorLimit()
{
    CString value;
    CRegistry::Read(kSection, L"LimitToMajorObjects", L"(none)", value);
    return value.str();
}

class SatelliteDialog : public testing::Test {
protected:
    void SetUp() override { kivtest::ClearSettings(); }
    void TearDown() override { kivtest::ClearSettings(); }
};

TEST_F(SatelliteDialog, AsksForTheDisplayTheCountThenFiveQueriesPerPosition)
{
    const std::vector<Satellite> two = {{43013, "NOAA 20", "NOAA 20", "", "気象衛星", true},
                                        {25544, "ISS (ZARYA)", "ISS", "国際宇宙ステーション", "宇宙ステーション", false}};
    const auto run = RunASat(SkyOf(two), {L"cancel"});
    const std::vector<std::wstring> expected = {
        L"ArtificialSatellite.Name.Visible", L"ArtificialSatellite.Number.Visible", L"ArtificialSatellite.Count",
        L"ArtificialSatellite.Visible.InShadow", L"ArtificialSatellite.No1.Visible", L"ArtificialSatellite.No1.TLEName",
        L"ArtificialSatellite.No1.Number", L"ArtificialSatellite.43013.LocalName", L"ArtificialSatellite.43013.Type",
        L"ArtificialSatellite.No2.Visible", L"ArtificialSatellite.No2.TLEName", L"ArtificialSatellite.No2.Number",
        L"ArtificialSatellite.25544.LocalName", L"ArtificialSatellite.25544.Type", L"ArtificialSatellite.Magnitude"};
    EXPECT_EQ(run.Queries(), expected);
    EXPECT_EQ(run.result, RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
}

TEST_F(SatelliteDialog, TheParentOnlyConstructorAsksNothingAndTheClassKnowsItsBase)
{
    kivhost::HostSession session;
    {
        CDlgASat dialog(&session.Window());
        EXPECT_STREQ(dialog.GetRuntimeClass()->m_lpszClassName, "CDlgASat");
        ASSERT_NE(dialog.GetRuntimeClass()->m_pBaseClass, nullptr);
        EXPECT_STREQ(dialog.GetRuntimeClass()->m_pBaseClass->m_lpszClassName, "CZenDialog");
        EXPECT_TRUE(dialog.IsKindOf(&CDialog::classCDialog));
        EXPECT_EQ(dialog.m_pChannel, nullptr);
    }
    EXPECT_TRUE(session.GetJournal().Lines().empty());
}

TEST_F(SatelliteDialog, TheColourButtonRunsTheColourDialogOnTheNameColour)
{
    std::string state = SkyOf(FiveSatellites());
    state += "ArtificialSatellite.Name.Color = \"#3C6E3C\"\n";
    const auto run = RunASat(state, {L"click 1507", L"dump", L"type 706 255", L"ok", L"cancel"});
    auto commands = run.Commands();
    ASSERT_GE(commands.size(), 30u);
    commands.erase(commands.begin(), commands.begin() + 30);
    EXPECT_EQ(commands, (std::vector<std::wstring>{L"? ArtificialSatellite.Name.Color",
                                                   L"ArtificialSatellite.Name.Color = \"#FF6E3C\"", L"Show Sky"}));
    CString title;
    ASSERT_TRUE(title.LoadString(IDS_HOST_COLOR_TITLE));
    EXPECT_NE(std::find(run.journal.begin(), run.journal.end(), L"# dump " + title.str()), run.journal.end());
    EXPECT_EQ(run.result, RunResult::Cancel);
}

TEST_F(SatelliteDialog, ListsTheStationFirstThenByLabelWithoutRegardToCase)
{
    const auto run = RunASat(SkyOf(FiveSatellites()), {L"dump", L"cancel"});
    EXPECT_EQ(RowNumbers(run), (std::vector<int>{25544, 27424, 20580, 33591, 43013}));
    const auto rows = Rows(run);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], L"checked=1 \tISS (ZARYA)              (25544)\t国際宇宙ステーション\t宇宙ステーション");
    EXPECT_EQ(rows[1], L"checked=0 \tAQUA                     (27424)\t\t地球観測衛星");
    EXPECT_EQ(rows[4], L"checked=1 \tNOAA 20                  (43013)\t\t気象衛星");
    EXPECT_EQ(run.Control(1129)->sel, -1);
}

TEST_F(SatelliteDialog, TheStationStaysOnTopWhateverTheNames)
{
    const std::vector<Satellite> sats = {{11, "AAA", "AAA", "", "x", false},
                                         {25544, "ZZZ", "ZZZ", "", "x", false},
                                         {12, "aaa", "aaa", "", "x", false}};
    const auto run = RunASat(SkyOf(sats), {L"dump", L"cancel"});
    const auto numbers = RowNumbers(run);
    ASSERT_EQ(numbers.size(), 3u);
    EXPECT_EQ(numbers[0], 25544);
}

TEST_F(SatelliteDialog, ReadsBooleansAsTrueInAnyLetterCase)
{
    Display display;
    display.name = "\"true\"";
    display.number = "\"True\"";
    display.inShadow = "\"yes\"";
    std::string state = SkyOf({{5, "FIVE", "FIVE", "", "x", false}}, display);
    state += "ArtificialSatellite.5.Visible = \"tRUE\"\n";
    const auto run = RunASat(state, {L"dump", L"cancel"});
    EXPECT_EQ(run.Control(1503)->checked, 1);
    EXPECT_EQ(run.Control(1504)->checked, 1);
    EXPECT_EQ(run.Control(1550)->checked, 0);
    ASSERT_EQ(Rows(run).size(), 1u);
    EXPECT_TRUE(Checked(Rows(run)[0]));
}

TEST_F(SatelliteDialog, ColumnWidthsFollowTheLongestTextsAndTheScreen)
{
    const HDC screen = ::GetDC(nullptr);
    const int scale = ::GetDeviceCaps(screen, LOGPIXELSY) * 100 / 96;
    ::ReleaseDC(nullptr, screen);
    // Longest label 33 (a 26-character name), local name 10, type 8 characters.
    const std::vector<Satellite> sats = {
        {12345, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "A", "国際宇宙ステーション", "宇宙ステーション", false},
        {7, "B", "B", "", "その他", true}};
    const auto run = RunASat(SkyOf(sats), {L"dump", L"cancel"});
    const auto list = run.Control(1129);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->columns, (std::vector<int>{scale * 36 / 100, scale * 33 * 7 / 100, scale * 10 * 13 / 100,
                                               scale * 8 * 14 / 100}));
}

TEST_F(SatelliteDialog, ShowsTheHostMagnitudeRoundedToATenth)
{
    const std::pair<const char*, const wchar_t*> cases[] = {
        {"4.26", L"4.3"}, {"2.25", L"2.3"}, {"-2.25", L"-2.2"}, {"-4.75", L"-4.7"}, {"", L"0.0"}, {"12", L"12.0"}};
    for (const auto& [answer, shown] : cases) {
        Display display;
        display.magnitude = answer;
        const auto run = RunASat(SkyOf({}, display), {L"dump", L"cancel"});
        ASSERT_TRUE(run.Control(1548).has_value());
        EXPECT_EQ(run.Control(1548)->text, shown) << answer;
    }
}

TEST_F(SatelliteDialog, SpinStepsTenthsFromTheTypedValueWithinTheRange)
{
    struct Case {
        const wchar_t* typed;
        const wchar_t* direction;
        int presses;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"19.5", L"up", 10, L"20.0"}, {L"-1.9", L"down", 3, L"-2.0"}, {L"4.26", L"up", 1, L"4.4"},
        {L"4.26", L"down", 2, L"4.1"}, {L"abc", L"up", 1, L"0.1"},     {L"30", L"down", 1, L"20.0"},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> actions = {std::wstring(L"type 1548 ") + c.typed};
        for (int i = 0; i < c.presses; ++i)
            actions.push_back(std::wstring(L"spin 1549 ") + c.direction);
        actions.push_back(L"dump");
        actions.push_back(L"cancel");
        const auto run = RunASat(SkyOf({}), actions);
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_EQ(run.Control(1548)->text, c.shown) << Narrow(c.typed) << " " << Narrow(c.direction);
    }
}

TEST_F(SatelliteDialog, OkSendsOneSequenceInListOrderEndingWithShowSky)
{
    Display display;
    display.number = "TRUE";
    display.inShadow = "TRUE";
    display.magnitude = "6.5";
    // Untick the name labels, tick AQUA (row 1) and untick the station (row 0).
    const auto run = RunASat(SkyOf(FiveSatellites(), display), {L"click 1503", L"check 1129 1", L"check 1129 0", L"ok"});
    EXPECT_EQ(run.result, RunResult::Ok);
    ASSERT_EQ(run.Statements().size(), 1u);
    const std::wstring expected =
        L";ArtificialSatellite.Name.Visible = False;ArtificialSatellite.Number.Visible = True;"
        L"ArtificialSatellite.Visible.InShadow = True;ArtificialSatellite.Magnitude = 6.5;"
        L"ArtificialSatellite.25544.Visible = False;ArtificialSatellite.27424.Visible = True;"
        L"ArtificialSatellite.20580.Visible = False;ArtificialSatellite.33591.Visible = False;"
        L"ArtificialSatellite.43013.Visible = True;Show Sky;";
    EXPECT_EQ(run.Statements()[0], expected);
}

TEST_F(SatelliteDialog, OkTellsTheHostWhatTheUserTicked)
{
    std::string after;
    RunASat(SkyOf(FiveSatellites()), {L"check 1129 2", L"type 1548 7.3", L"ok"}, &after);
    const auto reopened = RunASat(after, {L"dump", L"cancel"});
    const auto rows = Rows(reopened);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_TRUE(Checked(rows[2]));  // HST, ticked by the user
    EXPECT_TRUE(Checked(rows[0]));
    EXPECT_FALSE(Checked(rows[1]));
    EXPECT_EQ(reopened.Control(1548)->text, L"7.3");
}

TEST_F(SatelliteDialog, OkRefusesAMagnitudeOutsideTheRangeAndSendsNothing)
{
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"20.5", false}, {L"-2.1", false}, {L"20.0", true}, {L"-2.0", true}, {L"abc", true}};
    for (const auto& [typed, accepted] : cases) {
        const auto run = RunASat(SkyOf(FiveSatellites()), {std::wstring(L"type 1548 ") + typed, L"focus 1", L"ok"});
        if (accepted) {
            EXPECT_EQ(run.result, RunResult::Ok) << Narrow(typed);
            EXPECT_TRUE(run.Messages().empty()) << Narrow(typed);
            continue;
        }
        // The dialog stayed open: the driver cancelled it when the script was done.
        EXPECT_EQ(run.result, RunResult::Cancel) << Narrow(typed);
        EXPECT_TRUE(run.Statements().empty()) << Narrow(typed);
        EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"info 表示等級には -2.0 から 20.0 までの値を入力してください。"});
    }
}

TEST_F(SatelliteDialog, MajorLimitKeepsOnlyRowsWithALocalNameAndOkNamesOnlyThem)
{
    const auto run = RunASat(SkyOf(FiveSatellites()), {L"click 1508", L"dump", L"ok"});
    EXPECT_EQ(RowNumbers(run), (std::vector<int>{25544, 20580}));
    const auto statements = OkStatements(run);
    ASSERT_EQ(statements.size(), 7u);
    EXPECT_EQ(statements[4], Visible(25544, true));
    EXPECT_EQ(statements[5], Visible(20580, false));
    EXPECT_EQ(statements[6], L"Show Sky");
    EXPECT_EQ(StoredMajorLimit(), L"1");
}

TEST_F(SatelliteDialog, MajorLimitAsksForEachPositionsNumberAndLocalName)
{
    const std::vector<Satellite> sats = {{43013, "NOAA 20", "NOAA 20", "", "気象衛星", true},
                                         {25544, "ISS (ZARYA)", "ISS", "国際宇宙ステーション", "宇宙ステーション", false}};
    const auto run = RunASat(SkyOf(sats), {L"click 1508", L"click 1508", L"cancel"});
    auto queries = run.Queries();
    ASSERT_GE(queries.size(), 15u);
    queries.erase(queries.begin(), queries.begin() + 15);
    const std::vector<std::wstring> expected = {
        // On: two queries per position, the non-major row goes.
        L"ArtificialSatellite.No1.Number", L"ArtificialSatellite.43013.LocalName", L"ArtificialSatellite.No2.Number",
        L"ArtificialSatellite.25544.LocalName",
        // Off: the non-major row comes back, built as at opening.
        L"ArtificialSatellite.No1.Number", L"ArtificialSatellite.43013.LocalName", L"ArtificialSatellite.No1.Visible",
        L"ArtificialSatellite.No1.TLEName", L"ArtificialSatellite.No1.Number", L"ArtificialSatellite.43013.LocalName",
        L"ArtificialSatellite.43013.Type", L"ArtificialSatellite.No2.Number", L"ArtificialSatellite.25544.LocalName"};
    EXPECT_EQ(queries, expected);
}

struct ReturnCase {
    const char* name;
    std::vector<std::wstring> whileLimited;
    bool returningChecked[3];  // 27424, 33591, 43013 (host: off, off, on)
};

class SatelliteReturningRows : public testing::TestWithParam<ReturnCase> {
protected:
    void SetUp() override { kivtest::ClearSettings(); }
    void TearDown() override { kivtest::ClearSettings(); }
};

TEST_P(SatelliteReturningRows, TakeTheBulkButtonsStateElseTheHosts)
{
    std::vector<std::wstring> actions = {L"click 1508"};
    actions.insert(actions.end(), GetParam().whileLimited.begin(), GetParam().whileLimited.end());
    actions.insert(actions.end(), {L"click 1508", L"dump", L"cancel"});
    const auto run = RunASat(SkyOf(FiveSatellites()), actions);
    EXPECT_EQ(run.driverFailures, 0);
    const auto rows = Rows(run);
    ASSERT_EQ(RowNumbers(run), (std::vector<int>{25544, 27424, 20580, 33591, 43013}));
    EXPECT_EQ(Checked(rows[1]), GetParam().returningChecked[0]);
    EXPECT_EQ(Checked(rows[3]), GetParam().returningChecked[1]);
    EXPECT_EQ(Checked(rows[4]), GetParam().returningChecked[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, SatelliteReturningRows,
    testing::Values(ReturnCase{"None", {}, {false, false, true}},
                    ReturnCase{"ClearAll", {L"click 1506"}, {false, false, false}},
                    ReturnCase{"SelectAll", {L"click 1505"}, {true, true, true}},
                    ReturnCase{"ClearThenSelect", {L"click 1506", L"click 1505"}, {true, true, true}},
                    ReturnCase{"SelectThenClear", {L"click 1505", L"click 1506"}, {false, false, false}}),
    [](const testing::TestParamInfo<ReturnCase>& info) { return info.param.name; });

TEST_F(SatelliteDialog, AMajorRowKeepsTheUsersTickThroughTheToggle)
{
    // HST (row 2, host: off) is ticked by the user, then the limit goes on and off.
    const auto run = RunASat(SkyOf(FiveSatellites()), {L"check 1129 2", L"click 1508", L"click 1508", L"dump", L"ok"});
    const auto rows = Rows(run);
    ASSERT_EQ(RowNumber(rows[2]), 20580);
    EXPECT_TRUE(Checked(rows[2]));
    const auto statements = OkStatements(run);
    EXPECT_NE(std::find(statements.begin(), statements.end(), Visible(20580, true)), statements.end());
}

TEST_F(SatelliteDialog, SelectAllAndClearAllTouchEveryListedRow)
{
    const auto run = RunASat(SkyOf(FiveSatellites()), {L"click 1505", L"dump", L"click 1506", L"dump", L"cancel"});
    for (const std::wstring& row : Rows(run, 0))
        EXPECT_TRUE(Checked(row));
    for (const std::wstring& row : Rows(run, 1))
        EXPECT_FALSE(Checked(row));
    EXPECT_TRUE(run.Statements().empty());
}

TEST_F(SatelliteDialog, TheStoredLimitAppliesAtOpeningAndIsWrittenOnCancelToo)
{
    CRegistry::Write(kSection, L"LimitToMajorObjects", 1, 0);
    const auto limited = RunASat(SkyOf(FiveSatellites()), {L"dump", L"click 1508", L"cancel"});
    EXPECT_EQ(limited.Control(1508)->checked, 1);
    EXPECT_EQ(RowNumbers(limited), (std::vector<int>{25544, 20580}));
    // The user lifted the limit, then cancelled: nothing went to the host, the flag did.
    EXPECT_TRUE(limited.Statements().empty());
    EXPECT_EQ(StoredMajorLimit(), L"0");
    const auto reopened = RunASat(SkyOf(FiveSatellites()), {L"dump", L"cancel"});
    EXPECT_EQ(reopened.Control(1508)->checked, 0);
    EXPECT_EQ(Rows(reopened).size(), 5u);
}

TEST_F(SatelliteDialog, AnEmptyCatalogueOpensAndOkSendsTheDisplaySettings)
{
    const auto run = RunASat(SkyOf({}), {L"dump", L"click 1505", L"click 1508", L"ok"});
    EXPECT_TRUE(Rows(run).empty());
    ASSERT_EQ(run.Statements().size(), 1u);
    EXPECT_EQ(run.Statements()[0], L";ArtificialSatellite.Name.Visible = True;ArtificialSatellite.Number.Visible = False;"
                                   L"ArtificialSatellite.Visible.InShadow = False;ArtificialSatellite.Magnitude = 4.0;"
                                   L"Show Sky;");
}

TEST_F(SatelliteDialog, CancelAfterChangesSendsNothing)
{
    const auto run = RunASat(SkyOf(FiveSatellites()),
                             {L"click 1503", L"check 1129 3", L"click 1505", L"spin 1549 up", L"click 1508", L"cancel"});
    EXPECT_EQ(run.result, RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
}

TEST_F(SatelliteDialog, TheDefaultSkyListsEverySatellite)
{
    const auto run = kivtest::Run({L"CDlgASat", "", true, {}, {L"dump", L"cancel"}});
    const auto rows = Rows(run);
    ASSERT_GT(rows.size(), 5000u);
    EXPECT_EQ(RowNumber(rows[0]), 25544);
}

}  // namespace
