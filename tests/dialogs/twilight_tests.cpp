// The sky light dialog driven through the host: what it asks, what it sends, what it enables.
#include "tests/support/DialogTables.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Runs the dialog on the host's five flags in the dialog's order (view, twilight, moon, ground,
// pollution) and the pollution strength (nullptr: the host has none and answers "").
kivtest::DialogRun RunSkyLight(const std::vector<const char*>& flags, const char* strength, std::vector<std::wstring> actions)
{
    static const char* const keys[] = {"", ".Twilight", ".Moonlight", ".Groundlight", ".LightPollution"};
    std::string state = strength ? std::string("SkyLight.LightPollution.Strength = ") + strength + "\n" : "";
    for (size_t i = 0; i < flags.size(); ++i)
        state += std::string("SkyLight") + keys[i] + ".Visible = " + flags[i] + "\n";
    return kivtest::Run({L"CDlgTwilight", state, false, {}, std::move(actions)});
}

TEST(TwilightDialog, OpensTheSliderAtTheRoundedAndClampedTenths)
{
    const std::pair<const char*, int> cases[] = {{"0.7", 7},  {"1.5", 10},  {"-0.2", 0},
                                                 {"0.04", 0}, {"0.05", 1}, {"\"strong\"", 0}};
    for (const auto& [answer, position] : cases) {
        const auto run = RunSkyLight({"TRUE", "TRUE", "TRUE", "TRUE", "TRUE"}, answer, {L"dump", L"cancel"});
        ASSERT_TRUE(run.Control(1050).has_value());
        EXPECT_EQ(run.Control(1050)->sel, position) << answer;
    }
}

TEST(TwilightDialog, AsksTheSixSettingsAndSendsItsStatementsInOrder)
{
    // The host's flags and strength, the actions, the five flags sent as T and F (empty: nothing
    // sent), the strength sent (nullptr: none).
    using Case = std::tuple<std::vector<const char*>, const char*, std::vector<std::wstring>, std::string, const wchar_t*>;
    const Case cases[] = {
        // Sky light off still sends every component, with the host's strength as it was.
        {{"TRUE", "TRUE", "FALSE", "TRUE", "TRUE"}, "1.0", {L"click 1500", L"ok"}, "FTFTT", L"1.0"},
        {{"TRUE", "FALSE", "TRUE", "FALSE", "FALSE"}, "0.2", {L"click 1501", L"slide 1050 7", L"ok"}, "TFTFT", L"0.7"},
        {{"TRUE", "TRUE", "FALSE", "TRUE", "TRUE"}, "0.9", {L"click 1501", L"ok"}, "TTFTF", nullptr},
        {{"TRUE", "TRUE", "TRUE", "FALSE", "TRUE"}, "0.6", {L"click 1036", L"slide 1050 0", L"ok"}, "TTTTT", L"0.0"},
        // Only the exact answer TRUE counts as shown.
        {{"\"true\"", "\"True\"", "TRUE", "\"tRUE\"", "\"true\""}, "0.5", {L"ok"}, "FFTFF", nullptr},
        {{"TRUE", "TRUE", "TRUE", "TRUE", "FALSE"}, "0.3", {L"click 1500", L"click 1501", L"slide 1050 9", L"cancel"}, "",
         nullptr},
    };
    static const wchar_t* const names[] = {L"SkyLight.Visible", L"SkyLight.Twilight.Visible", L"SkyLight.Moonlight.Visible",
                                           L"SkyLight.Groundlight.Visible", L"SkyLight.LightPollution.Visible"};
    for (const auto& [flags, strength, actions, sent, strengthSent] : cases) {
        const auto run = RunSkyLight(flags, strength, actions);
        std::vector<std::wstring> expected;
        for (size_t i = 0; i < sent.size(); ++i)
            expected.push_back(std::wstring(names[i]) + (sent[i] == 'T' ? L" = TRUE" : L" = FALSE"));
        if (strengthSent)
            expected.push_back(std::wstring(L"SkyLight.LightPollution.Strength = ") + strengthSent);
        if (!sent.empty())
            expected.push_back(L"Show Stellar");
        EXPECT_EQ(run.Statements(), expected) << sent;
        EXPECT_EQ(run.result, sent.empty() ? kivhost::RunResult::Cancel : kivhost::RunResult::Ok);
        std::vector<std::wstring> queries(std::begin(names), std::end(names));
        queries.push_back(L"SkyLight.LightPollution.Strength");
        EXPECT_EQ(run.Queries(), queries);
    }
}

TEST(TwilightDialog, ComponentsFollowTheShowBoxAndTheStrengthAlsoThePollutionBox)
{
    // The host's show and pollution flags, the clicks, the components and the strength enabled.
    using Case = std::tuple<const char*, const char*, std::vector<std::wstring>, bool, bool>;
    const Case cases[] = {{"TRUE", "FALSE", {}, true, false},
                          {"FALSE", "TRUE", {}, false, false},
                          {"TRUE", "TRUE", {L"click 1501"}, true, false},
                          {"FALSE", "TRUE", {L"click 1500"}, true, true}};
    for (const auto& [view, pollution, actions, components, strength] : cases) {
        const auto run = RunSkyLight({view, "TRUE", "TRUE", "TRUE", pollution}, "0.5", kivtest::Then(actions, {L"dump", L"cancel"}));
        SCOPED_TRACE(std::string(view) + " " + pollution + " " + testing::PrintToString(actions));
        kivtest::ExpectEnabled(run, {1035, 1037, 1036, 1501}, components);
        kivtest::ExpectEnabled(run, {1050, 1126, 1127, 1128}, strength);
        kivtest::ExpectEnabled(run, {1125}, true);
    }
}

}  // namespace
