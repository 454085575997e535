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

TEST(VmosaicDialog, OpensOnTheHostsOrTheRememberedCamera)
{
    struct Case {
        Mosaic host;
        const wchar_t* stored;
        int listMode, vendor, camera;
        kivtest::Texts texts;
    };
    const Case cases[] = {
        {{}, L"Beta One", 1, 1, 0, {{1126, L"13.2"}, {1623, L"2"}, {1626, L"3"}, {1629, L"10"}}},
        {{{"Camera", ""}}, L"Alpha Two", 1, 0, 1, {{1126, L"22.3"}}},
        {{{"Camera", "\"Gamma One\""}}, L"Beta One", 1, 3, 0, {{1126, L"4.8"}}},
        {{{"HorizontalSize", "30"}, {"Overlap", "0.29"}}, nullptr, 0, 0, -1, {{1126, L"30"}, {1629, L"28"}}},
        {{{"Overlap", "0.999"}}, L"Delta", 0, 0, -1, {{1126, L"36"}, {1629, L"99"}}}};
    for (const Case& c : cases) {
        const auto run = RunMosaic(c.host, {L"dump", L"cancel"}, c.stored);
        ASSERT_TRUE(run.Control(1011).has_value());
        EXPECT_EQ(run.Control(1011)->checked, c.listMode) << c.camera;
        EXPECT_EQ(run.Control(1560)->sel, c.vendor);
        EXPECT_EQ(run.Control(1124)->sel, c.camera);
        kivtest::ExpectTexts(run, c.texts);
    }
}

TEST(VmosaicDialog, AsksForTheSizeOnlyWithoutACataloguedCamera)
{
    const auto matched = RunMosaic({{"Camera", "\"Alpha One\""}}, {L"cancel"});
    EXPECT_EQ(matched.Queries(),
              (std::vector<std::wstring>{L"MosaicOfField.Visible", L"MosaicOfField.FocalLength", L"MosaicOfField.Camera",
                                         L"MosaicOfField.Coordinate", L"MosaicOfField.Row", L"MosaicOfField.Column",
                                         L"MosaicOfField.Overlap"}));
    const auto sized = RunMosaic({}, {L"cancel"});
    ASSERT_EQ(sized.Queries().size(), 9u);
    EXPECT_EQ(sized.Queries()[3], L"MosaicOfField.HorizontalSize");
    EXPECT_EQ(sized.Queries()[4], L"MosaicOfField.VerticalSize");
}

TEST(VmosaicDialog, CountsAndOverlapStopAtTheirBounds)
{
    const std::tuple<Mosaic, const wchar_t*, int, const wchar_t*> cases[] = {
        {{}, L"spin 1624 up", 1623, L"3"},
        {{{"Row", "1"}}, L"spin 1624 down", 1623, L"1"},
        {{{"Column", "20"}}, L"spin 1627 up", 1626, L"20"},
        {{{"Column", "35"}}, L"spin 1627 down", 1626, L"20"},
        {{{"Overlap", "0"}}, L"spin 1630 down", 1629, L"0"},
        {{{"Overlap", "0.99"}}, L"spin 1630 up", 1629, L"99"},
        {{}, L"type 1623 -", 1623, L"2"}};
    for (const auto& [host, action, edit, text] : cases) {
        const auto run = RunMosaic(host, {action, L"dump", L"cancel"});
        EXPECT_EQ(run.driverFailures, 0) << action;
        kivtest::ExpectTexts(run, {{edit, text}});
    }
}

TEST(VmosaicDialog, AFrameWithoutAnAngleShowsNoText)
{
    const auto run = RunMosaic({}, {L"dump", L"type 1126 0.5", L"dump", L"cancel"});
    EXPECT_EQ(run.Control(1633, 0)->text, L"39.6 x 27.0");
    EXPECT_EQ(run.Control(1633, 1)->text, L"");
}

TEST(VmosaicDialog, MosaicControlsFollowTheShowFlag)
{
    const auto run = RunMosaic({}, {L"dump", L"click 1621", L"dump", L"cancel"});
    for (const int id : {1620, 1622, 1623, 1624, 1625, 1626, 1627, 1628, 1629, 1630, 1631, 1011, 1012, 1123}) {
        ASSERT_TRUE(run.Control(id, 1).has_value()) << id;
        EXPECT_TRUE(run.Control(id, 0)->enabled) << id;
        EXPECT_FALSE(run.Control(id, 1)->enabled) << id;
    }
    EXPECT_TRUE(run.Control(1621, 1)->enabled);
}

TEST(VmosaicDialog, OkReportsEveryBadValueAndSendsNothing)
{
    const std::wstring focal = L"info 焦点距離には 1 から 100000 までの値を入力してください。";
    const std::wstring height = L"info カメラ受光面の縦サイズには 1.0 から 1000.0 までの値を入力してください。";
    const std::wstring row = L"info モザイク表示の横の数には 1 から 20 までの値を入力してください。";
    const std::wstring column = L"info モザイク表示の縦の数には 1 から 20 までの値を入力してください。";
    const std::wstring overlap = L"info モザイク表示の重複する割合には 0 から 99 までの値を入力してください。";
    const std::tuple<Mosaic, std::vector<std::wstring>, std::vector<std::wstring>> cases[] = {
        {{}, {L"type 1623 21"}, {row}},
        {{{"Overlap", "1.0"}}, {}, {overlap}},
        {{{"FocalLength", "0"}, {"VerticalSize", "0"}, {"Row", "0"}, {"Column", "21"}, {"Overlap", "2"}},
         {},
         {focal, height, row, column, overlap}}};
    for (const auto& [host, actions, messages] : cases) {
        const auto run = RunMosaic(host, kivtest::Then(actions, {L"ok"}));
        EXPECT_EQ(run.Messages(), messages);
        EXPECT_TRUE(run.Statements().empty());
        EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    }
}

TEST(VmosaicDialog, OkSendsTheTenCommandsAndRemembersTheCamera)
{
    struct Case {
        Mosaic host;
        std::vector<std::wstring> actions;
        std::vector<std::wstring> statements;
        const wchar_t* camera;
    };
    const Case cases[] = {
        {{{"Overlap", "0.29"}, {"Coordinate", "EquatorialDateMean"}},
         {},
         {L"MosaicOfField.Visible = TRUE", L"MosaicOfField.Camera = \"None\"", L"MosaicOfField.FocalLength = 50",
          L"MosaicOfField.Row = 2", L"MosaicOfField.Column = 3", L"MosaicOfField.Overlap = 0.280000",
          L"MosaicOfField.HorizontalSize = 36.000000", L"MosaicOfField.VerticalSize = 24.000000",
          L"MosaicOfField.Coordinate= EquatorialDateMean", L"Show Sky"},
         L"None"},
        {{{"Camera", "\"Alpha Two\""}, {"Coordinate", "Horizon"}},
         {L"spin 1630 up"},
         {L"MosaicOfField.Visible = TRUE", L"MosaicOfField.Camera = \"Alpha Two\"", L"MosaicOfField.FocalLength = 50",
          L"MosaicOfField.Row = 2", L"MosaicOfField.Column = 3", L"MosaicOfField.Overlap = 0.110000",
          L"MosaicOfField.HorizontalSize = 22.300000", L"MosaicOfField.VerticalSize = 14.900000",
          L"MosaicOfField.Coordinate = Horizon", L"Show Sky"},
         L"Alpha Two"},
        {{{"Visible", "FALSE"}, {"Row", "0"}, {"Overlap", "1.5"}},
         {},
         {L"MosaicOfField.Visible = FALSE", L"MosaicOfField.Camera = \"None\"", L"MosaicOfField.FocalLength = 50",
          L"MosaicOfField.Row = 0", L"MosaicOfField.Column = 3", L"MosaicOfField.Overlap = 1.500000",
          L"MosaicOfField.HorizontalSize = 36.000000", L"MosaicOfField.VerticalSize = 24.000000",
          L"MosaicOfField.Coordinate = Screen", L"Show Sky"},
         L"None"}};
    for (const Case& c : cases) {
        const auto run = RunMosaic(c.host, kivtest::Then(c.actions, {L"ok"}));
        EXPECT_EQ(run.result, kivhost::RunResult::Ok) << c.camera;
        EXPECT_EQ(run.Statements(), c.statements);
        CString camera;
        int unit = -1;
        EXPECT_TRUE(CRegistry::Read(kSection, L"Camera", L"", camera));
        EXPECT_EQ(camera, c.camera);
        EXPECT_TRUE(CRegistry::Read(kSection, L"FovUnit", -1, &unit, 1));
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
