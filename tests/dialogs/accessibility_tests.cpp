// What a screen reader reads of the controls that draw themselves.
#include "tests/dialogs/adf_test_support.h"

#include <gtest/gtest.h>

namespace {

bool HasState(const kivtest::AccessibleChild& child, const wchar_t* word)
{
    const std::wstring states = L"," + child.state + L",";
    return states.find(std::wstring(L",") + word + L",") != std::wstring::npos;
}

struct ButtonCase {
    const char* name;
    std::wstring dialog;
    std::vector<std::wstring> actions;  // before the control is read
    int id;
    const wchar_t* role;
    const wchar_t* caption;
    bool checked;
};

class SkinnedButtons : public testing::TestWithParam<ButtonCase> {};

// In both looks, whoever draws the control, it reads as the system's own would.
TEST_P(SkinnedButtons, ReadTheirRoleCaptionAndState)
{
    const ButtonCase& param = GetParam();
    for (const bool system : {true, false}) {
        kivtest::SetSystemLook(system);
        std::vector<std::wstring> actions = param.actions;
        actions.push_back(L"acc " + std::to_wstring(param.id));
        actions.push_back(L"cancel");
        const auto run = kivtest::Run({param.dialog, "", true, {}, actions});
        const auto read = run.Accessible(param.id);
        ASSERT_EQ(read.size(), 1u) << (system ? "system look" : "dark skin");
        EXPECT_EQ(read[0].role, param.role) << (system ? "system look" : "dark skin");
        EXPECT_EQ(read[0].name, param.caption);
        EXPECT_EQ(HasState(read[0], L"checked"), param.checked) << read[0].state;
    }
    kivtest::ClearSettings();
}

INSTANTIATE_TEST_SUITE_P(
    Looks, SkinnedButtons,
    testing::Values(ButtonCase{"CheckedBox", L"CDlgTwilight", {}, 1035, L"check button", L"夕焼け(T)", true},
                    ButtonCase{"UncheckedBox", L"CDlgTwilight", {L"click 1035"}, 1035, L"check button", L"夕焼け(T)", false},
                    ButtonCase{"CaptionlessBox", L"CDlgGrid", {}, 1184, L"check button", L"", true},
                    ButtonCase{"ChosenRadio", L"CDlgGrid", {}, 12101, L"radio button", L"線の交点", true},
                    ButtonCase{"OtherRadio", L"CDlgGrid", {}, 12102, L"radio button", L"画面の端", false},
                    ButtonCase{"Button", L"CDlgGrid", {}, 1192, L"push button", L"色・フォント(C)...", false}),
    [](const testing::TestParamInfo<ButtonCase>& info) { return info.param.name; });

struct MarkRowCase {
    const char* name;
    std::wstring dialog;
    int list;
    std::vector<std::wstring> actions;  // marks toggled by the mouse and by keys before the list is read
    long row;                           // 1-based, as the screen reader counts children
    const wchar_t* label;
    const wchar_t* object;
    const wchar_t* description;
};

class MarkListAccessibility : public testing::TestWithParam<MarkRowCase> {};

// Each row reads its object and its marks, each by its column heading and state, after the marks
// changed by a press or a key; the list reads its label.
TEST_P(MarkListAccessibility, RowsReadTheirObjectAndMarks)
{
    const MarkRowCase& param = GetParam();
    std::vector<std::wstring> actions = param.actions;
    actions.push_back(L"acc " + std::to_wstring(param.list));
    actions.push_back(L"cancel");
    const auto run = kivtest::Run({param.dialog, "", true, {}, actions});
    EXPECT_EQ(run.driverFailures, 0);
    const auto read = run.Accessible(param.list);
    ASSERT_GT(read.size(), static_cast<size_t>(param.row));
    EXPECT_EQ(read[0].role, L"list");
    EXPECT_EQ(read[0].name, param.label);
    EXPECT_EQ(read[param.row].role, L"list item");
    EXPECT_EQ(read[param.row].name, param.object);
    EXPECT_EQ(read[param.row].description, param.description);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, MarkListAccessibility,
    testing::Values(
        MarkRowCase{"MeteorAsOpened", L"CDlgMeteor", 1508, {}, 2, L"群流星(W)：", L"Daytime Arietids",
                    L"表示 オン, 放射点 オン, 名称 オン, 日本語"},
        MarkRowCase{"MeteorEnglishByMouseRadiantByKey", L"CDlgMeteor", 1508,
                    {L"mark 1508 1 1545", L"select 1508 1", L"key 1508 R"}, 2, L"群流星(W)：", L"Daytime Arietids",
                    L"表示 オン, 放射点 オフ, 名称 オン, 英語"},
        MarkRowCase{"SpacecraftNameByKey", L"CDlgSpacecraft", 1537, {L"key 1537 N"}, 1, L"探査機(S)：", L"ボイジャー1号",
                    L"表示 オン, 名称 オフ, 日本語, 経路 オフ"},
        MarkRowCase{"SpacecraftViewByMouse", L"CDlgSpacecraft", 1537, {L"mark 1537 1 1101"}, 2, L"探査機(S)：",
                    L"ボイジャー2号", L"表示 オフ, 名称 オン, 日本語, 経路 オフ"}),
    [](const testing::TestParamInfo<MarkRowCase>& info) { return info.param.name; });

// The check list of additional data files: a row per entry, named by it, checked when ticked.
TEST(CheckListAccessibility, EachEntryReadsItsNameAndTick)
{
    kivtest::ClearSettings();
    kivtest::adf::WriteList({L"C:\\DATA\\A.ADF,彗星", L"C:\\DATA\\B.ADF,Asteroids, bright", L"C:\\DATA\\C.ADF,変光星"});
    // The host shows the second entry; Space on the third ticks it as well.
    const auto run = kivtest::adf::RunMisc("ADF.#2.File = \"C:\\DATA\\B.ADF\"\nADF.#2.Visible = TRUE\n",
                                           {L"select 1214 2", L"key 1214 SPACE", L"acc 1214", L"cancel"});
    const auto read = run.Accessible(1214);
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0].role, L"list");
    const wchar_t* const names[] = {L"彗星", L"Asteroids, bright", L"変光星"};
    const bool ticked[] = {false, true, true};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read[i + 1].role, L"list item");
        EXPECT_EQ(read[i + 1].name, names[i]);
        EXPECT_EQ(HasState(read[i + 1], L"checked"), ticked[i]) << i;
        EXPECT_EQ(HasState(read[i + 1], L"selected"), i == 2) << i;
    }
    kivtest::ClearSettings();
}

}  // namespace
