// The meteor and spacecraft dialogs, whose lists carry a row of marks per object: what they ask,
// OK's command text, the marks under presses, keys and bulk buttons, the meteor multiplier, the
// enable rules of the view and the data span of the selected craft.
#include "dialogs/meteor_spacecraft/DlgSpacecraft.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

using kivhost::RunResult;
using kivtest::DialogRun;

constexpr int kSwarms = 1508, kCraft = 1537;

// The marks of every row, as "1,0,1,1,0", in row order; empty when the list was not dumped.
std::vector<std::wstring> RowMarks(const DialogRun& run, int listID, size_t dump = 0)
{
    std::vector<std::wstring> marks;
    const auto list = run.Control(listID, dump);
    for (const std::wstring& item : list ? list->items : std::vector<std::wstring>{}) {
        const size_t begin = item.find(L"marks=");
        marks.push_back(begin == std::wstring::npos ? L"?" : item.substr(begin + 6, item.find(L' ', begin) - begin - 6));
    }
    return marks;
}

// The one command text OK sent; empty when nothing was sent.
std::wstring OkCommand(const DialogRun& run)
{
    const auto statements = run.Statements();
    return statements.size() == 1 ? statements[0] : std::wstring();
}

// The three statements OK sends for the label keys under prefix: 'J' the Japanese name shown,
// 'E' the English one, anything else no name.
std::wstring LabelSent(const std::wstring& p, char shown)
{
    if (shown == 'J')
        return p + L"Name.Visible = True;" + p + L"JapaneseName.Visible = True;" + p + L"EnglishName.Visible = False;";
    if (shown == 'E')
        return p + L"Name.Visible = True;" + p + L"EnglishName.Visible = True;" + p + L"JapaneseName.Visible = False;";
    return p + L"Name.Visible = False;" + p + L"JapaneseName.Visible = False;" + p + L"EnglishName.Visible = False;";
}

std::string Swarm(const char* english, const char* name, const char* visible, const char* radiant, const char* jp,
                  const char* en)
{
    const std::string k = std::string("Meteor.Swarm.") + english;
    return "New " + k + "\n" + k + ".Name = \"" + name + "\"\n" + k + ".Visible = " + visible + "\n" + k +
           ".Radiant.Visible = " + radiant + "\n" + k + ".Radiant.Name.Visible = FALSE\n" + k +
           ".Radiant.JapaneseName.Visible = " + jp + "\n" + k + ".Radiant.EnglishName.Visible = " + en + "\n";
}

std::string MeteorSky(const std::string& swarms, const char* coordinate = "Horizon", const char* multiplier = "1.5",
                      const char* scatter = "TRUE")
{
    return std::string("View.Coordinate = ") + coordinate + "\nMeteor.Scatter.Visible = " + scatter +
           "\nMeteor.Multiplier = " + multiplier + "\n" + swarms;
}

// Perseids (row 0) shown with its radiant and its Japanese name; Lyrids (row 1) hidden, radiant off.
const std::string kTwoSwarms = Swarm("Perseids", "ペルセウス座流星群", "TRUE", "TRUE", "TRUE", "FALSE") +
                               Swarm("Lyrids", "こと座流星群", "FALSE", "FALSE", "FALSE", "FALSE");

DialogRun RunMeteor(const std::string& state, std::vector<std::wstring> actions)
{
    return kivtest::Run({L"CDlgMeteor", state, false, {}, std::move(actions)});
}

TEST(MeteorDialog, AsksInOrderAndAgainForEveryRowDrawn)
{
    const auto run = RunMeteor(MeteorSky(kTwoSwarms), {L"dump", L"cancel"});
    const std::vector<std::wstring> opening = {
        L"meteor.swarm.count", L"meteor.swarm.no1.name", L"meteor.swarm.no1.englishname", L"meteor.swarm.no2.name",
        L"meteor.swarm.no2.englishname", L"Meteor.Scatter.Visible", L"Meteor.Swarm.Perseids.Visible",
        L"Meteor.Swarm.Perseids.Radiant.Visible", L"Meteor.Swarm.Perseids.Radiant.JapaneseName.Visible",
        L"Meteor.Swarm.Perseids.Radiant.EnglishName.Visible", L"Meteor.Swarm.Lyrids.Visible",
        L"Meteor.Swarm.Lyrids.Radiant.Visible", L"Meteor.Swarm.Lyrids.Radiant.JapaneseName.Visible",
        L"Meteor.Swarm.Lyrids.Radiant.EnglishName.Visible", L"Meteor.Multiplier", L"view.coordinate"};
    const auto queries = run.Queries();
    ASSERT_GE(queries.size(), opening.size() + 2);
    EXPECT_EQ(std::vector<std::wstring>(queries.begin(), queries.begin() + opening.size()), opening);
    // Drawing the two rows asks for the coordinates again, and nothing else.
    EXPECT_EQ(static_cast<size_t>(std::count(queries.begin() + opening.size(), queries.end(), L"view.coordinate")),
              queries.size() - opening.size());
    EXPECT_EQ(RowMarks(run, kSwarms), (std::vector<std::wstring>{L"1,1,1,1,0", L"0,0,0,1,0"}));
}

TEST(MeteorDialog, ReadsTheRadiantLabelAndSendsItAsThreeStatements)
{
    // Shown when either name is, in Japanese unless the English name is; only "TRUE" itself is true.
    const std::tuple<const char*, const char*, char> cases[] = {
        {"TRUE", "FALSE", 'J'}, {"TRUE", "TRUE", 'E'}, {"FALSE", "FALSE", '-'}, {"\"true\"", "\"True\"", '-'}};
    for (const auto& [jp, en, shown] : cases) {
        const auto run = RunMeteor(MeteorSky(Swarm("Perseids", "ペルセウス座流星群", "TRUE", "TRUE", jp, en)), {L"ok"});
        EXPECT_EQ(OkCommand(run), L";Meteor.Scatter.Visible = True;Meteor.Swarm.Perseids.Visible = True;"
                                  L"Meteor.Swarm.Perseids.Radiant.Visible = True;" +
                                      LabelSent(L"Meteor.Swarm.Perseids.Radiant.", shown) +
                                      L"Meteor.Multiplier = 1.5;Show Sky;")
            << jp << " " << en;
    }
}

TEST(MeteorDialog, TheMultiplierStepsTenthsBelowTenWholeNumbersAboveAndIsCheckedOnOk)
{
    const std::wstring up = L"spin 1534 up", down = L"spin 1534 down";
    const struct {
        const char* start;
        std::vector<std::wstring> actions;
        const wchar_t* sent;  // the multiplier OK sends; null: OK refused the value
    } cases[] = {
        {"10.0", {down}, L"9.0"}, {"9.8", {up, up, up}, L"11.0"}, {"12.34", {up}, L"13.3"},
        {"0.1", {down}, L"0.1"}, {"999.5", {up}, L"1000.0"},
        // A typed value over the top becomes the top at once; OK rounds to a tenth and refuses too small a value.
        {"1.5", {L"type 1515 1500"}, L"1000.0"}, {"1.5", {L"type 1515 2.34"}, L"2.3"}, {"1.5", {L"type 1515 0.05"}, nullptr},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> actions = c.actions;
        actions.push_back(L"ok");
        const auto run = RunMeteor(MeteorSky("", "Horizon", c.start), actions);
        SCOPED_TRACE(std::string(c.start) + " then " + std::to_string(c.actions.size()) + " actions");
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_EQ(OkCommand(run), c.sent ? L";Meteor.Scatter.Visible = True;Meteor.Multiplier = " + std::wstring(c.sent) + L";Show Sky;"
                                         : L"");
        EXPECT_EQ(run.Messages(), c.sent ? std::vector<std::wstring>{}
                                         : std::vector<std::wstring>{L"info 出現確率には 0.1 から 1000.0 の値を入力してください。"});
    }
}

TEST(MeteorDialog, EnablesTheHorizonControlsOnlyInHorizonCoordinates)
{
    const int horizonOnly[] = {1210, 1542, 1515, 1534, 1541, 1213, 1214};
    const int alwaysOn[] = {1215, 1216, 1218, 1219, 1546, 1547, 1212, kSwarms};
    const std::pair<const char*, bool> cases[] = {{"horizon", true}, {"EquatorialDateMean", false}, {"HorizonX", false}};
    for (const auto& [answer, horizon] : cases) {
        const auto run = RunMeteor(MeteorSky(kTwoSwarms, answer), {L"dump", L"cancel"});
        for (const int id : horizonOnly) {
            ASSERT_TRUE(run.Control(id).has_value()) << id;
            EXPECT_EQ(run.Control(id)->enabled, horizon) << answer << " " << id;
        }
        for (const int id : alwaysOn) {
            ASSERT_TRUE(run.Control(id).has_value()) << id;
            EXPECT_TRUE(run.Control(id)->enabled) << answer << " " << id;
        }
    }
}

TEST(MeteorDialog, OutsideHorizonTheViewMarkStillChangesAndIsSent)
{
    const auto run = RunMeteor(MeteorSky(kTwoSwarms, "EquatorialDateMean", "1.5", "FALSE"),
                               {L"mark 1508 1 1512", L"select 1508 0", L"key 1508 V", L"dump", L"ok"});
    EXPECT_EQ(RowMarks(run, kSwarms), (std::vector<std::wstring>{L"0,1,1,1,0", L"1,0,0,1,0"}));
    const std::wstring command = OkCommand(run);
    EXPECT_NE(command.find(L"Meteor.Swarm.Perseids.Visible = False;"), std::wstring::npos);
    EXPECT_NE(command.find(L"Meteor.Swarm.Lyrids.Visible = True;"), std::wstring::npos);
    EXPECT_EQ(command.rfind(L";Meteor.Scatter.Visible = False;", 0), 0u);
}

// Columns: view, radiant, radiant name, Japanese, English. The name needs the radiant, the
// language needs both; a press on a mark does not select the row.
TEST(MeteorDialog, MarksFollowPressesKeysAndBulkButtonsWithinTheirDependencies)
{
    const struct {
        const char* name;
        std::vector<std::wstring> actions;
        std::vector<std::wstring> marks;
        int selection;
    } cases[] = {
        {"PressOnView", {L"mark 1508 0 1512"}, {L"0,1,1,1,0", L"0,0,0,1,0"}, -1},
        {"NameWithoutRadiantRefused", {L"mark 1508 1 1514"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, -1},
        {"LanguageWithoutRadiantRefused", {L"click 1218", L"mark 1508 1 1545"}, {L"1,1,1,1,0", L"0,0,1,1,0"}, -1},
        {"RadiantThenNameThenEnglish", {L"mark 1508 1 1513", L"mark 1508 1 1514", L"mark 1508 1 1545"},
         {L"1,1,1,1,0", L"0,1,1,0,1"}, -1},
        {"DoubleClickTogglesTwice", {L"dblmark 1508 0 1512"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, -1},
        {"KeysRThenN", {L"select 1508 1", L"key 1508 R", L"key 1508 N"}, {L"1,1,1,1,0", L"0,1,1,1,0"}, 1},
        {"KeyJAfterBulkEnglish", {L"click 1547", L"select 1508 0", L"key 1508 J"}, {L"1,1,1,1,0", L"0,0,0,0,1"}, 0},
        {"ArrowMovesTheSelection", {L"select 1508 0", L"key 1508 DOWN", L"key 1508 R"}, {L"1,1,1,1,0", L"0,1,0,1,0"}, 1},
        {"BulkViewOn", {L"click 1213"}, {L"1,1,1,1,0", L"1,0,0,1,0"}, -1},
        {"BulkRadiantOff", {L"click 1216"}, {L"1,0,1,1,0", L"0,0,0,1,0"}, -1},
        {"BulkNameOnEvenWithoutRadiant", {L"click 1218"}, {L"1,1,1,1,0", L"0,0,1,1,0"}, -1},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> actions = c.actions;
        actions.insert(actions.end(), {L"dump", L"cancel"});
        const auto run = RunMeteor(MeteorSky(kTwoSwarms), actions);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_EQ(RowMarks(run, kSwarms), c.marks);
        ASSERT_TRUE(run.Control(kSwarms).has_value());
        EXPECT_EQ(run.Control(kSwarms)->sel, c.selection);
    }
}

// With a base unit of 8 pixels a slot runs from one pixel left of its header's left edge to three
// pixels left of its right edge; a press just outside it selects the row instead.
TEST(MeteorDialog, AMarkTakesPressesOnePixelInsideItsSlotAndNoneOutside)
{
    if (LOWORD(::GetDialogBaseUnits()) != 8)
        GTEST_SKIP() << "the edges below are those of a base unit of 8 pixels";
    const std::pair<const wchar_t*, bool> cases[] = {{L"left -1", true}, {L"left -2", false}, {L"right -4", true}, {L"right -3", false}};
    for (const auto& [press, hit] : cases) {
        const auto run = RunMeteor(MeteorSky(kTwoSwarms), {std::wstring(L"markat 1508 0 1512 ") + press, L"dump", L"cancel"});
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_EQ(RowMarks(run, kSwarms), (std::vector<std::wstring>{hit ? L"0,1,1,1,0" : L"1,1,1,1,0", L"0,0,0,1,0"})) << press;
        ASSERT_TRUE(run.Control(kSwarms).has_value());
        EXPECT_EQ(run.Control(kSwarms)->sel, hit ? -1 : 0) << press;
    }
}

std::string Craft(int n, const char* name, const char* visible, const char* jp, const char* en, const char* trajectory,
                  const char* start = "2451544.5", const char* end = "2451545.5")
{
    const std::string k = "Solar.Spacecraft.#" + std::to_string(n);
    return "New " + k + "\n" + k + ".JapaneseName = \"" + name + "\"\n" + k + ".Visible = " + visible + "\n" + k +
           ".JapaneseName.Visible = " + jp + "\n" + k + ".EnglishName.Visible = " + en + "\n" + k +
           ".Trajectory.Visible = " + trajectory + "\n" + k + ".data.start = " + start + "\n" + k + ".data.end = " + end +
           "\n";
}

std::string CraftSky(const std::string& craft, const char* projection = "SolarSystem")
{
    return std::string("View.Projection = ") + projection + "\n" + craft;
}

// Voyager 1 shown with its Japanese name and trajectory; Hayabusa hidden.
const std::string kTwoCraft = Craft(1, "ボイジャー1号", "TRUE", "TRUE", "FALSE", "TRUE", "2443391.5", "2462866.5") +
                              Craft(2, "はやぶさ", "FALSE", "FALSE", "FALSE", "FALSE", "2452772.5", "2455362.5");
const int kSpan[] = {12103, 12104, 12105, 12106, 12107};

DialogRun RunCraft(const std::string& state, std::vector<std::wstring> actions)
{
    return kivtest::Run({L"CDlgSpacecraft", state, false, {}, std::move(actions)});
}

std::wstring Text(const DialogRun& run, int id, size_t dump = 0)
{
    const auto control = run.Control(id, dump);
    return control ? control->text : L"(missing)";
}

TEST(SpacecraftDialog, AsksInOrderThenForTheSpanOfEachCraftSelected)
{
    const auto run = RunCraft(CraftSky(kTwoCraft), {L"dump", L"select 1537 1", L"dump", L"select 1537 0", L"cancel"});
    const std::vector<std::wstring> expected = {
        L"View.Projection", L"Solar.Spacecraft.Count", L"Solar.Spacecraft.#1.JapaneseName",
        L"Solar.Spacecraft.#2.JapaneseName", L"Solar.Spacecraft.#1.Visible", L"Solar.Spacecraft.#1.JapaneseName.Visible",
        L"Solar.Spacecraft.#1.EnglishName.Visible", L"Solar.Spacecraft.#1.Trajectory.Visible",
        L"Solar.Spacecraft.#2.Visible", L"Solar.Spacecraft.#2.JapaneseName.Visible",
        L"Solar.Spacecraft.#2.EnglishName.Visible", L"Solar.Spacecraft.#2.Trajectory.Visible",
        L"Solar.Spacecraft.#1.data.start", L"Solar.Spacecraft.#1.data.end", L"Solar.Spacecraft.#2.data.start",
        L"Solar.Spacecraft.#2.data.end", L"Solar.Spacecraft.#1.data.start", L"Solar.Spacecraft.#1.data.end"};
    EXPECT_EQ(run.Queries(), expected) << "drawing asks nothing";
    ASSERT_TRUE(run.Control(kCraft).has_value());
    EXPECT_EQ(run.Control(kCraft)->sel, 0);
    EXPECT_EQ(RowMarks(run, kCraft), (std::vector<std::wstring>{L"1,1,1,0,1", L"0,0,1,0,0"}));
    EXPECT_EQ(Text(run, 12106), L"1977/09/05 00:00:00 (UT)");
    EXPECT_EQ(Text(run, 12107), L"2030/12/31 00:00:00 (UT)");
    EXPECT_EQ(Text(run, 12109), L"19,475日");
    EXPECT_EQ(Text(run, 12106, 1), L"2003/05/13 00:00:00 (UT)");
    EXPECT_EQ(Text(run, 12109, 1), L"2,590日");
    for (const int id : kSpan)
        EXPECT_TRUE(run.Control(id) && run.Control(id)->enabled) << id;
}

TEST(SpacecraftDialog, SendsOneCommandTextInRecordOrder)
{
    const auto run = RunCraft(CraftSky(kTwoCraft), {L"ok"});
    EXPECT_EQ(OkCommand(run),
              L";Solar.Spacecraft.#1.Visible = True;Solar.Spacecraft.#1.Name.Visible = True;"
              L"Solar.Spacecraft.#1.JapaneseName.Visible = True;Solar.Spacecraft.#1.EnglishName.Visible = False;"
              L"Solar.Spacecraft.#1.Trajectory.Visible = True;"
              L"Solar.Spacecraft.#2.Visible = False;Solar.Spacecraft.#2.Name.Visible = False;"
              L"Solar.Spacecraft.#2.JapaneseName.Visible = False;Solar.Spacecraft.#2.EnglishName.Visible = False;"
              L"Solar.Spacecraft.#2.Trajectory.Visible = False;Show Sky;");
}

// Columns: view, name, Japanese, English, trajectory. The name and the trajectory need the craft
// shown, the language needs the name, and the trajectory the solar-system projection.
TEST(SpacecraftDialog, MarksFollowTheRulesOfTheProjectionAndReachTheHost)
{
    const struct {
        const char *name, *projection, *jp, *en;
        std::vector<std::wstring> actions;
        const wchar_t* marks;  // of the one craft, shown at first
        char label;            // as LabelSent takes it
        bool solar;            // the trajectory buttons are enabled
    } cases[] = {
        {"BothNamesMeanEnglish", "SolarSystem", "TRUE", "TRUE", {}, L"1,1,0,1,0", 'E', true},
        {"NoNameThenNameOnIsJapanese", "SolarSystem", "FALSE", "FALSE", {L"mark 1537 0 1105"}, L"1,1,1,0,0", 'J', true},
        {"TrajectoryPressInSolarSystem", "SolarSystem", "TRUE", "FALSE", {L"mark 1537 0 1262"}, L"1,1,1,0,1", 'J', true},
        {"ProjectionMatchedWithoutCase", "solarsystem", "TRUE", "FALSE", {L"key 1537 T"}, L"1,1,1,0,1", 'J', true},
        {"TrajectoryPressRefusedElsewhere", "Stereographic", "TRUE", "FALSE", {L"mark 1537 0 1262"}, L"1,1,1,0,0", 'J', false},
        {"TrajectoryKeyRefusedElsewhere", "Stereographic", "TRUE", "FALSE", {L"key 1537 T", L"key 1537 E"}, L"1,1,0,1,0", 'E', false},
        {"HiddenCraftRefusesNameAndTrajectory", "SolarSystem", "TRUE", "FALSE",
         {L"key 1537 V", L"key 1537 N", L"key 1537 E", L"key 1537 T"}, L"0,1,1,0,0", 'J', true},
        {"BulkTrajectoryOn", "SolarSystem", "TRUE", "FALSE", {L"click 1017"}, L"1,1,1,0,1", 'J', true},
    };
    const std::wstring p = L"Solar.Spacecraft.#1.";
    for (const auto& c : cases) {
        std::vector<std::wstring> actions = c.actions;
        actions.insert(actions.end(), {L"dump", L"ok"});
        const auto run = RunCraft(CraftSky(Craft(1, "カッシーニ", "TRUE", c.jp, c.en, "FALSE"), c.projection), actions);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_EQ(RowMarks(run, kCraft), std::vector<std::wstring>{c.marks});
        for (const int id : {1017, 1019})
            EXPECT_EQ(run.Control(id) && run.Control(id)->enabled, c.solar) << id;
        const bool shown = c.marks[0] == L'1', trajectory = c.marks[8] == L'1';
        EXPECT_EQ(OkCommand(run), L";" + p + (shown ? L"Visible = True;" : L"Visible = False;") + LabelSent(p, c.label) + p +
                                      (trajectory ? L"Trajectory.Visible = True;" : L"Trajectory.Visible = False;") + L"Show Sky;");
    }
}

TEST(SpacecraftDialog, OutsideTheSolarSystemATrajectoryPressIsSwallowedWhole)
{
    const auto run = RunCraft(CraftSky(kTwoCraft, "Stereographic"), {L"mark 1537 1 1262", L"mark 1537 1 1101", L"dump", L"cancel"});
    ASSERT_TRUE(run.Control(kCraft).has_value());
    EXPECT_EQ(run.Control(kCraft)->sel, 0) << "neither press moved the selection";
    EXPECT_EQ(RowMarks(run, kCraft), (std::vector<std::wstring>{L"1,1,1,0,1", L"1,0,1,0,0"}));
    EXPECT_EQ(Text(run, 12106), L"1977/09/05 00:00:00 (UT)") << "the span still shows the craft selected before";
}

TEST(SpacecraftDialog, NoCraftShowsTheDashesWithTheSpanDisabled)
{
    const auto run = RunCraft("View.Projection = SolarSystem\n", {L"dump", L"key 1537 V", L"ok"});
    EXPECT_EQ(Text(run, 12106), L"----/--/-- --:--:-- (UT)");
    EXPECT_EQ(Text(run, 12107), L"----/--/-- --:--:-- (UT)");
    EXPECT_EQ(Text(run, 12109), L"--- (days)");
    for (const int id : kSpan)
        EXPECT_TRUE(run.Control(id) && !run.Control(id)->enabled) << id;
    for (const int id : {12108, 12109})
        EXPECT_TRUE(run.Control(id) && run.Control(id)->enabled) << id;
    EXPECT_EQ(OkCommand(run), L";Show Sky;");
}

// Published Julian days of the dates, at the precision a host's double holds them; day 0 is what
// an answer that is no number reads as.
TEST(SpanDate, FormatsJulianDaysToTheNearestSecond)
{
    const std::pair<double, const wchar_t*> cases[] = {
        {2451545.0, L"2000/01/01 12:00:00"},       {2299160.5, L"1582/10/15 00:00:00"},
        {2436116.31, L"1957/10/04 19:26:24"},      {2451544.4999965, L"2000/01/01 00:00:00"},
        {2451544.49999, L"1999/12/31 23:59:59"},   {2451604.5 - 0.6 / 86400, L"2000/02/29 23:59:59"},
        {2415079.4999965, L"1900/03/01 00:00:00"}, {0.0, L"-4712/01/01 12:00:00"},
    };
    for (const auto& [jd, text] : cases)
        EXPECT_EQ(FormatSpanDate(jd, L"%d/%02d/%02d %02d:%02d:%02d").str(), text) << jd;
}

TEST(SpanDays, WholeDaysGroupedByThousands)
{
    const std::tuple<double, double, const wchar_t*> cases[] = {
        {0.0, 999.9, L"999"},        {0.0, 1000.0, L"1,000"},     {0.3, 1234.9, L"1,234"},
        {0.0, 1234567.0, L"1,234,567"}, {123456.0, 0.0, L"-123,456"}, {0.0, 3e12, L"2,147,483,647"}};
    for (const auto& [start, end, text] : cases)
        EXPECT_EQ(FormatSpanDays(start, end).str(), text) << start << " " << end;
}

TEST(MarkListDialogs, CancelAfterChangesSendsNothing)
{
    const DialogRun runs[] = {
        RunMeteor(MeteorSky(kTwoSwarms), {L"click 1210", L"mark 1508 0 1512", L"click 1218", L"spin 1534 up",
                                          L"select 1508 1", L"key 1508 R", L"cancel"}),
        RunCraft(CraftSky(kTwoCraft), {L"mark 1537 1 1101", L"click 1017", L"key 1537 N", L"select 1537 1", L"cancel"})};
    for (const DialogRun& run : runs) {
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_EQ(run.result, RunResult::Cancel);
        EXPECT_TRUE(run.Statements().empty());
    }
}

// The swarm list goes on past a thousand swarms, to the last one the host reports (the craft list
// to its ceiling shows in the hostile tests).
TEST(MeteorDialog, ListsEverySwarmPastAThousand)
{
    std::string swarms = "View.Coordinate = Horizon\nMeteor.Multiplier = 1.0\n";
    for (int n = 1; n <= 1001; ++n)
        swarms += "New Meteor.Swarm.S" + std::to_string(n) + "\nMeteor.Swarm.S" + std::to_string(n) + ".Name = \"S\"\n";
    const auto run = RunMeteor(swarms, {L"dump", L"ok"});
    EXPECT_EQ(RowMarks(run, kSwarms).size(), 1001u);
    EXPECT_NE(OkCommand(run).find(L";Meteor.Swarm.S1001.Visible = False;"), std::wstring::npos);
}

TEST(ColourButtons, OpenTheColourDialogOnTheirDialogsKeyAndTheOwnerSendsNothing)
{
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"CDlgASat", L"click 1507", L"ArtificialSatellite.Name.Color"},
        {L"CDlgMeteor", L"click 1212", L"Meteor.Swarm.Radiant.Name.Color"},
        {L"CDlgSpacecraft", L"click 1150", L"Solar.Spacecraft.Name.Color"}};
    for (const auto& [dialog, button, key] : cases) {
        // The second cancel closes the colour dialog's owner.
        const auto run = kivtest::Run({dialog, "", false, {}, {button, L"cancel", L"cancel"}});
        EXPECT_EQ(run.result, RunResult::Cancel) << dialog;
        const auto queries = run.Queries();
        EXPECT_NE(std::find(queries.begin(), queries.end(), key), queries.end()) << dialog;
        EXPECT_TRUE(run.Statements().empty()) << dialog;
    }
}

}  // namespace
