// Data exchange: the number parsers, the text forms of doubles, the framework's prompt in a real
// modal dialog, and writes that leave equal text alone.
#include "platform/afx/DataExchange.h"
#include "platform/afx/Dialog.h"
#include "framework/kivdcm/DoubleExchange.h"
#include "tests/framework/framework_test_ids.h"
#include "tests/support/DialogHarness.h"
#include "tests/support/FrameworkTables.h"

#include <gtest/gtest.h>

#include <climits>
#include <cwchar>
#include <string>
#include <vector>

namespace {

enum class Kind { Double, Int, UInt, TwoDecimals };

TEST(AfxParse, AcceptsPlainNumbersInRangeOnly)
{
    const struct {
        Kind kind;
        const wchar_t* text;
        bool ok;
        double value;
    } rows[] = {
        {Kind::Int, L"\t-17\r\n", true, -17}, {Kind::Int, L"+5", true, 5}, {Kind::Int, L"2147483647", true, INT_MAX},
        {Kind::Int, L"-2147483648", true, INT_MIN}, {Kind::Int, L"2147483648", false, 0},
        {Kind::Int, L"-2147483649", false, 0}, {Kind::Int, L"99999999999999999999", false, 0},
        {Kind::Int, L"", false, 0}, {Kind::Int, L"12abc", false, 0}, {Kind::Int, L"1 2", false, 0},
        {Kind::Int, L"１２", false, 0},  // full-width digits are not a number here
        {Kind::UInt, L" 4294967295 ", true, 4294967295.0}, {Kind::UInt, L"+3", true, 3}, {Kind::UInt, L"-1", false, 0},
        {Kind::UInt, L" -0", false, 0}, {Kind::UInt, L"4294967296", false, 0},
        {Kind::UInt, L"18446744073709551616", false, 0}, {Kind::UInt, L"7up", false, 0},
        {Kind::Double, L"1e3", true, 1000.0}, {Kind::Double, L" -2.5 ", true, -2.5}, {Kind::Double, L"+.5", true, 0.5},
        {Kind::Double, L"", false, 0}, {Kind::Double, L"12abc", false, 0}, {Kind::Double, L"1e999", false, 0},
        {Kind::Double, L"inf", false, 0}, {Kind::Double, L"0x1p3", false, 0}, {Kind::Double, L"1,5", false, 0},
        {Kind::Double, L"1.2.3", false, 0},
    };
    for (const auto& row : rows) {
        // A failed parse must leave the variable as it was.
        int i = -99;
        UINT u = 99;
        double d = -99.0;
        const bool ok = row.kind == Kind::Int    ? AfxParseInt(row.text, i)
                        : row.kind == Kind::UInt ? AfxParseUInt(row.text, u)
                                                 : AfxParseDouble(row.text, d);
        const double value = row.kind == Kind::Int ? i : row.kind == Kind::UInt ? u : d;
        const double untouched = row.kind == Kind::Int ? -99 : row.kind == Kind::UInt ? 99 : -99.0;
        EXPECT_EQ(ok, row.ok) << testing::PrintToString(std::wstring(row.text));
        EXPECT_EQ(value, row.ok ? row.value : untouched) << testing::PrintToString(std::wstring(row.text));
    }
    int value = 0;
    EXPECT_FALSE(AfxParseInt(nullptr, value));
}

// A top-level window with one edit child, standing in for a dialog.
class EditHost {
public:
    static constexpr int kEditId = 100;

    explicit EditHost(const wchar_t* text)
    {
        m_wnd.Attach(::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr));
        m_hEdit = ::CreateWindowExW(0, L"EDIT", text, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 5, 200, 24, m_wnd,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), nullptr, nullptr);
        // Setting the text clears this mark, so TextWasSet tells whether anything set it.
        ::SendMessageW(m_hEdit, EM_SETMODIFY, TRUE, 0);
    }
    ~EditHost() { ::DestroyWindow(m_wnd.Detach()); }

    HWND Edit() const { return m_hEdit; }
    CWnd* Window() { return &m_wnd; }
    bool TextWasSet() const { return ::SendMessageW(m_hEdit, EM_GETMODIFY, 0, 0) == 0; }
    std::wstring Text() const { return m_wnd.GetDlgItemText(kEditId).str(); }

private:
    HWND m_hEdit = nullptr;
    CWnd m_wnd;
};

TEST(AfxSetWindowText, LeavesEqualTextAlone)
{
    const struct {
        const wchar_t* before;
        const wchar_t* after;
        bool set;
    } rows[] = {
        {L"abc", L"abc", false}, {L"", L"", false}, {L"abc", L"abd", true},
        {L"abc", L"ab", true},   {L"abc", L"ABC", true}, {L"日本", L"日本", false},
    };
    for (const auto& row : rows) {
        EditHost host(row.before);
        AfxSetWindowText(host.Edit(), row.after);
        EXPECT_EQ(host.TextWasSet(), row.set) << testing::PrintToString(std::wstring(row.after));
        EXPECT_EQ(host.Text(), row.after);
    }
}

TEST(DDX_Double, WritesTheTrimmedTextFormUnlessTheEditShowsTheValueAlready)
{
    const struct {
        double value;
        int minDecimals;
        int maxDecimals;
        const wchar_t* format;  // DDX_DoubleFmt's format; nullptr: DDX_Double
        const wchar_t* shown;   // the edit's text before the write
        const wchar_t* text;
    } rows[] = {
        {500.0, 0, 7, nullptr, L"", L"500"},
        {2.5, 0, 7, nullptr, L"", L"2.5"},
        {1.0 / 3.0, 0, 7, nullptr, L"", L"0.3333333"},
        {2.0, 2, 7, nullptr, L"", L"2.00"},
        {-12.75, 0, 1, nullptr, L"", L"-12.8"},
        {123456789.126, 0, 2, nullptr, L"", L"123456789.13"},
        {7.0, 0, 0, nullptr, L"", L"7"},
        {2.5, 0, 7, nullptr, L"2.50", L"2.50"},
        {2.5, 0, 7, nullptr, L"2.4", L"2.5"},
        {1234.5, 0, 7, L"%.2f", L"", L"1234.50"},
    };
    for (const auto& row : rows) {
        EditHost host(row.shown);
        double value = row.value;
        CDataExchange dx(host.Window(), FALSE);
        if (row.format)
            DDX_DoubleFmt(&dx, EditHost::kEditId, value, row.format, row.maxDecimals);
        else
            DDX_Double(&dx, EditHost::kEditId, value, row.minDecimals, row.maxDecimals);
        EXPECT_EQ(host.Text(), row.text) << row.value;
    }
}

// A modal dialog with one edit exchanged as a double, an int, an unsigned int or a double rounded
// to two decimals. It notes, after each OK press, where the focus is and what the edit has selected.
class CNumberDialog : public CDialog {
public:
    CNumberDialog(Kind kind, CWnd* pParent) : CDialog(IDD_TEST_NUMBER, pParent), m_kind(kind) {}

    double m_dValue = 2.5;
    int m_nValue = -3;
    UINT m_uValue = 3;
    int m_nFocusAfterOk = 0;
    DWORD m_dwSelectionAfterOk = 0;

    double Value() const
    {
        return m_kind == Kind::Int ? m_nValue : m_kind == Kind::UInt ? static_cast<double>(m_uValue) : m_dValue;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (m_kind == Kind::Double)
            DDX_Text(pDX, IDC_TEST_NUMBER, m_dValue);
        else if (m_kind == Kind::Int)
            DDX_Text(pDX, IDC_TEST_NUMBER, m_nValue);
        else if (m_kind == Kind::UInt)
            DDX_Text(pDX, IDC_TEST_NUMBER, m_uValue);
        else
            DDX_Double(pDX, IDC_TEST_NUMBER, m_dValue, 0, 2);
    }

    void OnOK() override
    {
        CDialog::OnOK();
        const HWND focus = ::GetFocus();
        m_nFocusAfterOk = focus ? ::GetDlgCtrlID(focus) : 0;
        m_dwSelectionAfterOk = static_cast<DWORD>(SendDlgItemMessage(IDC_TEST_NUMBER, EM_GETSEL));
    }

private:
    Kind m_kind;
};

// OK either closes the dialog with the typed number, or shows the framework's prompt, puts the
// focus back on the edit with its whole text selected, and keeps the dialog and the member as
// they were.
TEST(NumberDialogOk, ClosesOrPromptsAndKeepsTheDialogOpen)
{
    const struct {
        Kind kind;
        const wchar_t* typed;
        const wchar_t* message;  // the message box, or nullptr when OK closes the dialog
        double value;            // the member after the run
    } rows[] = {
        {Kind::Double, L"abc", L"数値を入力してください。", 2.5},
        {Kind::Double, L" -0.25 ", nullptr, -0.25},
        {Kind::Int, L"1.5", L"整数を入力してください。", -3.0},
        {Kind::Int, L"-40", nullptr, -40.0},
        {Kind::UInt, L"-1", L"0 以上の整数を入力してください。", 3.0},
        {Kind::UInt, L"4294967295", nullptr, 4294967295.0},
        {Kind::TwoDecimals, L"3.14159", nullptr, 3.14},
        {Kind::TwoDecimals, L"-7.456", nullptr, -7.46},
        {Kind::TwoDecimals, L"1e", L"数値を入力してください。", 2.5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.typed)));
        kivhost::HostSession session;
        CNumberDialog dialog(row.kind, &session.Window());
        const INT_PTR result = kivtest::DriveModal(session, {std::wstring(L"type 1001 ") + row.typed, L"ok"},
                                                   [&] { return dialog.DoModal(); });
        kivtest::DialogRun run;
        run.journal = session.GetJournal().Lines();
        EXPECT_DOUBLE_EQ(dialog.Value(), row.value);
        if (!row.message) {
            EXPECT_EQ(result, IDOK);
            EXPECT_TRUE(run.Messages().empty());
            continue;
        }
        EXPECT_EQ(result, IDCANCEL) << "the dialog stays open until the driver cancels it";
        EXPECT_EQ(run.Messages(), std::vector<std::wstring>{std::wstring(L"exclamation ") + row.message});
        EXPECT_EQ(dialog.m_nFocusAfterOk, IDC_TEST_NUMBER);
        EXPECT_EQ(LOWORD(dialog.m_dwSelectionAfterOk), 0);
        EXPECT_EQ(HIWORD(dialog.m_dwSelectionAfterOk), std::wcslen(row.typed)) << "the whole text is selected";
    }
}

}  // namespace
