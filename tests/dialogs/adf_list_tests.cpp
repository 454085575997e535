// The additional data file list: what it reads from the store and the host, what it tells the
// host on OK, and how entries move.
#include "tests/dialogs/adf_test_support.h"

#include "dialogs/adf/MiscDlg.h"

using namespace kivtest::adf;

namespace {

struct SplitCase {
    const wchar_t* value;
    bool entry;
    const wchar_t* file;
    const wchar_t* name;
};

TEST(AdfStoreValue, SplitsAtTheFirstCommaOnly)
{
    const SplitCase cases[] = {
        {L"C:\\DATA\\A.ADF,Comet, bright", true, L"C:\\DATA\\A.ADF", L"Comet, bright"},
        {L"C:\\DATA\\B.ADF,", true, L"C:\\DATA\\B.ADF", L""},
        {L"x,,", true, L"x", L","},
        {L",name", false, nullptr, nullptr},
        {L"C:\\DATA\\C.ADF", false, nullptr, nullptr},
        {L"", false, nullptr, nullptr},
    };
    for (const SplitCase& c : cases) {
        CString file = L"unchanged";
        CString name = L"unchanged";
        EXPECT_EQ(SplitAdfValue(c.value, file, name) != FALSE, c.entry) << Utf8(c.value);
        if (c.entry) {
            EXPECT_EQ(file, c.file);
            EXPECT_EQ(name, c.name);
        }
    }
}

struct ReadCase {
    const char* name;
    std::vector<std::optional<std::wstring>> values;
    std::vector<std::wstring> items;
};

class AdfReading : public testing::TestWithParam<ReadCase> {};

TEST_P(AdfReading, ShowsTheEntriesUpToTheFirstMalformedValue)
{
    kivtest::ClearSettings();
    WriteList(GetParam().values);
    const auto run = RunMisc("", {L"dump", L"cancel"});
    EXPECT_EQ(ListItems(run), GetParam().items);
}

const std::wstring kA = L"C:\\DATA\\A.ADF,Comet, bright";
const std::wstring kB = L"C:\\DATA\\B.ADF,Asteroids";

INSTANTIATE_TEST_SUITE_P(
    Values, AdfReading,
    testing::Values(ReadCase{"NameWithCommas", {kA, kB}, {L"checked=0 Comet, bright", L"checked=0 Asteroids"}},
                    ReadCase{"GapEndsTheList", {kA, std::nullopt, kB}, {L"checked=0 Comet, bright"}},
                    ReadCase{"EmptyValueEndsTheList", {kA, L"", kB}, {L"checked=0 Comet, bright"}},
                    ReadCase{"LeadingCommaEndsTheList", {kA, L",Nameless", kB}, {L"checked=0 Comet, bright"}},
                    ReadCase{"NoCommaEndsTheList", {L"C:\\DATA\\C.ADF", kA}, {}},
                    ReadCase{"EmptyStore", {}, {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(AdfReading, ReadsAtMostFortyEntries)
{
    kivtest::ClearSettings();
    std::vector<std::optional<std::wstring>> values;
    for (int i = 1; i <= 41; ++i)
        values.push_back(L"C:\\DATA\\F" + std::to_wstring(i) + L".ADF,Entry " + std::to_wstring(i));
    WriteList(values);
    const auto run = RunMisc("", {L"dump", L"cancel"});
    const auto items = ListItems(run);
    ASSERT_EQ(items.size(), 40u);
    EXPECT_EQ(items.back(), L"checked=0 Entry 40");
}

struct TickCase {
    const char* name;
    std::string state;
    std::vector<std::wstring> items;
    std::vector<std::wstring> queries;
    int namesChecked;
};

class AdfTicks : public testing::TestWithParam<TickCase> {};

TEST_P(AdfTicks, FollowTheHostsSlots)
{
    kivtest::ClearSettings();
    WriteList({L"C:\\DATA\\A.ADF,A", L"C:\\DATA\\B.ADF,B", L"C:\\DATA\\C.ADF,C"});
    const auto run = RunMisc(GetParam().state, {L"dump", L"cancel"});
    EXPECT_EQ(ListItems(run), GetParam().items);
    EXPECT_EQ(run.Queries(), GetParam().queries);
    const auto names = run.Control(1001);
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(names->checked, GetParam().namesChecked);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AdfTicks,
    testing::Values(
        TickCase{"UpperCaseAndCapitalisedTick",
                 "ADF.#1.File = \"a\"\nADF.#1.Visible = \"true\"\n"
                 "ADF.#2.File = \"b\"\nADF.#2.Visible = TRUE\nADF.#2.Name.Visible = FALSE\n"
                 "ADF.#3.File = \"c\"\nADF.#3.Visible = \"True\"\nADF.#3.Name.Visible = \"Tx\"\n",
                 {L"checked=0 A", L"checked=1 B", L"checked=1 C"},
                 {L"ADF.#1.File", L"ADF.#1.Visible", L"ADF.#2.File", L"ADF.#2.Visible", L"ADF.#2.Name.Visible",
                  L"ADF.#3.File", L"ADF.#3.Visible", L"ADF.#3.Name.Visible"},
                 1},
        TickCase{"NamesAskedOnlyUntilTheFirstShown",
                 "ADF.#1.File = \"a\"\nADF.#1.Visible = TRUE\nADF.#1.Name.Visible = TRUE\n"
                 "ADF.#2.File = \"b\"\nADF.#2.Visible = TRUE\nADF.#2.Name.Visible = FALSE\n",
                 {L"checked=1 A", L"checked=1 B", L"checked=0 C"},
                 {L"ADF.#1.File", L"ADF.#1.Visible", L"ADF.#1.Name.Visible", L"ADF.#2.File", L"ADF.#2.Visible",
                  L"ADF.#3.File"},
                 1},
        TickCase{"SlotWithoutAFileIsNotAskedForVisibility",
                 "ADF.#1.Visible = TRUE\nADF.#1.Name.Visible = TRUE\n"
                 "ADF.#2.File = \"b\"\nADF.#2.Visible = FALSE\nADF.#2.Name.Visible = TRUE\n",
                 {L"checked=0 A", L"checked=0 B", L"checked=0 C"},
                 {L"ADF.#1.File", L"ADF.#2.File", L"ADF.#2.Visible", L"ADF.#3.File"},
                 0}),
    [](const testing::TestParamInfo<TickCase>& info) { return info.param.name; });

struct OkCase {
    const char* name;
    std::vector<std::wstring> actions;
    std::vector<std::wstring> statements;
};

class AdfOk : public testing::TestWithParam<OkCase> {};

// Three entries whose files do not exist: their short form is the path itself.
TEST_P(AdfOk, ResetsEverySlotThenRegistersTheTickedEntriesInListOrder)
{
    kivtest::ClearSettings();
    WriteList({L"C:\\DATA\\A.ADF,A", L"C:\\DATA\\B.ADF,B", L"C:\\DATA\\C.ADF,C"});
    const std::string state = Slots({{L"C:\\DATA\\A.ADF", "TRUE"}, {L"C:\\DATA\\B.ADF", "TRUE"}, {L"C:\\DATA\\C.ADF", "TRUE"}}) +
                              "ADF.#1.Name.Visible = FALSE\nADF.#2.Name.Visible = FALSE\nADF.#3.Name.Visible = FALSE\n";
    std::vector<std::wstring> actions = GetParam().actions;
    actions.push_back(L"ok");
    const auto run = RunMisc(state, actions);
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(run.driverFailures, 0);
    const auto statements = run.Statements();
    ASSERT_GE(statements.size(), 40u);
    for (int n = 1; n <= 40; ++n)
        EXPECT_EQ(statements[static_cast<size_t>(n - 1)], L"Init ADF.#" + std::to_wstring(n));
    EXPECT_EQ(AfterInit(run), GetParam().statements);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, AdfOk,
    testing::Values(
        OkCase{"ThreeWithNames",
               {L"click 1001"},
               {FileStatement(1, L"C:\\DATA\\A.ADF"), NameStatement(1), FileStatement(2, L"C:\\DATA\\B.ADF"),
                NameStatement(2), FileStatement(3, L"C:\\DATA\\C.ADF"), NameStatement(3), L"Show Stellar"}},
        OkCase{"ThreeWithoutNames",
               {},
               {FileStatement(1, L"C:\\DATA\\A.ADF"), FileStatement(2, L"C:\\DATA\\B.ADF"),
                FileStatement(3, L"C:\\DATA\\C.ADF"), L"Show Stellar"}},
        OkCase{"UntickedEntryKeepsItsSlotEmpty",
               {L"check 1214 1"},
               {FileStatement(1, L"C:\\DATA\\A.ADF"), FileStatement(3, L"C:\\DATA\\C.ADF"), L"Show Stellar"}},
        OkCase{"MovedEntryChangesItsSlot",
               {L"select 1214 2", L"click 1307", L"check 1214 0"},
               {FileStatement(2, L"C:\\DATA\\C.ADF"), FileStatement(3, L"C:\\DATA\\B.ADF"), L"Show Stellar"}}),
    [](const testing::TestParamInfo<OkCase>& info) { return info.param.name; });

TEST(AdfOk, TicksAndNamesAloneLeaveTheStoreAsItWas)
{
    kivtest::ClearSettings();
    // A value after a gap is not part of the list; only a rewrite removes it.
    WriteList({L"C:\\DATA\\A.ADF,A", std::nullopt, L"C:\\DATA\\C.ADF,C"});
    const auto before = ReadValues(kListKey);
    const auto run = RunMisc(Slots({{L"C:\\DATA\\A.ADF", "TRUE"}}), {L"check 1214 0", L"click 1001", L"select 1214 0", L"ok"});
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(ReadValues(kListKey), before);
}

TEST(AdfOk, CancelSendsNothing)
{
    kivtest::ClearSettings();
    WriteList({L"C:\\DATA\\A.ADF,A", L"C:\\DATA\\B.ADF,B"});
    const auto before = ReadValues(kListKey);
    const auto run = RunMisc(Slots({{L"C:\\DATA\\A.ADF", "TRUE"}}),
                             {L"select 1214 0", L"click 1308", L"check 1214 0", L"click 1001", L"cancel"});
    EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_TRUE(run.Statements().empty());
    EXPECT_EQ(ReadValues(kListKey), before);
}

struct MoveCase {
    const char* name;
    std::vector<std::wstring> actions;
    std::vector<std::wstring> items;
    int sel;
    bool upEnabled;
    bool downEnabled;
    std::vector<std::wstring> store;  // ADF1.. after OK
};

class AdfMoves : public testing::TestWithParam<MoveCase> {};

TEST_P(AdfMoves, KeepTicksAndSelection)
{
    kivtest::ClearSettings();
    WriteList({L"C:\\DATA\\A.ADF,A", L"C:\\DATA\\B.ADF,B", L"C:\\DATA\\C.ADF,C"});
    std::vector<std::wstring> actions = GetParam().actions;
    actions.push_back(L"dump");
    actions.push_back(L"ok");
    const auto run = RunMisc(Slots({{L"C:\\DATA\\A.ADF", "TRUE"}, {L"", ""}, {L"C:\\DATA\\C.ADF", "TRUE"}}), actions);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(ListItems(run), GetParam().items);
    const auto list = run.Control(1214);
    const auto up = run.Control(1307);
    const auto down = run.Control(1308);
    ASSERT_TRUE(list && up && down);
    EXPECT_EQ(list->sel, GetParam().sel);
    EXPECT_EQ(up->enabled, GetParam().upEnabled);
    EXPECT_EQ(down->enabled, GetParam().downEnabled);
    std::map<std::wstring, std::wstring> expected;
    for (size_t i = 0; i < GetParam().store.size(); ++i)
        expected[L"ADF" + std::to_wstring(i + 1)] = GetParam().store[i];
    EXPECT_EQ(ReadValues(kListKey), expected);
}

const std::wstring kStoreA = L"C:\\DATA\\A.ADF,A";
const std::wstring kStoreB = L"C:\\DATA\\B.ADF,B";
const std::wstring kStoreC = L"C:\\DATA\\C.ADF,C";

INSTANTIATE_TEST_SUITE_P(
    Moves, AdfMoves,
    testing::Values(
        MoveCase{"DownFromTheTop",
                 {L"select 1214 0", L"click 1308"},
                 {L"checked=0 B", L"checked=1 A", L"checked=1 C"},
                 1, true, true, {kStoreB, kStoreA, kStoreC}},
        MoveCase{"UpToTheTop",
                 {L"select 1214 1", L"click 1307"},
                 {L"checked=0 B", L"checked=1 A", L"checked=1 C"},
                 0, false, true, {kStoreB, kStoreA, kStoreC}},
        MoveCase{"DownToTheBottom",
                 {L"select 1214 0", L"click 1308", L"click 1308"},
                 {L"checked=0 B", L"checked=1 C", L"checked=1 A"},
                 2, true, false, {kStoreB, kStoreC, kStoreA}},
        // The first entry cannot go up and the last cannot go down: the buttons say so, and
        // a selection alone is no change, so the store keeps its values.
        MoveCase{"TopSelected", {L"select 1214 0"}, {L"checked=1 A", L"checked=0 B", L"checked=1 C"},
                 0, false, true, {kStoreA, kStoreB, kStoreC}},
        MoveCase{"BottomSelected", {L"select 1214 2"}, {L"checked=1 A", L"checked=0 B", L"checked=1 C"},
                 2, true, false, {kStoreA, kStoreB, kStoreC}}),
    [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

TEST(AdfMoves, TheOnlyEntryCannotMove)
{
    kivtest::ClearSettings();
    WriteList({kStoreA});
    const auto run = RunMisc("", {L"select 1214 0", L"dump", L"cancel"});
    const auto up = run.Control(1307);
    const auto down = run.Control(1308);
    ASSERT_TRUE(up && down);
    EXPECT_FALSE(up->enabled);
    EXPECT_FALSE(down->enabled);
}

TEST(AdfDelete, WithoutASelectionAsksForOne)
{
    kivtest::ClearSettings();
    WriteList({kStoreA});
    const auto run = RunMisc("", {L"click 1218", L"dump", L"cancel"});
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"info 削除する天体を選択してください。"});
    EXPECT_EQ(ListItems(run), std::vector<std::wstring>{L"checked=0 A"});
}

}  // namespace
