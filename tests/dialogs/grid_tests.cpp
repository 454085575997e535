// The coordinate lines dialog driven through the host: what it asks, what it sends, what it
// enables, and the scale position it remembers.
#include "framework/kivreg/Registry.h"
#include "tests/support/DialogTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using kivtest::Checked;
using kivtest::Enabled;

constexpr wchar_t kSection[] = L"Dialog\\Grid";
constexpr int kNotStored = -99;
const wchar_t* const kGrids[] = {L"AltAzimuthGrid", L"Equatorial2000Grid", L"EquatorialDateGrid",
                                 L"Equatorial1950Grid", L"EclipticGrid", L"GalacticGrid"};
const int kIntervalRadios[] = {12096, 12097, 12098, 12099};

// Opens the dialog on the default sky with these statements on top, from an empty settings store;
// performs the actions, which the driver must all manage, dumps the controls and closes.
kivtest::DialogRun RunGrid(const std::string& state, std::vector<std::wstring> actions, const wchar_t* close = L"ok")
{
    kivtest::ClearSettings();
    auto run = kivtest::Run({L"CDlgGrid", state, true, {}, kivtest::Then(std::move(actions), {L"dump", close})});
    EXPECT_EQ(run.driverFailures, 0);
    return run;
}

int StoredNumberPos()
{
    int value = kNotStored;
    CRegistry::Read(kSection, L"NumberPos", kNotStored, &value, 1);
    return value;
}

std::vector<std::wstring> Containing(const std::vector<std::wstring>& lines, const wchar_t* part)
{
    std::vector<std::wstring> found;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                 [part](const std::wstring& line) { return line.find(part) != std::wstring::npos; });
    return found;
}

TEST(GridDialog, AsksInOrderAtOpeningAndCancelSendsAndStoresNothing)
{
    const auto run = RunGrid("", {L"click 1183", L"click 12102", L"click 12095", L"click 1523", L"click 1192", L"cancel"},
                             L"cancel");
    const std::wstring c = L"CoordinatesLine.";
    const std::vector<std::wstring> expected = {
        L"View.Projection", c + L"AltAzimuthGrid.Visible", c + L"AltAzimuthGrid.Number.Visible", c + L"Meridian.Visible",
        c + L"Meridian.Number.Visible", c + L"Equatorial2000Grid.Visible", c + L"Equatorial2000Grid.Number.Visible",
        c + L"Equator2000.Visible", c + L"Equator2000.Number.Visible", c + L"EquatorialDateGrid.Visible",
        c + L"EquatorialDateGrid.Number.Visible", c + L"EquatorDate.Visible", c + L"EquatorDate.Number.Visible",
        c + L"Equatorial1950Grid.Visible", c + L"Equatorial1950Grid.Number.Visible", c + L"Equator1950.Visible",
        c + L"Equator1950.Number.Visible", c + L"EclipticGrid.Visible", c + L"EclipticGrid.Number.Visible",
        c + L"Ecliptic.Visible", c + L"Ecliptic.Number.Visible", c + L"GalacticGrid.Visible", c + L"GalacticGrid.Number.Visible",
        c + L"GalacticEquator.Visible", c + L"GalacticEquator.Number.Visible", c + L"PrecessionDial.Visible",
        L"GalacticCenterAndPole.Visible", L"GalacticCenterAndPole.Name.Visible", L"SolarMotion.Visible",
        L"SolarMotion.Name.Visible", c + L"EclipticAxis.X.Visible", c + L"EclipticAxis.Z.Visible",
        L"Solar.Planet.Earth.Satellite.Moon.Orbit.Visible", c + L"EquatorialGrid.Interval", L"View.Projection"};
    const auto queries = run.Queries();
    ASSERT_GE(queries.size(), expected.size());
    EXPECT_EQ(std::vector<std::wstring>(queries.begin(), queries.begin() + expected.size()), expected);
    EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    EXPECT_TRUE(run.Statements().empty());
    EXPECT_EQ(StoredNumberPos(), kNotStored);
}

TEST(GridDialog, SendsEveryStatementInOrderAndStoresTheScalePosition)
{
    const auto run = RunGrid("", {L"click 1059", L"click 1060", L"click 12102", L"click 1041", L"click 1523", L"click 1532",
                                  L"click 1527", L"click 12098"},
                             L"ok");
    const std::wstring c = L"CoordinatesLine.";
    const std::vector<std::wstring> expected = {
        c + L"AltAzimuthGrid.Visible = TRUE", c + L"AltAzimuthGrid.Number.Visible = FALSE",
        c + L"AltAzimuthGrid.NumberOnBorder.Visible = TRUE", c + L"Meridian.Visible = TRUE", c + L"Meridian.Number.Visible = FALSE",
        c + L"Meridian.Scale.Visible = TRUE", c + L"Equatorial2000Grid.Visible = FALSE",
        c + L"Equatorial2000Grid.Number.Visible = FALSE", c + L"Equatorial2000Grid.NumberOnBorder.Visible = FALSE",
        c + L"Equator2000.Visible = TRUE", c + L"Equator2000.Number.Visible = FALSE", c + L"Equator2000.Scale.Visible = TRUE",
        c + L"EquatorialDateGrid.Visible = TRUE", c + L"EquatorialDateGrid.Number.Visible = FALSE",
        c + L"EquatorialDateGrid.NumberOnBorder.Visible = TRUE", c + L"EquatorDate.Visible = TRUE",
        c + L"EquatorDate.Number.Visible = FALSE", c + L"EquatorDate.Scale.Visible = TRUE", c + L"Equatorial1950Grid.Visible = FALSE",
        c + L"Equatorial1950Grid.Number.Visible = FALSE", c + L"Equatorial1950Grid.NumberOnBorder.Visible = FALSE",
        c + L"Equator1950.Visible = FALSE", c + L"Equator1950.Number.Visible = FALSE", c + L"Equator1950.Scale.Visible = TRUE",
        c + L"EclipticGrid.Visible = TRUE", c + L"EclipticGrid.Number.Visible = FALSE", c + L"EclipticGrid.NumberOnBorder.Visible = TRUE",
        c + L"Ecliptic.Visible = TRUE", c + L"Ecliptic.Number.Visible = TRUE", c + L"Ecliptic.Scale.Visible = TRUE",
        c + L"GalacticGrid.Visible = FALSE", c + L"GalacticGrid.Number.Visible = FALSE", c + L"GalacticGrid.NumberOnBorder.Visible = FALSE",
        c + L"GalacticEquator.Visible = FALSE", c + L"GalacticEquator.Number.Visible = FALSE",
        c + L"GalacticEquator.Scale.Visible = TRUE", c + L"PrecessionDial.Visible = FALSE", L"GalacticCenterAndPole.Visible = TRUE",
        L"GalacticCenterAndPole.Name.Visible = TRUE", L"SolarMotion.Visible = FALSE", L"SolarMotion.Name.Visible = FALSE",
        c + L"EclipticAxis.X.Visible = FALSE", c + L"EclipticAxis.Z.Visible = FALSE",
        L"Solar.Planet.Earth.Satellite.Moon.Orbit.Visible = TRUE", c + L"AltAzimuthGrid.Interval = 2",
        c + L"Equatorial2000Grid.Interval = 2", c + L"EquatorialDateGrid.Interval = 2", c + L"Equatorial1950Grid.Interval = 2",
        c + L"EclipticGrid.Interval = 2", c + L"GalacticGrid.Interval = 2", L"Show Stellar"};
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(run.Statements(), expected);
    EXPECT_EQ(StoredNumberPos(), 1);
}

// A hidden grid still sends its scale as the box stands, at the crossings by default.
TEST(GridDialog, AHiddenGridKeepsItsScale)
{
    const auto run = RunGrid("", {L"click 1183"});
    EXPECT_EQ(Containing(run.Statements(), L"CoordinatesLine.AltAzimuthGrid.N"),
              (std::vector<std::wstring>{L"CoordinatesLine.AltAzimuthGrid.Number.Visible = TRUE",
                                         L"CoordinatesLine.AltAzimuthGrid.NumberOnBorder.Visible = FALSE"}));
}

TEST(GridDialog, ShowsAndSendsTheInterval)
{
    // The host's answer, the clicks, the automatic box, the interval radio checked (0: none), the
    // interval sent.
    const std::tuple<const char*, std::vector<std::wstring>, bool, int, const wchar_t*> cases[] = {
        {"5", {}, false, 12097, L"5"},   {"1", {}, false, 12099, L"1"},   {"2", {}, false, 12098, L"2"},
        {"0", {}, true, 0, L"0"},        {"3", {}, false, 12096, L"10"},  {"5.9", {}, false, 12097, L"5"},
        {"\"wide\"", {}, true, 0, L"0"}, {"0", {L"click 12095"}, false, 0, L"10"},
        {"5", {L"click 12095"}, true, 12097, L"0"}, {"10", {L"click 12099"}, false, 12099, L"1"}};
    for (const auto& [answer, actions, automatic, radio, sent] : cases) {
        const auto run = RunGrid(std::string("CoordinatesLine.EquatorialGrid.Interval = ") + answer, actions);
        SCOPED_TRACE(std::string(answer) + (actions.empty() ? "" : " clicked"));
        EXPECT_EQ(Checked(run, 12095), automatic ? 1 : 0);
        for (int id : kIntervalRadios)
            EXPECT_EQ(Checked(run, id), id == radio ? 1 : 0) << id;
        kivtest::ExpectEnabled(run, {12096, 12097, 12098, 12099}, !automatic);
        std::vector<std::wstring> expected;
        for (const wchar_t* grid : kGrids)
            expected.push_back(std::wstring(L"CoordinatesLine.") + grid + L".Interval = " + sent);
        EXPECT_EQ(Containing(run.Statements(), L".Interval = "), expected);
    }
}

TEST(GridDialog, ChoosesWhereTheGridScaleStands)
{
    // The projection, the stored position (kNotStored: none), whether the position is fixed for a
    // whole-sky projection, the grid scale asked, the position stored on OK.
    const std::tuple<const char*, int, bool, const wchar_t*, int> cases[] = {
        {"Stereographic", kNotStored, false, L".Number", 0}, {"Stereographic", 1, false, L".NumberOnBorder", 1},
        {"Stereographic", 7, false, L".NumberOnBorder", 1},  // any nonzero value is the edge
        {"Planisphere", 1, true, L".Number", 0},             {"\"aitof\"", 1, true, L".Number", 0},
        {"\"Equirectangle \"", 1, false, L".NumberOnBorder", 1}};
    for (const auto& [projection, stored, wholeSky, gridSuffix, storedAfterOk] : cases) {
        kivtest::ClearSettings();
        if (stored != kNotStored)
            CRegistry::Write(kSection, L"NumberPos", stored, 1);
        const auto run = kivtest::Run({L"CDlgGrid", std::string("View.Projection = ") + projection, true, {}, {L"dump", L"ok"}});
        SCOPED_TRACE(std::string(projection) + " " + std::to_string(stored));
        std::vector<std::wstring> expected;
        for (const wchar_t* grid : kGrids)
            expected.push_back(std::wstring(L"CoordinatesLine.") + grid + gridSuffix + L".Visible");
        EXPECT_EQ(Containing(run.Queries(), L"Grid.Number"), expected);
        kivtest::ExpectEnabled(run, {12108, 12101, 12102}, !wholeSky);
        EXPECT_EQ(Checked(run, 12102), storedAfterOk);
        EXPECT_EQ(StoredNumberPos(), storedAfterOk);
    }
}

// Each scale box follows its show box, the intervals the automatic box, the names their marks;
// the ecliptic arrows are offered in solar-system views only, and a click must not bring them back.
TEST(GridDialog, ControlsFollowTheirBoxesAndTheView)
{
    const std::pair<int, int> rowBoxes[] = {{1183, 1184}, {1186, 1187}, {1043, 1044}, {1051, 1052},
                                            {1059, 1060}, {1067, 1068}, {1185, 1040}, {1041, 1042},
                                            {1045, 1046}, {1053, 1054}, {1061, 1062}, {1069, 1070}};
    // The state, the clicks, and the controls they decide, enabled or not.
    using Case = std::tuple<std::string, std::vector<std::wstring>, std::vector<std::pair<int, bool>>>;
    const Case cases[] = {
        {"", {}, {{1184, true}, {1187, false}, {1046, true}, {1532, false}, {12096, true}}},
        {"", {L"click 1183", L"click 1069", L"click 1053", L"click 1523", L"click 1524", L"click 12095"},
         {{1184, false}, {1070, true}, {1054, true}, {1532, true}, {1533, true}, {12096, false}, {12099, false}}},
        {"View.Projection = \"solarsystem3d\"", {L"click 1183"}, {{1535, true}, {1526, true}}},
        {"View.Projection = \"SolarSyste\"", {L"click 1183"}, {{1535, false}, {1526, false}}},
        {"View.Projection = \" SolarSystem\"", {L"click 1183"}, {{1535, false}, {1526, false}}}};
    for (const auto& [state, actions, decided] : cases) {
        const auto run = RunGrid(state, actions, L"cancel");
        SCOPED_TRACE(state + " " + std::to_string(actions.size()) + " clicks");
        for (const auto& [show, scale] : rowBoxes)
            EXPECT_EQ(Enabled(run, scale), Checked(run, show)) << scale;
        for (int id : kIntervalRadios)
            EXPECT_EQ(Enabled(run, id), 1 - Checked(run, 12095)) << id;
        EXPECT_EQ(Enabled(run, 1532), Checked(run, 1523));
        EXPECT_EQ(Enabled(run, 1533), Checked(run, 1524));
        for (const auto& [id, enabled] : decided)
            EXPECT_EQ(Enabled(run, id), enabled ? 1 : 0) << id;
    }
}

// The two ecliptic axes are one box: both are asked, either one shown ticks it, OK sets both.
TEST(GridDialog, EclipticAxesAreOneBox)
{
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"FALSE", "TRUE", true}, {"TRUE", "FALSE", true}, {"FALSE", "FALSE", false}, {"\"true\"", "FALSE", false}};
    for (const auto& [x, z, shown] : cases) {
        const auto run = RunGrid(std::string("View.Projection = SolarSystem\nCoordinatesLine.EclipticAxis.X.Visible = ") +
                                     x + "\nCoordinatesLine.EclipticAxis.Z.Visible = " + z,
                                 {});
        SCOPED_TRACE(std::string(x) + " " + z);
        EXPECT_EQ(Checked(run, 1526), shown ? 1 : 0);
        EXPECT_EQ(Containing(run.Queries(), L"EclipticAxis"),
                  (std::vector<std::wstring>{L"CoordinatesLine.EclipticAxis.X.Visible", L"CoordinatesLine.EclipticAxis.Z.Visible"}));
        const std::wstring value = shown ? L" = TRUE" : L" = FALSE";
        EXPECT_EQ(Containing(run.Statements(), L"EclipticAxis"),
                  (std::vector<std::wstring>{L"CoordinatesLine.EclipticAxis.X.Visible" + value,
                                             L"CoordinatesLine.EclipticAxis.Z.Visible" + value}));
    }
}

}  // namespace
