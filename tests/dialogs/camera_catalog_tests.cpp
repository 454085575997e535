// The camera catalogue: loading its file, the shipped catalogue, and the indexing between a
// maker's camera and its place in the whole catalogue that both camera dialogs use.
#include "dialogs/fov/CameraFrame.h"
#include "host/core/HostSession.h"
#include "tests/dialogs/fov_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

CCameraDB Load(const wchar_t* name, const char* content)
{
    CCameraDB db;
    db.Init(kivtest::AppDataWith(name, content).c_str());
    return db;
}

std::vector<std::wstring> Keys(const CCameraDB& db)
{
    std::vector<std::wstring> keys;
    for (int i = 0; i < db.GetCameraNum(); ++i)
        keys.push_back(db.GetCamera(i).strKey.str());
    return keys;
}

TEST(CameraCatalog, LoadsMakersAndCamerasInFileOrder)
{
    const CCameraDB db = Load(L"order", kivtest::kTestCatalog);
    std::vector<std::pair<std::wstring, int>> makers;
    for (int i = 0; i < db.GetVendorNum(); ++i)
        makers.emplace_back(db.GetVendor(i).strName.str(), db.GetVendor(i).nCameraCount);
    EXPECT_EQ(makers, (std::vector<std::pair<std::wstring, int>>{{L"Alpha", 2}, {L"Beta", 1}, {L"Empty", 0}, {L"Gamma", 1}}));
    EXPECT_EQ(Keys(db), (std::vector<std::wstring>{L"Alpha One", L"Alpha Two", L"Beta One", L"Gamma One"}));
    const _ANGLE_OF_FIELD beta = db.GetCamera(2);
    EXPECT_EQ(beta.strVendor + L"|" + beta.strName, L"Beta|B One");
    const double sizes[] = {beta.dWidth, beta.dHeight, beta.dGuiderDistance, beta.dGuiderWidth, beta.dGuiderHeight};
    EXPECT_EQ(std::vector<double>(std::begin(sizes), std::end(sizes)), (std::vector<double>{13.2, 8.8, -1.0, 3.0, 2.0}));
}

struct LineCase {
    const char* name;
    const char* line;
    bool kept;
};

class CameraCatalogLine : public testing::TestWithParam<LineCase> {};

TEST_P(CameraCatalogLine, KeepsGoodLinesAndSkipsTheRest)
{
    const std::string content = std::string("vendor\tMaker\ncamera\tFirst\tMaker First\t36\t24\t-1\t0\t0\n") +
                                GetParam().line + "\ncamera\tLast\tMaker Last\t10\t10\t-1\t0\t0\n";
    const std::wstring folder(GetParam().name, GetParam().name + std::strlen(GetParam().name));
    const CCameraDB db = Load(folder.c_str(), content.c_str());
    std::vector<std::wstring> expected = {L"Maker First"};
    if (GetParam().kept)
        expected.push_back(L"Maker Odd");
    expected.push_back(L"Maker Last");
    EXPECT_EQ(Keys(db), expected);
    ASSERT_GE(db.GetVendorNum(), 1);
    EXPECT_EQ(db.GetVendor(0).nCameraCount, static_cast<int>(expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CameraCatalogLine,
    testing::Values(LineCase{"Good", "camera\tOdd\tMaker Odd\t1\t2\t3\t4\t5", true},
                    LineCase{"CarriageReturn", "camera\tOdd\tMaker Odd\t1\t2\t-3\t4\t5\r", true},
                    LineCase{"Comment", "# camera\tOdd\tMaker Odd\t1\t2\t3\t4\t5", false},
                    LineCase{"Blank", "", false},
                    LineCase{"TooFewFields", "camera\tOdd\tMaker Odd\t1\t2\t3\t4", false},
                    LineCase{"TooManyFields", "camera\tOdd\tMaker Odd\t1\t2\t3\t4\t5\t6", false},
                    LineCase{"WordForANumber", "camera\tOdd\tMaker Odd\twide\t2\t3\t4\t5", false},
                    LineCase{"NumberWithUnit", "camera\tOdd\tMaker Odd\t1mm\t2\t3\t4\t5", false},
                    LineCase{"Infinity", "camera\tOdd\tMaker Odd\tinf\t2\t3\t4\t5", false},
                    LineCase{"NoKey", "camera\tOdd\t\t1\t2\t3\t4\t5", false},
                    LineCase{"UnknownKind", "lens\tOdd\tMaker Odd\t1\t2\t3\t4\t5", false},
                    LineCase{"SpacesForTabs", "camera Odd Maker Odd 1 2 3 4 5", false},
                    LineCase{"MakerWithoutName", "vendor\t", false}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(CameraCatalog, SkipsCamerasBeforeAnyMakerAndReadsAByteOrderMark)
{
    const CCameraDB db = Load(L"bom", "\xEF\xBB\xBF"
                                      "camera\tLost\tLost\t1\t1\t-1\t0\t0\nvendor\t日本\ncamera\t機種\t日本 機種\t1\t1\t-1\t0\t0\n");
    ASSERT_EQ(db.GetVendorNum(), 1);
    EXPECT_EQ(db.GetVendor(0).strName, L"日本");
    EXPECT_EQ(Keys(db), std::vector<std::wstring>{L"日本 機種"});
}

TEST(CameraCatalog, MissingOrEmptyFileGivesAnEmptyCatalogue)
{
    std::wstring folder = kivtest::TestAppData();
    folder.pop_back();  // the folder without its trailing backslash
    CCameraDB db;
    ASSERT_TRUE(db.Init(folder.c_str()));
    EXPECT_EQ(db.GetCameraNum(), 4);
    EXPECT_FALSE(db.Init(kivtest::AppDataWith(L"missing", nullptr).c_str()));
    EXPECT_EQ(db.GetVendorNum(), 0);
    EXPECT_EQ(db.GetCameraNum(), 0);
    EXPECT_TRUE(db.Init(kivtest::AppDataWith(L"empty", "").c_str()));
    EXPECT_EQ(db.GetCameraNum(), 0);
    EXPECT_EQ(db.GetVendor(0).nCameraCount, 0);
    EXPECT_TRUE(db.GetCamera(-1).strKey.IsEmpty());
}

TEST(CameraCatalog, ShippedCatalogueNamesEveryCameraByMakerAndModel)
{
    CCameraDB db;
    ASSERT_TRUE(db.Init(kivhost::HostSession::DefaultAppDataPath().c_str()));
    std::vector<std::wstring> makers;
    for (int i = 0; i < db.GetVendorNum(); ++i)
        makers.push_back(db.GetVendor(i).strName.str());
    EXPECT_EQ(makers, (std::vector<std::wstring>{L"Canon", L"Nikon", L"ZWO"}));
    for (int i = 0; i < db.GetCameraNum(); ++i) {
        const _ANGLE_OF_FIELD camera = db.GetCamera(i);
        EXPECT_EQ(camera.strKey, camera.strVendor + L" " + camera.strName) << i;
        EXPECT_TRUE(camera.dWidth >= 1.0 && camera.dWidth <= 1000.0 && camera.dHeight >= 1.0) << i;
        EXPECT_LT(camera.dGuiderDistance, 0.0) << i;
    }
    const auto keys = Keys(db);
    const _ANGLE_OF_FIELD eos6d = db.GetCamera(static_cast<int>(std::find(keys.begin(), keys.end(), L"Canon EOS 6D") - keys.begin()));
    EXPECT_EQ(eos6d.dWidth, 35.8);
    EXPECT_EQ(eos6d.dHeight, 23.9);
}

struct GlobalCase {
    int vendor;
    int camera;
    int global;
};

TEST(CameraCatalog, MakersCameraToGlobalIndex)
{
    const CCameraDB db = Load(L"order", kivtest::kTestCatalog);
    // An index past a maker's own cameras runs on into the next maker's, as the lists count.
    const GlobalCase cases[] = {{0, 0, 0}, {0, 2, 2}, {1, 0, 2}, {2, 0, 3}, {3, 1, -1},
                                {4, 0, -1}, {-1, 0, -1}, {0, -1, -1}, {1, -1, 1}};
    for (const GlobalCase& c : cases)
        EXPECT_EQ(CameraGlobalIndex(db, c.vendor, c.camera), c.global) << c.vendor << "," << c.camera;
}

TEST(CameraCatalog, GlobalIndexToMakersCamera)
{
    CCameraDB db = Load(L"order", kivtest::kTestCatalog);
    const int extra = db.AddCamera(_ANGLE_OF_FIELD{});
    EXPECT_EQ(extra, 4);
    // The empty maker is passed over; a camera added beyond every maker's block lands after them.
    const GlobalCase cases[] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 2}, {3, 0, 3}, {4, 0, 4}};
    for (const GlobalCase& c : cases) {
        int vendor = -7;
        int camera = -7;
        EXPECT_TRUE(SplitCameraIndex(db, c.global, vendor, camera)) << c.global;
        EXPECT_EQ(vendor, c.vendor) << c.global;
        EXPECT_EQ(camera, c.camera) << c.global;
    }
    for (const int outside : {-1, 5}) {
        int vendor = -7;
        int camera = -7;
        EXPECT_FALSE(SplitCameraIndex(db, outside, vendor, camera)) << outside;
        EXPECT_EQ(vendor, -7);
        EXPECT_EQ(camera, -7);
    }
    CCameraDB makerless;
    makerless.AddCamera(_ANGLE_OF_FIELD{});
    makerless.AddCamera(_ANGLE_OF_FIELD{});
    int vendor = -7;
    int camera = -7;
    EXPECT_TRUE(SplitCameraIndex(makerless, 1, vendor, camera));
    EXPECT_EQ(vendor, 0);
    EXPECT_EQ(camera, 1);
}

}  // namespace
