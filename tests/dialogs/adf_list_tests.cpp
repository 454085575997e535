// The additional data file list: what it reads from the store and the host, what it tells the
// host on OK, and how entries move.
#include "tests/dialogs/adf_test_support.h"

#include <tuple>

using namespace kivtest::adf;

namespace {

const std::wstring kA = L"C:\\DATA\\A.ADF,A";
const std::wstring kB = L"C:\\DATA\\B.ADF,B";
const std::wstring kC = L"C:\\DATA\\C.ADF,C";

// The store's values split at their first comma; the list ends at the first value that is no
// entry (missing, empty, or without a file or a comma) and after forty entries.
TEST(AdfList, ShowsTheStoredEntriesUpToTheFirstMalformedValue)
{
    const std::wstring comet = L"C:\\DATA\\A.ADF,Comet, bright";
    const std::pair<std::vector<std::optional<std::wstring>>, std::vector<std::wstring>> cases[] = {
        {{comet, L"C:\\DATA\\B.ADF,", L"x,,"}, {L"checked=0 Comet, bright", L"checked=0 ", L"checked=0 ,"}},
        {{comet, std::nullopt, kB}, {L"checked=0 Comet, bright"}},
        {{comet, L",Nameless", kB}, {L"checked=0 Comet, bright"}},
        {{L"C:\\DATA\\C.ADF", comet}, {}}};
    for (const auto& [values, items] : cases) {
        kivtest::ClearSettings();
        WriteList(values);
        EXPECT_EQ(ListItems(RunMisc("", {L"dump", L"cancel"})), items);
    }
    kivtest::ClearSettings();
    WriteList(Numbered(41));
    const auto items = ListItems(RunMisc("", {L"dump", L"cancel"}));
    ASSERT_EQ(items.size(), 40u);
    EXPECT_EQ(items.back(), L"checked=0 Entry 40");
}

// An entry is ticked when its slot has a file and a visibility starting with T; the names box
// follows the first ticked slot whose names are asked.
TEST(AdfList, TicksFollowTheHostsSlots)
{
    // The host's slots, the list's items, the queries in order, the names box.
    using Case = std::tuple<std::string, std::vector<std::wstring>, std::vector<std::wstring>, int>;
    const Case cases[] = {
        {"ADF.#1.File = \"a\"\nADF.#1.Visible = \"true\"\n"
         "ADF.#2.File = \"b\"\nADF.#2.Visible = TRUE\nADF.#2.Name.Visible = FALSE\n"
         "ADF.#3.File = \"c\"\nADF.#3.Visible = \"True\"\nADF.#3.Name.Visible = \"Tx\"\n",
         {L"checked=0 A", L"checked=1 B", L"checked=1 C"},
         {L"ADF.#1.File", L"ADF.#1.Visible", L"ADF.#2.File", L"ADF.#2.Visible", L"ADF.#2.Name.Visible", L"ADF.#3.File",
          L"ADF.#3.Visible", L"ADF.#3.Name.Visible"},
         1},
        {"ADF.#1.File = \"a\"\nADF.#1.Visible = TRUE\nADF.#1.Name.Visible = TRUE\n"
         "ADF.#2.File = \"b\"\nADF.#2.Visible = TRUE\nADF.#2.Name.Visible = FALSE\n",
         {L"checked=1 A", L"checked=1 B", L"checked=0 C"},
         {L"ADF.#1.File", L"ADF.#1.Visible", L"ADF.#1.Name.Visible", L"ADF.#2.File", L"ADF.#2.Visible", L"ADF.#3.File"},
         1},
        {"ADF.#1.Visible = TRUE\nADF.#1.Name.Visible = TRUE\n"
         "ADF.#2.File = \"b\"\nADF.#2.Visible = FALSE\nADF.#2.Name.Visible = TRUE\n",
         {L"checked=0 A", L"checked=0 B", L"checked=0 C"},
         {L"ADF.#1.File", L"ADF.#2.File", L"ADF.#2.Visible", L"ADF.#3.File"},
         0}};
    for (const auto& [state, items, queries, names] : cases) {
        kivtest::ClearSettings();
        WriteList({kA, kB, kC});
        const auto run = RunMisc(state, {L"dump", L"cancel"});
        EXPECT_EQ(ListItems(run), items);
        EXPECT_EQ(run.Queries(), queries);
        EXPECT_EQ(kivtest::Checked(run, 1001), names);
    }
}

// Three entries whose files do not exist: their short form is the path itself. OK resets every
// slot, then registers the ticked entries in list order; Cancel sends nothing and keeps the store.
TEST(AdfList, OkRegistersTheTickedEntriesInListOrder)
{
    // The actions, and the statements after the resets (empty: the dialog is cancelled).
    using Case = std::pair<std::vector<std::wstring>, std::vector<std::wstring>>;
    const Case cases[] = {
        {{L"click 1001", L"ok"},
         {FileStatement(1, L"C:\\DATA\\A.ADF"), L"ADF.#1.Name.Visible = TRUE", FileStatement(2, L"C:\\DATA\\B.ADF"),
          L"ADF.#2.Name.Visible = TRUE", FileStatement(3, L"C:\\DATA\\C.ADF"), L"ADF.#3.Name.Visible = TRUE",
          L"Show Stellar"}},
        {{L"check 1214 1", L"ok"}, {FileStatement(1, L"C:\\DATA\\A.ADF"), FileStatement(3, L"C:\\DATA\\C.ADF"), L"Show Stellar"}},
        {{L"select 1214 2", L"click 1307", L"check 1214 0", L"ok"},
         {FileStatement(2, L"C:\\DATA\\C.ADF"), FileStatement(3, L"C:\\DATA\\B.ADF"), L"Show Stellar"}},
        {{L"select 1214 0", L"click 1308", L"check 1214 0", L"click 1001", L"cancel"}, {}}};
    for (const auto& [actions, statements] : cases) {
        kivtest::ClearSettings();
        WriteList({kA, kB, kC});
        const auto run = RunMisc(Slots({L"C:\\DATA\\A.ADF", L"C:\\DATA\\B.ADF", L"C:\\DATA\\C.ADF"}) +
                                     "ADF.#1.Name.Visible = FALSE\nADF.#2.Name.Visible = FALSE\nADF.#3.Name.Visible = FALSE\n",
                                 actions);
        if (statements.empty()) {
            EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
            EXPECT_TRUE(run.Statements().empty());
            EXPECT_EQ(ReadValues(kListKey), Store({kA, kB, kC}));
        } else {
            EXPECT_EQ(run.result, kivhost::RunResult::Ok);
            EXPECT_EQ(AfterInit(run), statements);
        }
    }
}

// A value after a gap is not part of the list; only a rewrite, after a change of the list itself,
// would remove it.
TEST(AdfList, TicksAndNamesAloneLeaveTheStoreAsItWas)
{
    kivtest::ClearSettings();
    WriteList({kA, std::nullopt, kC});
    const auto run = RunMisc(Slots({L"C:\\DATA\\A.ADF"}), {L"check 1214 0", L"click 1001", L"select 1214 0", L"ok"});
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(ReadValues(kListKey), (Values{{L"ADF1", kA}, {L"ADF3", kC}}));
}

// A move keeps the entry's tick and the selection on it; the buttons say whether it can go on.
TEST(AdfList, MovesKeepTicksAndSelection)
{
    // The actions, the items, the selection, the up and down buttons, the store after OK.
    using Case = std::tuple<std::vector<std::wstring>, std::vector<std::wstring>, int, bool, bool, std::vector<std::wstring>>;
    const Case cases[] = {
        {{L"select 1214 0", L"click 1308"}, {L"checked=0 B", L"checked=1 A", L"checked=1 C"}, 1, true, true, {kB, kA, kC}},
        {{L"select 1214 1", L"click 1307"}, {L"checked=0 B", L"checked=1 A", L"checked=1 C"}, 0, false, true, {kB, kA, kC}},
        {{L"select 1214 0", L"click 1308", L"click 1308"}, {L"checked=0 B", L"checked=1 C", L"checked=1 A"}, 2, true, false,
         {kB, kC, kA}}};
    for (const auto& [actions, items, sel, up, down, store] : cases) {
        kivtest::ClearSettings();
        WriteList({kA, kB, kC});
        const auto run = RunMisc(Slots({L"C:\\DATA\\A.ADF", L"", L"C:\\DATA\\C.ADF"}), kivtest::Then(actions, {L"dump", L"ok"}));
        EXPECT_EQ(ListItems(run), items);
        ASSERT_TRUE(run.Control(1214).has_value());
        EXPECT_EQ(run.Control(1214)->sel, sel);
        EXPECT_EQ(kivtest::Enabled(run, 1307), up ? 1 : 0);
        EXPECT_EQ(kivtest::Enabled(run, 1308), down ? 1 : 0);
        EXPECT_EQ(ReadValues(kListKey), Store(store));
    }
}

TEST(AdfList, DeleteWithoutASelectionAsksForOne)
{
    kivtest::ClearSettings();
    WriteList({kA});
    const auto run = RunMisc("", {L"click 1218", L"dump", L"cancel"});
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"info 削除する天体を選択してください。"});
    EXPECT_EQ(ListItems(run), std::vector<std::wstring>{L"checked=0 A"});
}

}  // namespace
