// The satellite list against hosts that the bundled sky cannot play: more positions than the
// module once walked, and number answers that are empty, no number, or a failed call.
#include "dialogs/satellite/DlgASat.h"
#include "host/core/Driver.h"
#include "tests/dialogs/satellite_rule_host.h"
#include "tests/dialogs/satellite_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>

namespace {

using namespace kivtest::sat;

// The dialog opened on the rule host and driven through the actions; the run's journal holds
// the dumps, the host the statements.
kivtest::DialogRun RunOn(RuleHost& host, const std::vector<std::wstring>& actions)
{
    kivhost::HostSession session;
    std::vector<kivhost::Action> parsed;
    for (const std::wstring& text : actions) {
        kivhost::Action action;
        std::wstring error;
        EXPECT_TRUE(kivhost::ParseAction(text, action, error)) << "bad action";
        parsed.push_back(action);
    }
    kivtest::DialogRun run;
    {
        kivhost::Driver driver(session.GetJournal(), parsed, L"");
        CDlgASat dialog(host.Channel(), host.Channel(), &session.Window());
        run.result = dialog.DoModal() == IDOK ? kivhost::RunResult::Ok : kivhost::RunResult::Cancel;
        run.driverFailures = driver.Failures();
    }
    run.journal = session.GetJournal().Lines();
    return run;
}

// The catalogue numbers of OK's visibility statements, in the order sent.
std::vector<int> VisibilityNumbers(const RuleHost& host)
{
    std::vector<int> numbers;
    const std::wstring prefix = L"ArtificialSatellite.";
    for (const std::wstring& command : host.Statements()) {
        for (size_t at = command.find(prefix); at != std::wstring::npos; at = command.find(prefix, at + 1)) {
            const wchar_t* start = command.c_str() + at + prefix.size();
            wchar_t* end = nullptr;
            const long number = std::wcstol(start, &end, 10);
            if (end != start && std::wcsncmp(end, L".Visible = ", 11) == 0)
                numbers.push_back(static_cast<int>(number));
        }
    }
    return numbers;
}

class SatelliteCatalogue : public testing::Test {
protected:
    void SetUp() override { kivtest::ClearSettings(); }
    void TearDown() override { kivtest::ClearSettings(); }
};

TEST_F(SatelliteCatalogue, ListsEveryPositionPastAHundredThousandAndOkNamesEachRowInOrder)
{
    RuleHost host(100001);
    const auto run = RunOn(host, {L"click 1506", L"dump", L"ok"});
    ASSERT_EQ(run.result, kivhost::RunResult::Ok);
    const auto listed = RowNumbers(run);
    ASSERT_EQ(listed.size(), 100001u);
    EXPECT_NE(std::find(listed.begin(), listed.end(), 100001), listed.end());
    EXPECT_EQ(VisibilityNumbers(host), listed);
    ASSERT_EQ(host.Statements().size(), 1u);
    EXPECT_NE(host.Statements()[0].find(L";ArtificialSatellite.100001.Visible = False;"), std::wstring::npos);
}

// Positions 3 and 5 get the same broken number answer; satellites 2 and 6 are major.
class SatelliteBrokenNumbers : public testing::TestWithParam<std::optional<std::wstring>> {
protected:
    void SetUp() override { kivtest::ClearSettings(); }
    void TearDown() override { kivtest::ClearSettings(); }
};

TEST_P(SatelliteBrokenNumbers, ListSatelliteZeroWhereTheyStandAndTheWalkGoesOn)
{
    RuleHost host(6);
    host.SetNumberAnswer(3, GetParam());
    host.SetNumberAnswer(5, GetParam());
    host.SetMajor(2);
    host.SetMajor(6);
    const auto run = RunOn(host, {L"dump", L"click 1508", L"dump", L"click 1508", L"dump", L"ok"});
    ASSERT_EQ(run.result, kivhost::RunResult::Ok);
    // Each satellite 0 sorts by its own label, not by one label for the number.
    const std::wstring answer = GetParam().value_or(L"");
    const std::vector<std::wstring> labels = {L"SAT 1", L"SAT 2", L"SAT 3", L"SAT 4", L"SAT 5", L"SAT 6"};
    for (const size_t dump : {0u, 2u}) {
        const auto rows = Rows(run, dump);
        ASSERT_EQ(rows.size(), 6u) << "dump " << dump;
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(Column(rows[i], 1).substr(0, 5), labels[i]) << "dump " << dump;
        const std::wstring label = Column(rows[2], 1);
        EXPECT_EQ(label.substr(label.size() - answer.size() - 2), L"(" + answer + L")");
    }
    // The major limit takes both rows of satellite 0 out, and brings both back.
    EXPECT_EQ(RowNumbers(run, 1), (std::vector<int>{2, 6}));
    EXPECT_EQ(VisibilityNumbers(host), (std::vector<int>{1, 2, 0, 4, 0, 6}));
}

INSTANTIATE_TEST_SUITE_P(Answers, SatelliteBrokenNumbers,
                         testing::Values(std::optional<std::wstring>(L""), std::optional<std::wstring>(L"Horizon"),
                                         std::nullopt),
                         [](const testing::TestParamInfo<std::optional<std::wstring>>& info) {
                             return !info.param ? std::string("FailedCall")
                                                : info.param->empty() ? std::string("Empty") : std::string("Word");
                         });

TEST_F(SatelliteCatalogue, SpaceTogglesTheFocusedRowsCheckBox)
{
    RuleHost host(3);
    const auto run = RunOn(host, {L"select 1129 1", L"key 1129 SPACE", L"dump", L"key 1129 SPACE", L"dump", L"cancel"});
    EXPECT_EQ(run.driverFailures, 0);
    const auto ticked = Rows(run, 0);
    const auto unticked = Rows(run, 1);
    ASSERT_EQ(ticked.size(), 3u);
    ASSERT_EQ(unticked.size(), 3u);
    EXPECT_EQ(std::count_if(ticked.begin(), ticked.end(), Checked), 1);
    EXPECT_TRUE(Checked(ticked[1]));
    EXPECT_EQ(std::count_if(unticked.begin(), unticked.end(), Checked), 0);
}

}  // namespace
