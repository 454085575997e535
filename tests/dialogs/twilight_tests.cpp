// The sky light dialog driven through the host: what it asks, what it sends, what it enables.
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

using kivtest::DialogScript;


namespace {

const std::vector<int> kComponents = {1035, 1037, 1036, 1501};
const std::vector<int> kStrength = {1050, 1126, 1127, 1128};

std::string SkyLight(const char* view, const char* twilight, const char* moon, const char* ground, const char* pollution,
                     const char* strength)
{
    std::string state;
    state += std::string("SkyLight.Visible = ") + view + "\n";
    state += std::string("SkyLight.Twilight.Visible = ") + twilight + "\n";
    state += std::string("SkyLight.Moonlight.Visible = ") + moon + "\n";
    state += std::string("SkyLight.Groundlight.Visible = ") + ground + "\n";
    state += std::string("SkyLight.LightPollution.Visible = ") + pollution + "\n";
    if (strength)
        state += std::string("SkyLight.LightPollution.Strength = ") + strength + "\n";
    return state;
}

TEST(TwilightDialog, AsksForTheSixSettingsInOrder)
{
    const auto run = kivtest::Run({L"CDlgTwilight", SkyLight("TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "0.5"), false, {}, {L"cancel"}});
    const std::vector<std::wstring> expected = {
        L"SkyLight.Visible",           L"SkyLight.Twilight.Visible",        L"SkyLight.Moonlight.Visible",
        L"SkyLight.Groundlight.Visible", L"SkyLight.LightPollution.Visible", L"SkyLight.LightPollution.Strength"};
    EXPECT_EQ(run.Queries(), expected);
}

struct StrengthCase {
    const char* answer;  // nullptr: the host has no such value and answers ""
    int position;
};

class TwilightStrength : public testing::TestWithParam<StrengthCase> {};

TEST_P(TwilightStrength, OpensTheSliderAtTheClampedTenths)
{
    const auto& param = GetParam();
    const auto run = kivtest::Run({L"CDlgTwilight", SkyLight("TRUE", "TRUE", "TRUE", "TRUE", "TRUE", param.answer), false, {},
                          {L"dump", L"cancel"}});
    const auto slider = run.Control(1050);
    ASSERT_TRUE(slider.has_value());
    EXPECT_EQ(slider->sel, param.position);
}

INSTANTIATE_TEST_SUITE_P(Answers, TwilightStrength,
                         testing::Values(StrengthCase{"0.7", 7}, StrengthCase{"1.5", 10}, StrengthCase{"-0.2", 0},
                                         StrengthCase{nullptr, 0}, StrengthCase{"0.04", 0}, StrengthCase{"0.05", 1},
                                         StrengthCase{"1", 10}, StrengthCase{"\"strong\"", 0}));

struct OkCase {
    const char* name;
    std::string state;
    std::vector<std::wstring> actions;
    std::vector<std::wstring> statements;
};

class TwilightOk : public testing::TestWithParam<OkCase> {};

TEST_P(TwilightOk, SendsItsStatementsInOrder)
{
    const auto& param = GetParam();
    std::vector<std::wstring> actions = param.actions;
    actions.push_back(L"ok");
    const auto run = kivtest::Run({L"CDlgTwilight", param.state, false, {}, actions});
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.Statements(), param.statements);
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, TwilightOk,
    testing::Values(
        OkCase{"AllOnKeepsTheStrength",
               SkyLight("TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "0.3"),
               {},
               {L"SkyLight.Visible = TRUE", L"SkyLight.Twilight.Visible = TRUE", L"SkyLight.Moonlight.Visible = TRUE",
                L"SkyLight.Groundlight.Visible = TRUE", L"SkyLight.LightPollution.Visible = TRUE",
                L"SkyLight.LightPollution.Strength = 0.3", L"Show Stellar"}},
        OkCase{"PollutionOnAndSlidTo7",
               SkyLight("TRUE", "FALSE", "TRUE", "FALSE", "FALSE", "0.2"),
               {L"click 1501", L"slide 1050 7"},
               {L"SkyLight.Visible = TRUE", L"SkyLight.Twilight.Visible = FALSE", L"SkyLight.Moonlight.Visible = TRUE",
                L"SkyLight.Groundlight.Visible = FALSE", L"SkyLight.LightPollution.Visible = TRUE",
                L"SkyLight.LightPollution.Strength = 0.7", L"Show Stellar"}},
        OkCase{"PollutionOffSendsNoStrength",
               SkyLight("TRUE", "TRUE", "FALSE", "TRUE", "TRUE", "0.9"),
               {L"click 1501"},
               {L"SkyLight.Visible = TRUE", L"SkyLight.Twilight.Visible = TRUE", L"SkyLight.Moonlight.Visible = FALSE",
                L"SkyLight.Groundlight.Visible = TRUE", L"SkyLight.LightPollution.Visible = FALSE", L"Show Stellar"}},
        OkCase{"SkyLightOffStillSendsEveryComponent",
               SkyLight("TRUE", "TRUE", "FALSE", "TRUE", "TRUE", "1.0"),
               {L"click 1500"},
               {L"SkyLight.Visible = FALSE", L"SkyLight.Twilight.Visible = TRUE", L"SkyLight.Moonlight.Visible = FALSE",
                L"SkyLight.Groundlight.Visible = TRUE", L"SkyLight.LightPollution.Visible = TRUE",
                L"SkyLight.LightPollution.Strength = 1.0", L"Show Stellar"}},
        OkCase{"LowerCaseTrueReadsAsFalse",
               SkyLight("\"true\"", "\"True\"", "TRUE", "\"tRUE\"", "\"true\"", "0.5"),
               {},
               {L"SkyLight.Visible = FALSE", L"SkyLight.Twilight.Visible = FALSE", L"SkyLight.Moonlight.Visible = TRUE",
                L"SkyLight.Groundlight.Visible = FALSE", L"SkyLight.LightPollution.Visible = FALSE", L"Show Stellar"}},
        OkCase{"GroundLightAndStrengthZero",
               SkyLight("TRUE", "TRUE", "TRUE", "FALSE", "TRUE", "0.6"),
               {L"click 1036", L"slide 1050 0"},
               {L"SkyLight.Visible = TRUE", L"SkyLight.Twilight.Visible = TRUE", L"SkyLight.Moonlight.Visible = TRUE",
                L"SkyLight.Groundlight.Visible = TRUE", L"SkyLight.LightPollution.Visible = TRUE",
                L"SkyLight.LightPollution.Strength = 0.0", L"Show Stellar"}}),
    [](const testing::TestParamInfo<OkCase>& info) { return info.param.name; });

TEST(TwilightDialog, CancelAfterChangesSendsNothing)
{
    const auto run = kivtest::Run({L"CDlgTwilight", SkyLight("TRUE", "TRUE", "TRUE", "TRUE", "FALSE", "0.3"), false, {},
                          {L"click 1500", L"click 1500", L"click 1501", L"slide 1050 9", L"cancel"}});
    EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
}

struct EnableCase {
    const char* name;
    const char* view;
    const char* pollution;
    std::vector<std::wstring> actions;
    bool components;
    bool strength;
};

class TwilightEnable : public testing::TestWithParam<EnableCase> {};

TEST_P(TwilightEnable, FollowsTheShowAndPollutionBoxes)
{
    const auto& param = GetParam();
    std::vector<std::wstring> actions = param.actions;
    actions.push_back(L"dump");
    actions.push_back(L"cancel");
    const auto run = kivtest::Run({L"CDlgTwilight", SkyLight(param.view, "TRUE", "TRUE", "TRUE", param.pollution, "0.5"), false, {},
                          actions});
    for (int id : kComponents) {
        const auto control = run.Control(id);
        ASSERT_TRUE(control.has_value()) << id;
        EXPECT_EQ(control->enabled, param.components) << id;
    }
    for (int id : kStrength) {
        const auto control = run.Control(id);
        ASSERT_TRUE(control.has_value()) << id;
        EXPECT_EQ(control->enabled, param.strength) << id;
    }
    ASSERT_TRUE(run.Control(1125).has_value());
    EXPECT_TRUE(run.Control(1125)->enabled);
}

INSTANTIATE_TEST_SUITE_P(
    States, TwilightEnable,
    testing::Values(EnableCase{"ViewOnPollutionOn", "TRUE", "TRUE", {}, true, true},
                    EnableCase{"ViewOnPollutionOff", "TRUE", "FALSE", {}, true, false},
                    EnableCase{"ViewOffPollutionOn", "FALSE", "TRUE", {}, false, false},
                    EnableCase{"PollutionTurnedOff", "TRUE", "TRUE", {L"click 1501"}, true, false},
                    EnableCase{"PollutionTurnedOffAndOn", "TRUE", "TRUE", {L"click 1501", L"click 1501"}, true, true},
                    EnableCase{"ViewTurnedOff", "TRUE", "TRUE", {L"click 1500"}, false, false},
                    EnableCase{"ViewTurnedOn", "FALSE", "TRUE", {L"click 1500"}, true, true}),
    [](const testing::TestParamInfo<EnableCase>& info) { return info.param.name; });

TEST(TwilightDialog, GroundLightChangesNoOtherControl)
{
    const auto run = kivtest::Run({L"CDlgTwilight", SkyLight("TRUE", "TRUE", "FALSE", "FALSE", "FALSE", "0.4"), false, {},
                          {L"dump", L"click 1036", L"dump", L"cancel"}});
    const auto before = run.Dump(0);
    const auto after = run.Dump(1);
    ASSERT_EQ(before.size(), after.size());
    ASSERT_FALSE(before.empty());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i].enabled, after[i].enabled) << before[i].id;
        if (before[i].id != 1036)
            EXPECT_EQ(before[i].checked, after[i].checked) << before[i].id;
        else
            EXPECT_NE(before[i].checked, after[i].checked);
    }
}

TEST(TwilightDialog, ReopeningShowsWhatTheHostThenReports)
{
    std::string state;
    kivtest::Run({L"CDlgTwilight", SkyLight("TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "0.8"), false, {}, {L"click 1501", L"ok"}},
        &state);
    const auto reopened = kivtest::Run({L"CDlgTwilight", state, false, {}, {L"dump", L"cancel"}});
    ASSERT_TRUE(reopened.Control(1501).has_value());
    EXPECT_EQ(reopened.Control(1501)->checked, 0);
    EXPECT_EQ(reopened.Control(1050)->sel, 8);
    EXPECT_FALSE(reopened.Control(1050)->enabled);
}

}  // namespace
