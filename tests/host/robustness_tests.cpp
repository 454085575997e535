// Every dialog of the catalogue against a hostile host, and the soak meter that finds leaks.
#include "framework/module/ListCeilings.h"
#include "host/core/HostileAnswers.h"
#include "host/core/Soak.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <uxtheme.h>

#include <algorithm>
#include <cstdlib>
#include <map>
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

TEST(HostileAnswers, SameSeedSameAnswersHalfTheTimeEveryKindAsDocumented)
{
    kivhost::HostileAnswers first(7);
    kivhost::HostileAnswers second(7);
    std::map<kivhost::HostileKind, std::wstring> byKind;
    int hostile = 0;
    for (int i = 0; i < 4000; ++i) {
        kivhost::HostileKind a{}, b{};
        std::wstring answerA, answerB;
        const bool hitA = first.Next(a, answerA);
        ASSERT_EQ(hitA, second.Next(b, answerB));
        if (!hitA)
            continue;
        ++hostile;
        ASSERT_EQ(a, b);
        ASSERT_EQ(answerA, answerB);
        byKind[a] = answerA;
    }
    // About half of the queries, so that dialogs get past their first one.
    EXPECT_GT(hostile, 1600);
    EXPECT_LT(hostile, 2400);
    EXPECT_EQ(byKind.size(), static_cast<size_t>(kivhost::HostileKind::Count));
    EXPECT_EQ(byKind[kivhost::HostileKind::HugeText].size(), 65536u);
    EXPECT_EQ(byKind[kivhost::HostileKind::HugeNumber].size(), 400u);
    EXPECT_EQ(byKind[kivhost::HostileKind::NotANumber], L"nan");
    EXPECT_EQ(byKind[kivhost::HostileKind::Max], L"1e308");
    EXPECT_EQ(byKind[kivhost::HostileKind::EmbeddedNul], std::wstring(L"12\0" L"34", 5));
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
    // Each craft's statements start with its visibility, in list order.
    const std::wstring command = run.Statements()[0];
    int named = 0;
    for (size_t at = 0; named < kMaxSpacecraft; ++named) {
        at = command.find(L";Solar.Spacecraft.#" + std::to_wstring(named + 1) + L".Visible = ", at);
        if (at == std::wstring::npos)
            break;
    }
    EXPECT_EQ(named, kMaxSpacecraft);
}

// Stand-ins for dialogs, each the sky light dialog plus what it does to the process's objects.
int g_cycle = 0;
std::vector<HGDIOBJ> g_held;

INT_PTR RunWellBehaved(kivhost::HostSession& session)
{
    return kivhost::FindDialog(L"CDlgTwilight")->run(session);
}

// Leaks one brush and one window every time it runs.
INT_PTR RunLeaky(kivhost::HostSession& session)
{
    ::CreateSolidBrush(RGB(1, 2, 3));
    ::CreateWindowExW(0, L"STATIC", L"leak", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    return RunWellBehaved(session);
}

// Keeps one more brush each cycle until it holds 15, as a cache that fills up does.
INT_PTR RunFillingCache(kivhost::HostSession& session)
{
    if (g_held.size() < 15)
        g_held.push_back(::CreateSolidBrush(RGB(4, 5, 6)));
    return RunWellBehaved(session);
}

// Holds four more device contexts at once every cycle, up to 60, as a dialog with ever more
// windows painted together would: the window manager's cache of them would grow to match.
INT_PTR RunPaintingMoreAtOnce(kivhost::HostSession& session)
{
    const int wanted = std::min(++g_cycle * 4, 60);
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
    std::vector<HDC> taken;
    for (int i = 0; i < wanted; ++i)
        taken.push_back(::GetDCEx(window, nullptr, DCX_CACHE));
    for (const HDC dc : taken)
        ::ReleaseDC(window, dc);
    ::DestroyWindow(window);
    return RunWellBehaved(session);
}

// Draws, once, every part of two control classes that no dialog uses, as a dialog showing a look
// for the first time after the first count would: the visual style keeps their pictures.
INT_PTR RunDrawingNewParts(kivhost::HostSession& session)
{
    if (++g_cycle == 15) {
        const HDC screen = ::GetDC(nullptr);
        const HDC memory = ::CreateCompatibleDC(screen);
        const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 32, 32);
        const HGDIOBJ old = ::SelectObject(memory, bitmap);
        const RECT area{0, 0, 32, 32};
        for (const wchar_t* const name : {L"PROGRESS", L"TREEVIEW"}) {
            const HTHEME theme = ::OpenThemeData(nullptr, name);
            for (int part = 0; theme && part <= 12; ++part) {
                for (int state = 0; state <= 8; ++state)
                    ::DrawThemeBackground(theme, memory, part, state, &area, nullptr);
            }
            if (theme)
                ::CloseThemeData(theme);
        }
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
    }
    return RunWellBehaved(session);
}

struct SoakCase {
    const char* name;
    INT_PTR (*run)(kivhost::HostSession&);
    long gdi;      // growth from cycle 10 to the end
    long lateGdi;  // growth from the middle cycle to the end
    long user;
};

class SoakMeter : public testing::TestWithParam<SoakCase> {};

// Over 40 cycles a leak of one object a cycle reads 30, and 20 from the middle on; a cache that
// has filled reads nothing from the middle on.
TEST_P(SoakMeter, TellsALeakFromACacheThatFills)
{
    const SoakCase& c = GetParam();
    g_cycle = 0;
    kivhost::HostSession session;
    std::vector<std::wstring> problems;
    session.LoadBundledSky(problems);
    const kivhost::DialogEntry entry{L"CDlgStandIn", 0, c.run};
    const auto result = kivhost::Soak(session, entry, 40);
    for (const HGDIOBJ object : g_held)
        ::DeleteObject(object);
    g_held.clear();
    EXPECT_EQ(result.gdiGrowth, c.gdi);
    EXPECT_EQ(result.gdiLateGrowth, c.lateGdi);
    EXPECT_EQ(result.userGrowth, c.user);
    EXPECT_EQ(result.Grew(), c.gdi > 0 || c.user > 0);
    const std::wstring line = L"soak CDlgStandIn cycles=40 gdi=+" + std::to_wstring(c.gdi) + L" user=+" +
                              std::to_wstring(c.user) + L" ms=";
    EXPECT_EQ(result.Line().rfind(line, 0), 0u) << Narrow(result.Line());
    EXPECT_NE(result.Line().find(L" late-gdi=+" + std::to_wstring(c.lateGdi) + L" late-user="), std::wstring::npos)
        << Narrow(result.Line());
}

INSTANTIATE_TEST_SUITE_P(StandIns, SoakMeter,
                         testing::Values(SoakCase{"WellBehaved", &RunWellBehaved, 0, 0, 0},
                                         SoakCase{"Leaky", &RunLeaky, 30, 20, 30},
                                         SoakCase{"FillingCache", &RunFillingCache, 7, 0, 0},
                                         SoakCase{"PaintingMoreAtOnce", &RunPaintingMoreAtOnce, 0, 0, 0},
                                         SoakCase{"DrawingNewParts", &RunDrawingNewParts, 0, 0, 0}),
                         [](const testing::TestParamInfo<SoakCase>& info) { return std::string(info.param.name); });

}  // namespace
