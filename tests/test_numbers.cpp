#include "game/Numbers.h"
#include "game/RuntimeError.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>

using namespace pairfall;

namespace {

struct ArithmeticCase {
    const char* name;
    std::function<Int16()> operation;
    std::optional<Int16> expected; // empty: overflow
};

TEST(Numbers, SixteenBitArithmeticOverflowsInsteadOfWrapping)
{
    const ArithmeticCase cases[] = {
        { "add in range", [] { return Add16(32000, 767); }, 32767 },
        { "add past max", [] { return Add16(32767, 1); }, std::nullopt },
        { "add past min", [] { return Add16(-32768, -1); }, std::nullopt },
        { "sub to min", [] { return Sub16(-32767, 1); }, -32768 },
        { "sub past min", [] { return Sub16(-32768, 1); }, std::nullopt },
        { "sub past max", [] { return Sub16(0, -32768); }, std::nullopt },
        { "mul in range", [] { return Mul16(181, 181); }, 32761 },
        { "mul past max", [] { return Mul16(182, 181); }, std::nullopt },
        { "mul min by -1", [] { return Mul16(-32768, -1); }, std::nullopt },
        { "mul negative", [] { return Mul16(-128, 256); }, -32768 },
        { "int64 narrowing", [] { return ToInt16(40000); }, std::nullopt },
        { "int64 narrowing low", [] { return ToInt16(-32769); }, std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.expected) {
            EXPECT_EQ(c.operation(), *c.expected);
        } else {
            try {
                c.operation();
                ADD_FAILURE() << "no overflow";
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.kind(), RuntimeError::Kind::Overflow);
                EXPECT_EQ(e.description(), "Overflow");
            }
        }
    }
}

TEST(Numbers, RoundingGoesToNearestAndHalvesToEven)
{
    const std::pair<double, Int16> cases[] = {
        { 16.5, 16 }, { 17.5, 18 }, { 12.5, 12 }, { 13.5, 14 }, { 7.5, 8 }, { 0.5, 0 }, { 1.5, 2 },
        { -0.5, 0 }, { -1.5, -2 }, { -2.5, -2 }, { 25.33, 25 }, { 6.67, 7 }, { 9.90, 10 },
        { 32.0 / 3.0, 11 }, { 32767.4, 32767 }, { -32768.5, -32768 },
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundToInt16(value), expected) << value;
    for (double value : { 32767.5, -32768.51, 1e10, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN() })
        EXPECT_THROW(RoundToInt16(value), RuntimeError) << value;
}

TEST(Numbers, RoundingDoesNotDependOnTheCurrentRoundingMode)
{
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const Int16 rounded = RoundToInt16(16.5);
    const int modeAfter = std::fegetround();
    std::fesetround(saved);
    EXPECT_EQ(rounded, 16);
    EXPECT_EQ(modeAfter, FE_UPWARD);
}

}
