// What every dialog of the catalogue owes its host: it opens, closes, and leaves nothing behind.
#include "host/core/Utf.h"
#include "tests/dialogs/fov_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class EveryDialog : public testing::TestWithParam<std::wstring> {};

// Against an empty sky, where every answer is "" and the dialog takes its fallbacks, and against
// the default one it opens and closes; opened again and again, in either look, it leaks no GDI or
// USER objects.
TEST_P(EveryDialog, OpensClosesAndLeavesNothingBehind)
{
    const auto empty = kivtest::Run({GetParam(), "", false, {}, {L"dump", L"ok"}});
    EXPECT_NE(empty.result, kivhost::RunResult::Failed);
    EXPECT_FALSE(empty.Dump().empty());
    for (int look = 0; look < 2; ++look) {
        kivtest::SetSystemLook(look == 1);
        // The first opening also loads what stays loaded.
        const auto first = kivtest::Run({GetParam(), "", true, {}, {L"dump", L"cancel"}});
        EXPECT_EQ(first.result, kivhost::RunResult::Cancel);
        EXPECT_FALSE(first.Dump().empty());
        EXPECT_TRUE(first.Statements().empty());
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
TEST(FailedReadOnOk, KeepsTheDialogOpenAndSendsNothing)
{
    const std::wstring notAnInteger = L"exclamation 整数を入力してください。";
    const std::wstring notAnUnsigned = L"exclamation 0 以上の整数を入力してください。";
    const std::wstring notANumber = L"exclamation 数値を入力してください。";
    struct Case {
        std::wstring dialog;
        std::string state;
        std::vector<std::wstring> args;
        int field;  // emptied before OK
        std::wstring message;
    };
    const Case cases[] = {
        {L"CDlgGeography81", "Solar.Planet.Earth.Landscape.Visible = TRUE\nSolar.Planet.Earth.Landscape.Radius = 40\n",
         {L"terrain=1"}, 1565, notAnInteger},
        // No pictures, so that none is loaded (or refused) before the opacity is typed.
        {L"CDlgPanorama", "", {L"show=1", L"day=", L"mask=", L"night="}, 12119, notAnInteger},
        {L"CDlgMeteor", "View.Coordinate = Horizon\n", {}, 1515, notANumber},
        {L"CDlgVcircle", "FieldOfView.Visible = TRUE\n", {}, 1121, notANumber},
        {L"CDlgVfield", "AngleOfField.Visible = TRUE\n", {}, 1123, notAnUnsigned},
        {L"CDlgVmosaic", "MosaicOfField.Visible = TRUE\n", {}, 1623, notAnUnsigned}};
    for (const Case& c : cases) {
        kivtest::ClearSettings();
        std::vector<std::wstring> args = c.args;
        args.push_back(L"appdata=" + kivtest::TestAppData());  // the camera dialogs' catalogue
        const auto run = kivtest::Run({c.dialog, c.state, false, args,
                                       {L"type " + std::to_wstring(c.field) + L" ", L"ok", L"dump", L"cancel"}});
        SCOPED_TRACE(kivhost::ToUtf8(c.dialog));
        EXPECT_EQ(run.driverFailures, 0);
        EXPECT_EQ(run.Messages(), std::vector<std::wstring>{c.message});
        EXPECT_EQ(run.Statements(), std::vector<std::wstring>{});
        EXPECT_FALSE(run.Dump().empty()) << "the dialog was still open after OK";
        EXPECT_EQ(run.result, kivhost::RunResult::Cancel);
    }
    kivtest::ClearSettings();
}

}  // namespace
