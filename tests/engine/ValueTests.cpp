// Reals must survive answer and state file text exactly, whatever their size.
#include "host/engine/Value.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

using kiv::engine::FormatReal;
using kiv::engine::Value;

namespace {

TEST(Reals, FormattedTextReadsBackAsTheSameReal)
{
    const double values[] = {0.0,
                             -0.0,
                             0.1,
                             0.7,
                             -2.5,
                             1e-5,
                             9.999999999999999e-6,
                             1e15,
                             999999999999999.9,
                             1234567890123456.0,
                             123456789012345.6,
                             2451544.5,
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(),
                             1e22,
                             3.0e-300};
    for (const double value : values) {
        const std::string text = FormatReal(value);
        const std::string::size_type exponent = text.find('e');
        EXPECT_NE(text.substr(0, exponent).find('.'), std::string::npos) << text;
        Value parsed;
        std::string reason;
        ASSERT_TRUE(Value::Parse(text, parsed, reason)) << text << ": " << reason;
        EXPECT_TRUE(parsed == Value::Real(value)) << text;
        EXPECT_EQ(parsed.Answer(), text);
    }
}

struct KindRow {
    const char* text;
    Value expected;
};

TEST(Values, ParseGivesTheKindTheLiteralKeeps)
{
    const KindRow rows[] = {
        {"TRUE", Value::Bool(true)},
        {"fAlSe", Value::Bool(false)},
        {"10", Value::Int(10)},
        {"10.", Value::Real(10.0)},
        {"-0", Value::Int(0)},
        {"\"10\"", Value::Text("10")},
        {"ten", Value::Name("ten")},
        {"\"ten\"", Value::Text("ten")},
        {"TRUE.", Value::Name("TRUE.")},
        {"nan", Value::Name("nan")},
        {"inf", Value::Name("inf")},
    };
    for (const KindRow& row : rows) {
        Value parsed;
        std::string reason;
        ASSERT_TRUE(Value::Parse(row.text, parsed, reason)) << row.text;
        EXPECT_TRUE(parsed == row.expected) << row.text;
        Value again;
        ASSERT_TRUE(Value::Parse(parsed.Literal(), again, reason)) << parsed.Literal();
        EXPECT_TRUE(again == parsed) << row.text;
    }
}

}  // namespace
