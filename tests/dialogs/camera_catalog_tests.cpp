// The camera catalogue: loading its file, the shipped catalogue, and the indexing between a
// maker's camera and its place in the whole catalogue that both camera dialogs use.
#include "dialogs/fov/CameraFrame.h"
#include "host/core/HostSession.h"
#include "tests/dialogs/fov_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
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

TEST(CameraCatalog, KeepsGoodLinesAndSkipsTheRest)
{
    const std::pair<const char*, bool> cases[] = {
        {"camera\tOdd\tMaker Odd\t1\t2\t3\t4\t5", true},       {"camera\tOdd\tMaker Odd\t1\t2\t-3\t4\t5\r", true},
        {"# camera\tOdd\tMaker Odd\t1\t2\t3\t4\t5", false},    {"", false},
        {"camera\tOdd\tMaker Odd\t1\t2\t3\t4", false},         {"camera\tOdd\tMaker Odd\t1\t2\t3\t4\t5\t6", false},
        {"camera\tOdd\tMaker Odd\t1mm\t2\t3\t4\t5", false},    {"camera\tOdd\tMaker Odd\tinf\t2\t3\t4\t5", false},
        {"camera\tOdd\t\t1\t2\t3\t4\t5", false},              {"vendor\t", false}};
    for (const auto& [line, kept] : cases) {
        const CCameraDB db = Load(L"lines", (std::string("vendor\tMaker\ncamera\tFirst\tMaker First\t36\t24\t-1\t0\t0\n") + line +
                                             "\ncamera\tLast\tMaker Last\t10\t10\t-1\t0\t0\n").c_str());
        std::vector<std::wstring> expected = {L"Maker First"};
        if (kept)
            expected.push_back(L"Maker Odd");
        expected.push_back(L"Maker Last");
        EXPECT_EQ(Keys(db), expected) << testing::PrintToString(line);
        EXPECT_EQ(db.GetVendorNum(), 1);
        EXPECT_EQ(db.GetVendor(0).nCameraCount, static_cast<int>(expected.size()));
    }
}

TEST(CameraCatalog, SkipsCamerasBeforeAnyMakerAndReadsAByteOrderMark)
{
    const CCameraDB db = Load(L"bom", "\xEF\xBB\xBF"
                                      "camera\tLost\tLost\t1\t1\t-1\t0\t0\nvendor\t日本\ncamera\t機種\t日本 機種\t1\t1\t-1\t0\t0\n");
    ASSERT_EQ(db.GetVendorNum(), 1);
    EXPECT_EQ(db.GetVendor(0).strName, L"日本");
    EXPECT_EQ(Keys(db), std::vector<std::wstring>{L"日本 機種"});
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

// A maker's camera as a place in the whole catalogue and back. An index past a maker's own
// cameras runs on into the next maker's, as the lists count; the empty maker is passed over, and a
// camera added beyond every maker's block lands after them.
TEST(CameraCatalog, IndexesBetweenAMakersCameraAndTheCatalogue)
{
    CCameraDB db = Load(L"order", kivtest::kTestCatalog);
    const std::tuple<int, int, int> toGlobal[] = {{0, 0, 0}, {0, 2, 2}, {1, 0, 2},  {2, 0, 3},  {3, 1, -1},
                                                  {4, 0, -1}, {-1, 0, -1}, {0, -1, -1}, {1, -1, 1}};
    for (const auto& [vendor, camera, global] : toGlobal)
        EXPECT_EQ(CameraGlobalIndex(db, vendor, camera), global) << vendor << "," << camera;

    EXPECT_TRUE(db.GetCamera(-1).strKey.IsEmpty());
    EXPECT_TRUE(db.GetCamera(4).strKey.IsEmpty());
    EXPECT_EQ(db.AddCamera(_ANGLE_OF_FIELD{}), 4);
    CCameraDB makerless;
    makerless.AddCamera(_ANGLE_OF_FIELD{});
    makerless.AddCamera(_ANGLE_OF_FIELD{});
    // The catalogue, the global place, and the maker and camera expected; -7: left untouched.
    const std::tuple<const CCameraDB*, int, int, int> toSplit[] = {
        {&db, 0, 0, 0}, {&db, 1, 0, 1}, {&db, 2, 1, 0}, {&db, 3, 3, 0}, {&db, 4, 4, 0},
        {&db, -1, -7, -7}, {&db, 5, -7, -7}, {&makerless, 1, 0, 1}};
    for (const auto& [catalogue, global, vendor, camera] : toSplit) {
        int gotVendor = -7;
        int gotCamera = -7;
        EXPECT_EQ(SplitCameraIndex(*catalogue, global, gotVendor, gotCamera) != FALSE, vendor != -7) << global;
        EXPECT_EQ(std::make_pair(gotVendor, gotCamera), std::make_pair(vendor, camera)) << global;
    }
}

}  // namespace
