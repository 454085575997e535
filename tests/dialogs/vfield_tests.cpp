// The camera angle-of-field dialog driven through the host on a test catalogue: the host's
// camera looked up, the live angle, the edits, up-downs and lists, the enable rules, the checks
// and the statements on OK.
#include "framework/kivreg/Registry.h"
#include "tests/dialogs/fov_test_support.h"

#include <gtest/gtest.h>

namespace {

using kivtest::Then;

struct FieldState {
    std::string visible = "TRUE";
    std::string camera = "\"None\"";
    std::string focal = "50";
    std::string width = "36.0";
    std::string height = "24.0";
    std::string guider = "FALSE";
    std::string guiderWidth = "2.6";
    std::string guiderHeight = "2.6";
    std::string distance = "20.0";
    std::string coordinate = "Screen";

    std::string Text() const
    {
        const std::pair<const char*, const std::string*> keys[] = {
            {"Visible", &visible},       {"Camera", &camera},
            {"FocalLength", &focal},     {"HorizontalSize", &width},
            {"VerticalSize", &height},   {"Guider.Visible", &guider},
            {"Guider.HorizontalSize", &guiderWidth}, {"Guider.VerticalSize", &guiderHeight},
            {"Guider.Distance", &distance}, {"Coordinate", &coordinate}};
        std::string text;
        for (const auto& [key, value] : keys)
            text += std::string("AngleOfField.") + key + " = " + *value + "\n";
        return text;
    }
};

kivtest::DialogRun RunField(const FieldState& state, std::vector<std::wstring> actions, int unit = 0)
{
    kivtest::ClearSettings();
    CRegistry::Write(L"Dialog\\Vfield", L"FovUnit", unit, 1);
    return kivtest::Run({L"CDlgVfield", state.Text(), false, {L"appdata=" + kivtest::TestAppData()}, std::move(actions)});
}

struct ShowCase {
    const char* name;
    FieldState state;
    int unit;
    std::vector<std::wstring> actions;
    kivtest::Texts texts;
    size_t messages = 0;
};

class VfieldShows : public testing::TestWithParam<ShowCase> {};

TEST_P(VfieldShows, AngleSizesAndStepsLive)
{
    const auto run = RunField(GetParam().state, Then(GetParam().actions, {L"dump", L"cancel"}), GetParam().unit);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.Messages().size(), GetParam().messages);
    kivtest::ExpectTexts(run, GetParam().texts);
}

// The sensor edits recompute on the text an up-down writes and show the value again in the
// framework's form ("1.0" becomes "1"); the guider edits keep the written text.
INSTANTIATE_TEST_SUITE_P(
    Frames, VfieldShows,
    testing::Values(
        ShowCase{"Degrees", {}, 0, {}, {{1633, L"39.6 x 27.0"}}},
        ShowCase{"Arcminutes", {}, 1, {}, {{1633, L"2375.9 x 1619.5"}}},
        ShowCase{"UnitChosen", {}, 0, {L"select 1634 1"}, {{1633, L"2375.9 x 1619.5"}}},
        ShowCase{"UnknownStoredUnit", {}, 7, {}, {{1633, L""}}},
        ShowCase{"LensUp", {}, 0, {L"spin 1022 up"}, {{1123, L"51"}, {1633, L"38.9 x 26.5"}}},
        ShowCase{"LensStopsAt1", {.focal = "1"}, 0, {L"spin 1022 down"}, {{1123, L"1"}}},
        ShowCase{"WidthRoundsToTenthsFirst", {.width = "12.34"}, 0, {L"spin 1020 up"}, {{1126, L"12.4"}, {1633, L"14.1 x 27.0"}}},
        ShowCase{"HeightStopsAt1", {.height = "1.0"}, 0, {L"spin 1019 down"}, {{1125, L"1.0"}}},
        ShowCase{"GuiderWidthStopsAt1", {.guider = "TRUE", .guiderWidth = "1"}, 0, {L"spin 1023 down"}, {{1128, L"1.0"}}},
        ShowCase{"DistanceStopsAt0", {.guider = "TRUE", .distance = "0.04"}, 0, {L"spin 1024 down"}, {{1131, L"0.0"}}},
        ShowCase{"OutOfRangeWidthKeepsTheAngle", {}, 0, {L"type 1126 0.5"}, {{1126, L"0.5"}, {1633, L"39.6 x 27.0"}}},
        ShowCase{"HalfTypedWidthLeftAlone", {}, 0, {L"type 1126 12."}, {{1126, L"12."}, {1633, L"13.7 x 27.0"}}},
        ShowCase{"EmptyWidthLeftAlone", {}, 0, {L"type 1126 "}, {{1126, L""}, {1633, L"39.6 x 27.0"}}},
        ShowCase{"UnreadableLensPutBack", {}, 0, {L"type 1123 x"}, {{1123, L"50"}}, 1},
        ShowCase{"CatalogueCamera", {.camera = "\"Alpha Two\""}, 0, {}, {{1126, L"22.3"}, {1633, L"25.1 x 16.9"}}},
        ShowCase{"OtherMaker", {.camera = "\"Alpha One\""}, 0, {L"select 1560 1"},
                 {{1126, L"13.2"}, {1125, L"8.8"}, {1633, L"15.0 x 10.1"}}},
        // An empty maker's first place is the next maker's first camera.
        ShowCase{"EmptyMaker", {.camera = "\"Alpha One\""}, 0, {L"select 1560 2"}, {{1126, L"4.8"}, {1125, L"3.6"}}},
        ShowCase{"BackToFirstMaker", {.camera = "\"Alpha One\""}, 0, {L"select 1124 1", L"select 1560 1", L"select 1560 0"},
                 {{1126, L"36"}, {1128, L"0"}}}),
    [](const testing::TestParamInfo<ShowCase>& info) { return info.param.name; });

struct OpenCase {
    const char* camera;
    int listMode;  // 1011 checked
    int vendor;
    std::vector<std::wstring> cameras;
    int selected;
    kivtest::Texts texts;
    int guider;
    size_t queries;
};

TEST(VfieldDialog, LooksTheHostsCameraUpInTheCatalogue)
{
    const OpenCase cases[] = {
        {"\"Alpha Two\"", 1, 0, {L"A One", L"A Two"}, 1, {{1126, L"22.3"}, {1128, L"5"}, {1127, L"4"}, {1131, L"20"}}, 1, 4},
        {"\"Beta One\"", 1, 1, {L"B One"}, 0, {{1126, L"13.2"}, {1128, L"3"}, {1127, L"2"}, {1131, L"-1"}}, 1, 4},
        {"\"None\"", 0, 0, {L"A One", L"A Two"}, -1, {{1126, L"36"}, {1128, L"2.6"}, {1127, L"2.6"}, {1131, L"20"}}, 1, 10},
        {"\"alpha two\"", 0, 0, {L"A One", L"A Two"}, -1, {{1126, L"36"}, {1125, L"24"}}, 1, 10}};
    for (const OpenCase& c : cases) {
        const auto run = RunField({.camera = c.camera, .guider = "TRUE"}, {L"dump", L"cancel"});
        ASSERT_TRUE(run.Control(1011).has_value()) << c.camera;
        EXPECT_EQ(run.Control(1011)->checked, c.listMode) << c.camera;
        EXPECT_EQ(run.Control(1012)->checked, 1 - c.listMode) << c.camera;
        EXPECT_EQ(run.Control(1560)->sel, c.vendor) << c.camera;
        EXPECT_EQ(kivtest::ItemTexts(*run.Control(1124)), c.cameras) << c.camera;
        EXPECT_EQ(run.Control(1124)->sel, c.selected) << c.camera;
        EXPECT_EQ(run.Control(1509)->checked, c.guider) << c.camera;
        kivtest::ExpectTexts(run, c.texts);
        EXPECT_EQ(run.Queries().size(), c.queries) << c.camera;
        EXPECT_EQ(run.Queries().back(), L"AngleOfField.Coordinate");
    }
}

TEST(VfieldDialog, EnableRulesFollowShowModeAndGuider)
{
    struct Case {
        FieldState state;
        std::vector<std::wstring> actions;
        bool shown, listMode, custom, guider;
    };
    const Case cases[] = {{{.guider = "TRUE"}, {}, true, false, true, true},
                          {{}, {}, true, false, true, false},
                          {{}, {L"click 1509"}, true, false, true, true},
                          {{.guider = "TRUE"}, {L"click 1011"}, true, true, false, false},
                          {{.camera = "\"Alpha Two\""}, {}, true, true, false, false},
                          {{.guider = "TRUE"}, {L"click 1122"}, false, false, false, false}};
    for (const Case& c : cases) {
        const auto run = RunField(c.state, Then(c.actions, {L"dump", L"cancel"}));
        const auto expect = [&run](std::initializer_list<int> ids, bool enabled) {
            for (const int id : ids) {
                ASSERT_TRUE(run.Control(id).has_value()) << id;
                EXPECT_EQ(run.Control(id)->enabled, enabled) << id;
            }
        };
        expect({1132, 1133, 1010, 1123, 1022, 1272, 1274, 1012, 1632, 1633, 1634, 1011}, c.shown);
        expect({1561, 1562, 1560, 1124}, c.listMode);
        expect({1013, 1273, 1125, 1019, 1014, 1275, 1126, 1020, 1509}, c.custom);
        expect({1016, 1277, 1128, 1023, 1015, 1276, 1127, 1021, 1510, 1278, 1131, 1024}, c.guider);
        expect({1122, 1006, 1, 2, 57670}, true);
    }
}

TEST(VfieldDialog, WithoutACatalogueOnlySizesCanBeTyped)
{
    kivtest::ClearSettings();
    const auto run = kivtest::Run({L"CDlgVfield", FieldState{}.Text(), false,
                                   {L"appdata=" + kivtest::AppDataWith(L"missing", nullptr)}, {L"dump", L"ok"}});
    ASSERT_TRUE(run.Control(1011).has_value());
    EXPECT_FALSE(run.Control(1011)->enabled);
    EXPECT_TRUE(run.Control(1560)->items.empty());
    EXPECT_TRUE(run.Control(1124)->items.empty());
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(run.Statements().at(1), L"AngleOfField.Camera = \"None\"");
}

const std::wstring kFocalRange = L"info 焦点距離には 1 から 100000 までの値を入力してください。";
const std::wstring kHeightRange = L"info カメラ受光面の縦サイズには 1.0 から 1000.0 までの値を入力してください。";
const std::wstring kWidthRange = L"info カメラ受光面の横サイズには 1.0 から 1000.0 までの値を入力してください。";
const std::wstring kGuiderHeightRange = L"info ガイドエリアの縦サイズには 1.0 から 1000.0 までの値を入力してください。";
const std::wstring kGuiderWidthRange = L"info ガイドエリアの横サイズには 1.0 から 1000.0 までの値を入力してください。";
const std::wstring kDistanceRange =
    L"info 撮像エリアの中心からガイドエリア中心までの距離には 0.0 から 1000.0 までの値を入力してください。";

TEST(VfieldDialog, OkReportsEveryBadValueAndSendsNothing)
{
    const std::pair<FieldState, std::vector<std::wstring>> cases[] = {
        {{.focal = "0", .height = "0"}, {kFocalRange, kHeightRange}},
        {{.focal = "-5"}, {kFocalRange}},
        {{.guider = "TRUE", .guiderWidth = "0", .distance = "-1"}, {kGuiderWidthRange, kDistanceRange}},
        {{.guider = "TRUE", .distance = "-1"}, {kDistanceRange}},
        {{.focal = "100001", .width = "0", .height = "2000", .guider = "TRUE", .guiderWidth = "0", .guiderHeight = "0.5",
          .distance = "1001"},
         {kFocalRange, kHeightRange, kWidthRange, kGuiderHeightRange, kGuiderWidthRange, kDistanceRange}}};
    for (const auto& [state, messages] : cases) {
        const auto run = RunField(state, {L"ok"});
        EXPECT_EQ(run.Messages(), messages) << state.Text();
        EXPECT_TRUE(run.Statements().empty());
        EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    }
}

TEST(VfieldDialog, OkSendsEverySettingPlainAndAsDefault)
{
    const auto run = RunField({.focal = "200", .guider = "TRUE", .coordinate = "EquatorialDateMean"}, {L"ok"});
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(run.Statements(),
              (std::vector<std::wstring>{
                  L"AngleOfField.Visible = TRUE", L"AngleOfField.Camera = \"None\"", L"AngleOfField.FocalLength = 200",
                  L"AngleOfField.HorizontalSize = 36.0", L"AngleOfField.VerticalSize = 24.0",
                  L"default AngleOfField.Camera = \"None\"", L"default AngleOfField.FocalLength = 200",
                  L"default AngleOfField.HorizontalSize = 36.0", L"default AngleOfField.VerticalSize = 24.0",
                  L"AngleOfField.Guider.Visible = TRUE", L"AngleOfField.Guider.HorizontalSize = 2.6",
                  L"AngleOfField.Guider.VerticalSize = 2.6", L"AngleOfField.Guider.Distance = 20.0",
                  L"default AngleOfField.Guider.Visible = TRUE", L"default AngleOfField.Guider.HorizontalSize = 2.6",
                  L"default AngleOfField.Guider.VerticalSize = 2.6", L"default AngleOfField.Guider.Distance = 20.0",
                  L"AngleOfField.Coordinate = EquatorialDateMean", L"Show Sky"}));
}

TEST(VfieldDialog, OkSendsTheCataloguesCameraAndItsGuider)
{
    struct Case {
        FieldState state;
        std::vector<std::wstring> actions;
        std::vector<std::wstring> statements;  // 2nd, 4th, then from the 10th on
    };
    const Case cases[] = {
        {{.camera = "\"Alpha Two\"", .coordinate = "Horizon"},
         {},
         {L"AngleOfField.Camera = \"Alpha Two\"", L"AngleOfField.HorizontalSize = 22.3",
          L"AngleOfField.Guider.Visible = TRUE", L"AngleOfField.Guider.HorizontalSize = 5.0",
          L"AngleOfField.Guider.VerticalSize = 4.0", L"AngleOfField.Guider.Distance = 20.0",
          L"default AngleOfField.Guider.Visible = TRUE", L"default AngleOfField.Guider.HorizontalSize = 5.0",
          L"default AngleOfField.Guider.VerticalSize = 4.0", L"default AngleOfField.Guider.Distance = 20.0",
          L"AngleOfField.Coordinate = Horizon", L"Show Sky"}},
        // The guider check box is set for this camera, but its negative distance says it has none.
        {{.camera = "\"Alpha One\""},
         {L"select 1560 1"},
         {L"AngleOfField.Camera = \"Beta One\"", L"AngleOfField.HorizontalSize = 13.2",
          L"AngleOfField.Guider.Visible = FALSE", L"default AngleOfField.Guider.Visible = FALSE",
          L"AngleOfField.Coordinate = Screen", L"Show Sky"}},
        // Hidden: nothing is checked, a width out of range goes as it is.
        {{.visible = "FALSE", .width = "0.5"},
         {},
         {L"AngleOfField.Camera = \"None\"", L"AngleOfField.HorizontalSize = 0.5",
          L"AngleOfField.Guider.Visible = FALSE", L"default AngleOfField.Guider.Visible = FALSE",
          L"AngleOfField.Coordinate = Screen", L"Show Sky"}}};
    for (const Case& c : cases) {
        const auto run = RunField(c.state, Then(c.actions, {L"ok"}));
        EXPECT_EQ(run.result, kivhost::RunResult::Ok) << c.state.Text();
        const auto sent = run.Statements();
        ASSERT_GT(sent.size(), 9u);
        std::vector<std::wstring> picked = {sent[1], sent[3]};
        picked.insert(picked.end(), sent.begin() + 9, sent.end());
        EXPECT_EQ(picked, c.statements);
    }
}

TEST(VfieldDialog, RemembersTheUnitOnOkOnly)
{
    int unit = -1;
    for (const wchar_t* close : {L"cancel", L"ok"}) {
        RunField({}, {L"select 1634 1", close});
        EXPECT_TRUE(CRegistry::Read(L"Dialog\\Vfield", L"FovUnit", -1, &unit, 1));
        EXPECT_EQ(unit, std::wstring(close) == L"ok" ? 1 : 0) << close;
    }
}

}  // namespace
