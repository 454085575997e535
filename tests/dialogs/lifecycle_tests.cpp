// What every dialog of the catalogue owes its host: it opens, closes, and leaves nothing behind.
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

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

}  // namespace
