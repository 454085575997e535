// What every dialog of the catalogue owes its host: it opens, closes, and leaves nothing behind.
#include "tests/dialogs/fov_test_support.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class EveryDialog : public testing::TestWithParam<std::wstring> {};

TEST_P(EveryDialog, OpensAndCancelsAgainstTheDefaultSky)
{
    const auto run = kivtest::Run({GetParam(), "", true, {}, {L"dump", L"cancel"}});
    EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    EXPECT_FALSE(run.Dump().empty());
    EXPECT_TRUE(run.Statements().empty());
}

TEST_P(EveryDialog, OpensAgainstAnEmptySky)
{
    // Every answer is "": the dialog takes its fallbacks and still opens and closes.
    const auto run = kivtest::Run({GetParam(), "", false, {}, {L"dump", L"ok"}});
    EXPECT_NE(run.result, kivhost::RunResult::Failed);
    EXPECT_FALSE(run.Dump().empty());
}

TEST_P(EveryDialog, RepeatedOpeningLeaksNoGdiOrUserObjects)
{
    for (int look = 0; look < 2; ++look) {
        kivtest::SetSystemLook(look == 1);
        kivtest::Run({GetParam(), "", true, {}, {L"cancel"}});  // first opening loads what stays loaded
        const auto before = kivtest::CurrentObjectCounts();
        for (int i = 0; i < 10; ++i)
            kivtest::Run({GetParam(), "", true, {}, {L"dump", L"cancel"}});
        const auto after = kivtest::CurrentObjectCounts();
        EXPECT_LE(after.gdi, before.gdi) << "look " << look;
        EXPECT_LE(after.user, before.user) << "look " << look;
    }
    kivtest::ClearSettings();
}

INSTANTIATE_TEST_SUITE_P(Catalog, EveryDialog, testing::ValuesIn(kivtest::CatalogNames()),
                         [](const testing::TestParamInfo<std::wstring>& info) {
                             return std::string(info.param.begin(), info.param.end());
                         });

// A numeric field that the framework cannot read stops OK: its message, the dialog still open and
// nothing but queries sent. Each field's own edit handler leaves the typed text alone.
struct FailedReadCase {
    const char* name;
    std::wstring dialog;
    std::string state;
    std::vector<std::wstring> args;
    bool cameraCatalog;  // the dialog reads the camera catalogue of an application data folder
    int field;
    std::wstring typed;
    std::wstring message;
};

const std::wstring kNotAnInteger = L"exclamation 整数を入力してください。";
const std::wstring kNotANumber = L"exclamation 数値を入力してください。";
const std::wstring kNotAnUnsigned = L"exclamation 0 以上の整数を入力してください。";
const std::string kTerrainShown = "Solar.Planet.Earth.Landscape.Visible = TRUE\nSolar.Planet.Earth.Landscape.Radius = 40\n";

void PrintTo(const FailedReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class FailedReadOnOk : public testing::TestWithParam<FailedReadCase> {};

TEST_P(FailedReadOnOk, KeepsTheDialogOpenAndSendsNothing)
{
    const FailedReadCase& c = GetParam();
    kivtest::ClearSettings();
    std::vector<std::wstring> args = c.args;
    if (c.cameraCatalog)
        args.push_back(L"appdata=" + kivtest::TestAppData());
    const auto run = kivtest::Run({c.dialog, c.state, false, args,
                                   {L"type " + std::to_wstring(c.field) + L" " + c.typed, L"ok", L"dump", L"cancel"}});
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{c.message});
    EXPECT_EQ(run.Statements(), std::vector<std::wstring>{});
    EXPECT_FALSE(run.Dump().empty()) << "the dialog was still open after OK";
    EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    kivtest::ClearSettings();
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FailedReadOnOk,
    testing::Values(
        FailedReadCase{"TerrainRadiusEmptied", L"CDlgGeography81", kTerrainShown, {L"terrain=1"}, false, 1565, L"",
                       kNotAnInteger},
        FailedReadCase{"TerrainOpacityEmptied", L"CDlgGeography81", kTerrainShown, {L"terrain=1"}, false, 1577, L"",
                       kNotAnInteger},
        // No pictures, so that none is loaded (or refused) before the opacity is typed.
        FailedReadCase{"PanoramaOpacityEmptied", L"CDlgPanorama", "", {L"show=1", L"day=", L"mask=", L"night="}, false,
                       12119, L"", kNotAnInteger},
        FailedReadCase{"MeteorMultiplierEmptied", L"CDlgMeteor", "View.Coordinate = Horizon\n", {}, false, 1515, L"",
                       kNotANumber},
        FailedReadCase{"CircleSizeEmptied", L"CDlgVcircle", "FieldOfView.Visible = TRUE\n", {}, false, 1121, L"",
                       kNotANumber},
        FailedReadCase{"CameraFocalLengthEmptied", L"CDlgVfield", "AngleOfField.Visible = TRUE\n", {}, true, 1123, L"",
                       kNotAnUnsigned},
        FailedReadCase{"MosaicRowsEmptied", L"CDlgVmosaic", "MosaicOfField.Visible = TRUE\n", {}, true, 1623, L"",
                       kNotAnUnsigned}),
    [](const testing::TestParamInfo<FailedReadCase>& info) { return std::string(info.param.name); });

}  // namespace
