// The check list box: its marks follow SetCheck, a click on a mark and the space bar, and the
// driver's dump reports them.
#include "framework/kivcst/ZenDialog.h"
#include "host/core/Driver.h"
#include "host/core/HostSession.h"
#include "tests/framework/framework_test_ids.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

namespace {

class CCheckListDialog : public CZenDialog {
public:
    explicit CCheckListDialog(CWnd* pParent) : CZenDialog(IDD_TEST_CHECKLIST, pParent) {}

protected:
    BOOL OnInitDialog() override
    {
        CZenDialog::OnInitDialog();
        m_list.Attach(IDC_TEST_CHECKLIST, this);
        const wchar_t* const names[] = {L"木星", L"土星", L"天王星"};
        for (const wchar_t* name : names)
            m_list.AddString(name);
        m_list.SetCheck(0, 1);
        m_list.SetCheck(2, 1);
        return TRUE;
    }

private:
    CZenListBoxCheck m_list;
};

std::vector<std::wstring> RunChecks(const std::vector<std::wstring>& script)
{
    kivhost::HostSession session;
    std::vector<kivhost::Action> actions;
    for (const std::wstring& text : script) {
        kivhost::Action action;
        std::wstring error;
        EXPECT_TRUE(kivhost::ParseAction(text, action, error)) << testing::PrintToString(error);
        actions.push_back(action);
    }
    {
        kivhost::Driver driver(session.GetJournal(), actions, L"");
        CCheckListDialog dialog(&session.Window());
        dialog.DoModal();
        EXPECT_EQ(driver.Failures(), 0);
    }
    kivtest::DialogRun run;
    run.journal = session.GetJournal().Lines();
    const auto list = run.Control(IDC_TEST_CHECKLIST);
    return list ? list->items : std::vector<std::wstring>{};
}

TEST(CheckListBox, MarksFollowSetCheckClicksAndTheSpaceBar)
{
    const struct {
        const char* name;
        std::vector<std::wstring> actions;
        std::vector<std::wstring> items;
    } rows[] = {
        {"AsSet", {}, {L"checked=1 木星", L"checked=0 土星", L"checked=1 天王星"}},
        {"ClickOnAMark", {L"check 1002 1", L"check 1002 0"}, {L"checked=0 木星", L"checked=1 土星", L"checked=1 天王星"}},
        {"SpaceOnTheSelection", {L"select 1002 2", L"key 1002 SPACE"}, {L"checked=1 木星", L"checked=0 土星", L"checked=0 天王星"}},
        {"ClickOnTheTextSelectsOnly", {L"select 1002 1"}, {L"checked=1 木星", L"checked=0 土星", L"checked=1 天王星"}},
    };
    for (const auto& row : rows) {
        std::vector<std::wstring> actions = row.actions;
        actions.push_back(L"dump");
        actions.push_back(L"cancel");
        EXPECT_EQ(RunChecks(actions), row.items) << row.name;
    }
}

}  // namespace
