// The satellite search: what it asks the host while it walks the list, what it selects, the
// messages, Enter in the search field, and the history kept in the settings store.
#include "tests/dialogs/satellite_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace kivtest::sat;
using kivhost::RunResult;

const wchar_t kNoText[] = L"info 検索する文字列を入力してください。";
const wchar_t kNoMatch[] = L"info 一致する天体はありません。";

// The queries sent after the opening's 30 (4, then 5 per satellite of FiveSatellites, then 1).
std::vector<std::wstring> SearchQueries(const kivtest::DialogRun& run)
{
    auto queries = run.Queries();
    queries.erase(queries.begin(), queries.begin() + std::min<size_t>(queries.size(), 30));
    return queries;
}

std::vector<std::wstring> WalkQueries(const std::vector<int>& numbers)
{
    std::vector<std::wstring> queries;
    for (const int n : numbers) {
        queries.push_back(L"ArtificialSatellite." + std::to_wstring(n) + L".TLEName");
        queries.push_back(L"ArtificialSatellite." + std::to_wstring(n) + L".Name");
    }
    return queries;
}

std::vector<std::wstring> StoredHistory()
{
    std::vector<std::wstring> values;
    for (int k = 1; k <= 6; ++k) {
        CString value;
        CRegistry::Read(kSection, (L"SearchString" + std::to_wstring(k)).c_str(), L"", value);
        values.push_back(value.str());
    }
    return values;
}

// The combo box's entries, without the dump's "checked=0 ".
std::vector<std::wstring> History(const kivtest::DialogRun& run, size_t n = 0)
{
    std::vector<std::wstring> entries;
    const auto combo = run.Control(1712, n);
    for (const std::wstring& item : combo ? combo->items : std::vector<std::wstring>{})
        entries.push_back(item.substr(item.find(L' ') + 1));
    return entries;
}

class SatelliteSearch : public testing::Test {
protected:
    void SetUp() override { kivtest::ClearSettings(); }
    void TearDown() override { kivtest::ClearSettings(); }
};

// Sorted rows: 0 ISS 25544, 1 AQUA 27424, 2 HST 20580, 3 noaa 19 33591, 4 NOAA 20 43013.

TEST_F(SatelliteSearch, WalkAsksForTheNamesFromTheRowAfterTheSelectionBothWays)
{
    struct Case {
        const wchar_t* button;
        std::vector<int> numbers;
    };
    const Case cases[] = {
        {L"click 1713", {33591, 43013, 25544, 27424, 20580}},
        {L"click 1714", {27424, 25544, 43013, 33591, 20580}},
    };
    for (const Case& c : cases) {
        kivtest::ClearSettings();
        const auto run = RunASat(SkyOf(FiveSatellites()), {L"select 1129 2", L"type 1712 nothing", c.button, L"dump", L"cancel"});
        EXPECT_EQ(SearchQueries(run), WalkQueries(c.numbers));
        EXPECT_EQ(run.Messages(), std::vector<std::wstring>{kNoMatch});
        EXPECT_EQ(run.Control(1129)->sel, 2);  // the selection stays where it was
    }
}

TEST_F(SatelliteSearch, WithoutASelectionStartsAtTheFirstOrTheLastRow)
{
    const auto forward = RunASat(SkyOf(FiveSatellites()), {L"type 1712 HST", L"click 1713", L"dump", L"cancel"});
    // A row whose TLE name matches is not asked for its name.
    auto expected = WalkQueries({25544, 27424});
    expected.push_back(L"ArtificialSatellite.20580.TLEName");
    EXPECT_EQ(SearchQueries(forward), expected);
    EXPECT_EQ(forward.Control(1129)->sel, 2);
    kivtest::ClearSettings();
    const auto backward = RunASat(SkyOf(FiveSatellites()), {L"type 1712 aqua", L"click 1714", L"dump", L"cancel"});
    expected = WalkQueries({43013, 33591, 20580});
    expected.push_back(L"ArtificialSatellite.27424.TLEName");
    EXPECT_EQ(SearchQueries(backward), expected);
    EXPECT_EQ(backward.Control(1129)->sel, 1);
    EXPECT_TRUE(backward.Messages().empty());
}

TEST_F(SatelliteSearch, UpperCasedTextIsAnExactSubstringOfTheTleNameOrTheName)
{
    struct Case {
        const char* text;
        int selected;  // -1: no match
    };
    // Host names: "ISS (ZARYA)", "AQUA", "HST", "noaa 19" (lower case), "NOAA 20".
    const Case cases[] = {
        {"iss", 0}, {"(zarya", 0}, {"noaa", 4}, {"NOAA 19", -1}, {" 19", 3}, {"hst", 2}, {"ZZ", -1}};
    for (const Case& c : cases) {
        kivtest::ClearSettings();
        const std::wstring text(c.text, c.text + std::strlen(c.text));
        const auto run = RunASat(SkyOf(FiveSatellites()), {L"type 1712 " + text, L"click 1713", L"dump", L"cancel"});
        EXPECT_EQ(run.Control(1129)->sel, c.selected) << c.text;
        EXPECT_EQ(run.Messages().empty(), c.selected >= 0) << c.text;
    }
}

TEST_F(SatelliteSearch, TheNameIsAskedWhenTheTleNameDoesNotMatch)
{
    std::vector<Satellite> sats = FiveSatellites();
    sats[0].name = "NOAA-X";  // 43013: TLE name "NOAA 20", name "NOAA-X"
    const auto run = RunASat(SkyOf(sats), {L"type 1712 noaa-x", L"click 1713", L"dump", L"cancel"});
    EXPECT_EQ(run.Control(1129)->sel, 4);
    EXPECT_EQ(SearchQueries(run), WalkQueries({25544, 27424, 20580, 33591, 43013}));
}

TEST_F(SatelliteSearch, SearchingAgainMovesToTheNextMatchAndWraps)
{
    const auto run = RunASat(SkyOf(FiveSatellites()),
                             {L"type 1712 A", L"click 1713", L"dump", L"click 1713", L"dump", L"click 1713", L"dump",
                              L"click 1713", L"dump", L"cancel"});
    // Rows whose names hold a capital A: 0 (ZARYA), 1 (AQUA) and 4 (NOAA 20).
    EXPECT_EQ(run.Control(1129, 0)->sel, 0);
    EXPECT_EQ(run.Control(1129, 1)->sel, 1);
    EXPECT_EQ(run.Control(1129, 2)->sel, 4);
    EXPECT_EQ(run.Control(1129, 3)->sel, 0);
}

TEST_F(SatelliteSearch, EnterInTheSearchFieldSearchesAndShiftEnterGoesBack)
{
    const auto run = RunASat(SkyOf(FiveSatellites()),
                             {L"type 1712 noaa", L"key 1712 RETURN", L"dump", L"key 1712 RETURN", L"dump",
                              L"key 1712 SHIFT+RETURN", L"dump", L"cancel"});
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.Control(1129, 0)->sel, 4);
    EXPECT_EQ(run.Control(1129, 1)->sel, 4);  // "NOAA" in upper case: only NOAA 20's names hold it
    EXPECT_EQ(run.Control(1129, 2)->sel, 4);
    EXPECT_EQ(run.result, RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
}

TEST_F(SatelliteSearch, ShiftEnterSearchesBackward)
{
    const auto run = RunASat(SkyOf(FiveSatellites()),
                             {L"select 1129 2", L"type 1712 a", L"key 1712 SHIFT+RETURN", L"dump", L"cancel"});
    EXPECT_EQ(run.Control(1129)->sel, 1);
    EXPECT_EQ(run.result, RunResult::Cancel);
}

TEST_F(SatelliteSearch, AnEmptyTextOnlyShowsTheMessage)
{
    for (const wchar_t* button : {L"click 1713", L"click 1714"}) {
        kivtest::ClearSettings();
        const auto run = RunASat(SkyOf(FiveSatellites()), {L"select 1129 1", button, L"dump", L"cancel"});
        EXPECT_EQ(run.Messages(), std::vector<std::wstring>{kNoText});
        EXPECT_TRUE(SearchQueries(run).empty());
        EXPECT_TRUE(History(run).empty());
        EXPECT_EQ(run.Control(1129)->sel, 1);
    }
}

TEST_F(SatelliteSearch, AnEmptyListFindsNothing)
{
    const auto run = RunASat(SkyOf({}), {L"type 1712 iss", L"click 1713", L"dump", L"cancel"});
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{kNoMatch});
    EXPECT_EQ(History(run), std::vector<std::wstring>{L"iss"});
}

TEST_F(SatelliteSearch, HistoryKeepsFiveMostRecentFirstOneEntryPerText)
{
    const auto run = RunASat(SkyOf(FiveSatellites()),
                             {L"type 1712 a", L"click 1713", L"type 1712 b", L"click 1713", L"type 1712 c", L"click 1713",
                              L"type 1712 d", L"click 1713", L"type 1712 e", L"click 1713", L"type 1712 f", L"click 1713",
                              L"dump", L"type 1712 C", L"click 1713", L"dump", L"cancel"});
    EXPECT_EQ(History(run, 0), (std::vector<std::wstring>{L"f", L"e", L"d", L"c", L"b"}));
    EXPECT_EQ(History(run, 1), (std::vector<std::wstring>{L"C", L"f", L"e", L"d", L"b"}));
    EXPECT_EQ(run.Control(1712, 1)->text, L"C");
    // Saved on Cancel, in the same order.
    EXPECT_EQ(StoredHistory(), (std::vector<std::wstring>{L"C", L"f", L"e", L"d", L"b", L""}));
}

TEST_F(SatelliteSearch, StoredHistoryLoadsUpToTheFirstGapAndShowsTheNewest)
{
    CRegistry::Write(kSection, L"SearchString1", L"hst");
    CRegistry::Write(kSection, L"SearchString2", L"iss");
    CRegistry::Write(kSection, L"SearchString4", L"old");
    const auto run = RunASat(SkyOf(FiveSatellites()), {L"dump", L"cancel"});
    EXPECT_EQ(History(run), (std::vector<std::wstring>{L"hst", L"iss"}));
    EXPECT_EQ(run.Control(1712)->text, L"hst");
    // Only the entries the box holds are written; the fourth value stays as it was.
    EXPECT_EQ(StoredHistory(), (std::vector<std::wstring>{L"hst", L"iss", L"", L"old", L"", L""}));
}

TEST_F(SatelliteSearch, HistoryIsSavedOnOkToo)
{
    CRegistry::Write(kSection, L"SearchString1", L"hst");
    const auto run = RunASat(SkyOf(FiveSatellites()), {L"type 1712 aqua", L"click 1713", L"focus 1", L"ok"});
    EXPECT_EQ(run.result, RunResult::Ok);
    EXPECT_EQ(StoredHistory()[0], L"aqua");
    EXPECT_EQ(StoredHistory()[1], L"hst");
}

}  // namespace
