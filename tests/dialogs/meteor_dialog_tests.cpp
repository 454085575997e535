// The meteor dialog driven through the host: its queries, the command text of OK, the multiplier,
// the enable rules of horizon coordinates and the marks of the swarm list.
#include "tests/dialogs/mark_list_test_support.h"

#include <gtest/gtest.h>

#include <windows.h>

using kivtest::DialogScript;
using kivtest::OkCommand;
using kivtest::RowMarks;

namespace {

constexpr int kList = 1508;
constexpr int kView = 1512, kRadiant = 1513, kName = 1514, kJp = 1544, kEn = 1545;

std::string Swarm(const char* english, const char* name, const char* visible, const char* radiant, const char* jp,
                  const char* en)
{
    const std::string k = std::string("Meteor.Swarm.") + english;
    return "New " + k + "\n" + k + ".Name = \"" + name + "\"\n" + k + ".Visible = " + visible + "\n" + k +
           ".Radiant.Visible = " + radiant + "\n" + k + ".Radiant.Name.Visible = FALSE\n" + k +
           ".Radiant.JapaneseName.Visible = " + jp + "\n" + k + ".Radiant.EnglishName.Visible = " + en + "\n";
}

std::string Sky(const std::string& swarms, const char* coordinate = "Horizon", const char* multiplier = "1.5",
                const char* scatter = "TRUE")
{
    return std::string("View.Coordinate = ") + coordinate + "\nMeteor.Scatter.Visible = " + scatter +
           "\nMeteor.Multiplier = " + multiplier + "\n" + swarms;
}

// Perseids shown with its radiant; Lyrids hidden with its radiant off.
const std::string kTwoSwarms = Swarm("Perseids", "ペルセウス座流星群", "TRUE", "TRUE", "TRUE", "FALSE") +
                               Swarm("Lyrids", "こと座流星群", "FALSE", "FALSE", "FALSE", "FALSE");

kivtest::DialogRun RunMeteor(const std::string& state, std::vector<std::wstring> actions)
{
    return kivtest::Run({L"CDlgMeteor", state, false, {}, std::move(actions)});
}

TEST(MeteorDialog, AsksInOrderAndAgainForEveryRowDrawn)
{
    const auto run = RunMeteor(Sky(kTwoSwarms), {L"dump", L"cancel"});
    const std::vector<std::wstring> opening = {
        L"meteor.swarm.count",
        L"meteor.swarm.no1.name",
        L"meteor.swarm.no1.englishname",
        L"meteor.swarm.no2.name",
        L"meteor.swarm.no2.englishname",
        L"Meteor.Scatter.Visible",
        L"Meteor.Swarm.Perseids.Visible",
        L"Meteor.Swarm.Perseids.Radiant.Visible",
        L"Meteor.Swarm.Perseids.Radiant.JapaneseName.Visible",
        L"Meteor.Swarm.Perseids.Radiant.EnglishName.Visible",
        L"Meteor.Swarm.Lyrids.Visible",
        L"Meteor.Swarm.Lyrids.Radiant.Visible",
        L"Meteor.Swarm.Lyrids.Radiant.JapaneseName.Visible",
        L"Meteor.Swarm.Lyrids.Radiant.EnglishName.Visible",
        L"Meteor.Multiplier",
        L"view.coordinate",
    };
    const auto queries = run.Queries();
    ASSERT_GT(queries.size(), opening.size());
    EXPECT_EQ(std::vector<std::wstring>(queries.begin(), queries.begin() + opening.size()), opening);
    // Drawing the two rows asks for the coordinates again, and nothing else.
    for (size_t i = opening.size(); i < queries.size(); ++i)
        EXPECT_EQ(queries[i], L"view.coordinate");
    EXPECT_GE(queries.size() - opening.size(), 2u);
    EXPECT_EQ(RowMarks(run, kList), (std::vector<std::wstring>{L"1,1,1,1,0", L"0,0,0,1,0"}));
}

struct NameCase {
    const char* name;
    const char* jp;
    const char* en;
    std::vector<std::wstring> actions;
    std::wstring nameStatements;  // what OK sends for the swarm's label
};

class MeteorNames : public testing::TestWithParam<NameCase> {};

TEST_P(MeteorNames, SendsTheLabelAsTheRecordHoldsIt)
{
    const auto& param = GetParam();
    std::vector<std::wstring> actions = param.actions;
    actions.push_back(L"ok");
    const auto run = RunMeteor(Sky(Swarm("Perseids", "ペルセウス座流星群", "TRUE", "TRUE", param.jp, param.en)), actions);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(OkCommand(run), L";Meteor.Scatter.Visible = True;Meteor.Swarm.Perseids.Visible = True;"
                              L"Meteor.Swarm.Perseids.Radiant.Visible = True;" +
                                  param.nameStatements + L"Meteor.Multiplier = 1.5;Show Sky;");
}

const std::wstring kJapanese = L"Meteor.Swarm.Perseids.Radiant.Name.Visible = True;"
                               L"Meteor.Swarm.Perseids.Radiant.JapaneseName.Visible = True;"
                               L"Meteor.Swarm.Perseids.Radiant.EnglishName.Visible = False;";
const std::wstring kEnglish = L"Meteor.Swarm.Perseids.Radiant.Name.Visible = True;"
                              L"Meteor.Swarm.Perseids.Radiant.EnglishName.Visible = True;"
                              L"Meteor.Swarm.Perseids.Radiant.JapaneseName.Visible = False;";
const std::wstring kNoName = L"Meteor.Swarm.Perseids.Radiant.Name.Visible = False;"
                             L"Meteor.Swarm.Perseids.Radiant.JapaneseName.Visible = False;"
                             L"Meteor.Swarm.Perseids.Radiant.EnglishName.Visible = False;";

INSTANTIATE_TEST_SUITE_P(
    Answers, MeteorNames,
    testing::Values(NameCase{"JapaneseShown", "TRUE", "FALSE", {}, kJapanese},
                    NameCase{"BothShownMeansEnglish", "TRUE", "TRUE", {}, kEnglish},
                    NameCase{"EnglishShown", "FALSE", "TRUE", {}, kEnglish},
                    NameCase{"NeitherShown", "FALSE", "FALSE", {}, kNoName},
                    NameCase{"LowerCaseTrueIsFalse", "\"true\"", "\"True\"", {}, kNoName},
                    NameCase{"NeitherThenNameOnShowsJapanese", "FALSE", "FALSE", {L"mark 1508 0 1514"}, kJapanese},
                    NameCase{"EnglishMarkClicked", "TRUE", "FALSE", {L"mark 1508 0 1545"}, kEnglish},
                    NameCase{"JapaneseByKey", "FALSE", "TRUE", {L"select 1508 0", L"key 1508 J"}, kJapanese},
                    NameCase{"NameOffByKey", "TRUE", "FALSE", {L"select 1508 0", L"key 1508 N"}, kNoName},
                    NameCase{"BulkEnglish", "TRUE", "FALSE", {L"click 1547"}, kEnglish},
                    NameCase{"BulkNameOff", "TRUE", "FALSE", {L"click 1219"}, kNoName}),
    [](const testing::TestParamInfo<NameCase>& info) { return info.param.name; });

struct StepCase {
    const char* name;
    const char* start;
    const wchar_t* direction;
    int presses;
    const wchar_t* sent;
};

class MeteorStepping : public testing::TestWithParam<StepCase> {};

TEST_P(MeteorStepping, StepsTenthsBelowTenAndWholeNumbersAbove)
{
    const auto& param = GetParam();
    std::vector<std::wstring> actions;
    for (int i = 0; i < param.presses; ++i)
        actions.push_back(std::wstring(L"spin 1534 ") + param.direction);
    actions.push_back(L"ok");
    const auto run = RunMeteor(Sky("", "Horizon", param.start), actions);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(OkCommand(run), std::wstring(L";Meteor.Scatter.Visible = True;Meteor.Multiplier = ") + param.sent + L";Show Sky;");
}

INSTANTIATE_TEST_SUITE_P(Table, MeteorStepping,
                         testing::Values(StepCase{"NineNineUp", "9.9", L"up", 1, L"10.0"},
                                         StepCase{"TenDown", "10.0", L"down", 1, L"9.0"},
                                         StepCase{"TenFiveDown", "10.5", L"down", 1, L"9.5"},
                                         StepCase{"TwelveUpRoundsFirst", "12.34", L"up", 1, L"13.3"},
                                         StepCase{"LowestStays", "0.1", L"down", 1, L"0.1"},
                                         StepCase{"HighestStays", "1000.0", L"up", 1, L"1000.0"},
                                         StepCase{"BelowTheRangeUp", "0.04", L"up", 1, L"0.1"},
                                         StepCase{"ThreeTenthsUp", "9.8", L"up", 3, L"11.0"},
                                         StepCase{"NearTheTopUp", "999.5", L"up", 1, L"1000.0"}),
                         [](const testing::TestParamInfo<StepCase>& info) { return info.param.name; });

struct TypedCase {
    const char* name;
    const wchar_t* typed;
    const wchar_t* shown;    // the edit's text after typing
    std::wstring sent;       // OK's command text; empty: nothing sent
    std::wstring message;    // the message box OK shows; empty: none
};

class MeteorTyped : public testing::TestWithParam<TypedCase> {};

TEST_P(MeteorTyped, ClampsWhileTypingAndChecksTheRangeOnOk)
{
    const auto& param = GetParam();
    const auto run = RunMeteor(Sky(""), {std::wstring(L"type 1515 ") + param.typed, L"dump", L"ok"});
    const auto edit = run.Control(1515);
    ASSERT_TRUE(edit.has_value());
    EXPECT_EQ(edit->text, param.shown);
    EXPECT_EQ(OkCommand(run), param.sent);
    const auto messages = run.Messages();
    if (param.message.empty()) {
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    } else {
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.back(), param.message);
        EXPECT_EQ(run.result, kivhost::RunResult::Cancel) << "the dialog stayed open until the driver cancelled it";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MeteorTyped,
    testing::Values(
        TypedCase{"OverTheTopBecomesTheTop", L"1500", L"1000", L";Meteor.Scatter.Visible = True;Meteor.Multiplier = 1000.0;Show Sky;", L""},
        TypedCase{"WholeNumberGetsOneDecimal", L"10", L"10", L";Meteor.Scatter.Visible = True;Meteor.Multiplier = 10.0;Show Sky;", L""},
        TypedCase{"RoundedToOneDecimal", L"2.34", L"2.34", L";Meteor.Scatter.Visible = True;Meteor.Multiplier = 2.3;Show Sky;", L""},
        TypedCase{"ZeroRefusedOnOk", L"0", L"0", L"", L"info 出現確率には 0.1 から 1000.0 の値を入力してください。"},
        TypedCase{"BelowTheRangeRefusedOnOk", L"0.05", L"0.05", L"", L"info 出現確率には 0.1 から 1000.0 の値を入力してください。"},
        TypedCase{"NotANumberPrompts", L"x", L"x", L"", L"exclamation 数値を入力してください。"}),
    [](const testing::TestParamInfo<TypedCase>& info) { return info.param.name; });

const int kHorizonOnly[] = {1210, 1542, 1515, 1534, 1541, 1213, 1214};
const int kAlwaysOn[] = {1215, 1216, 1218, 1219, 1546, 1547, 1212, 1508};

struct CoordinateCase {
    const char* answer;
    bool horizon;
};

class MeteorCoordinates : public testing::TestWithParam<CoordinateCase> {};

TEST_P(MeteorCoordinates, EnablesTheHorizonControlsOnlyInHorizonCoordinates)
{
    const auto& param = GetParam();
    const auto run = RunMeteor(Sky(kTwoSwarms, param.answer), {L"dump", L"cancel"});
    for (const int id : kHorizonOnly) {
        const auto control = run.Control(id);
        ASSERT_TRUE(control.has_value()) << id;
        EXPECT_EQ(control->enabled, param.horizon) << id;
    }
    for (const int id : kAlwaysOn) {
        const auto control = run.Control(id);
        ASSERT_TRUE(control.has_value()) << id;
        EXPECT_TRUE(control->enabled) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, MeteorCoordinates,
                         testing::Values(CoordinateCase{"Horizon", true}, CoordinateCase{"horizon", true},
                                         CoordinateCase{"EquatorialDateMean", false}, CoordinateCase{"\"\"", false},
                                         CoordinateCase{"HorizonX", false}));

TEST(MeteorDialog, OutsideHorizonTheViewMarkStillChangesAndIsSent)
{
    const auto run = RunMeteor(Sky(kTwoSwarms, "EquatorialDateMean", "1.5", "FALSE"),
                               {L"mark 1508 1 1512", L"select 1508 0", L"key 1508 V", L"dump", L"ok"});
    EXPECT_EQ(RowMarks(run, kList), (std::vector<std::wstring>{L"0,1,1,1,0", L"1,0,0,1,0"}));
    const std::wstring command = OkCommand(run);
    EXPECT_NE(command.find(L"Meteor.Swarm.Perseids.Visible = False;"), std::wstring::npos);
    EXPECT_NE(command.find(L"Meteor.Swarm.Lyrids.Visible = True;"), std::wstring::npos);
    EXPECT_EQ(command.rfind(L";Meteor.Scatter.Visible = False;", 0), 0u);
}

struct MarkCase {
    const char* name;
    std::vector<std::wstring> actions;
    std::vector<std::wstring> marks;  // both rows after the actions
    int selection;
};

class MeteorMarks : public testing::TestWithParam<MarkCase> {};

TEST_P(MeteorMarks, FollowTheDependencyRules)
{
    const auto& param = GetParam();
    std::vector<std::wstring> actions = param.actions;
    actions.push_back(L"dump");
    actions.push_back(L"cancel");
    const auto run = RunMeteor(Sky(kTwoSwarms), actions);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(RowMarks(run, kList), param.marks);
    const auto list = run.Control(kList);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->sel, param.selection);
    EXPECT_TRUE(run.Statements().empty()) << "nothing reaches the host before OK";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MeteorMarks,
    testing::Values(
        MarkCase{"ClickDoesNotSelect", {L"mark 1508 0 1512"}, {L"0,1,1,1,0", L"0,0,0,1,0"}, -1},
        MarkCase{"NameOfRadiantOffRefused", {L"mark 1508 1 1514"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, -1},
        MarkCase{"LanguageOfNameOffRefused", {L"mark 1508 1 1545"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, -1},
        MarkCase{"RadiantThenNameThenEnglish",
                 {L"mark 1508 1 1513", L"mark 1508 1 1514", L"mark 1508 1 1545"},
                 {L"1,1,1,1,0", L"0,1,1,0,1"},
                 -1},
        MarkCase{"DoubleClickTogglesTwice", {L"dblmark 1508 0 1512"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, -1},
        MarkCase{"DoubleClickOnRadiantTwice", {L"dblmark 1508 1 1513"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, -1},
        MarkCase{"ClickOnTheNameSelects", {L"select 1508 1"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, 1},
        MarkCase{"KeyNOnRadiantOffChangesNothing", {L"select 1508 1", L"key 1508 N"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, 1},
        MarkCase{"KeyRThenN", {L"select 1508 1", L"key 1508 R", L"key 1508 N"}, {L"1,1,1,1,0", L"0,1,1,1,0"}, 1},
        MarkCase{"KeyEWithNameOn", {L"select 1508 0", L"key 1508 E"}, {L"1,1,1,0,1", L"0,0,0,1,0"}, 0},
        MarkCase{"KeyEWithNameOff", {L"select 1508 1", L"key 1508 E"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, 1},
        MarkCase{"CtrlVLikeV", {L"select 1508 0", L"key 1508 CTRL+V"}, {L"0,1,1,1,0", L"0,0,0,1,0"}, 0},
        MarkCase{"OtherLetterMovesNothing", {L"select 1508 0", L"key 1508 T"}, {L"1,1,1,1,0", L"0,0,0,1,0"}, 0},
        MarkCase{"ArrowMovesTheSelection", {L"select 1508 0", L"key 1508 DOWN", L"key 1508 R"},
                 {L"1,1,1,1,0", L"0,1,0,1,0"}, 1},
        MarkCase{"BulkViewOn", {L"click 1213"}, {L"1,1,1,1,0", L"1,0,0,1,0"}, -1},
        MarkCase{"BulkRadiantOff", {L"click 1216"}, {L"1,0,1,1,0", L"0,0,0,1,0"}, -1},
        MarkCase{"BulkNameOnAlsoWithoutRadiant", {L"click 1218"}, {L"1,1,1,1,0", L"0,0,1,1,0"}, -1},
        MarkCase{"BulkEnglishEverywhere", {L"click 1547"}, {L"1,1,1,0,1", L"0,0,0,0,1"}, -1}),
    [](const testing::TestParamInfo<MarkCase>& info) { return info.param.name; });

struct SlotEdgeCase {
    const char* name;
    const wchar_t* press;  // markat's edge and offset
    bool hit;
};

class MeteorSlotEdges : public testing::TestWithParam<SlotEdgeCase> {};

// With bx = 8 a slot runs from one pixel left of its header's left edge to three pixels left of
// its right edge; a press just outside it selects the row instead.
TEST_P(MeteorSlotEdges, PressesOnePixelInsideAndOutside)
{
    if (LOWORD(::GetDialogBaseUnits()) != 8)
        GTEST_SKIP() << "the edges below are those of a base unit of 8 pixels";
    const auto& param = GetParam();
    const auto run = RunMeteor(Sky(kTwoSwarms), {std::wstring(L"markat 1508 0 1512 ") + param.press, L"dump", L"cancel"});
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(RowMarks(run, kList)[0], param.hit ? L"0,1,1,1,0" : L"1,1,1,1,0");
    const auto list = run.Control(kList);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->sel, param.hit ? -1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Bx8, MeteorSlotEdges,
                         testing::Values(SlotEdgeCase{"LeftInside", L"left -1", true},
                                         SlotEdgeCase{"LeftOutside", L"left -2", false},
                                         SlotEdgeCase{"RightInside", L"right -4", true},
                                         SlotEdgeCase{"RightOutside", L"right -3", false}),
                         [](const testing::TestParamInfo<SlotEdgeCase>& info) { return info.param.name; });

TEST(MeteorDialog, BulkNameSendsTheNameOfASwarmWhoseRadiantIsOff)
{
    const auto run = RunMeteor(Sky(kTwoSwarms), {L"click 1218", L"ok"});
    EXPECT_NE(OkCommand(run).find(L"Meteor.Swarm.Lyrids.Radiant.Visible = False;"
                                  L"Meteor.Swarm.Lyrids.Radiant.Name.Visible = True;"
                                  L"Meteor.Swarm.Lyrids.Radiant.JapaneseName.Visible = True;"
                                  L"Meteor.Swarm.Lyrids.Radiant.EnglishName.Visible = False;"),
              std::wstring::npos);
}

TEST(MeteorDialog, CancelAfterChangesSendsNothing)
{
    const auto run = RunMeteor(Sky(kTwoSwarms), {L"click 1210", L"mark 1508 0 1512", L"click 1218", L"spin 1534 up",
                                                 L"select 1508 1", L"key 1508 R", L"cancel"});
    EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
}

TEST(MeteorDialog, UnreadableCountGivesAnEmptyList)
{
    const auto run = RunMeteor("View.Coordinate = Horizon\nMeteor.Scatter.Visible = FALSE\nMeteor.Multiplier = 2\n",
                               {L"dump", L"key 1508 V", L"ok"});
    const auto list = run.Control(kList);
    ASSERT_TRUE(list.has_value());
    EXPECT_TRUE(list->items.empty());
    EXPECT_EQ(OkCommand(run), L";Meteor.Scatter.Visible = False;Meteor.Multiplier = 2.0;Show Sky;");
}

TEST(MeteorDialog, ReachesTheEngineOfTheDefaultSky)
{
    // Row 29 of the bundled sky is the Perseids, named in Japanese; switch its label to English.
    std::string after;
    DialogScript script{L"CDlgMeteor", "", true, {}, {L"dump", L"mark 1508 29 1545", L"ok"}};
    const auto run = kivtest::Run(script, &after);
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    const auto marks = RowMarks(run, kList);
    ASSERT_EQ(marks.size(), 44u);
    EXPECT_EQ(marks[29], L"1,1,1,1,0");
    EXPECT_NE(OkCommand(run).find(L"Meteor.Swarm.Perseids.Visible = True;Meteor.Swarm.Perseids.Radiant.Visible = True;"
                                  L"Meteor.Swarm.Perseids.Radiant.Name.Visible = True;"
                                  L"Meteor.Swarm.Perseids.Radiant.EnglishName.Visible = True;"
                                  L"Meteor.Swarm.Perseids.Radiant.JapaneseName.Visible = False;"),
              std::wstring::npos);
    EXPECT_NE(after.find("Meteor.Swarm.No30.Radiant.EnglishName.Visible = TRUE"), std::string::npos);
    EXPECT_NE(after.find("Meteor.Swarm.No30.Radiant.JapaneseName.Visible = FALSE"), std::string::npos);
}

}  // namespace
