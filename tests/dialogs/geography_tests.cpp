// The terrain dialog through the host: the values it reads back into the host's statements on OK
// (resolution truncated to the slider, bitmap size matched or the last entry, the altitude rule
// with flight mode), and the refusal to show terrain without terrain data.
#include "tests/support/DialogTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const std::string kPath = "Solar.Planet.Earth.Landscape.";

// The resolution is truncated to the slider's tenths and kept within it; a bitmap size the list
// lacks takes the last entry; flight mode never follows the ground.
TEST(Geography, OkSendsTheStatementsInOrder)
{
    const std::wstring w = L"Solar.Planet.Earth.Landscape.";
    const std::tuple<std::string, bool, std::vector<std::wstring>> cases[] = {
        {"Resolution = 0.7\nBitmap.Width = 1024\nBitmap.Height = 512\nAutoGetAltitude = TRUE", false,
         {w + L"Visible = TRUE", w + L"Resolution = 0.7", w + L"Radius = 40", w + L"Bitmap.Visible = TRUE",
          w + L"Bitmap.UpdateByLocation = FALSE", w + L"Bitmap.Width = 1024; " + w + L"Bitmap.Height = 512",
          w + L"AutoGetAltitude = TRUE", w + L"Brightness = 0.35"}},
        {"Resolution = 0.55", false, {w + L"Resolution = 0.5"}},
        {"Resolution = 0.05", false, {w + L"Resolution = 0.1"}},
        {"Resolution = 2.0", false, {w + L"Resolution = 1.0"}},
        {"Resolution = 0.95", false, {w + L"Resolution = 0.9"}},
        {"Bitmap.Width = 800\nBitmap.Height = 600", false, {w + L"Bitmap.Width = 2048; " + w + L"Bitmap.Height = 2048"}},
        {"AutoGetAltitude = TRUE", true, {w + L"AutoGetAltitude = FALSE"}},
        {"AutoGetAltitude = FALSE", false, {w + L"AutoGetAltitude = FALSE"}}};
    for (const auto& [values, flight, expected] : cases) {
        std::string state = "Visible = TRUE\nBitmap.Visible = TRUE\nRadius = 40\nBitmap.UpdateByLocation = FALSE\n"
                            "Brightness = 0.35\n" + values + "\n";
        for (size_t at = 0; at < state.size(); at = state.find('\n', at) + 1)
            state.insert(at, kPath);
        std::vector<std::wstring> args = {L"terrain=1"};
        if (flight)
            args.push_back(L"flight=1");
        const auto statements = kivtest::Run({L"CDlgGeography81", state, false, args, {L"ok"}, {}}).Statements();
        ASSERT_FALSE(statements.empty()) << values;
        EXPECT_EQ(statements.back(), L"Show Sky");
        // Every expected statement, in the given order, among what was sent.
        auto at = statements.begin();
        for (const std::wstring& statement : expected) {
            at = std::find(at, statements.end(), statement);
            EXPECT_NE(at, statements.end()) << values << ": " << testing::PrintToString(statement);
        }
    }
}

// Typing or the spin cannot take the radius out of 1 to 300 km.
TEST(Geography, TheRadiusStaysWithinOneToThreeHundred)
{
    const std::pair<const char*, std::vector<std::wstring>> cases[] = {
        {"40", {L"type 1565 301"}}, {"300", {L"spin 1566 up"}}, {"40", {L"type 1565 0"}}, {"1", {L"spin 1566 down"}}};
    const wchar_t* const sent[] = {L"Radius = 300", L"Radius = 300", L"Radius = 1", L"Radius = 1"};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string state = kPath + "Visible = TRUE\n" + kPath + "Radius = " + cases[i].first + "\n";
        std::vector<std::wstring> actions = cases[i].second;
        actions.push_back(L"ok");
        const auto statements = kivtest::Run({L"CDlgGeography81", state, false, {L"terrain=1"}, actions, {}}).Statements();
        EXPECT_NE(std::find(statements.begin(), statements.end(), L"Solar.Planet.Earth.Landscape." + std::wstring(sent[i])),
                  statements.end())
            << cases[i].first << " " << testing::PrintToString(cases[i].second);
    }
}

TEST(Geography, WithoutTerrainDataTheTerrainCannotBeTurnedOn)
{
    const std::string state = kPath + "Visible = FALSE\n";
    const auto run = kivtest::Run({L"CDlgGeography81", state, false, {L"terrain=0"}, {L"click 1563", L"dump", L"ok"}, {}});
    EXPECT_EQ(kivtest::Checked(run, 1563), 0);
    EXPECT_EQ(std::count(run.journal.begin(), run.journal.end(), L"# message 0x07FD 地形データ"), 1);
    const std::vector<std::wstring> statements = run.Statements();
    ASSERT_FALSE(statements.empty());
    EXPECT_EQ(statements.front(), L"Solar.Planet.Earth.Landscape.Visible = FALSE");
}

}  // namespace
