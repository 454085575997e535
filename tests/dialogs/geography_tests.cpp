// The terrain dialog through the host: the values it reads back into the host's statements on OK
// (resolution truncated to the slider, bitmap size matched or the last entry, the altitude rule
// with flight mode), and the refusal to show terrain without terrain data.
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kPath = "Solar.Planet.Earth.Landscape.";
const std::wstring kWidePath = L"Solar.Planet.Earth.Landscape.";

struct GeographyCase {
    const char* name;
    std::string state;                // statements on top of the host's own values
    std::vector<std::wstring> args;   // terrain=, flight=
    std::vector<std::wstring> expected;  // the statements that must be among OK's, in order
};

class GeographyOk : public testing::TestWithParam<GeographyCase> {};

TEST_P(GeographyOk, SendsTheStatementsInOrder)
{
    const GeographyCase& c = GetParam();
    const std::string state = kPath + "Visible = TRUE\n" + kPath + "Bitmap.Visible = TRUE\n" + kPath + "Radius = 40\n" +
                              kPath + "Bitmap.UpdateByLocation = FALSE\n" + kPath + "Brightness = 0.35\n" + c.state;
    const auto run = kivtest::Run({L"CDlgGeography81", state, false, c.args, {L"ok"}, {}});
    ASSERT_EQ(run.result, kivhost::RunResult::Ok);
    const std::vector<std::wstring> statements = run.Statements();
    ASSERT_FALSE(statements.empty());
    EXPECT_EQ(statements.back(), L"Show Sky");
    // Every expected statement, in the given order, among what was sent.
    size_t at = 0;
    for (const std::wstring& expected : c.expected) {
        while (at < statements.size() && statements[at] != expected)
            ++at;
        EXPECT_LT(at, statements.size()) << testing::PrintToString(expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeographyOk,
    testing::Values(
        GeographyCase{"AllInOrder",
                      kPath + "Resolution = 0.7\n" + kPath + "Bitmap.Width = 1024\n" + kPath + "Bitmap.Height = 512\n" +
                          kPath + "AutoGetAltitude = TRUE\n",
                      {L"terrain=1"},
                      {kWidePath + L"Visible = TRUE", kWidePath + L"Resolution = 0.7", kWidePath + L"Radius = 40",
                       kWidePath + L"Bitmap.Visible = TRUE", kWidePath + L"Bitmap.UpdateByLocation = FALSE",
                       kWidePath + L"Bitmap.Width = 1024; " + kWidePath + L"Bitmap.Height = 512",
                       kWidePath + L"AutoGetAltitude = TRUE", kWidePath + L"Brightness = 0.35"}},
        GeographyCase{"ResolutionTruncatedToTheSlider", kPath + "Resolution = 0.55\n", {L"terrain=1"},
                      {kWidePath + L"Resolution = 0.5"}},
        GeographyCase{"ResolutionBelowTheSlider", kPath + "Resolution = 0.05\n", {L"terrain=1"},
                      {kWidePath + L"Resolution = 0.1"}},
        GeographyCase{"ResolutionAboveTheSlider", kPath + "Resolution = 2.0\n", {L"terrain=1"},
                      {kWidePath + L"Resolution = 1.0"}},
        GeographyCase{"ResolutionOneAndAHalfTenths", kPath + "Resolution = 0.15\n", {L"terrain=1"},
                      {kWidePath + L"Resolution = 0.1"}},
        GeographyCase{"ResolutionTwoAndAHalfTenths", kPath + "Resolution = 0.25\n", {L"terrain=1"},
                      {kWidePath + L"Resolution = 0.2"}},
        GeographyCase{"ResolutionNineAndAHalfTenths", kPath + "Resolution = 0.95\n", {L"terrain=1"},
                      {kWidePath + L"Resolution = 0.9"}},
        GeographyCase{"ResolutionSeventeenTenths", kPath + "Resolution = 1.7\n", {L"terrain=1"},
                      {kWidePath + L"Resolution = 1.0"}},
        GeographyCase{"UnknownBitmapSizeTakesTheLastEntry",
                      kPath + "Bitmap.Width = 800\n" + kPath + "Bitmap.Height = 600\n", {L"terrain=1"},
                      {kWidePath + L"Bitmap.Width = 2048; " + kWidePath + L"Bitmap.Height = 2048"}},
        GeographyCase{"FlightModeNeverFollowsTheGround", kPath + "AutoGetAltitude = TRUE\n", {L"terrain=1", L"flight=1"},
                      {kWidePath + L"AutoGetAltitude = FALSE"}},
        GeographyCase{"AFixedAltitudeStaysFixed", kPath + "AutoGetAltitude = FALSE\n", {L"terrain=1"},
                      {kWidePath + L"AutoGetAltitude = FALSE"}}),
    [](const testing::TestParamInfo<GeographyCase>& info) { return std::string(info.param.name); });

TEST(Geography, WithoutTerrainDataTheTerrainCannotBeTurnedOn)
{
    const std::string state = kPath + "Visible = FALSE\n";
    const auto run = kivtest::Run({L"CDlgGeography81", state, false, {L"terrain=0"}, {L"click 1563", L"dump", L"ok"}, {}});
    const auto check = run.Control(1563);
    ASSERT_TRUE(check.has_value());
    EXPECT_EQ(check->checked, 0);
    int notified = 0;
    for (const std::wstring& line : run.journal)
        notified += line == L"# message 0x07FD 地形データ" ? 1 : 0;
    EXPECT_EQ(notified, 1);
    const std::vector<std::wstring> statements = run.Statements();
    ASSERT_FALSE(statements.empty());
    EXPECT_EQ(statements.front(), kWidePath + L"Visible = FALSE");
}

}  // namespace
