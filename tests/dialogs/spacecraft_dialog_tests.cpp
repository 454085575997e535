// The spacecraft dialog driven through the host: its queries, OK's command text, the trajectory
// rules of the solar-system projection and the data span of the selected craft.
#include "dialogs/meteor_spacecraft/DlgSpacecraft.h"
#include "tests/dialogs/mark_list_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using kivtest::OkCommand;
using kivtest::RowMarks;

namespace {

constexpr int kList = 1537;

std::string Craft(int n, const char* name, const char* visible, const char* jp, const char* en, const char* trajectory,
                  const char* start = "2451544.5", const char* end = "2451545.5")
{
    const std::string k = "Solar.Spacecraft.#" + std::to_string(n);
    return "New " + k + "\n" + k + ".JapaneseName = \"" + name + "\"\n" + k + ".Visible = " + visible + "\n" + k +
           ".JapaneseName.Visible = " + jp + "\n" + k + ".EnglishName.Visible = " + en + "\n" + k +
           ".Trajectory.Visible = " + trajectory + "\n" + k + ".data.start = " + start + "\n" + k + ".data.end = " + end +
           "\n";
}

std::string Sky(const std::string& craft, const char* projection = "SolarSystem")
{
    return std::string("View.Projection = ") + projection + "\n" + craft;
}

// Voyager 1 shown with its Japanese name; Hayabusa hidden.
const std::string kTwoCraft = Craft(1, "ボイジャー1号", "TRUE", "TRUE", "FALSE", "TRUE", "2443391.5", "2462866.5") +
                              Craft(2, "はやぶさ", "FALSE", "FALSE", "FALSE", "FALSE", "2452772.5", "2455362.5");

kivtest::DialogRun RunCraft(const std::string& state, std::vector<std::wstring> actions)
{
    return kivtest::Run({L"CDlgSpacecraft", state, false, {}, std::move(actions)});
}

std::wstring Text(const kivtest::DialogRun& run, int id, size_t dump = 0)
{
    const auto control = run.Control(id, dump);
    return control ? control->text : L"(missing)";
}

TEST(SpacecraftDialog, AsksInOrderThenForTheSpanOfRowZero)
{
    const auto run = RunCraft(Sky(kTwoCraft), {L"dump", L"cancel"});
    const std::vector<std::wstring> expected = {
        L"View.Projection",
        L"Solar.Spacecraft.Count",
        L"Solar.Spacecraft.#1.JapaneseName",
        L"Solar.Spacecraft.#2.JapaneseName",
        L"Solar.Spacecraft.#1.Visible",
        L"Solar.Spacecraft.#1.JapaneseName.Visible",
        L"Solar.Spacecraft.#1.EnglishName.Visible",
        L"Solar.Spacecraft.#1.Trajectory.Visible",
        L"Solar.Spacecraft.#2.Visible",
        L"Solar.Spacecraft.#2.JapaneseName.Visible",
        L"Solar.Spacecraft.#2.EnglishName.Visible",
        L"Solar.Spacecraft.#2.Trajectory.Visible",
        L"Solar.Spacecraft.#1.data.start",
        L"Solar.Spacecraft.#1.data.end",
    };
    EXPECT_EQ(run.Queries(), expected) << "drawing asks nothing";
    const auto list = run.Control(kList);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->sel, 0);
    EXPECT_EQ(RowMarks(run, kList), (std::vector<std::wstring>{L"1,1,1,0,1", L"0,0,1,0,0"}));
    EXPECT_EQ(Text(run, 12106), L"1977/09/05 00:00:00 (UT)");
    EXPECT_EQ(Text(run, 12107), L"2030/12/31 00:00:00 (UT)");
    EXPECT_EQ(Text(run, 12109), L"19,475日");
}

TEST(SpacecraftDialog, SendsOneCommandTextInRecordOrder)
{
    const auto run = RunCraft(Sky(kTwoCraft), {L"ok"});
    EXPECT_EQ(OkCommand(run),
              L";Solar.Spacecraft.#1.Visible = True;Solar.Spacecraft.#1.Name.Visible = True;"
              L"Solar.Spacecraft.#1.JapaneseName.Visible = True;Solar.Spacecraft.#1.EnglishName.Visible = False;"
              L"Solar.Spacecraft.#1.Trajectory.Visible = True;"
              L"Solar.Spacecraft.#2.Visible = False;Solar.Spacecraft.#2.Name.Visible = False;"
              L"Solar.Spacecraft.#2.JapaneseName.Visible = False;Solar.Spacecraft.#2.EnglishName.Visible = False;"
              L"Solar.Spacecraft.#2.Trajectory.Visible = False;Show Sky;");
}

struct CraftCase {
    const char* name;
    const char* projection;
    const char* jp;
    const char* en;
    std::vector<std::wstring> actions;
    std::wstring marks;     // row 0 after the actions
    std::wstring sent;      // row 0's statements in OK's command text
};

class SpacecraftMarks : public testing::TestWithParam<CraftCase> {};

TEST_P(SpacecraftMarks, FollowTheRulesAndReachTheHost)
{
    const auto& param = GetParam();
    std::vector<std::wstring> actions = param.actions;
    actions.push_back(L"dump");
    actions.push_back(L"ok");
    const auto run = RunCraft(Sky(Craft(1, "カッシーニ", "TRUE", param.jp, param.en, "FALSE"), param.projection), actions);
    EXPECT_EQ(run.driverFailures, 0);
    const auto marks = RowMarks(run, kList);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0], param.marks);
    EXPECT_EQ(OkCommand(run), L";" + param.sent + L"Show Sky;");
}

const wchar_t kJapanese[] = L"Solar.Spacecraft.#1.Visible = True;Solar.Spacecraft.#1.Name.Visible = True;"
                            L"Solar.Spacecraft.#1.JapaneseName.Visible = True;Solar.Spacecraft.#1.EnglishName.Visible = False;";
const wchar_t kEnglish[] = L"Solar.Spacecraft.#1.Visible = True;Solar.Spacecraft.#1.Name.Visible = True;"
                           L"Solar.Spacecraft.#1.EnglishName.Visible = True;Solar.Spacecraft.#1.JapaneseName.Visible = False;";
const wchar_t kNoName[] = L"Solar.Spacecraft.#1.Visible = True;Solar.Spacecraft.#1.Name.Visible = False;"
                          L"Solar.Spacecraft.#1.JapaneseName.Visible = False;Solar.Spacecraft.#1.EnglishName.Visible = False;";
const wchar_t kHidden[] = L"Solar.Spacecraft.#1.Visible = False;Solar.Spacecraft.#1.Name.Visible = True;"
                          L"Solar.Spacecraft.#1.JapaneseName.Visible = True;Solar.Spacecraft.#1.EnglishName.Visible = False;";
const wchar_t kTrjOn[] = L"Solar.Spacecraft.#1.Trajectory.Visible = True;";
const wchar_t kTrjOff[] = L"Solar.Spacecraft.#1.Trajectory.Visible = False;";

INSTANTIATE_TEST_SUITE_P(
    Rules, SpacecraftMarks,
    testing::Values(
        CraftCase{"BothNamesMeanEnglish", "SolarSystem", "TRUE", "TRUE", {}, L"1,1,0,1,0", std::wstring(kEnglish) + kTrjOff},
        CraftCase{"NoNameThenNameOnIsJapanese", "SolarSystem", "FALSE", "FALSE", {L"mark 1537 0 1105"}, L"1,1,1,0,0",
                  std::wstring(kJapanese) + kTrjOff},
        CraftCase{"TrajectoryClickInSolarSystem", "SolarSystem", "TRUE", "FALSE", {L"mark 1537 0 1262"}, L"1,1,1,0,1",
                  std::wstring(kJapanese) + kTrjOn},
        CraftCase{"ProjectionMatchedWithoutCase", "solarsystem", "TRUE", "FALSE", {L"key 1537 T"}, L"1,1,1,0,1",
                  std::wstring(kJapanese) + kTrjOn},
        CraftCase{"TrajectoryClickRefusedElsewhere", "Stereographic", "TRUE", "FALSE", {L"mark 1537 0 1262"},
                  L"1,1,1,0,0", std::wstring(kJapanese) + kTrjOff},
        CraftCase{"TrajectoryKeyRefusedElsewhere", "Stereographic", "TRUE", "FALSE", {L"key 1537 T", L"key 1537 E"},
                  L"1,1,0,1,0", std::wstring(kEnglish) + kTrjOff},
        CraftCase{"HiddenCraftRefusesNameAndTrajectory", "SolarSystem", "TRUE", "FALSE",
                  {L"key 1537 V", L"key 1537 N", L"key 1537 E", L"key 1537 T"}, L"0,1,1,0,0",
                  std::wstring(kHidden) + kTrjOff},
        CraftCase{"NameOffByKey", "SolarSystem", "TRUE", "FALSE", {L"key 1537 N"}, L"1,0,1,0,0",
                  std::wstring(kNoName) + kTrjOff},
        CraftCase{"DoubleClickOnViewTogglesTwice", "SolarSystem", "TRUE", "FALSE", {L"dblmark 1537 0 1101"}, L"1,1,1,0,0",
                  std::wstring(kJapanese) + kTrjOff},
        CraftCase{"BulkEnglish", "SolarSystem", "TRUE", "FALSE", {L"click 1015"}, L"1,1,0,1,0",
                  std::wstring(kEnglish) + kTrjOff},
        CraftCase{"BulkTrajectoryOn", "SolarSystem", "TRUE", "FALSE", {L"click 1017"}, L"1,1,1,0,1",
                  std::wstring(kJapanese) + kTrjOn}),
    [](const testing::TestParamInfo<CraftCase>& info) { return info.param.name; });

TEST(SpacecraftDialog, TrajectoryButtonsOnlyInTheSolarSystemProjection)
{
    for (const auto& [projection, enabled] : {std::pair{"SolarSystem", true}, std::pair{"SOLARSYSTEM", true},
                                              std::pair{"Stereographic", false}, std::pair{"\"\"", false}}) {
        const auto run = RunCraft(Sky(kTwoCraft, projection), {L"dump", L"cancel"});
        for (const int id : {1017, 1019}) {
            const auto button = run.Control(id);
            ASSERT_TRUE(button.has_value());
            EXPECT_EQ(button->enabled, enabled) << projection << " " << id;
        }
        const auto view = run.Control(1220);
        ASSERT_TRUE(view.has_value());
        EXPECT_TRUE(view->enabled) << projection;
    }
}

TEST(SpacecraftDialog, OutsideTheSolarSystemTheTrajectoryClickDoesNotSelect)
{
    const auto run = RunCraft(Sky(kTwoCraft, "Stereographic"), {L"mark 1537 1 1262", L"mark 1537 1 1101", L"dump", L"cancel"});
    const auto list = run.Control(kList);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->sel, 0) << "neither press moved the selection";
    EXPECT_EQ(RowMarks(run, kList), (std::vector<std::wstring>{L"1,1,1,0,1", L"1,0,1,0,0"}));
    EXPECT_EQ(Text(run, 12106), L"1977/09/05 00:00:00 (UT)") << "the span still shows the craft selected before";
}

TEST(SpacecraftDialog, EverySelectionAsksForItsSpanAfresh)
{
    const auto run = RunCraft(Sky(kTwoCraft), {L"select 1537 1", L"dump", L"select 1537 0", L"select 1537 1", L"dump", L"cancel"});
    const auto queries = run.Queries();
    const std::vector<std::wstring> spans(queries.end() - 8, queries.end());
    EXPECT_EQ(spans, (std::vector<std::wstring>{L"Solar.Spacecraft.#1.data.start", L"Solar.Spacecraft.#1.data.end",
                                                 L"Solar.Spacecraft.#2.data.start", L"Solar.Spacecraft.#2.data.end",
                                                 L"Solar.Spacecraft.#1.data.start", L"Solar.Spacecraft.#1.data.end",
                                                 L"Solar.Spacecraft.#2.data.start", L"Solar.Spacecraft.#2.data.end"}));
    EXPECT_EQ(Text(run, 12106, 1), L"2003/05/13 00:00:00 (UT)");
    EXPECT_EQ(Text(run, 12107, 1), L"2010/06/15 00:00:00 (UT)");
    EXPECT_EQ(Text(run, 12109, 1), L"2,590日");
}

struct SpanCase {
    const char* name;
    const char* start;
    const char* end;
    const wchar_t* startText;
    const wchar_t* endText;
    const wchar_t* days;
};

class SpacecraftSpan : public testing::TestWithParam<SpanCase> {};

TEST_P(SpacecraftSpan, ShowsTheDatesToTheSecondAndTheGroupedDays)
{
    const auto& param = GetParam();
    const auto run = RunCraft(Sky(Craft(1, "ジュノー", "TRUE", "TRUE", "FALSE", "FALSE", param.start, param.end)),
                              {L"dump", L"cancel"});
    EXPECT_EQ(Text(run, 12106), param.startText);
    EXPECT_EQ(Text(run, 12107), param.endText);
    EXPECT_EQ(Text(run, 12109), param.days);
    for (const int id : {12103, 12104, 12105, 12106, 12107}) {
        const auto control = run.Control(id);
        ASSERT_TRUE(control.has_value());
        EXPECT_TRUE(control->enabled) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spans, SpacecraftSpan,
    testing::Values(
        // 23:59:59.7 on the last day of 1999 rounds into the next day, month and year.
        SpanCase{"RoundsIntoTheNewYear", "2451544.4999965", "2451545.0", L"2000/01/01 00:00:00 (UT)",
                 L"2000/01/01 12:00:00 (UT)", L"0日"},
        SpanCase{"StaysBeforeHalfASecond", "2451544.49999", "2451545.5", L"1999/12/31 23:59:59 (UT)",
                 L"2000/01/02 00:00:00 (UT)", L"1日"},
        SpanCase{"LeapDayOf2000", "2451603.4999965", "2451604.5", L"2000/02/29 00:00:00 (UT)", L"2000/03/01 00:00:00 (UT)",
                 L"1日"},
        SpanCase{"No29FebruaryIn1900", "2415079.4999965", "2415080.0", L"1900/03/01 00:00:00 (UT)",
                 L"1900/03/01 12:00:00 (UT)", L"0日"},
        SpanCase{"GroupsThousands", "2451545.0", "2463890.6", L"2000/01/01 12:00:00 (UT)", L"2033/10/20 02:24:00 (UT)",
                 L"12,345日"},
        SpanCase{"Millions", "2451545.0", "3686112.0", L"2000/01/01 12:00:00 (UT)", L"5380/02/17 12:00:00 (UT)",
                 L"1,234,567日"},
        SpanCase{"UnreadableAnswersAreDayZero", "\"soon\"", "\"\"", L"-4712/01/01 12:00:00 (UT)",
                 L"-4712/01/01 12:00:00 (UT)", L"0日"}),
    [](const testing::TestParamInfo<SpanCase>& info) { return info.param.name; });

TEST(SpacecraftDialog, NoCraftShowsTheDashesWithTheSpanDisabled)
{
    const auto run = RunCraft("View.Projection = SolarSystem\n", {L"dump", L"key 1537 V", L"ok"});
    EXPECT_EQ(Text(run, 12106), L"----/--/-- --:--:-- (UT)");
    EXPECT_EQ(Text(run, 12107), L"----/--/-- --:--:-- (UT)");
    EXPECT_EQ(Text(run, 12109), L"--- (days)");
    for (const int id : {12103, 12104, 12105, 12106, 12107}) {
        const auto control = run.Control(id);
        ASSERT_TRUE(control.has_value());
        EXPECT_FALSE(control->enabled) << id;
    }
    for (const int id : {12108, 12109}) {
        const auto control = run.Control(id);
        ASSERT_TRUE(control.has_value());
        EXPECT_TRUE(control->enabled) << id;
    }
    EXPECT_EQ(OkCommand(run), L";Show Sky;");
}

TEST(MarkListDialogs, ColourButtonOpensTheColourDialogOnTheirKey)
{
    const struct {
        const wchar_t* dialog;
        const wchar_t* button;
        const wchar_t* key;
    } cases[] = {{L"CDlgMeteor", L"click 1212", L"Meteor.Swarm.Radiant.Name.Color"},
                 {L"CDlgSpacecraft", L"click 1150", L"Solar.Spacecraft.Name.Color"}};
    for (const auto& c : cases) {
        // The second cancel closes the colour dialog's owner: nothing of the owner reaches the host.
        const auto run = kivtest::Run({c.dialog, "", true, {}, {c.button, L"cancel", L"cancel"}});
        EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
        const auto queries = run.Queries();
        EXPECT_NE(std::find(queries.begin(), queries.end(), c.key), queries.end()) << testing::PrintToString(c.dialog);
        EXPECT_TRUE(run.Statements().empty());
    }
}

// Both mark lists go on past a thousand objects, to the last one the host reports.
TEST(MarkListDialogs, ListEveryObjectPastAThousand)
{
    constexpr int kObjects = 1001;
    std::string swarms = "View.Coordinate = Horizon\nMeteor.Multiplier = 1.0\n";
    std::string craft;
    for (int n = 1; n <= kObjects; ++n) {
        const std::string swarm = "Meteor.Swarm.S" + std::to_string(n);
        swarms += "New " + swarm + "\n" + swarm + ".Name = \"S\"\n";
        craft += Craft(n, "C", "FALSE", "FALSE", "FALSE", "FALSE");
    }
    struct Case {
        const wchar_t* dialog;
        std::string state;
        int list;
        const wchar_t* lastStatement;
    };
    const Case cases[] = {
        {L"CDlgMeteor", swarms, 1508, L";Meteor.Swarm.S1001.Visible = False;"},
        {L"CDlgSpacecraft", Sky(craft), kList, L";Solar.Spacecraft.#1001.Visible = False;"},
    };
    for (const Case& c : cases) {
        const auto run = kivtest::Run({c.dialog, c.state, false, {}, {L"dump", L"ok"}});
        EXPECT_EQ(RowMarks(run, c.list).size(), static_cast<size_t>(kObjects));
        EXPECT_NE(OkCommand(run).find(c.lastStatement), std::wstring::npos);
    }
}

TEST(SpacecraftDialog, CancelAfterChangesSendsNothing)
{
    const auto run = RunCraft(Sky(kTwoCraft), {L"mark 1537 1 1101", L"click 1017", L"key 1537 N", L"select 1537 1", L"cancel"});
    EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
}

struct DateCase {
    double jd;
    const wchar_t* text;
};

// Published Julian days of the dates, at the precision a host's double holds them.
TEST(SpanDate, FormatsPublishedJulianDays)
{
    const DateCase cases[] = {
        {2451545.0, L"2000/01/01 12:00:00"},     {2299160.5, L"1582/10/15 00:00:00"},
        {2443391.5, L"1977/09/05 00:00:00"},     {2460310.5, L"2024/01/01 00:00:00"},
        {2436116.31, L"1957/10/04 19:26:24"},    {2451544.4999965, L"2000/01/01 00:00:00"},
        {2451544.49999, L"1999/12/31 23:59:59"}, {2447892.5 - 0.4 / 86400, L"1990/01/01 00:00:00"},
        {2451604.5 - 0.6 / 86400, L"2000/02/29 23:59:59"},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(FormatSpanDate(c.jd, L"%d/%02d/%02d %02d:%02d:%02d").str(), c.text) << c.jd;
}

TEST(SpanDays, GroupsEveryThirdDigit)
{
    const struct {
        double start, end;
        const wchar_t* text;
    } cases[] = {{0.0, 0.2, L"0"},        {10.0, 22.2, L"12"},          {0.0, 999.9, L"999"},
                 {0.0, 1000.0, L"1,000"}, {0.3, 1234.9, L"1,234"},     {100.0, 12445.6, L"12,345"},
                 {0.0, 123456.0, L"123,456"}, {0.0, 1234567.0, L"1,234,567"}, {0.0, 3e12, L"2,147,483,647"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatSpanDays(c.start, c.end).str(), c.text) << c.start << " " << c.end;
}

}  // namespace
