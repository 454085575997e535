// The satellite dialog: what it asks and in which order, the list and its order, the magnitude,
// the major limit with the bulk buttons, the search and its history, what OK and Cancel send and
// store, and hosts with more satellites than a sky file holds or with broken number answers.
#include "channel/CorZen.h"
#include "dialogs/satellite/DlgASat.h"
#include "dialogs/satellite/SatelliteRules.h"
#include "framework/kivreg/Registry.h"
#include "host/core/Driver.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <oaidl.h>

#include <algorithm>
#include <cwchar>
#include <limits>
#include <map>
#include <optional>

namespace {

using kivhost::RunResult;
using kivtest::DialogRun;

constexpr int kList = 1129, kMagnitude = 1548, kSearch = 1712;
constexpr wchar_t kSection[] = L"Dialog\\ASat";
// What OK sends first when the host's display settings are those SkyOf writes.
const std::wstring kDisplaySent = L";ArtificialSatellite.Name.Visible = True;ArtificialSatellite.Number.Visible = False;"
                                  L"ArtificialSatellite.Visible.InShadow = False;ArtificialSatellite.Magnitude = 4.0;";

struct Satellite {
    int number;
    std::string tleName, name, localName, type;  // no local name: not a major satellite
    bool visible;
};

// A sky of these satellites in the state-file form; extra statements come last, so they override.
std::string SkyOf(const std::vector<Satellite>& satellites, const std::string& extra = "")
{
    std::string state = "ArtificialSatellite.Name.Visible = TRUE\nArtificialSatellite.Number.Visible = FALSE\n"
                        "ArtificialSatellite.Visible.InShadow = FALSE\nArtificialSatellite.Magnitude = 4.0\n";
    for (const Satellite& s : satellites) {
        const std::string key = "ArtificialSatellite." + std::to_string(s.number);
        state += "New " + key + "\n" + key + ".TLEName = \"" + s.tleName + "\"\n" + key + ".Name = \"" + s.name + "\"\n" +
                 key + ".LocalName = \"" + s.localName + "\"\n" + key + ".Type = \"" + s.type + "\"\n" + key +
                 ".Visible = " + (s.visible ? "TRUE" : "FALSE") + "\n";
    }
    return state + extra;
}

// In host order. Sorted: 0 ISS 25544, 1 AQUA 27424, 2 HST 20580, 3 noaa 19 33591, 4 NOAA 20 43013.
// ISS and HST are the major ones; only HST has a name other than its TLE name.
const std::vector<Satellite> kFive = {
    {43013, "NOAA 20", "NOAA 20", "", "気象衛星", true},
    {25544, "ISS (ZARYA)", "ISS (ZARYA)", "国際宇宙ステーション", "宇宙ステーション", true},
    {20580, "HST", "HUBBLE", "ハッブル宇宙望遠鏡", "科学衛星", false},
    {27424, "AQUA", "AQUA", "", "地球観測衛星", false},
    {33591, "noaa 19", "noaa 19", "", "気象衛星", false},
};

DialogRun RunASat(const std::string& state, std::vector<std::wstring> actions)
{
    return kivtest::Run({L"CDlgASat", state, false, {}, std::move(actions)});
}

// The items of a list or combo box in the n-th dump, without the dump's "checked=N ".
std::vector<std::wstring> Items(const DialogRun& run, int id, size_t dump = 0)
{
    std::vector<std::wstring> items;
    const auto control = run.Control(id, dump);
    for (const std::wstring& item : control ? control->items : std::vector<std::wstring>{})
        items.push_back(item.substr(item.find(L' ') + 1));
    return items;
}

// A row's label: its columns are joined by tabs, the first one empty.
std::wstring Label(const std::wstring& row)
{
    return row.substr(1, row.find(L'\t', 1) - 1);
}

// The catalogue number that ends each row's label, "(number)".
std::vector<int> RowNumbers(const DialogRun& run, size_t dump = 0)
{
    std::vector<int> numbers;
    for (const std::wstring& row : Items(run, kList, dump))
        numbers.push_back(std::stoi(Label(row).substr(Label(row).rfind(L'(') + 1)));
    return numbers;
}

std::vector<bool> Ticks(const DialogRun& run, size_t dump = 0)
{
    std::vector<bool> ticks;
    if (const auto list = run.Control(kList, dump)) {
        for (const std::wstring& row : list->items)
            ticks.push_back(row.rfind(L"checked=1 ", 0) == 0);
    }
    return ticks;
}

std::wstring Stored(const std::wstring& key)
{
    CString value;
    CRegistry::Read(kSection, key.c_str(), L"", value);
    return value.str();
}

class SatelliteDialog : public testing::Test {
protected:
    void SetUp() override { kivtest::ClearSettings(); }
    void TearDown() override { kivtest::ClearSettings(); }
};
using SatelliteSearch = SatelliteDialog;
using SatelliteCatalogue = SatelliteDialog;

TEST_F(SatelliteDialog, OpensWithTheHostsSettingsAndListsTheStationFirstThenByLabelInAnyCase)
{
    // Booleans are true in any letter case; the magnitude shows rounded half up to a tenth.
    const auto run = RunASat(SkyOf(kFive, "ArtificialSatellite.Name.Visible = \"true\"\n"
                                          "ArtificialSatellite.Number.Visible = \"True\"\n"
                                          "ArtificialSatellite.Visible.InShadow = \"yes\"\n"
                                          "ArtificialSatellite.Magnitude = 2.25\nArtificialSatellite.27424.Visible = \"tRUE\"\n"),
                             {L"dump", L"cancel"});
    std::vector<std::wstring> asked = {L"ArtificialSatellite.Name.Visible", L"ArtificialSatellite.Number.Visible",
                                       L"ArtificialSatellite.Count", L"ArtificialSatellite.Visible.InShadow"};
    for (size_t p = 1; p <= kFive.size(); ++p) {
        const std::wstring at = L"ArtificialSatellite.No" + std::to_wstring(p) + L".";
        const std::wstring key = L"ArtificialSatellite." + std::to_wstring(kFive[p - 1].number) + L".";
        asked.insert(asked.end(), {at + L"Visible", at + L"TLEName", at + L"Number", key + L"LocalName", key + L"Type"});
    }
    asked.push_back(L"ArtificialSatellite.Magnitude");
    EXPECT_EQ(run.Queries(), asked);
    EXPECT_EQ(RowNumbers(run), (std::vector<int>{25544, 27424, 20580, 33591, 43013}));
    const auto rows = Items(run, kList);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], L"\tISS (ZARYA)              (25544)\t国際宇宙ステーション\t宇宙ステーション");
    EXPECT_EQ(rows[1], L"\tAQUA                     (27424)\t\t地球観測衛星");
    EXPECT_EQ(Ticks(run), (std::vector<bool>{true, true, false, false, true}));
    EXPECT_EQ(run.Control(kList)->sel, -1);
    EXPECT_EQ(run.Control(1503)->checked, 1);
    EXPECT_EQ(run.Control(1504)->checked, 1);
    EXPECT_EQ(run.Control(1550)->checked, 0);
    EXPECT_EQ(run.Control(kMagnitude)->text, L"2.3");
    EXPECT_EQ(run.result, RunResult::Cancel);
}

TEST_F(SatelliteDialog, OkSendsOneCommandInListOrderWithTheMagnitudeAsShown)
{
    // Untick the name labels, tick AQUA (row 1), untick the station (row 0), one step up.
    const auto run = RunASat(SkyOf(kFive, "ArtificialSatellite.Number.Visible = TRUE\nArtificialSatellite.Visible.InShadow = "
                                          "TRUE\nArtificialSatellite.Magnitude = 6.5\n"),
                             {L"click 1503", L"check 1129 1", L"check 1129 0", L"spin 1549 up", L"ok"});
    EXPECT_EQ(run.result, RunResult::Ok);
    EXPECT_EQ(run.Statements(), std::vector<std::wstring>{
                                    L";ArtificialSatellite.Name.Visible = False;ArtificialSatellite.Number.Visible = True;"
                                    L"ArtificialSatellite.Visible.InShadow = True;ArtificialSatellite.Magnitude = 6.6;"
                                    L"ArtificialSatellite.25544.Visible = False;ArtificialSatellite.27424.Visible = True;"
                                    L"ArtificialSatellite.20580.Visible = False;ArtificialSatellite.33591.Visible = False;"
                                    L"ArtificialSatellite.43013.Visible = True;Show Sky;"});
}

TEST_F(SatelliteDialog, OkRefusesAMagnitudeOutsideMinus2To20)
{
    const std::pair<const wchar_t*, bool> cases[] = {{L"20.5", false}, {L"-2.1", false}, {L"20.0", true}, {L"-2.0", true}};
    for (const auto& [typed, accepted] : cases) {
        const auto run = RunASat(SkyOf(kFive), {std::wstring(L"type 1548 ") + typed, L"focus 1", L"ok"});
        // A refused value leaves the dialog open, until the driver cancels it when the script ends.
        EXPECT_EQ(run.result, accepted ? RunResult::Ok : RunResult::Cancel) << typed;
        EXPECT_EQ(run.Statements().size(), accepted ? 1u : 0u) << typed;
        EXPECT_EQ(run.Messages(), accepted ? std::vector<std::wstring>{}
                                           : std::vector<std::wstring>{L"info 表示等級には -2.0 から 20.0 までの値を入力してください。"});
    }
}

TEST_F(SatelliteDialog, MajorLimitKeepsRowsWithALocalNameAndOkNamesOnlyThem)
{
    const auto run = RunASat(SkyOf(kFive), {L"click 1508", L"dump", L"ok"});
    EXPECT_EQ(RowNumbers(run), (std::vector<int>{25544, 20580}));
    EXPECT_EQ(run.Statements(), std::vector<std::wstring>{kDisplaySent + L"ArtificialSatellite.25544.Visible = True;"
                                                                          L"ArtificialSatellite.20580.Visible = False;Show Sky;"});
    EXPECT_EQ(Stored(L"LimitToMajorObjects"), L"1");
}

// The user ticks HST (row 2, hidden by the host), then the limit goes on, bulk buttons are pressed
// and the limit comes off: returning rows take the last bulk button's state, else the host's.
TEST_F(SatelliteDialog, RowsComingBackTakeTheBulkButtonsStateElseTheHostsAndKeptRowsKeepTheirTicks)
{
    const std::pair<std::vector<std::wstring>, std::vector<bool>> cases[] = {
        {{}, {true, false, true, false, true}},
        {{L"click 1506", L"click 1505"}, {true, true, true, true, true}},
        {{L"click 1505", L"click 1506"}, {false, false, false, false, false}},
    };
    for (const auto& [whileLimited, ticks] : cases) {
        std::vector<std::wstring> actions = {L"check 1129 2", L"click 1508"};
        actions.insert(actions.end(), whileLimited.begin(), whileLimited.end());
        actions.insert(actions.end(), {L"click 1508", L"dump", L"cancel"});
        const auto run = RunASat(SkyOf(kFive), actions);
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_EQ(RowNumbers(run), (std::vector<int>{25544, 27424, 20580, 33591, 43013}));
        EXPECT_EQ(Ticks(run), ticks) << whileLimited.size() << " bulk presses";
    }
}

TEST_F(SatelliteDialog, TheStoredLimitAppliesAtOpeningAndCancelSendsNothingButStoresTheLimit)
{
    CRegistry::Write(kSection, L"LimitToMajorObjects", 1, 0);
    const auto run = RunASat(SkyOf(kFive), {L"dump", L"click 1503", L"check 1129 1", L"click 1505", L"spin 1549 up",
                                            L"click 1508", L"cancel"});
    EXPECT_EQ(run.Control(1508)->checked, 1);
    EXPECT_EQ(RowNumbers(run), (std::vector<int>{25544, 20580}));
    EXPECT_EQ(run.result, RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
    EXPECT_EQ(Stored(L"LimitToMajorObjects"), L"0");
}

TEST(SatelliteLabel, PadsBeforeTheLastParenthesisTo32Characters)
{
    const struct {
        const wchar_t *name, *number, *label;
    } cases[] = {
        // 25 characters and the number make 32 exactly; 26 make 33 and stay as they are.
        {L"ABCDEFGHIJKLMNOPQRSTUVWXY", L"12345", L"ABCDEFGHIJKLMNOPQRSTUVWXY(12345)"},
        {L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", L"12345", L"ABCDEFGHIJKLMNOPQRSTUVWXYZ(12345)"},
        // A number answer with a parenthesis of its own holds the label's last one.
        {L"ODD", L"12(3", L"ODD(12                       (3)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SatelliteLabel(c.name, c.number).str(), c.label);
}

TEST(MagnitudeText, RoundsHalfATenthUpNotToEven)
{
    const std::pair<double, const wchar_t*> cases[] = {{4.26, L"4.3"}, {-2.25, L"-2.2"}, {-0.04, L"0.0"}, {-0.06, L"-0.1"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(MagnitudeText(value).str(), text) << value;
    // A value read from no number at all is refused on OK.
    EXPECT_FALSE(IsMagnitudeInRange(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(IsMagnitudeInRange(std::numeric_limits<double>::infinity()));
}

TEST(StepMagnitude, OneTenthFromTheRoundedValueWithinMinus2To20)
{
    const struct {
        double value;
        int delta, tenths;
    } cases[] = {{19.95, -1, 200}, {25.0, 1, 200}, {-1.9, 1, -20}, {4.26, -1, 44}, {4.26, 1, 42},
                 {1e308, -1, 200}, {std::numeric_limits<double>::quiet_NaN(), -1, 1}, {0.0, -5, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(StepMagnitudeTenths(c.value, c.delta), c.tenths) << c.value << " delta " << c.delta;
}

// The walk over longer lists shows in the search tests' queries.
TEST(SearchWalk, AListOfOneRowOrNone)
{
    EXPECT_EQ(SearchWalk(1, 0, 0), std::vector<int>{0});
    EXPECT_EQ(SearchWalk(1, -1, 1), std::vector<int>{0});
    EXPECT_EQ(SearchWalk(0, -1, 0), std::vector<int>{});
}

const wchar_t kNoMatch[] = L"info 一致する天体はありません。";

// The queries after the opening's 30 (4, then 5 per satellite of kFive, then 1).
std::vector<std::wstring> SearchQueries(const DialogRun& run)
{
    const auto queries = run.Queries();
    return std::vector<std::wstring>(queries.begin() + std::min<size_t>(queries.size(), 30), queries.end());
}

std::vector<std::wstring> StoredHistory()
{
    std::vector<std::wstring> values;
    for (int k = 1; k <= 6; ++k)
        values.push_back(Stored(L"SearchString" + std::to_wstring(k)));
    return values;
}

TEST_F(SatelliteSearch, WalksFromTheRowAfterTheSelectionAskingTheTleNameThenTheName)
{
    const struct {
        int selection;
        const wchar_t* text;
        int button;
        std::vector<int> walked;
        int found;  // the row selected at the end; -1: none matched and the selection stays
    } cases[] = {
        {2, L"nothing", 1713, {33591, 43013, 25544, 27424, 20580}, -1},
        {2, L"nothing", 1714, {27424, 25544, 43013, 33591, 20580}, -1},
        // Without a selection from the first row, or the last; a TLE name that matches ends the walk.
        {-1, L"HST", 1713, {25544, 27424, 20580}, 2},
        {-1, L"aqua", 1714, {43013, 33591, 20580, 27424}, 1},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> actions = {L"type 1712 " + std::wstring(c.text), L"click " + std::to_wstring(c.button), L"dump", L"cancel"};
        if (c.selection >= 0)
            actions.insert(actions.begin(), L"select 1129 " + std::to_wstring(c.selection));
        const auto run = RunASat(SkyOf(kFive), actions);
        std::vector<std::wstring> asked;
        for (const int n : c.walked) {
            asked.push_back(L"ArtificialSatellite." + std::to_wstring(n) + L".TLEName");
            if (c.found < 0 || n != c.walked.back())
                asked.push_back(L"ArtificialSatellite." + std::to_wstring(n) + L".Name");
        }
        EXPECT_EQ(SearchQueries(run), asked) << c.text << " " << c.button;
        EXPECT_EQ(run.Control(kList)->sel, c.found < 0 ? c.selection : c.found);
        EXPECT_EQ(run.Messages(), c.found < 0 ? std::vector<std::wstring>{kNoMatch} : std::vector<std::wstring>{});
    }
}

TEST_F(SatelliteSearch, FindsTheUpperCasedTextInTheTleNameOrTheName)
{
    const std::pair<const wchar_t*, int> cases[] = {{L"iss", 0}, {L"hubble", 2}, {L"noaa", 4}, {L" 19", 3}, {L"NOAA 19", -1}};
    for (const auto& [text, selected] : cases) {
        const auto run = RunASat(SkyOf(kFive), {L"type 1712 " + std::wstring(text), L"click 1713", L"dump", L"cancel"});
        EXPECT_EQ(run.Control(kList)->sel, selected) << text;
        EXPECT_EQ(run.Messages().size(), selected < 0 ? 1u : 0u) << text;
    }
}

TEST_F(SatelliteSearch, SearchingAgainMovesOnAndWrapsAndEnterSearchesWithoutClosing)
{
    // Rows whose names hold a capital A: 0 (ZARYA), 1 (AQUA) and 4 (NOAA 20). Shift+Enter goes back.
    const auto run = RunASat(SkyOf(kFive), {L"type 1712 A", L"click 1713", L"dump", L"click 1713", L"dump",
                                            L"key 1712 RETURN", L"dump", L"key 1712 RETURN", L"dump",
                                            L"key 1712 SHIFT+RETURN", L"dump", L"cancel"});
    EXPECT_EQ(run.driverFailures, 0);
    std::vector<int> selected;
    for (size_t n = 0; n < 5; ++n)
        selected.push_back(run.Control(kList, n) ? run.Control(kList, n)->sel : -2);
    EXPECT_EQ(selected, (std::vector<int>{0, 1, 4, 0, 4}));
    EXPECT_EQ(run.result, RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
}

TEST_F(SatelliteSearch, AnEmptyTextOnlyShowsItsMessage)
{
    const auto run = RunASat(SkyOf(kFive), {L"select 1129 1", L"click 1714", L"dump", L"cancel"});
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"info 検索する文字列を入力してください。"});
    EXPECT_TRUE(SearchQueries(run).empty());
    ASSERT_TRUE(run.Control(kSearch).has_value());
    EXPECT_TRUE(run.Control(kSearch)->items.empty());
    EXPECT_EQ(run.Control(kList)->sel, 1);
}

TEST_F(SatelliteSearch, HistoryKeepsTheFiveLatestOnceEachWhateverTheCaseAndIsStoredOnCancel)
{
    std::vector<std::wstring> actions;
    for (const wchar_t* text : {L"a", L"b", L"c", L"d", L"e", L"f", L"C"})
        actions.insert(actions.end(), {L"type 1712 " + std::wstring(text), L"click 1713"});
    actions.insert(actions.end(), {L"dump", L"cancel"});
    const auto run = RunASat(SkyOf(kFive), actions);
    EXPECT_EQ(Items(run, kSearch), (std::vector<std::wstring>{L"C", L"f", L"e", L"d", L"b"}));
    EXPECT_EQ(run.Control(kSearch)->text, L"C");
    EXPECT_EQ(StoredHistory(), (std::vector<std::wstring>{L"C", L"f", L"e", L"d", L"b", L""}));
}

TEST_F(SatelliteSearch, StoredHistoryLoadsUpToTheFirstGapAndIsStoredOnOk)
{
    CRegistry::Write(kSection, L"SearchString1", L"hst");
    CRegistry::Write(kSection, L"SearchString2", L"iss");
    CRegistry::Write(kSection, L"SearchString4", L"old");
    const auto run = RunASat(SkyOf(kFive), {L"dump", L"type 1712 aqua", L"click 1713", L"focus 1", L"ok"});
    EXPECT_EQ(Items(run, kSearch), (std::vector<std::wstring>{L"hst", L"iss"}));
    EXPECT_EQ(run.Control(kSearch)->text, L"hst");
    EXPECT_EQ(run.result, RunResult::Ok);
    // Only the entries the box holds are written: the fourth value stays as it was.
    EXPECT_EQ(StoredHistory(), (std::vector<std::wstring>{L"aqua", L"hst", L"iss", L"old", L"", L""}));
}

// A host that answers from a rule instead of a sky: position p holds satellite p, named "SAT p",
// so that a catalogue of any size costs nothing to set up, and the number answer of any position
// can be replaced by another text or by a failed call.
class RuleHost final : public IDispatch {
public:
    explicit RuleHost(int count) : m_count(count) { m_channel.SetControlDispatch(this); }
    RuleHost(const RuleHost&) = delete;
    RuleHost& operator=(const RuleHost&) = delete;

    CCorZen* Channel() { return &m_channel; }
    // std::nullopt makes the call fail.
    void SetNumberAnswer(int p, std::optional<std::wstring> answer) { m_numbers[p] = std::move(answer); }
    void SetMajor(int number) { m_major.push_back(number); }
    const std::vector<std::wstring>& Statements() const { return m_statements; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        const bool known = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch);
        *ppv = known ? static_cast<IDispatch*>(this) : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return count ? (*count = 0, S_OK) : E_POINTER; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                     UINT*) override
    {
        if (!params || params->cArgs != 1 || params->rgvarg[0].vt != VT_BSTR)
            return DISP_E_BADPARAMCOUNT;
        const std::optional<std::wstring> answer = Answer(params->rgvarg[0].bstrVal ? params->rgvarg[0].bstrVal : L"");
        if (!answer)
            return E_FAIL;
        if (result) {
            ::VariantInit(result);
            result->vt = VT_BSTR;
            result->bstrVal = ::SysAllocStringLen(answer->data(), static_cast<UINT>(answer->size()));
        }
        return S_OK;
    }

private:
    std::optional<std::wstring> Answer(const std::wstring& command)
    {
        if (command.rfind(L"? ", 0) != 0) {
            m_statements.push_back(command);
            return L"OK";
        }
        const std::wstring key = command.substr(2);
        if (key == L"ArtificialSatellite.Count")
            return std::to_wstring(m_count);
        if (key == L"ArtificialSatellite.Name.Visible")
            return L"TRUE";
        int n = 0;
        wchar_t field[32] = {};
        if (std::swscanf(key.c_str(), L"ArtificialSatellite.No%d.%31ls", &n, field) == 2) {
            const auto replaced = m_numbers.find(n);
            if (std::wstring(field) == L"Number")
                return replaced != m_numbers.end() ? replaced->second : std::to_wstring(n);
            return std::wstring(field) == L"TLEName" ? L"SAT " + std::to_wstring(n) : L"FALSE";
        }
        if (std::swscanf(key.c_str(), L"ArtificialSatellite.%d.%31ls", &n, field) == 2) {
            const bool major = std::find(m_major.begin(), m_major.end(), n) != m_major.end();
            return std::wstring(field) == L"LocalName" ? (major ? L"MAJOR" : L"") : L"TYPE";
        }
        return key == L"ArtificialSatellite.Magnitude" ? L"4.0" : L"";
    }

    int m_count;
    std::map<int, std::optional<std::wstring>> m_numbers;
    std::vector<int> m_major;
    std::vector<std::wstring> m_statements;
    CCorZen m_channel;
};

// The dialog opened on the rule host and driven through the actions; the run's journal holds the
// dumps, the host the statements.
DialogRun RunOn(RuleHost& host, const std::vector<std::wstring>& actions)
{
    kivhost::HostSession session;
    std::vector<kivhost::Action> parsed(actions.size());
    for (size_t i = 0; i < actions.size(); ++i) {
        std::wstring error;
        EXPECT_TRUE(kivhost::ParseAction(actions[i], parsed[i], error)) << actions[i];
    }
    DialogRun run;
    {
        kivhost::Driver driver(session.GetJournal(), parsed, L"");
        CDlgASat dialog(host.Channel(), host.Channel(), &session.Window());
        run.result = dialog.DoModal() == IDOK ? RunResult::Ok : RunResult::Cancel;
        run.driverFailures = driver.Failures();
    }
    run.journal = session.GetJournal().Lines();
    return run;
}

// OK's command text on the rule host, whose display settings are those of SkyOf, when these
// satellites are listed and none is ticked.
std::wstring NoneShown(const std::vector<int>& numbers)
{
    std::wstring command = kDisplaySent;
    for (const int n : numbers)
        command += L"ArtificialSatellite." + std::to_wstring(n) + L".Visible = False;";
    return command + L"Show Sky;";
}

TEST_F(SatelliteCatalogue, ListsEveryPositionPastAHundredThousandAndOkNamesEachRowInOrder)
{
    RuleHost host(100001);
    const auto run = RunOn(host, {L"click 1506", L"dump", L"ok"});
    ASSERT_EQ(run.result, RunResult::Ok);
    const auto listed = RowNumbers(run);
    ASSERT_EQ(listed.size(), 100001u);
    EXPECT_NE(std::find(listed.begin(), listed.end(), 100001), listed.end());
    // Compared without printing: the text is megabytes long.
    EXPECT_TRUE(host.Statements() == std::vector<std::wstring>{NoneShown(listed)});
}

// Positions 3 and 5 get the same broken number answer; satellites 2 and 6 are major.
TEST_F(SatelliteCatalogue, BrokenNumbersListSatelliteZeroWhereTheyStandAndTheWalkGoesOn)
{
    for (const std::optional<std::wstring>& answer : {std::optional<std::wstring>(L""), std::optional<std::wstring>(L"Horizon"),
                                                      std::optional<std::wstring>()}) {
        SCOPED_TRACE(answer ? "answer \"" + std::string(answer->begin(), answer->end()) + "\"" : "failed call");
        RuleHost host(6);
        host.SetNumberAnswer(3, answer);
        host.SetNumberAnswer(5, answer);
        host.SetMajor(2);
        host.SetMajor(6);
        const auto run = RunOn(host, {L"dump", L"click 1508", L"dump", L"click 1508", L"dump", L"ok"});
        ASSERT_EQ(run.result, RunResult::Ok);
        // Each satellite 0 sorts by its own label, and the limit takes both out and brings both back.
        for (const size_t dump : {0u, 2u}) {
            const auto rows = Items(run, kList, dump);
            ASSERT_EQ(rows.size(), 6u) << "dump " << dump;
            for (size_t i = 0; i < rows.size(); ++i)
                EXPECT_EQ(Label(rows[i]).substr(0, 5), L"SAT " + std::to_wstring(i + 1)) << "dump " << dump;
            const std::wstring number = L"(" + answer.value_or(L"") + L")";
            EXPECT_EQ(Label(rows[2]).substr(Label(rows[2]).size() - number.size()), number);
        }
        EXPECT_EQ(RowNumbers(run, 1), (std::vector<int>{2, 6}));
        EXPECT_EQ(host.Statements(), std::vector<std::wstring>{NoneShown({1, 2, 0, 4, 0, 6})});
    }
}

TEST_F(SatelliteCatalogue, SpaceTogglesTheFocusedRowsCheckBox)
{
    RuleHost host(3);
    const auto run = RunOn(host, {L"select 1129 1", L"key 1129 SPACE", L"dump", L"key 1129 SPACE", L"dump", L"cancel"});
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(Ticks(run, 0), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Ticks(run, 1), (std::vector<bool>{false, false, false}));
}

}  // namespace
