// The coordinate lines dialog driven through the host: what it asks, what it sends, what it
// enables, and the scale position it remembers.
#include "dialogs/sky/DlgGrid.h"
#include "framework/kivreg/Registry.h"
#include "host/core/host_ids.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

constexpr wchar_t kSection[] = L"Dialog\\Grid";
constexpr int kNotStored = -99;

const wchar_t* const kGrids[] = {L"AltAzimuthGrid",     L"Equatorial2000Grid", L"EquatorialDateGrid",
                                 L"Equatorial1950Grid", L"EclipticGrid",       L"GalacticGrid"};
// Each row's show box and scale box, grid rows first.
const std::pair<int, int> kRowBoxes[] = {{1183, 1184}, {1186, 1187}, {1043, 1044}, {1051, 1052},
                                         {1059, 1060}, {1067, 1068}, {1185, 1040}, {1041, 1042},
                                         {1045, 1046}, {1053, 1054}, {1061, 1062}, {1069, 1070}};
const int kIntervalRadios[] = {12096, 12097, 12098, 12099};

// Opens the dialog on the default sky with these statements on top, performs the actions, then
// dumps the controls and presses OK or Cancel.
kivtest::DialogRun RunGrid(const std::string& state, std::vector<std::wstring> actions, const wchar_t* close = L"ok")
{
    actions.push_back(L"dump");
    actions.push_back(close);
    return kivtest::Run({L"CDlgGrid", state, true, {}, actions});
}

int StoredNumberPos()
{
    int value = kNotStored;
    CRegistry::Read(kSection, L"NumberPos", kNotStored, &value, 1);
    return value;
}

std::vector<std::wstring> IntervalStatements(const kivtest::DialogRun& run)
{
    std::vector<std::wstring> found;
    for (const std::wstring& statement : run.Statements()) {
        if (statement.find(L".Interval = ") != std::wstring::npos)
            found.push_back(statement);
    }
    return found;
}

bool Enabled(const kivtest::DialogRun& run, int id)
{
    const auto control = run.Control(id);
    EXPECT_TRUE(control.has_value()) << id;
    return control && control->enabled;
}

bool Checked(const kivtest::DialogRun& run, int id)
{
    const auto control = run.Control(id);
    EXPECT_TRUE(control.has_value()) << id;
    return control && control->checked == 1;
}

template <class T>
class GridTest : public testing::TestWithParam<T> {
protected:
    void SetUp() override { kivtest::ClearSettings(); }
};

TEST(GridDialog, AsksInOrderAtOpening)
{
    kivtest::ClearSettings();
    const auto run = RunGrid("", {}, L"cancel");
    const std::vector<std::wstring> expected = {
        L"View.Projection",
        L"CoordinatesLine.AltAzimuthGrid.Visible", L"CoordinatesLine.AltAzimuthGrid.Number.Visible",
        L"CoordinatesLine.Meridian.Visible", L"CoordinatesLine.Meridian.Number.Visible",
        L"CoordinatesLine.Equatorial2000Grid.Visible", L"CoordinatesLine.Equatorial2000Grid.Number.Visible",
        L"CoordinatesLine.Equator2000.Visible", L"CoordinatesLine.Equator2000.Number.Visible",
        L"CoordinatesLine.EquatorialDateGrid.Visible", L"CoordinatesLine.EquatorialDateGrid.Number.Visible",
        L"CoordinatesLine.EquatorDate.Visible", L"CoordinatesLine.EquatorDate.Number.Visible",
        L"CoordinatesLine.Equatorial1950Grid.Visible", L"CoordinatesLine.Equatorial1950Grid.Number.Visible",
        L"CoordinatesLine.Equator1950.Visible", L"CoordinatesLine.Equator1950.Number.Visible",
        L"CoordinatesLine.EclipticGrid.Visible", L"CoordinatesLine.EclipticGrid.Number.Visible",
        L"CoordinatesLine.Ecliptic.Visible", L"CoordinatesLine.Ecliptic.Number.Visible",
        L"CoordinatesLine.GalacticGrid.Visible", L"CoordinatesLine.GalacticGrid.Number.Visible",
        L"CoordinatesLine.GalacticEquator.Visible", L"CoordinatesLine.GalacticEquator.Number.Visible",
        L"CoordinatesLine.PrecessionDial.Visible", L"GalacticCenterAndPole.Visible",
        L"GalacticCenterAndPole.Name.Visible", L"SolarMotion.Visible", L"SolarMotion.Name.Visible",
        L"CoordinatesLine.EclipticAxis.X.Visible", L"CoordinatesLine.EclipticAxis.Z.Visible",
        L"Solar.Planet.Earth.Satellite.Moon.Orbit.Visible", L"CoordinatesLine.EquatorialGrid.Interval",
        L"View.Projection"};
    EXPECT_EQ(run.Queries(), expected);
    EXPECT_TRUE(run.Statements().empty());
}

TEST(GridDialog, SendsEveryStatementInOrder)
{
    kivtest::ClearSettings();
    const auto run = RunGrid("", {L"click 1059", L"click 1060", L"click 12102", L"click 1041", L"click 1523",
                                  L"click 1532", L"click 1527", L"click 12098"});
    const std::vector<std::wstring> expected = {
        L"CoordinatesLine.AltAzimuthGrid.Visible = TRUE",
        L"CoordinatesLine.AltAzimuthGrid.Number.Visible = FALSE",
        L"CoordinatesLine.AltAzimuthGrid.NumberOnBorder.Visible = TRUE",
        L"CoordinatesLine.Meridian.Visible = TRUE",
        L"CoordinatesLine.Meridian.Number.Visible = FALSE",
        L"CoordinatesLine.Meridian.Scale.Visible = TRUE",
        L"CoordinatesLine.Equatorial2000Grid.Visible = FALSE",
        L"CoordinatesLine.Equatorial2000Grid.Number.Visible = FALSE",
        L"CoordinatesLine.Equatorial2000Grid.NumberOnBorder.Visible = FALSE",
        L"CoordinatesLine.Equator2000.Visible = TRUE",
        L"CoordinatesLine.Equator2000.Number.Visible = FALSE",
        L"CoordinatesLine.Equator2000.Scale.Visible = TRUE",
        L"CoordinatesLine.EquatorialDateGrid.Visible = TRUE",
        L"CoordinatesLine.EquatorialDateGrid.Number.Visible = FALSE",
        L"CoordinatesLine.EquatorialDateGrid.NumberOnBorder.Visible = TRUE",
        L"CoordinatesLine.EquatorDate.Visible = TRUE",
        L"CoordinatesLine.EquatorDate.Number.Visible = FALSE",
        L"CoordinatesLine.EquatorDate.Scale.Visible = TRUE",
        L"CoordinatesLine.Equatorial1950Grid.Visible = FALSE",
        L"CoordinatesLine.Equatorial1950Grid.Number.Visible = FALSE",
        L"CoordinatesLine.Equatorial1950Grid.NumberOnBorder.Visible = FALSE",
        L"CoordinatesLine.Equator1950.Visible = FALSE",
        L"CoordinatesLine.Equator1950.Number.Visible = FALSE",
        L"CoordinatesLine.Equator1950.Scale.Visible = TRUE",
        L"CoordinatesLine.EclipticGrid.Visible = TRUE",
        L"CoordinatesLine.EclipticGrid.Number.Visible = FALSE",
        L"CoordinatesLine.EclipticGrid.NumberOnBorder.Visible = TRUE",
        L"CoordinatesLine.Ecliptic.Visible = TRUE",
        L"CoordinatesLine.Ecliptic.Number.Visible = TRUE",
        L"CoordinatesLine.Ecliptic.Scale.Visible = TRUE",
        L"CoordinatesLine.GalacticGrid.Visible = FALSE",
        L"CoordinatesLine.GalacticGrid.Number.Visible = FALSE",
        L"CoordinatesLine.GalacticGrid.NumberOnBorder.Visible = FALSE",
        L"CoordinatesLine.GalacticEquator.Visible = FALSE",
        L"CoordinatesLine.GalacticEquator.Number.Visible = FALSE",
        L"CoordinatesLine.GalacticEquator.Scale.Visible = TRUE",
        L"CoordinatesLine.PrecessionDial.Visible = FALSE",
        L"GalacticCenterAndPole.Visible = TRUE",
        L"GalacticCenterAndPole.Name.Visible = TRUE",
        L"SolarMotion.Visible = FALSE",
        L"SolarMotion.Name.Visible = FALSE",
        L"CoordinatesLine.EclipticAxis.X.Visible = FALSE",
        L"CoordinatesLine.EclipticAxis.Z.Visible = FALSE",
        L"Solar.Planet.Earth.Satellite.Moon.Orbit.Visible = TRUE",
        L"CoordinatesLine.AltAzimuthGrid.Interval = 2",
        L"CoordinatesLine.Equatorial2000Grid.Interval = 2",
        L"CoordinatesLine.EquatorialDateGrid.Interval = 2",
        L"CoordinatesLine.Equatorial1950Grid.Interval = 2",
        L"CoordinatesLine.EclipticGrid.Interval = 2",
        L"CoordinatesLine.GalacticGrid.Interval = 2",
        L"Show Stellar"};
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.Statements(), expected);
    EXPECT_EQ(StoredNumberPos(), 1);
}

TEST(GridDialog, CancelSendsAndStoresNothing)
{
    kivtest::ClearSettings();
    const auto run = RunGrid("", {L"click 1183", L"click 12102", L"click 12095", L"click 1523", L"click 1192",
                                  L"cancel"},
                             L"cancel");
    EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_TRUE(run.Statements().empty());
    EXPECT_EQ(StoredNumberPos(), kNotStored);
}

struct ColourCase {
    const char* name;
    std::vector<std::wstring> colourActions;  // inside the colour dialog
    std::vector<std::wstring> commands;       // after the opening queries
};

class GridColour : public GridTest<ColourCase> {};

TEST_P(GridColour, RunsTheColourDialogOnTheGridColour)
{
    std::vector<std::wstring> actions = {L"click 1192", L"dump"};
    actions.insert(actions.end(), GetParam().colourActions.begin(), GetParam().colourActions.end());
    const auto run = RunGrid("CoordinatesLine.AltAzimuthGrid.Color = \"#3C6E3C\"", actions, L"cancel");
    const auto commands = run.Commands();
    const auto opening = std::find(commands.begin(), commands.end(), L"? CoordinatesLine.EquatorialGrid.Interval");
    ASSERT_LT(opening + 2, commands.end());
    EXPECT_EQ(std::vector<std::wstring>(opening + 2, commands.end()), GetParam().commands);
    // The colour dialog carries the title the host window gave for the first colour-source request.
    CString title;
    ASSERT_TRUE(title.LoadString(IDS_HOST_COLOR_TITLE));
    EXPECT_NE(std::find(run.journal.begin(), run.journal.end(), L"# dump " + title.str()), run.journal.end());
    ASSERT_TRUE(run.Control(706).has_value());
    EXPECT_EQ(run.Control(706)->text, L"60");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, GridColour,
    testing::Values(ColourCase{"Confirmed",
                               {L"type 706 255", L"ok"},
                               {L"? CoordinatesLine.AltAzimuthGrid.Color",
                                L"CoordinatesLine.AltAzimuthGrid.Color = \"#FF6E3C\"", L"Show Sky"}},
                    ColourCase{"Cancelled", {L"type 706 255", L"cancel"}, {L"? CoordinatesLine.AltAzimuthGrid.Color"}}),
    [](const testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

struct IntervalCase {
    const char* name;
    const char* answer;
    std::vector<std::wstring> actions;
    bool automatic;
    int radio;  // the checked interval radio; 0: none
    const wchar_t* sent;
};

class GridInterval : public GridTest<IntervalCase> {};

TEST_P(GridInterval, ShowsAndSendsTheInterval)
{
    const auto& param = GetParam();
    const auto run = RunGrid(std::string("CoordinatesLine.EquatorialGrid.Interval = ") + param.answer, param.actions);
    EXPECT_EQ(Checked(run, 12095), param.automatic);
    for (int id : kIntervalRadios) {
        EXPECT_EQ(Checked(run, id), id == param.radio) << id;
        EXPECT_EQ(Enabled(run, id), !param.automatic) << id;
    }
    std::vector<std::wstring> expected;
    for (const wchar_t* grid : kGrids)
        expected.push_back(std::wstring(L"CoordinatesLine.") + grid + L".Interval = " + param.sent);
    EXPECT_EQ(IntervalStatements(run), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, GridInterval,
    testing::Values(IntervalCase{"Five", "5", {}, false, 12097, L"5"},
                    IntervalCase{"ZeroFollowsTheField", "0", {}, true, 0, L"0"},
                    IntervalCase{"UnofferedThree", "3", {}, false, 12096, L"10"},
                    IntervalCase{"One", "1", {}, false, 12099, L"1"},
                    IntervalCase{"Two", "2", {}, false, 12098, L"2"},
                    IntervalCase{"Negative", "-5", {}, false, 12096, L"10"},
                    IntervalCase{"FractionTruncated", "5.9", {}, false, 12097, L"5"},
                    IntervalCase{"EmptyAnswer", "\"\"", {}, true, 0, L"0"},
                    IntervalCase{"Unreadable", "\"wide\"", {}, true, 0, L"0"},
                    IntervalCase{"AutoOffWithNoRadio", "0", {L"click 12095"}, false, 0, L"10"},
                    IntervalCase{"AutoTurnedOn", "5", {L"click 12095"}, true, 12097, L"0"},
                    IntervalCase{"RadioChosen", "10", {L"click 12099"}, false, 12099, L"1"},
                    IntervalCase{"AutoOffThenRadio", "0", {L"click 12095", L"click 12098"}, false, 12098, L"2"}),
    [](const testing::TestParamInfo<IntervalCase>& info) { return info.param.name; });

TEST(GridIntervalMapping, TextAndRadioAgree)
{
    for (int radio = -1; radio <= 3; ++radio) {
        const int degrees = AfxTextToInt(GridIntervalText(FALSE, radio));
        EXPECT_EQ(GridIntervalToRadio(degrees), radio < 0 ? 0 : radio) << radio;
    }
    for (int radio = -1; radio <= 3; ++radio)
        EXPECT_EQ(GridIntervalText(TRUE, radio), L"0") << radio;
    for (int degrees : {3, 4, 6, 10, 15, 30, 90, -1, -5})
        EXPECT_EQ(GridIntervalToRadio(degrees), 0) << degrees;
    EXPECT_EQ(GridIntervalToRadio(0), -1);
}

struct PositionCase {
    const char* name;
    const char* projection;
    int stored;  // kNotStored: no value in the settings store
    bool wholeSky;
    const wchar_t* gridSuffix;
    int storedAfterOk;
};

class GridNumberPos : public GridTest<PositionCase> {};

TEST_P(GridNumberPos, ChoosesWhereTheGridScaleStands)
{
    const auto& param = GetParam();
    if (param.stored != kNotStored)
        CRegistry::Write(kSection, L"NumberPos", param.stored, 1);
    const auto run = RunGrid(std::string("View.Projection = ") + param.projection, {});
    std::vector<std::wstring> scaleQueries;
    for (const std::wstring& query : run.Queries()) {
        if (query.find(L".Number") != std::wstring::npos && query.find(L"Grid.") != std::wstring::npos)
            scaleQueries.push_back(query);
    }
    std::vector<std::wstring> expected;
    for (const wchar_t* grid : kGrids)
        expected.push_back(std::wstring(L"CoordinatesLine.") + grid + param.gridSuffix + L".Visible");
    EXPECT_EQ(scaleQueries, expected);
    for (int id : {12108, 12101, 12102})
        EXPECT_EQ(Enabled(run, id), !param.wholeSky) << id;
    EXPECT_EQ(Checked(run, 12102), param.storedAfterOk == 1);
    EXPECT_EQ(StoredNumberPos(), param.storedAfterOk);
}

INSTANTIATE_TEST_SUITE_P(
    Projections, GridNumberPos,
    testing::Values(PositionCase{"NothingStored", "Stereographic", kNotStored, false, L".Number", 0},
                    PositionCase{"StoredEdge", "Stereographic", 1, false, L".NumberOnBorder", 1},
                    PositionCase{"StoredCrossings", "Stereographic", 0, false, L".Number", 0},
                    PositionCase{"StrayStoredValue", "Stereographic", 7, false, L".NumberOnBorder", 1},
                    PositionCase{"Planisphere", "Planisphere", 1, true, L".Number", 0},
                    PositionCase{"AitofInLowerCase", "\"aitof\"", 1, true, L".Number", 0},
                    PositionCase{"HemisphereGlobe", "HemisphereGlobe", 1, true, L".Number", 0},
                    PositionCase{"NearMissIsNotWholeSky", "\"Equirectangle \"", 1, false, L".NumberOnBorder", 1}),
    [](const testing::TestParamInfo<PositionCase>& info) { return info.param.name; });

struct RowCase {
    const char* name;
    std::vector<std::wstring> actions;
    const wchar_t* visible;  // the values the altitude-azimuth grid's three objects are set to
    const wchar_t* number;
    const wchar_t* onBorder;
};

class GridScaleStatements : public GridTest<RowCase> {};

TEST_P(GridScaleStatements, SendsTheGridScaleWhereItStands)
{
    const auto& param = GetParam();
    const auto run = RunGrid("", param.actions);
    std::vector<std::wstring> alt;
    for (const std::wstring& statement : run.Statements()) {
        const bool interval = statement.find(L"Interval") != std::wstring::npos;
        if (statement.rfind(L"CoordinatesLine.AltAzimuthGrid.", 0) == 0 && !interval)
            alt.push_back(statement);
    }
    const std::vector<std::wstring> expected = {
        std::wstring(L"CoordinatesLine.AltAzimuthGrid.Visible = ") + param.visible,
        std::wstring(L"CoordinatesLine.AltAzimuthGrid.Number.Visible = ") + param.number,
        std::wstring(L"CoordinatesLine.AltAzimuthGrid.NumberOnBorder.Visible = ") + param.onBorder};
    EXPECT_EQ(alt, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, GridScaleStatements,
    testing::Values(RowCase{"CrossingsScaleOn", {}, L"TRUE", L"TRUE", L"FALSE"},
                    RowCase{"EdgeScaleOn", {L"click 12102"}, L"TRUE", L"FALSE", L"TRUE"},
                    RowCase{"EdgeScaleOff", {L"click 12102", L"click 1184"}, L"TRUE", L"FALSE", L"FALSE"},
                    RowCase{"BackToCrossings", {L"click 12102", L"click 12101"}, L"TRUE", L"TRUE", L"FALSE"},
                    RowCase{"HiddenGridKeepsItsDisabledScale", {L"click 1183"}, L"FALSE", L"TRUE", L"FALSE"}),
    [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });

struct EnableCase {
    const char* name;
    std::vector<std::wstring> actions;
    std::vector<std::pair<int, bool>> enabled;  // controls the actions changed
};

class GridEnable : public GridTest<EnableCase> {};

TEST_P(GridEnable, ControlsFollowTheirBoxes)
{
    const auto run = RunGrid("", GetParam().actions, L"cancel");
    for (const auto& [show, scale] : kRowBoxes)
        EXPECT_EQ(Enabled(run, scale), Checked(run, show)) << scale;
    for (int id : kIntervalRadios)
        EXPECT_EQ(Enabled(run, id), !Checked(run, 12095)) << id;
    EXPECT_EQ(Enabled(run, 1532), Checked(run, 1523));
    EXPECT_EQ(Enabled(run, 1533), Checked(run, 1524));
    for (const auto& [id, enabled] : GetParam().enabled)
        EXPECT_EQ(Enabled(run, id), enabled) << id;
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, GridEnable,
    testing::Values(EnableCase{"AtOpening",
                               {},
                               {{1184, true}, {1187, false}, {1046, true}, {1532, false}, {12096, true}}},
                    EnableCase{"GridHidden", {L"click 1183"}, {{1184, false}}},
                    EnableCase{"LinesShown", {L"click 1069", L"click 1053"}, {{1070, true}, {1054, true}}},
                    EnableCase{"MarksShown", {L"click 1523", L"click 1524"}, {{1532, true}, {1533, true}}},
                    EnableCase{"MarkShownAndHidden", {L"click 1523", L"click 1523"}, {{1532, false}}},
                    EnableCase{"FollowTheField", {L"click 12095"}, {{12096, false}, {12099, false}}}),
    [](const testing::TestParamInfo<EnableCase>& info) { return info.param.name; });

struct ArrowCase {
    const char* name;
    const char* projection;
    bool enabled;
};

class GridArrows : public GridTest<ArrowCase> {};

TEST_P(GridArrows, AreOfferedInSolarSystemViewsOnly)
{
    // A click recomputes the enable state, which must not bring the arrows back.
    const auto run = RunGrid(std::string("View.Projection = ") + GetParam().projection, {L"click 1183"}, L"cancel");
    EXPECT_EQ(Enabled(run, 1535), GetParam().enabled);
    EXPECT_EQ(Enabled(run, 1526), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(Projections, GridArrows,
                         testing::Values(ArrowCase{"Exact", "SolarSystem", true},
                                         ArrowCase{"LowerCaseWithVariant", "\"solarsystem3d\"", true},
                                         ArrowCase{"UpperCase", "\"SOLARSYSTEM\"", true},
                                         ArrowCase{"TooShort", "\"SolarSyste\"", false},
                                         ArrowCase{"LeadingBlank", "\" SolarSystem\"", false},
                                         ArrowCase{"Stereographic", "Stereographic", false},
                                         ArrowCase{"Empty", "\"\"", false}),
                         [](const testing::TestParamInfo<ArrowCase>& info) { return info.param.name; });

struct AxisCase {
    const char* name;
    const char* x;
    const char* z;
    bool shown;
};

class GridEclipticAxis : public GridTest<AxisCase> {};

TEST_P(GridEclipticAxis, BothAxesAskedEitherShowsTheArrowsOkSetsBoth)
{
    const auto& param = GetParam();
    const auto run = RunGrid(std::string("View.Projection = SolarSystem\nCoordinatesLine.EclipticAxis.X.Visible = ") +
                                 param.x + "\nCoordinatesLine.EclipticAxis.Z.Visible = " + param.z,
                             {});
    EXPECT_EQ(Checked(run, 1526), param.shown);
    const auto queries = run.Queries();
    EXPECT_EQ(std::count(queries.begin(), queries.end(), L"CoordinatesLine.EclipticAxis.X.Visible"), 1);
    EXPECT_EQ(std::count(queries.begin(), queries.end(), L"CoordinatesLine.EclipticAxis.Z.Visible"), 1);
    const std::wstring value = param.shown ? L"TRUE" : L"FALSE";
    const auto statements = run.Statements();
    const auto x =
        std::find(statements.begin(), statements.end(), L"CoordinatesLine.EclipticAxis.X.Visible = " + value);
    ASSERT_NE(x, statements.end());
    ASSERT_NE(x + 1, statements.end());
    EXPECT_EQ(*(x + 1), L"CoordinatesLine.EclipticAxis.Z.Visible = " + value);
}

INSTANTIATE_TEST_SUITE_P(Answers, GridEclipticAxis,
                         testing::Values(AxisCase{"OnlyZ", "FALSE", "TRUE", true},
                                         AxisCase{"OnlyX", "TRUE", "FALSE", true},
                                         AxisCase{"Both", "TRUE", "TRUE", true},
                                         AxisCase{"Neither", "FALSE", "FALSE", false},
                                         AxisCase{"LowerCaseTrue", "\"true\"", "FALSE", false}),
                         [](const testing::TestParamInfo<AxisCase>& info) { return info.param.name; });

}  // namespace
