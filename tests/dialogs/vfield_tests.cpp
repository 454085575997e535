// The camera angle-of-field dialog driven through the host on a test catalogue: the host's
// camera looked up, the live angle, the edits, up-downs and lists, the enable rules, the checks
// and the statements on OK.
#include "framework/kivreg/Registry.h"
#include "tests/dialogs/fov_test_support.h"

#include <gtest/gtest.h>

#include <tuple>

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
            {"Visible", &visible}, {"Camera", &camera}, {"FocalLength", &focal}, {"HorizontalSize", &width},
            {"VerticalSize", &height}, {"Guider.Visible", &guider}, {"Guider.HorizontalSize", &guiderWidth},
            {"Guider.VerticalSize", &guiderHeight}, {"Guider.Distance", &distance}, {"Coordinate", &coordinate}};
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

// The sensor edits recompute on the text an up-down writes and show the value again in the
// framework's form ("1.0" becomes "1"); the guider edits keep the written text.
TEST(VfieldDialog, AngleSizesAndStepsLive)
{
    // The host's frame, the stored unit, the actions, the texts then shown, the messages given.
    using Case = std::tuple<FieldState, int, std::vector<std::wstring>, kivtest::Texts, size_t>;
    const Case cases[] = {
        {{}, 1, {}, {{1633, L"2375.9 x 1619.5"}}, 0},
        {{}, 0, {L"select 1634 1"}, {{1633, L"2375.9 x 1619.5"}}, 0},
        {{}, 7, {}, {{1633, L""}}, 0},
        {{}, 0, {L"spin 1022 up"}, {{1123, L"51"}, {1633, L"38.9 x 26.5"}}, 0},
        {{.focal = "1"}, 0, {L"spin 1022 down"}, {{1123, L"1"}}, 0},
        {{.width = "12.34"}, 0, {L"spin 1020 up"}, {{1126, L"12.4"}, {1633, L"14.1 x 27.0"}}, 0},
        {{.height = "1.0"}, 0, {L"spin 1019 down"}, {{1125, L"1.0"}}, 0},
        {{.guider = "TRUE", .guiderWidth = "1"}, 0, {L"spin 1023 down"}, {{1128, L"1.0"}}, 0},
        {{.guider = "TRUE", .distance = "0.04"}, 0, {L"spin 1024 down"}, {{1131, L"0.0"}}, 0},
        {{}, 0, {L"type 1126 0.5"}, {{1126, L"0.5"}, {1633, L"39.6 x 27.0"}}, 0},
        {{}, 0, {L"type 1126 12."}, {{1126, L"12."}, {1633, L"13.7 x 27.0"}}, 0},
        {{}, 0, {L"type 1123 x"}, {{1123, L"50"}}, 1},
        {{.camera = "\"Alpha One\""}, 0, {L"select 1560 1"}, {{1126, L"13.2"}, {1125, L"8.8"}, {1633, L"15.0 x 10.1"}}, 0},
        // An empty maker's first place is the next maker's first camera.
        {{.camera = "\"Alpha One\""}, 0, {L"select 1560 2"}, {{1126, L"4.8"}, {1125, L"3.6"}}, 0},
        {{.camera = "\"Alpha One\""}, 0, {L"select 1124 1", L"select 1560 1", L"select 1560 0"}, {{1126, L"36"}, {1128, L"0"}}, 0}};
    for (const auto& [state, unit, actions, texts, messages] : cases) {
        const auto run = RunField(state, Then(actions, {L"dump", L"cancel"}), unit);
        SCOPED_TRACE(state.Text() + testing::PrintToString(actions));
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_EQ(run.Messages().size(), messages);
        kivtest::ExpectTexts(run, texts);
    }
}

TEST(VfieldDialog, LooksTheHostsCameraUpInTheCatalogue)
{
    // The host's camera; whether the list is chosen, the maker selected, its cameras and the one
    // selected; the texts shown; the number of queries.
    using Case = std::tuple<const char*, int, int, std::vector<std::wstring>, int, kivtest::Texts, size_t>;
    const Case cases[] = {
        {"\"Alpha Two\"", 1, 0, {L"A One", L"A Two"}, 1,
         {{1126, L"22.3"}, {1128, L"5"}, {1127, L"4"}, {1131, L"20"}, {1633, L"25.1 x 16.9"}}, 4},
        {"\"Beta One\"", 1, 1, {L"B One"}, 0, {{1126, L"13.2"}, {1128, L"3"}, {1127, L"2"}, {1131, L"-1"}}, 4},
        {"\"None\"", 0, 0, {L"A One", L"A Two"}, -1, {{1126, L"36"}, {1128, L"2.6"}, {1127, L"2.6"}, {1131, L"20"}}, 10},
        {"\"alpha two\"", 0, 0, {L"A One", L"A Two"}, -1, {{1126, L"36"}, {1125, L"24"}}, 10}};
    for (const auto& [camera, listMode, vendor, cameras, selected, texts, queries] : cases) {
        const auto run = RunField({.camera = camera, .guider = "TRUE"}, {L"dump", L"cancel"});
        SCOPED_TRACE(camera);
        ASSERT_TRUE(run.Control(1124).has_value());
        EXPECT_EQ(kivtest::Checked(run, 1011), listMode);
        EXPECT_EQ(kivtest::Checked(run, 1012), 1 - listMode);
        EXPECT_EQ(run.Control(1560)->sel, vendor);
        EXPECT_EQ(kivtest::ItemTexts(*run.Control(1124)), cameras);
        EXPECT_EQ(run.Control(1124)->sel, selected);
        EXPECT_EQ(kivtest::Checked(run, 1509), 1);
        kivtest::ExpectTexts(run, texts);
        EXPECT_EQ(run.Queries().size(), queries);
        EXPECT_EQ(run.Queries().back(), L"AngleOfField.Coordinate");
    }
}

TEST(VfieldDialog, EnableRulesFollowShowModeAndGuider)
{
    // The host's frame, the clicks, and what is enabled: the frame, the lists, the sizes, the guider.
    using Case = std::tuple<FieldState, std::vector<std::wstring>, bool, bool, bool, bool>;
    const Case cases[] = {{{}, {}, true, false, true, false},
                          {{}, {L"click 1509"}, true, false, true, true},
                          {{.guider = "TRUE"}, {L"click 1011"}, true, true, false, false},
                          {{.camera = "\"Alpha Two\""}, {}, true, true, false, false},
                          {{.guider = "TRUE"}, {L"click 1122"}, false, false, false, false}};
    for (const auto& [state, actions, shown, listMode, custom, guider] : cases) {
        const auto run = RunField(state, Then(actions, {L"dump", L"cancel"}));
        SCOPED_TRACE(state.Text() + testing::PrintToString(actions));
        kivtest::ExpectEnabled(run, {1132, 1133, 1010, 1123, 1022, 1272, 1274, 1012, 1632, 1633, 1634, 1011}, shown);
        kivtest::ExpectEnabled(run, {1561, 1562, 1560, 1124}, listMode);
        kivtest::ExpectEnabled(run, {1013, 1273, 1125, 1019, 1014, 1275, 1126, 1020, 1509}, custom);
        kivtest::ExpectEnabled(run, {1016, 1277, 1128, 1023, 1015, 1276, 1127, 1021, 1510, 1278, 1131, 1024}, guider);
        kivtest::ExpectEnabled(run, {1122, 1006, 1, 2, 57670}, true);
    }
}

TEST(VfieldDialog, WithoutACatalogueOnlySizesCanBeTyped)
{
    kivtest::ClearSettings();
    const auto run = kivtest::Run({L"CDlgVfield", FieldState{}.Text(), false,
                                   {L"appdata=" + kivtest::AppDataWith(L"missing", nullptr)}, {L"dump", L"ok"}});
    ASSERT_TRUE(run.Control(1124).has_value());
    EXPECT_EQ(kivtest::Enabled(run, 1011), 0);
    EXPECT_TRUE(run.Control(1560)->items.empty());
    EXPECT_TRUE(run.Control(1124)->items.empty());
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(run.Statements().at(1), L"AngleOfField.Camera = \"None\"");
}

TEST(VfieldDialog, OkReportsEveryBadValueAndSendsNothing)
{
    using kivtest::kFocalRange, kivtest::kHeightRange;
    const std::wstring width = L"info カメラ受光面の横サイズには 1.0 から 1000.0 までの値を入力してください。";
    const std::wstring guiderHeight = L"info ガイドエリアの縦サイズには 1.0 から 1000.0 までの値を入力してください。";
    const std::wstring guiderWidth = L"info ガイドエリアの横サイズには 1.0 から 1000.0 までの値を入力してください。";
    const std::wstring distance =
        L"info 撮像エリアの中心からガイドエリア中心までの距離には 0.0 から 1000.0 までの値を入力してください。";
    const std::pair<FieldState, std::vector<std::wstring>> cases[] = {
        {{.focal = "0", .height = "0", .guider = "TRUE", .distance = "-1"}, {kFocalRange, kHeightRange, distance}},
        {{.focal = "-5"}, {kFocalRange}},
        {{.focal = "100001", .width = "0", .height = "2000", .guider = "TRUE", .guiderWidth = "0", .guiderHeight = "0.5",
          .distance = "1001"},
         {kFocalRange, kHeightRange, width, guiderHeight, guiderWidth, distance}}};
    for (const auto& [state, messages] : cases) {
        const auto run = RunField(state, {L"ok"});
        EXPECT_EQ(run.Messages(), messages) << state.Text();
        EXPECT_TRUE(run.Statements().empty());
        EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    }
}

// Each setting goes once as it stands and once as the default of new views; a catalogue camera
// sends its own guider, or none when its guider distance is negative; a hidden frame is not
// checked.
TEST(VfieldDialog, OkSendsEverySettingPlainAndAsDefault)
{
    const std::wstring a = L"AngleOfField.", d = L"default AngleOfField.";
    const auto run = RunField({.focal = "200", .guider = "TRUE", .coordinate = "EquatorialDateMean"}, {L"ok"});
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(run.Statements(),
              (std::vector<std::wstring>{
                  a + L"Visible = TRUE", a + L"Camera = \"None\"", a + L"FocalLength = 200", a + L"HorizontalSize = 36.0",
                  a + L"VerticalSize = 24.0", d + L"Camera = \"None\"", d + L"FocalLength = 200", d + L"HorizontalSize = 36.0",
                  d + L"VerticalSize = 24.0", a + L"Guider.Visible = TRUE", a + L"Guider.HorizontalSize = 2.6",
                  a + L"Guider.VerticalSize = 2.6", a + L"Guider.Distance = 20.0", d + L"Guider.Visible = TRUE",
                  d + L"Guider.HorizontalSize = 2.6", d + L"Guider.VerticalSize = 2.6", d + L"Guider.Distance = 20.0",
                  a + L"Coordinate = EquatorialDateMean", L"Show Sky"}));

    // The camera and the width sent, then all from the guider on.
    const std::tuple<FieldState, std::vector<std::wstring>, std::vector<std::wstring>> cases[] = {
        {{.camera = "\"Alpha Two\"", .coordinate = "Horizon"},
         {},
         {a + L"Camera = \"Alpha Two\"", a + L"HorizontalSize = 22.3", a + L"Guider.Visible = TRUE",
          a + L"Guider.HorizontalSize = 5.0", a + L"Guider.VerticalSize = 4.0", a + L"Guider.Distance = 20.0",
          d + L"Guider.Visible = TRUE", d + L"Guider.HorizontalSize = 5.0", d + L"Guider.VerticalSize = 4.0",
          d + L"Guider.Distance = 20.0", a + L"Coordinate = Horizon", L"Show Sky"}},
        {{.camera = "\"Alpha One\""},
         {L"select 1560 1"},
         {a + L"Camera = \"Beta One\"", a + L"HorizontalSize = 13.2", a + L"Guider.Visible = FALSE",
          d + L"Guider.Visible = FALSE", a + L"Coordinate = Screen", L"Show Sky"}},
        {{.visible = "FALSE", .width = "0.5"},
         {},
         {a + L"Camera = \"None\"", a + L"HorizontalSize = 0.5", a + L"Guider.Visible = FALSE", d + L"Guider.Visible = FALSE",
          a + L"Coordinate = Screen", L"Show Sky"}}};
    for (const auto& [state, actions, statements] : cases) {
        const auto sent = RunField(state, Then(actions, {L"ok"})).Statements();
        ASSERT_GT(sent.size(), 9u) << state.Text();
        std::vector<std::wstring> picked = {sent[1], sent[3]};
        picked.insert(picked.end(), sent.begin() + 9, sent.end());
        EXPECT_EQ(picked, statements);
    }
}

TEST(VfieldDialog, RemembersTheUnitOnOkOnly)
{
    for (const wchar_t* close : {L"cancel", L"ok"}) {
        RunField({}, {L"select 1634 1", close});
        int unit = -1;
        EXPECT_TRUE(CRegistry::Read(L"Dialog\\Vfield", L"FovUnit", -1, &unit, 1));
        EXPECT_EQ(unit, std::wstring(close) == L"ok" ? 1 : 0) << close;
    }
}

}  // namespace
