// The check list box: its marks follow SetCheck, a click on a mark and the space bar, and the
// driver's dump reports them.
#include "framework/kivcst/ZenDialog.h"
#include "tests/framework/framework_test_ids.h"
#include "tests/support/DialogHarness.h"
#include "tests/support/FrameworkTables.h"

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
        for (const wchar_t* name : {L"木星", L"土星", L"天王星"})
            m_list.AddString(name);
        m_list.SetCheck(0, 1);
        m_list.SetCheck(2, 1);
        return TRUE;
    }

private:
    CZenListBoxCheck m_list;
};

// The list's rows, as the driver's dump reports them after the actions.
std::vector<std::wstring> RunChecks(std::vector<std::wstring> script)
{
    script.insert(script.end(), {L"dump", L"cancel"});
    kivhost::HostSession session;
    CCheckListDialog dialog(&session.Window());
    kivtest::DriveModal(session, script, [&] { return dialog.DoModal(); });
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
    for (const auto& row : rows)
        EXPECT_EQ(RunChecks(row.actions), row.items) << row.name;
}

}  // namespace
