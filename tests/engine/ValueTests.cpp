// Reals must survive answer and state file text exactly, whatever their size.
#include "host/engine/Value.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using kiv::engine::FormatReal;
using kiv::engine::Value;

namespace {

TEST(Reals, FormattedTextReadsBackAsTheSameReal)
{
    using Limits = std::numeric_limits<double>;
    const double values[] = {0.0, -0.0, 0.1, -2.5, 1e-5, 9.999999999999999e-6, 1e15, 999999999999999.9,
                             1234567890123456.0, 2451544.5, Limits::denorm_min(), Limits::min(),
                             Limits::max(), -Limits::max(), 1e22, 3.0e-300};
    for (const double value : values) {
        const std::string text = FormatReal(value);
        // Without a '.' in the mantissa the text would read back as an integer.
        EXPECT_NE(text.substr(0, text.find('e')).find('.'), std::string::npos) << text;
        Value parsed;
        std::string reason;
        ASSERT_TRUE(Value::Parse(text, parsed, reason)) << text << ": " << reason;
        EXPECT_TRUE(parsed == Value::Real(value)) << text;
        EXPECT_EQ(parsed.Answer(), text);
    }
}

}  // namespace
