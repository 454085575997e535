// Every caption of every dialog fits inside its control, in both looks.
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Captions known not to fit: the unit "mm" in its 11-unit-wide static. The rectangle is the
// template's; the substitute Japanese face draws Latin letters a pixel wider than the original.
const std::map<std::wstring, std::set<int>> kKnownClipped = {
    {L"CDlgVfield", {1272, 1273, 1275, 1276, 1277}},
    {L"CDlgVmosaic", {1272, 1273, 1275}},
};

class Layout : public testing::TestWithParam<std::wstring> {};

TEST_P(Layout, EveryCaptionFitsItsControl)
{
    const auto known = kKnownClipped.find(GetParam());
    const std::set<int> expected = known == kKnownClipped.end() ? std::set<int>{} : known->second;
    for (const bool system : {true, false}) {
        kivtest::SetSystemLook(system);
        const auto run = kivtest::Run({GetParam(), "", true, {}, {L"fit", L"cancel"}});
        std::set<int> clipped;
        bool ok = false;
        for (const std::wstring& line : run.journal) {
            if (line == L"# fit ok")
                ok = true;
            else if (line.rfind(L"# fit ", 0) == 0)
                clipped.insert(std::stoi(line.substr(6)));
        }
        EXPECT_EQ(clipped, expected) << (system ? "system look" : "dark skin");
        EXPECT_EQ(ok, expected.empty());
    }
    kivtest::ClearSettings();
}

INSTANTIATE_TEST_SUITE_P(Catalog, Layout, testing::ValuesIn(kivtest::CatalogNames()),
                         [](const testing::TestParamInfo<std::wstring>& info) {
                             return std::string(info.param.begin(), info.param.end());
                         });

}  // namespace
