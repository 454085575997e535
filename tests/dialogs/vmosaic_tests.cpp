// The mosaic-of-fields dialog driven through the host on a test catalogue: the counts and the
// overlap, the remembered camera, the checks and the statements on OK.
#include "framework/kivreg/Registry.h"
#include "tests/dialogs/fov_test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

const wchar_t kSection[] = L"Dialog\\Vmosaic";

// The host's mosaic settings that differ from a shown 36 x 24 frame, two across and three down
// with 10 % overlap; an empty value is one the host cannot answer.
using Mosaic = std::map<std::string, std::string>;

kivtest::DialogRun RunMosaic(Mosaic changes, std::vector<std::wstring> actions, const wchar_t* storedCamera = nullptr)
{
    Mosaic values = {{"Visible", "TRUE"},     {"Camera", "\"None\""}, {"FocalLength", "50"},
                     {"HorizontalSize", "36"}, {"VerticalSize", "24"}, {"Row", "2"},
                     {"Column", "3"},         {"Overlap", "0.1"},     {"Coordinate", "Screen"}};
    changes.merge(values);
    std::string state;
    for (const auto& [key, value] : changes) {
        if (!value.empty())
            state += "MosaicOfField." + key + " = " + value + "\n";
    }
    kivtest::ClearSettings();
    if (storedCamera)
        CRegistry::Write(kSection, L"Camera", storedCamera);
    return kivtest::Run({L"CDlgVmosaic", state, false, {L"appdata=" + kivtest::TestAppData()}, std::move(actions)});
}

// A host without a camera of its own opens on the one stored; the sensor size is asked only when
// no catalogue camera is found; the overlap is truncated to whole percent.
TEST(VmosaicDialog, OpensOnTheHostsOrTheRememberedCamera)
{
    // The host's settings, the camera stored; whether the list is chosen, the maker and camera
    // selected; the texts shown.
    using Case = std::tuple<Mosaic, const wchar_t*, int, int, int, kivtest::Texts>;
    const Case cases[] = {
        {{}, L"Beta One", 1, 1, 0, {{1126, L"13.2"}, {1623, L"2"}, {1626, L"3"}, {1629, L"10"}}},
        {{{"Camera", ""}}, L"Alpha Two", 1, 0, 1, {{1126, L"22.3"}}},
        {{{"Camera", "\"Gamma One\""}}, L"Beta One", 1, 3, 0, {{1126, L"4.8"}}},
        {{{"HorizontalSize", "30"}, {"Overlap", "0.29"}}, nullptr, 0, 0, -1, {{1126, L"30"}, {1629, L"28"}}},
        {{{"Overlap", "0.999"}}, L"Delta", 0, 0, -1, {{1126, L"36"}, {1629, L"99"}, {1633, L"39.6 x 27.0"}}}};
    const std::wstring m = L"MosaicOfField.";
    for (const auto& [host, stored, listMode, vendor, camera, texts] : cases) {
        const auto run = RunMosaic(host, {L"dump", L"cancel"}, stored);
        ASSERT_TRUE(run.Control(1560).has_value());
        EXPECT_EQ(kivtest::Checked(run, 1011), listMode) << camera;
        EXPECT_EQ(run.Control(1560)->sel, vendor);
        EXPECT_EQ(run.Control(1124)->sel, camera);
        kivtest::ExpectTexts(run, texts);
        std::vector<std::wstring> queries = {m + L"Visible", m + L"FocalLength", m + L"Camera", m + L"Coordinate",
                                             m + L"Row",     m + L"Column",      m + L"Overlap"};
        if (!listMode)
            queries.insert(queries.begin() + 3, {m + L"HorizontalSize", m + L"VerticalSize"});
        EXPECT_EQ(run.Queries(), queries);
    }
}

// The counts and the overlap step and stop at their bounds; a frame out of the sensor range has
// no angle, and its text empties rather than keeping the old one.
TEST(VmosaicDialog, EditsStepWithinTheirBounds)
{
    const std::tuple<Mosaic, const wchar_t*, int, const wchar_t*> cases[] = {
        {{}, L"spin 1624 up", 1623, L"3"},                       {{{"Row", "1"}}, L"spin 1624 down", 1623, L"1"},
        {{{"Column", "35"}}, L"spin 1627 down", 1626, L"20"},    {{{"Overlap", "0"}}, L"spin 1630 down", 1629, L"0"},
        {{{"Overlap", "0.99"}}, L"spin 1630 up", 1629, L"99"},  {{}, L"type 1126 0.5", 1633, L""}};
    for (const auto& [host, action, edit, text] : cases) {
        const auto run = RunMosaic(host, {action, L"dump", L"cancel"});
        EXPECT_EQ(run.driverFailures, 0) << action;
        kivtest::ExpectTexts(run, {{edit, text}});
    }
}

TEST(VmosaicDialog, MosaicControlsFollowTheShowFlag)
{
    const auto run = RunMosaic({}, {L"dump", L"click 1621", L"dump", L"cancel"});
    for (size_t dump = 0; dump < 2; ++dump) {
        kivtest::ExpectEnabled(run, {1620, 1622, 1623, 1624, 1625, 1626, 1627, 1628, 1629, 1630, 1631, 1011, 1012, 1123},
                               dump == 0, dump);
        kivtest::ExpectEnabled(run, {1621}, true, dump);
    }
}

TEST(VmosaicDialog, OkReportsEveryBadValueAndSendsNothing)
{
    using kivtest::kFocalRange, kivtest::kHeightRange;
    const std::wstring row = L"info モザイク表示の横の数には 1 から 20 までの値を入力してください。";
    const std::wstring column = L"info モザイク表示の縦の数には 1 から 20 までの値を入力してください。";
    const std::wstring overlap = L"info モザイク表示の重複する割合には 0 から 99 までの値を入力してください。";
    const std::tuple<Mosaic, std::vector<std::wstring>, std::vector<std::wstring>> cases[] = {
        {{}, {L"type 1623 21"}, {row}},
        {{{"Overlap", "1.0"}}, {}, {overlap}},
        {{{"FocalLength", "0"}, {"VerticalSize", "0"}, {"Row", "0"}, {"Column", "21"}, {"Overlap", "2"}},
         {},
         {kFocalRange, kHeightRange, row, column, overlap}}};
    for (const auto& [host, actions, messages] : cases) {
        const auto run = RunMosaic(host, kivtest::Then(actions, {L"ok"}));
        EXPECT_EQ(run.Messages(), messages);
        EXPECT_TRUE(run.Statements().empty());
        EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    }
}

TEST(VmosaicDialog, OkSendsTheTenCommandsAndRemembersTheCamera)
{
    // The host's settings, the actions, the statements, the camera and unit then stored.
    using Case = std::tuple<Mosaic, std::vector<std::wstring>, std::vector<std::wstring>, const wchar_t*, int>;
    const std::wstring m = L"MosaicOfField.";
    const Case cases[] = {
        {{{"Overlap", "0.29"}, {"Coordinate", "EquatorialDateMean"}},
         {},
         {m + L"Visible = TRUE", m + L"Camera = \"None\"", m + L"FocalLength = 50", m + L"Row = 2", m + L"Column = 3",
          m + L"Overlap = 0.280000", m + L"HorizontalSize = 36.000000", m + L"VerticalSize = 24.000000",
          m + L"Coordinate= EquatorialDateMean", L"Show Sky"},
         L"None", 0},
        {{{"Camera", "\"Alpha Two\""}, {"Coordinate", "Horizon"}},
         {L"spin 1630 up", L"select 1634 1"},
         {m + L"Visible = TRUE", m + L"Camera = \"Alpha Two\"", m + L"FocalLength = 50", m + L"Row = 2", m + L"Column = 3",
          m + L"Overlap = 0.110000", m + L"HorizontalSize = 22.300000", m + L"VerticalSize = 14.900000",
          m + L"Coordinate = Horizon", L"Show Sky"},
         L"Alpha Two", 1},
        {{{"Visible", "FALSE"}, {"Row", "0"}, {"Overlap", "1.5"}},
         {},
         {m + L"Visible = FALSE", m + L"Camera = \"None\"", m + L"FocalLength = 50", m + L"Row = 0", m + L"Column = 3",
          m + L"Overlap = 1.500000", m + L"HorizontalSize = 36.000000", m + L"VerticalSize = 24.000000",
          m + L"Coordinate = Screen", L"Show Sky"},
         L"None", 0}};
    for (const auto& [host, actions, statements, camera, unit] : cases) {
        const auto run = RunMosaic(host, kivtest::Then(actions, {L"ok"}));
        EXPECT_EQ(run.result, kivhost::RunResult::Ok) << camera;
        EXPECT_EQ(run.Statements(), statements);
        CString stored;
        int storedUnit = -1;
        EXPECT_TRUE(CRegistry::Read(kSection, L"Camera", L"", stored));
        EXPECT_EQ(stored, camera);
        EXPECT_TRUE(CRegistry::Read(kSection, L"FovUnit", -1, &storedUnit, 1));
        EXPECT_EQ(storedUnit, unit);
    }
}

TEST(VmosaicDialog, CancelSendsAndStoresNothing)
{
    const auto run = RunMosaic({}, {L"spin 1624 up", L"select 1634 1", L"cancel"});
    EXPECT_TRUE(run.Statements().empty());
    CString camera;
    int unit = 0;
    EXPECT_FALSE(CRegistry::Read(kSection, L"Camera", L"", camera));
    EXPECT_FALSE(CRegistry::Read(kSection, L"FovUnit", 0, &unit, 1));
}

}  // namespace
