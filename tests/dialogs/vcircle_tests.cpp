// The field-of-view circle dialog driven through the host: its queries and conversions, the
// calculator, Apply, the size edit and up-downs, the enable rule and the statements on OK.
#include "framework/kivreg/Registry.h"
#include "tests/dialogs/fov_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <tuple>

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

// The calculator's defaults and stored inputs, its clamps and steps, and the size edit's clamps
// and fine steps below a tenth of a degree.
TEST(VcircleDialog, CalculatesAndKeepsTheSizeInRange)
{
    // The stored inputs, the host's angle, the actions, the texts then shown.
    using Case = std::tuple<Inputs, const char*, std::vector<std::wstring>, kivtest::Texts>;
    const Case cases[] = {
        {{}, "1", {}, {{1405, L"50"}, {1408, L"25"}, {1407, L"2.00"}}},
        {std::array<double, 3>{1000.0, 10.0, 82.0}, "1", {}, {{1405, L"82"}, {1408, L"100"}, {1407, L"0.82"}}},
        {{}, "1", {L"type 1405 150"}, {{1405, L"100"}, {1407, L"4.00"}}},
        {{}, "1", {L"type 1405 "}, {{1405, L""}, {1407, L"2.00"}}},
        {{}, "1", {L"type 1403 12.5"}, {{1403, L"12.5"}, {1408, L"40"}, {1407, L"1.25"}}},
        {{}, "1", {L"type 1403 0"}, {{1408, L"---"}, {1407, L"---"}}},
        {{}, "1", {L"type 1401 0"}, {{1408, L"---"}, {1407, L"---"}}},
        {std::array<double, 3>{500.0, 25.0, 50.0}, "1", {L"spin 1402 up"}, {{1401, L"510"}, {1408, L"20"}, {1407, L"2.45"}}},
        {std::array<double, 3>{15.0, 10.0, 50.0}, "1", {L"spin 1402 down"}, {{1401, L"10"}, {1407, L"50.00"}}},
        {{}, "1", {L"spin 1404 down"}, {{1403, L"19"}, {1408, L"26"}, {1407, L"1.90"}}},
        {std::array<double, 3>{500.0, 100.0, 50.0}, "1", {L"spin 1404 up"}, {{1403, L"100"}}},
        {{}, "1", {L"spin 1406 up"}, {{1405, L"51"}, {1407, L"2.04"}}},
        {{}, "2", {L"type 1121 0.00"}, {{1121, L"0.01"}}},
        {{}, "2", {L"type 1121 25"}, {{1121, L"20.00"}}},
        {{}, "2", {L"type 1121 0."}, {{1121, L"0."}}},
        {{}, "0.05", {L"spin 1018 up"}, {{1121, L"0.06"}}},
        {{}, "0.1", {L"spin 1018 up"}, {{1121, L"0.20"}}},
        {{}, "0.1", {L"spin 1018 down"}, {{1121, L"0.09"}}},
        {{}, "0.01", {L"spin 1018 down"}, {{1121, L"0.01"}}},
        {{}, "19.95", {L"spin 1018 up"}, {{1121, L"20.00"}}}};
    for (const auto& [inputs, angle, actions, texts] : cases) {
        const auto run = RunCircle(Circle("TRUE", angle), kivtest::Then(actions, {L"dump", L"cancel"}), inputs);
        SCOPED_TRACE(testing::PrintToString(actions));
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_TRUE(run.Messages().empty());
        kivtest::ExpectTexts(run, texts);
    }
}

TEST(VcircleDialog, EverythingButShowColourAndButtonsFollowsTheShowFlag)
{
    const auto run = RunCircle(Circle("TRUE", "2.0"), {L"dump", L"click 1120", L"dump", L"cancel"});
    for (size_t dump = 0; dump < 2; ++dump) {
        kivtest::ExpectEnabled(run, {1132, 1133, 1121, 1018, 1271, 12122, 1558, 1559, 1402, 1404, 1406, 1401, 1403,
                                     1405, 12123, 12124, 12125, 12126, 12127, 12128, 1408, 12129, 12130, 1407, 12131, 12132},
                               dump == 0, dump);
        kivtest::ExpectEnabled(run, {1120, 1006, 1, 2, 57670}, true, dump);
    }
}

// OK sends the angle only for a shown circle, and refuses a shown size out of range; Apply takes
// the true field into the size and stores the inputs, or refuses a field out of range; Cancel sends
// and stores nothing. Only the exact answer TRUE shows the circle; the frame is read without regard
// to case, an unknown one as the screen.
TEST(VcircleDialog, OkSendsVisibilityAngleFrameAndRefresh)
{
    // The host's circle, the actions, the statements sent (none: still open or cancelled), the
    // messages, the inputs stored afterwards.
    using Case = std::tuple<std::string, std::vector<std::wstring>, std::vector<std::wstring>, std::vector<std::wstring>, Inputs>;
    const std::wstring v = L"FieldOfView.Visible = ", a = L"FieldOfView.Angle = ", f = L"FieldOfView.Coordinate = ";
    const Case cases[] = {
        {Circle("TRUE", "2.5", "Horizon"), {L"ok"}, {v + L"TRUE", a + L"2.50", f + L"Horizon", L"Show Sky"}, {}, {}},
        {Circle("TRUE", "7.0"), {L"click 12122", L"select 1133 1", L"ok"},
         {v + L"TRUE", a + L"2.00", f + L"EquatorialDateMean", L"Show Sky"}, {}, std::array<double, 3>{500.0, 20.0, 50.0}},
        {Circle("TRUE", "7.0"), {L"type 1405 150", L"click 12122", L"ok"}, {v + L"TRUE", a + L"4.00", f + L"Screen", L"Show Sky"},
         {}, std::array<double, 3>{500.0, 20.0, 100.0}},
        {Circle("TRUE", "7.0"), {L"type 1401 100", L"type 1403 100", L"click 12122", L"ok"},
         {v + L"TRUE", a + L"7.00", f + L"Screen", L"Show Sky"}, {kTrueFieldRange}, {}},
        {Circle("TRUE", "7.0"), {L"type 1403 0", L"click 12122", L"ok"}, {v + L"TRUE", a + L"7.00", f + L"Screen", L"Show Sky"},
         {kTrueFieldRange}, {}},
        {Circle("FALSE", "25", "Horizon"), {L"ok"}, {v + L"FALSE", f + L"Horizon", L"Show Sky"}, {}, {}},
        {Circle("\"true\"", "2", "\"horizon\""), {L"ok"}, {v + L"FALSE", f + L"Horizon", L"Show Sky"}, {}, {}},
        {Circle("TRUE", "2", "\"Galactic\""), {L"ok"}, {v + L"TRUE", a + L"2.00", f + L"Screen", L"Show Sky"}, {}, {}},
        {Circle("TRUE", "25"), {L"ok"}, {}, {kCircleRange}, {}},
        {Circle("TRUE", "0.001"), {L"ok"}, {}, {kCircleRange}, {}},
        {Circle("TRUE", "2.0"), {L"type 1401 800", L"spin 1018 up", L"click 1120", L"cancel"}, {}, {}, {}}};
    for (const auto& [state, actions, statements, messages, stored] : cases) {
        const auto run = RunCircle(state, actions);
        SCOPED_TRACE(state + testing::PrintToString(actions));
        EXPECT_EQ(run.Statements(), statements);
        EXPECT_EQ(run.Messages(), messages);
        EXPECT_EQ(run.result, statements.empty() ? kivhost::RunResult::Cancel : kivhost::RunResult::Ok);
        EXPECT_EQ(run.Queries(), (std::vector<std::wstring>{L"FieldOfView.Visible", L"FieldOfView.Angle", L"FieldOfView.Coordinate"}));
        for (size_t i = 0; i < 3; ++i) {
            double value = -1.0;
            EXPECT_EQ(CRegistry::Read(kSection, kInputKeys[i], -1.0, &value) != FALSE, stored.has_value());
            EXPECT_EQ(value, stored ? (*stored)[i] : -1.0) << kInputKeys[i];
        }
    }
}

TEST(ColourButtons, OpenTheColourDialogOnTheDialogsKey)
{
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> dialogs[] = {
        {L"CDlgVcircle", L"click 1006", L"FieldOfView.Color"}, {L"CDlgVfield", L"click 1006", L"AngleOfField.Color"},
        {L"CDlgVmosaic", L"click 1006", L"MosaicOfField.Color"}, {L"CDlgGrid", L"click 1192", L"CoordinatesLine.AltAzimuthGrid.Color"}};
    for (const auto& [dialog, click, key] : dialogs) {
        const auto run = kivtest::Run({dialog, "", true, {L"appdata=" + kivtest::TestAppData()}, {click, L"cancel", L"cancel"}});
        EXPECT_EQ(run.driverFailures, 0) << dialog;
        EXPECT_EQ(run.Queries().back(), key);
        EXPECT_TRUE(run.Statements().empty()) << dialog;
    }
}

}  // namespace
