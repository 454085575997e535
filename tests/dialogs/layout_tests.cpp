// Every caption of every dialog fits inside its control, in both looks.
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Captions known not to fit, in the system look and in the dark skin, with the templates' own
// rectangles: the substitute Japanese face draws Latin letters and digits a little wider than
// the original, so the unit "mm" in its 11-unit-wide statics, the dates of the data span in 88
// units, and (in the system look, where buttons keep their frame) "オン"/"オフ" in 14-unit
// buttons spill over by a few pixels.
struct KnownClipped {
    std::set<int> system;
    std::set<int> dark;
};
const std::map<std::wstring, KnownClipped> kKnownClipped = {
    {L"CDlgVfield", {{1272, 1273, 1275, 1276, 1277}, {1272, 1273, 1275, 1276, 1277}}},
    {L"CDlgVmosaic", {{1272, 1273, 1275}, {1272, 1273, 1275}}},
    {L"CDlgMeteor", {{1213, 1214, 1215, 1216, 1218, 1219}, {}}},
    {L"CDlgSpacecraft", {{1008, 1009, 1017, 1019, 1220, 1221, 12106, 12107}, {12106, 12107}}},
};

class Layout : public testing::TestWithParam<std::wstring> {};

TEST_P(Layout, EveryCaptionFitsItsControl)
{
    const auto known = kKnownClipped.find(GetParam());
    for (const bool system : {true, false}) {
        const std::set<int> expected = known == kKnownClipped.end() ? std::set<int>{}
                                       : system                    ? known->second.system
                                                                   : known->second.dark;
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
