// What a screen reader reads of the controls that draw themselves.
#include "tests/dialogs/adf_test_support.h"

#include <gtest/gtest.h>

namespace {

bool HasState(const kivtest::AccessibleChild& child, const wchar_t* word)
{
    const std::wstring states = L"," + child.state + L",";
    return states.find(std::wstring(L",") + word + L",") != std::wstring::npos;
}

// In both looks, whoever draws the control, it reads as the system's own would.
TEST(SkinnedButtons, ReadTheirRoleCaptionAndStateInBothLooks)
{
    const struct {
        std::wstring dialog;
        std::vector<std::wstring> actions;  // before the control is read
        int id;
        const wchar_t *role, *caption;
        bool checked;
    } cases[] = {
        {L"CDlgTwilight", {L"click 1035"}, 1035, L"check button", L"夕焼け(T)", false},
        {L"CDlgGrid", {}, 1184, L"check button", L"", true},
        {L"CDlgGrid", {}, 12101, L"radio button", L"線の交点", true},
        {L"CDlgGrid", {}, 12102, L"radio button", L"画面の端", false},
        {L"CDlgGrid", {}, 1192, L"push button", L"色・フォント(C)...", false},
    };
    for (const bool system : {true, false}) {
        kivtest::SetSystemLook(system);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << (system ? "system look, " : "dark skin, ") << c.id);
            std::vector<std::wstring> actions = c.actions;
            actions.insert(actions.end(), {L"acc " + std::to_wstring(c.id), L"cancel"});
            const auto read = kivtest::Run({c.dialog, "", true, {}, actions}).Accessible(c.id);
            ASSERT_EQ(read.size(), 1u);
            EXPECT_EQ(read[0].role, c.role);
            EXPECT_EQ(read[0].name, c.caption);
            EXPECT_EQ(HasState(read[0], L"checked"), c.checked) << read[0].state;
        }
    }
    kivtest::ClearSettings();
}

// Each row reads its object and its marks, each by its column heading and state (a chosen
// language by its word), after marks changed by a press and by a key; the list reads its label.
TEST(MarkListAccessibility, RowsReadTheirObjectAndMarks)
{
    const struct {
        std::wstring dialog;
        int list;
        std::vector<std::wstring> actions;
        size_t row;  // 1-based, as the screen reader counts children
        const wchar_t *label, *object, *description;
    } cases[] = {
        {L"CDlgMeteor", 1508, {L"mark 1508 1 1545", L"select 1508 1", L"key 1508 R"}, 2, L"群流星(W)：",
         L"Daytime Arietids", L"表示 オン, 放射点 オフ, 名称 オン, 英語"},
        {L"CDlgSpacecraft", 1537, {L"key 1537 N"}, 1, L"探査機(S)：", L"ボイジャー1号",
         L"表示 オン, 名称 オフ, 日本語, 経路 オフ"},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> actions = c.actions;
        actions.insert(actions.end(), {L"acc " + std::to_wstring(c.list), L"cancel"});
        const auto run = kivtest::Run({c.dialog, "", true, {}, actions});
        EXPECT_EQ(run.driverFailures, 0);
        const auto read = run.Accessible(c.list);
        ASSERT_GT(read.size(), c.row) << c.dialog;
        EXPECT_EQ(read[0].role, L"list");
        EXPECT_EQ(read[0].name, c.label);
        EXPECT_EQ(read[c.row].role, L"list item");
        EXPECT_EQ(read[c.row].name, c.object);
        EXPECT_EQ(read[c.row].description, c.description);
    }
}

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
