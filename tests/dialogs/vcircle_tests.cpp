// The field-of-view circle dialog driven through the host: its queries and conversions, the
// calculator, Apply, the size edit and up-downs, the enable rule and the statements on OK.
#include "framework/kivreg/Registry.h"
#include "tests/dialogs/fov_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace {

using Inputs = std::optional<std::array<double, 3>>;  // telescope, eyepiece, apparent field in the store

const wchar_t kSection[] = L"Dialog\\Vcircle";
const wchar_t* const kInputKeys[] = {L"TelescopeFocalLength", L"EyepieceFocalLength", L"EyepieceFieldView"};
const std::wstring kTrueFieldRange = L"info 視野角の大きさには 0.01 から 20.00 までの値を入力してください。";
const std::wstring kCircleRange = L"info 視野円の大きさには 0.01 から 20.00 までの値を入力してください。";

std::string Circle(const char* visible, const char* angle, const char* coordinate = "Screen")
{
    return std::string("FieldOfView.Visible = ") + visible + "\nFieldOfView.Angle = " + angle +
           "\nFieldOfView.Coordinate = " + coordinate + "\n";
}

kivtest::DialogRun RunCircle(const std::string& state, std::vector<std::wstring> actions, Inputs inputs = std::nullopt)
{
    kivtest::ClearSettings();
    for (size_t i = 0; inputs && i < 3; ++i)
        CRegistry::Write(kSection, kInputKeys[i], (*inputs)[i]);
    return kivtest::Run({L"CDlgVcircle", state, false, {}, std::move(actions)});
}

TEST(VcircleDialog, ConvertsTheHostsAnswers)
{
    struct Case {
        std::string state;
        int checked;
        const wchar_t* size;
        int frame;
    };
    const Case cases[] = {{Circle("TRUE", "2.5", "EquatorialDateMean"), 1, L"2.50", 1},
                          {Circle("\"true\"", "25", "\"horizon\""), 0, L"25.00", 2},
                          {Circle("FALSE", "\"wide\"", "\"Galactic\""), 0, L"0.00", 0}};
    for (const Case& c : cases) {
        const auto run = RunCircle(c.state, {L"dump", L"cancel"});
        EXPECT_EQ(run.Queries(),
                  (std::vector<std::wstring>{L"FieldOfView.Visible", L"FieldOfView.Angle", L"FieldOfView.Coordinate"}));
        ASSERT_TRUE(run.Control(1120).has_value()) << c.state;
        EXPECT_EQ(run.Control(1120)->checked, c.checked) << c.state;
        EXPECT_EQ(run.Control(1121)->text, c.size) << c.state;
        EXPECT_EQ(run.Control(1133)->sel, c.frame) << c.state;
    }
}

struct ShowCase {
    const char* name;
    Inputs inputs;
    const char* angle;
    std::vector<std::wstring> actions;
    kivtest::Texts texts;
};

class VcircleShows : public testing::TestWithParam<ShowCase> {};

TEST_P(VcircleShows, CalculatesAndKeepsTheSizeInRange)
{
    const auto run = RunCircle(Circle("TRUE", GetParam().angle), kivtest::Then(GetParam().actions, {L"dump", L"cancel"}),
                               GetParam().inputs);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_TRUE(run.Messages().empty());
    kivtest::ExpectTexts(run, GetParam().texts);
}

constexpr std::array<double, 3> kDefaults{500.0, 20.0, 50.0};

INSTANTIATE_TEST_SUITE_P(
    Calculator, VcircleShows,
    testing::Values(
        ShowCase{"Defaults", {}, "1", {}, {{1405, L"50"}, {1408, L"25"}, {1407, L"2.00"}}},
        ShowCase{"StoredInputs", std::array<double, 3>{1000.0, 10.0, 82.0}, "1", {}, {{1405, L"82"}, {1408, L"100"}, {1407, L"0.82"}}},
        ShowCase{"ApparentFieldTo100", {}, "1", {L"type 1405 150"}, {{1405, L"100"}, {1407, L"4.00"}}},
        ShowCase{"EmptyApparentFieldLeftAlone", {}, "1", {L"type 1405 "}, {{1405, L""}, {1407, L"2.00"}}},
        ShowCase{"DecimalsTypedKeyByKey", {}, "1", {L"type 1403 12.5"}, {{1403, L"12.5"}, {1408, L"40"}, {1407, L"1.25"}}},
        ShowCase{"ZeroEyepiece", {}, "1", {L"type 1403 0"}, {{1408, L"---"}, {1407, L"---"}}},
        ShowCase{"ZeroTelescope", {}, "1", {L"type 1401 0"}, {{1408, L"---"}, {1407, L"---"}}},
        ShowCase{"TelescopeUp", std::array<double, 3>{500.0, 25.0, 50.0}, "1", {L"spin 1402 up"},
                 {{1401, L"510"}, {1408, L"20"}, {1407, L"2.45"}}},
        ShowCase{"TelescopeStopsAt10", std::array<double, 3>{15.0, 10.0, 50.0}, "1", {L"spin 1402 down"}, {{1401, L"10"}, {1407, L"50.00"}}},
        ShowCase{"EyepieceDown", {}, "1", {L"spin 1404 down"}, {{1403, L"19"}, {1408, L"26"}, {1407, L"1.90"}}},
        ShowCase{"EyepieceStopsAt100", std::array<double, 3>{500.0, 100.0, 50.0}, "1", {L"spin 1404 up"}, {{1403, L"100"}}},
        ShowCase{"ApparentStopsAt100", std::array<double, 3>{500.0, 20.0, 100.0}, "1", {L"spin 1406 up"}, {{1405, L"100"}}},
        ShowCase{"TypedZeroBecomesMinimum", {}, "2", {L"type 1121 0.00"}, {{1121, L"0.01"}}},
        ShowCase{"Typed25BecomesMaximum", {}, "2", {L"type 1121 25"}, {{1121, L"20.00"}}},
        ShowCase{"HalfTypedZeroLeftAlone", {}, "2", {L"type 1121 0."}, {{1121, L"0."}}},
        ShowCase{"FineStepUpBelowTenth", {}, "0.05", {L"spin 1018 up"}, {{1121, L"0.06"}}},
        ShowCase{"CoarseStepUpFromTenth", {}, "0.1", {L"spin 1018 up"}, {{1121, L"0.20"}}},
        ShowCase{"FineStepDownFromTenth", {}, "0.1", {L"spin 1018 down"}, {{1121, L"0.09"}}},
        ShowCase{"StaysAtMinimum", {}, "0.01", {L"spin 1018 down"}, {{1121, L"0.01"}}},
        ShowCase{"StopsAtMaximum", {}, "19.95", {L"spin 1018 up"}, {{1121, L"20.00"}}}),
    [](const testing::TestParamInfo<ShowCase>& info) { return info.param.name; });

TEST(VcircleDialog, ApplyTakesTheTrueFieldOrRefusesIt)
{
    struct Case {
        std::vector<std::wstring> actions;
        std::vector<std::wstring> messages;
        const wchar_t* size;
        Inputs stored;
    };
    const Case cases[] = {{{}, {}, L"2.00", kDefaults},
                          {{L"type 1405 150"}, {}, L"4.00", std::array<double, 3>{500.0, 20.0, 100.0}},
                          {{L"type 1401 100", L"type 1403 100"}, {kTrueFieldRange}, L"7.00", std::nullopt},
                          {{L"type 1403 0"}, {kTrueFieldRange}, L"7.00", std::nullopt}};
    for (const Case& c : cases) {
        const auto run = RunCircle(Circle("TRUE", "7.0"), kivtest::Then(c.actions, {L"click 12122", L"dump", L"cancel"}));
        EXPECT_EQ(run.Messages(), c.messages) << c.size;
        EXPECT_EQ(run.Control(1121)->text, c.size);
        EXPECT_TRUE(run.Statements().empty());
        for (size_t i = 0; i < 3; ++i) {
            double value = -1.0;
            EXPECT_EQ(CRegistry::Read(kSection, kInputKeys[i], -1.0, &value) != FALSE, c.stored.has_value());
            EXPECT_EQ(value, c.stored ? (*c.stored)[i] : -1.0) << kInputKeys[i];
        }
    }
}

TEST(VcircleDialog, EverythingButShowColourAndButtonsFollowsTheShowFlag)
{
    const int dependent[] = {1132, 1133, 1121, 1018, 1271, 12122, 1558, 1559, 1402, 1404, 1406, 1401, 1403,
                             1405, 12123, 12124, 12125, 12126, 12127, 12128, 1408, 12129, 12130, 1407, 12131, 12132};
    for (const char* visible : {"TRUE", "FALSE"}) {
        const auto run = RunCircle(Circle(visible, "2.0"), {L"dump", L"click 1120", L"dump", L"cancel"});
        for (size_t dump = 0; dump < 2; ++dump) {
            const bool shown = (std::string(visible) == "TRUE") == (dump == 0);
            for (const int id : dependent) {
                ASSERT_TRUE(run.Control(id, dump).has_value()) << id;
                EXPECT_EQ(run.Control(id, dump)->enabled, shown) << id << " dump " << dump;
            }
            for (const int id : {1120, 1006, 1, 2, 57670})
                EXPECT_TRUE(run.Control(id, dump)->enabled) << id;
        }
    }
}

struct OkCase {
    const char* name;
    std::string state;
    std::vector<std::wstring> actions;
    std::vector<std::wstring> statements;
    std::vector<std::wstring> messages;
};

class VcircleOk : public testing::TestWithParam<OkCase> {};

TEST_P(VcircleOk, SendsVisibilityAngleFrameAndRefresh)
{
    const auto run = RunCircle(GetParam().state, kivtest::Then(GetParam().actions, {L"ok"}));
    EXPECT_EQ(run.Statements(), GetParam().statements);
    EXPECT_EQ(run.Messages(), GetParam().messages);
    EXPECT_EQ(run.result, GetParam().statements.empty() ? kivhost::RunResult::Cancel : kivhost::RunResult::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, VcircleOk,
    testing::Values(
        OkCase{"ShownOnTheHorizon", Circle("TRUE", "2.5", "Horizon"), {},
               {L"FieldOfView.Visible = TRUE", L"FieldOfView.Angle = 2.50", L"FieldOfView.Coordinate = Horizon", L"Show Sky"}, {}},
        OkCase{"ShownAfterApplyEquatorial", Circle("TRUE", "7.0"), {L"click 12122", L"select 1133 1"},
               {L"FieldOfView.Visible = TRUE", L"FieldOfView.Angle = 2.00", L"FieldOfView.Coordinate = EquatorialDateMean",
                L"Show Sky"}, {}},
        OkCase{"HiddenSendsNoAngleWhateverTheSize", Circle("FALSE", "25", "Horizon"), {},
               {L"FieldOfView.Visible = FALSE", L"FieldOfView.Coordinate = Horizon", L"Show Sky"}, {}},
        OkCase{"HiddenByClickWithNegativeSize", Circle("TRUE", "-3"), {L"click 1120"},
               {L"FieldOfView.Visible = FALSE", L"FieldOfView.Coordinate = Screen", L"Show Sky"}, {}},
        OkCase{"ShownTooLargeStaysOpen", Circle("TRUE", "25"), {}, {}, {kCircleRange}},
        OkCase{"ShownTooSmallStaysOpen", Circle("TRUE", "0.001"), {}, {}, {kCircleRange}}),
    [](const testing::TestParamInfo<OkCase>& info) { return info.param.name; });

TEST(VcircleDialog, CancelSendsAndStoresNothing)
{
    const auto run = RunCircle(Circle("TRUE", "2.0"), {L"type 1401 800", L"spin 1018 up", L"click 1120", L"cancel"});
    EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
    double value = 0.0;
    EXPECT_FALSE(CRegistry::Read(kSection, kInputKeys[0], 0.0, &value));
}

TEST(FovDialogs, ColourButtonOpensTheColourDialogOnTheDialogsKey)
{
    const std::pair<const wchar_t*, const wchar_t*> dialogs[] = {
        {L"CDlgVcircle", L"FieldOfView.Color"}, {L"CDlgVfield", L"AngleOfField.Color"}, {L"CDlgVmosaic", L"MosaicOfField.Color"}};
    for (const auto& [dialog, key] : dialogs) {
        const auto run = kivtest::Run({dialog, "", true, {L"appdata=" + kivtest::TestAppData()}, {L"click 1006", L"cancel", L"cancel"}});
        EXPECT_EQ(run.driverFailures, 0) << dialog;
        EXPECT_EQ(run.Queries().back(), key);
        EXPECT_TRUE(run.Statements().empty()) << dialog;
    }
}

}  // namespace
