// CString: the conversions the dialogs format their commands with, and strings found through the
// resource chain.
#include "framework/module/ListCeilings.h"
#include "platform/afx/CString.h"
#include "resources/ids_sky.h"
#include "tests/framework/framework_test_ids.h"

#include <gtest/gtest.h>


namespace {

// What Format makes of the arguments; given a string id, it formats with the string table's text.
template <typename Format, typename... Args>
CString Formatted(Format format, Args... args)
{
    CString text;
    text.Format(format, args...);
    return text;
}

TEST(CStringFormat, ConvertsAsTheDialogsNeed)
{
    const struct {
        const wchar_t* expected;
        CString actual;
    } rows[] = {
        {L"-7", Formatted(L"%d", -7)},
        {L"4294967295", Formatted(L"%u", 4294967295u)},
        {L"05", Formatted(L"%02d", 5)},
        {L"   42|42   |", Formatted(L"%5d|%-5d|", 42, 42)},
        {L"+5 5", Formatted(L"%+d% d", 5, 5)},
        {L"0.700000", Formatted(L"%f", 0.7)},
        {L"0.7", Formatted(L"%.1f", 0.7)},
        {L"  3.1", Formatted(L"%5.1f", 3.14159)},
        {L"ArtificialSatellite.No12.Visible = True;", Formatted(L"ArtificialSatellite.No%d.Visible = %s;", 12, L"True")},
        {L"\U0001F320 \U00029E3D", Formatted(L"%s", L"\U0001F320 \U00029E3D")},
        {L"   ab|ab  |日本", Formatted(L"%5s|%-4s|%.2s", L"ab", L"ab", L"日本語")},
        {L"(null)", Formatted(L"%s", static_cast<const wchar_t*>(nullptr))},
        {L"100%", Formatted(L"%d%%", 100)},
        {L"ff FF", Formatted(L"%x %X", 255, 255)},
        {L"%q", Formatted(L"%q")},  // an unknown conversion stays visible
        {L"衛星 は 3 件", Formatted(UINT{IDS_TEST_COUNT_FORMAT}, L"衛星", 3)},
        {L"> Strength = 0.7", [] {
             CString text(L"> ");
             text.AppendFormat(L"%s = %.1f", L"Strength", 0.7);
             return text;
         }()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.actual, row.expected);
}

TEST(CStringLoadString, SearchesTheModuleThenTheApplicationThenTheFramework)
{
    // The module registers itself when it loads; the test program links it.
    ASSERT_NE(::GetModuleHandleW(L"KIVD04.dll"), nullptr);
    const struct {
        UINT id;
        bool found;
        const wchar_t* text;
    } rows[] = {
        {IDS_SECTION_TWILIGHT, true, L"Dialog\\Twilight"},       // in the module and in the application
        {IDS_TEST_APP_ONLY, true, L"アプリケーションだけの文字列"},  // in the application only
        {0xF113, true, L"数値を入力してください。"},            // in the framework only
        {31999, false, L""},
    };
    for (const auto& row : rows) {
        CString text(L"stale");
        EXPECT_EQ(text.LoadString(row.id) != FALSE, row.found) << row.id;
        EXPECT_EQ(text, row.text) << row.id;
    }
}

// A count answer as the object lists read it: the leading number, at most the list's ceiling.
TEST(ListCount, ReadsTheLeadingNumberUpToTheCeiling)
{
    const std::wstring huge = L"9" + std::wstring(399, L'7');
    const struct {
        std::wstring answer;
        int count;
    } rows[] = {
        {L"", 0}, {L"Horizon", 0}, {L"41325", 41325}, {L"  12 swarms", 12}, {L"+7", 7}, {L"-3", 0}, {L"1e308", 1},
        {L"100000", 100000}, {L"100001", 100000}, {huge, 100000}, {std::wstring(L"12\0" L"34", 5), 12},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ListCount(CString(row.answer), 100000), row.count) << row.answer.size() << " characters";
    EXPECT_EQ(ListText(CString(std::wstring(70000, L'W'))).GetLength(), kMaxListText);
    EXPECT_EQ(ListText(L"ISS (ZARYA)"), L"ISS (ZARYA)");
}

}  // namespace
