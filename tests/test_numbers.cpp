#include "GameFixture.h"
#include "game/Conversions.h"

#include <cfenv>

namespace pairfall::testing {

using namespace std::string_literals;

TEST(Numbers, RoundingTakesTheNearestAndAHalfToTheEvenOneWhateverTheRoundingMode)
{
    const int savedMode = std::fegetround();
    std::fesetround(FE_UPWARD); // as a stray call elsewhere may leave it
    EXPECT_EQ(RoundToInt16(16.5), 16);
    EXPECT_EQ(RoundToInt16(17.5), 18);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    std::fesetround(savedMode);
}

TEST(Conversions, ACounterTextIsReadAsTheNearestInteger)
{
    EXPECT_EQ(TextToInt16("  42\t"), 42);
    EXPECT_EQ(TextToInt16("-5"), -5);
    EXPECT_EQ(TextToInt16("17.5"), 18);
    EXPECT_EQ(TextToInt16("1.5E1"), 15);
}

TEST(Conversions, ACounterTextBeyondSixteenBitsIsAnOverflow)
{
    ExpectError([] { TextToInt16("32768"); }, Kind::Overflow);
    ExpectError([] { TextToInt16("32767.5"); }, Kind::Overflow);
    ExpectError([] { TextToInt16("1e999"); }, Kind::Overflow);
}

TEST(Conversions, ACounterTextThatIsNotAPlainNumberIsATypeMismatch)
{
    ExpectError([] { TextToInt16(""); }, Kind::TypeMismatch);
    ExpectError([] { TextToInt16("12abc"); }, Kind::TypeMismatch);
    ExpectError([] { TextToInt16("nan"); }, Kind::TypeMismatch);
    ExpectError([] { TextToInt16("0x10"); }, Kind::TypeMismatch);
    ExpectError([] { TextToInt16("1e"); }, Kind::TypeMismatch);
    ExpectError([] { TextToInt16("5\0"s + "9"); }, Kind::TypeMismatch);
}

TEST(Conversions, AWindowCoordinateBeyondTheSingleRangeIsAnOverflow)
{
    ExpectError([] { TextToSingle("3.5e38"); }, Kind::Overflow);
    ExpectError([] { TextToSingle("-1e39"); }, Kind::Overflow);
}

}
