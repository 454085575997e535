// Every dialog of the catalogue against a hostile host, and the soak meter that finds leaks.
#include "framework/module/ListCeilings.h"
#include "host/core/HostileAnswers.h"
#include "host/core/Soak.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <regex>

namespace {

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// A number that no host could take back: printf's renderings of NaN and infinity, and a null string.
bool CarriesBrokenNumber(const std::wstring& statement)
{
    // Only values count: a name read from the host ("Meteor.Swarm.nan") is a key, not a number.
    static const std::wregex broken(LR"(=\s*[-+]?(nan|inf|infinity)([^A-Za-z]|$)|\(null\))", std::regex::icase);
    return std::regex_search(statement, broken);
}

TEST(HostileAnswers, SameSeedSameAnswersAndEveryKindIsDrawn)
{
    kivhost::HostileAnswers first(7);
    kivhost::HostileAnswers second(7);
    std::vector<int> seen(static_cast<int>(kivhost::HostileKind::Count));
    int hostile = 0;
    for (int i = 0; i < 2000; ++i) {
        kivhost::HostileKind a{}, b{};
        std::wstring answerA, answerB;
        const bool hitA = first.Next(a, answerA);
        ASSERT_EQ(hitA, second.Next(b, answerB));
        if (!hitA)
            continue;
        ++hostile;
        ASSERT_EQ(a, b);
        ASSERT_EQ(answerA, answerB);
        ++seen[static_cast<int>(a)];
    }
    // About half of the queries, so that dialogs get past their first one.
    EXPECT_GT(hostile, 800);
    EXPECT_LT(hostile, 1200);
    for (size_t kind = 0; kind < seen.size(); ++kind)
        EXPECT_GT(seen[kind], 0) << Narrow(kivhost::HostileKindName(static_cast<kivhost::HostileKind>(kind)));
}

TEST(HostileAnswers, AnswersAreTheDocumentedOddities)
{
    kivhost::HostileAnswers answers(3);
    std::map<kivhost::HostileKind, std::wstring> byKind;
    for (int i = 0; i < 4000; ++i) {
        kivhost::HostileKind kind{};
        std::wstring answer;
        if (answers.Next(kind, answer))
            byKind[kind] = answer;
    }
    EXPECT_EQ(byKind[kivhost::HostileKind::HugeText].size(), 65536u);
    EXPECT_EQ(byKind[kivhost::HostileKind::HugeNumber].size(), 400u);
    EXPECT_EQ(byKind[kivhost::HostileKind::NotANumber], L"nan");
    EXPECT_EQ(byKind[kivhost::HostileKind::Max], L"1e308");
    EXPECT_EQ(byKind[kivhost::HostileKind::EmbeddedNul].size(), 5u);
    EXPECT_EQ(byKind[kivhost::HostileKind::EmbeddedNul][2], L'\0');
    EXPECT_EQ(byKind[kivhost::HostileKind::LoneSurrogate][0], static_cast<wchar_t>(0xD83D));
    EXPECT_TRUE(byKind[kivhost::HostileKind::FailedCall].empty());
}

class HostileHost : public testing::TestWithParam<std::tuple<std::wstring, int>> {};

TEST_P(HostileHost, DialogClosesAndSendsNoBrokenNumber)
{
    const auto& [dialog, seed] = GetParam();
    for (const wchar_t* close : {L"ok", L"cancel"}) {
        kivtest::DialogScript script{dialog, "", true, {}, {L"dump", close}};
        script.hostileSeed = static_cast<std::uint64_t>(seed);
        script.keepQueries = false;
        const auto run = kivtest::Run(script);
        EXPECT_TRUE(run.result == kivhost::RunResult::Ok || run.result == kivhost::RunResult::Cancel)
            << "seed " << seed << " " << Narrow(close);
        for (const std::wstring& statement : run.Statements())
            EXPECT_FALSE(CarriesBrokenNumber(statement)) << "seed " << seed << ": " << Narrow(statement);
        // A dialog that answers every odd value with a message box would trap its user.
        EXPECT_LE(run.Messages().size(), 2u) << "seed " << seed;
        if (std::wstring(close) == L"cancel") {
            EXPECT_TRUE(run.Statements().empty()) << "seed " << seed;
        }
    }
}

// Five seeds in the test command; KIV_HOSTILE_SEEDS=N sweeps seeds 1 to N for a longer run.
int HostileSeedCount()
{
    const char* text = std::getenv("KIV_HOSTILE_SEEDS");
    const long count = text ? std::strtol(text, nullptr, 10) : 0;
    return count > 0 ? static_cast<int>(std::min(count, 100000L)) : 5;
}

INSTANTIATE_TEST_SUITE_P(Catalog, HostileHost,
                         testing::Combine(testing::ValuesIn(kivtest::CatalogNames()), testing::Range(1, 1 + HostileSeedCount())),
                         [](const testing::TestParamInfo<std::tuple<std::wstring, int>>& info) {
                             return Narrow(std::get<0>(info.param)) + "_seed" + std::to_string(std::get<1>(info.param));
                         });

// Seed 10 answers the spacecraft count with 400 digits: the list stops at its ceiling, and OK
// names every listed craft, in order.
TEST(HostileHost, AHugeCountListsUpToTheCeilingAndOkNamesEveryRow)
{
    kivtest::DialogScript script{L"CDlgSpacecraft", "", true, {}, {L"dump", L"ok"}};
    script.hostileSeed = 10;
    script.keepQueries = false;
    const auto run = kivtest::Run(script);
    ASSERT_EQ(run.result, kivhost::RunResult::Ok);
    const auto list = run.Control(1537);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->items.size(), static_cast<size_t>(kMaxSpacecraft));
    ASSERT_EQ(run.Statements().size(), 1u);
    const std::wstring command = run.Statements()[0];
    int named = 0;
    const std::wstring visible = L".Visible = ";
    for (size_t at = command.find(visible); at != std::wstring::npos; at = command.find(visible, at + 1)) {
        const size_t key = command.rfind(L";Solar.Spacecraft.#", at);
        if (key != std::wstring::npos && command.compare(key + 19, at - key - 19, std::to_wstring(named + 1)) == 0)
            ++named;
    }
    EXPECT_EQ(named, kMaxSpacecraft);
}

TEST(HostileHost, JournalShowsTheHostileAnswersAndStillRecordsStatements)
{
    kivtest::DialogScript script{L"CDlgTwilight", "", true, {}, {L"ok"}};
    script.hostileSeed = 11;
    const auto run = kivtest::Run(script);
    int notes = 0;
    for (size_t i = 0; i < run.journal.size(); ++i) {
        if (run.journal[i].rfind(L"# hostile ", 0) == 0) {
            ++notes;
            ASSERT_GT(i, 0u);
            EXPECT_EQ(run.journal[i - 1].rfind(L"< ", 0), 0u);  // the hostile answer itself
        }
    }
    EXPECT_GT(notes, 0);
    ASSERT_FALSE(run.Statements().empty());
    EXPECT_EQ(run.Statements().back(), L"Show Stellar");
}

// A dialog that leaks one brush and one window every time it runs.
INT_PTR RunLeakyTwilight(kivhost::HostSession& session)
{
    ::CreateSolidBrush(RGB(1, 2, 3));
    ::CreateWindowExW(0, L"STATIC", L"leak", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    return kivhost::FindDialog(L"CDlgTwilight")->run(session);
}

TEST(SoakMeter, ReportsOneObjectOfEachKindPerLeakyCycle)
{
    kivhost::HostSession session;
    std::vector<std::wstring> problems;
    session.LoadBundledSky(problems);
    const kivhost::DialogEntry leaky{L"CDlgLeaky", 0, &RunLeakyTwilight};
    const auto result = kivhost::Soak(session, leaky, 25);
    EXPECT_EQ(result.gdiGrowth, 25 - kivhost::kBaselineCycle);
    EXPECT_EQ(result.userGrowth, 25 - kivhost::kBaselineCycle);
    EXPECT_TRUE(result.Grew());
    EXPECT_EQ(result.Line().rfind(L"soak CDlgLeaky cycles=25 gdi=+15 user=+15 ms=", 0), 0u) << Narrow(result.Line());
}

TEST(SoakMeter, FindsNoGrowthInAWellBehavedDialog)
{
    kivhost::HostSession session;
    std::vector<std::wstring> problems;
    session.LoadBundledSky(problems);
    const auto result = kivhost::Soak(session, *kivhost::FindDialog(L"CDlgTwilight"), 25);
    EXPECT_EQ(result.gdiGrowth, 0);
    EXPECT_EQ(result.userGrowth, 0);
}

}  // namespace
