// The satellite dialog's rules that need no window: labels, magnitude rounding and steps, the
// range OK accepts, the search history and the order of the search walk.
#include "dialogs/satellite/SatelliteRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::string Narrow(const CString& text)
{
    return std::string(text.str().begin(), text.str().end());
}

struct LabelCase {
    const wchar_t* name;
    const wchar_t* number;
    const wchar_t* label;
};

TEST(SatelliteLabel, PadsBeforeTheLastParenthesisUpTo32Characters)
{
    const LabelCase cases[] = {
        {L"ABC 1", L"12345", L"ABC 1                    (12345)"},
        // 24 characters and "(12345)": one blank makes 32.
        {L"ABCDEFGHIJKLMNOPQRSTUVWX", L"12345", L"ABCDEFGHIJKLMNOPQRSTUVWX (12345)"},
        // 25 characters make 32 exactly; 26 make 33 and stay as they are.
        {L"ABCDEFGHIJKLMNOPQRSTUVWXY", L"12345", L"ABCDEFGHIJKLMNOPQRSTUVWXY(12345)"},
        {L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", L"12345", L"ABCDEFGHIJKLMNOPQRSTUVWXYZ(12345)"},
        // A name with its own parentheses: the blanks go before the number's.
        {L"ISS (ZARYA)", L"25544", L"ISS (ZARYA)              (25544)"},
        {L"", L"7", L"                             (7)"},
        {L"NO NUMBER", L"", L"NO NUMBER                     ()"},
        // A number answer with a parenthesis of its own holds the label's last one.
        {L"ODD", L"12(3", L"ODD(12                       (3)"},
    };
    for (const LabelCase& c : cases) {
        const CString label = SatelliteLabel(c.name, c.number);
        EXPECT_EQ(label, CString(c.label)) << Narrow(label);
    }
    EXPECT_EQ(SatelliteLabel(L"ABC 1", L"12345").GetLength(), 32);
}

TEST(SatelliteAnswer, TrueInAnyLetterCase)
{
    EXPECT_TRUE(SatelliteAnswerIsTrue(L"TRUE"));
    EXPECT_TRUE(SatelliteAnswerIsTrue(L"true"));
    EXPECT_TRUE(SatelliteAnswerIsTrue(L"tRuE"));
    EXPECT_FALSE(SatelliteAnswerIsTrue(L"TRUE "));
    EXPECT_FALSE(SatelliteAnswerIsTrue(L"1"));
    EXPECT_FALSE(SatelliteAnswerIsTrue(L""));
}

TEST(MagnitudeText, RoundsHalfTenthsUpNotToEven)
{
    const std::pair<double, const wchar_t*> cases[] = {
        {4.26, L"4.3"},   {4.0, L"4.0"},    {2.25, L"2.3"},   {-2.25, L"-2.2"}, {-4.75, L"-4.7"},
        {0.15, L"0.2"},   {-0.04, L"0.0"},  {-0.06, L"-0.1"}, {20.0, L"20.0"},  {0.0, L"0.0"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(MagnitudeText(value), CString(text)) << value;
}

TEST(StepMagnitude, TenthsFromTheTypedValueClampedToTheRange)
{
    struct Case {
        double value;
        int delta;
        int tenths;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {19.5, -1, 196}, {20.0, -1, 200}, {19.95, -1, 200}, {-2.0, 1, -20}, {-1.9, 1, -20},
        {4.26, -1, 44},  {4.26, 1, 42},   {2.25, 1, 22},    {25.0, 1, 200}, {-7.0, -1, -20},
        {1e308, -1, 200}, {-1e308, 1, -20}, {nan, -1, 1},   {0.0, 3, -1},   {0.0, -5, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepMagnitudeTenths(c.value, c.delta), c.tenths) << c.value << " delta " << c.delta;
}

TEST(MagnitudeRange, AcceptsMinus2To20)
{
    EXPECT_TRUE(IsMagnitudeInRange(-2.0));
    EXPECT_TRUE(IsMagnitudeInRange(20.0));
    EXPECT_TRUE(IsMagnitudeInRange(4.3));
    EXPECT_FALSE(IsMagnitudeInRange(-2.05));
    EXPECT_FALSE(IsMagnitudeInRange(20.05));
    EXPECT_FALSE(IsMagnitudeInRange(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(IsMagnitudeInRange(std::numeric_limits<double>::infinity()));
}

TEST(SearchHistory, MostRecentFirstAtMostFiveOneEntryPerTextInAnyCase)
{
    struct Case {
        std::vector<CString> before;
        const wchar_t* text;
        std::vector<CString> after;
    };
    const Case cases[] = {
        {{}, L"iss", {L"iss"}},
        {{L"a", L"b", L"c", L"d", L"e"}, L"f", {L"f", L"a", L"b", L"c", L"d"}},
        {{L"iss", L"noaa"}, L"ISS", {L"ISS", L"noaa"}},
        {{L"a", L"b", L"c"}, L"b", {L"b", L"a", L"c"}},
        {{L"a", L"b", L"c", L"d", L"e"}, L"E", {L"E", L"a", L"b", L"c", L"d"}},
        {{L"hst"}, L"hst", {L"hst"}},
    };
    for (const Case& c : cases) {
        std::vector<CString> history = c.before;
        AddSearchHistory(history, c.text);
        EXPECT_EQ(history, c.after) << Narrow(c.text);
    }
}

TEST(SearchWalk, FromTheRowAfterTheSelectionWrappingAndTheSelectionLast)
{
    struct Case {
        int count;
        int start;
        int direction;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {5, 2, 0, {3, 4, 0, 1, 2}}, {5, 2, 1, {1, 0, 4, 3, 2}}, {5, -1, 0, {0, 1, 2, 3, 4}},
        {5, -1, 1, {4, 3, 2, 1, 0}}, {5, 4, 0, {0, 1, 2, 3, 4}}, {5, 0, 1, {4, 3, 2, 1, 0}},
        {1, 0, 0, {0}},              {1, -1, 1, {0}},           {0, -1, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SearchWalk(c.count, c.start, c.direction), c.rows) << c.count << " " << c.start << " " << c.direction;
}

}  // namespace
