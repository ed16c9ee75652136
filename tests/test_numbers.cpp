#include "GameFixture.h"
#include "game/Conversions.h"
#include "game/SettingsEntries.h"

#include <cfenv>
#include <cfloat>

namespace pairfall::testing {

using namespace std::string_literals;

TEST(Numbers, ArithmeticBeyondSixteenBitsIsAnOverflowNotAWrapAround)
{
    ExpectError([] { Add16(32767, 1); }, Kind::Overflow);
    ExpectError([] { Sub16(-32768, 1); }, Kind::Overflow);
    ExpectError([] { Mul16(182, 181); }, Kind::Overflow);
    ExpectError([] { Mul16(-32768, -1); }, Kind::Overflow);
}

TEST(Numbers, RoundingTakesTheNearestAndAHalfToTheEvenOneWhateverTheRoundingMode)
{
    const int savedMode = std::fegetround();
    std::fesetround(FE_UPWARD); // as a stray call elsewhere may leave it
    EXPECT_EQ(RoundToInt16(16.5), 16);
    EXPECT_EQ(RoundToInt16(17.5), 18);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_EQ(RoundToInt16(25.33), 25);
    EXPECT_EQ(RoundToInt16(6.67), 7);
    std::fesetround(savedMode);
}

TEST(Conversions, ACounterTextIsReadAsTheNearestInteger)
{
    EXPECT_EQ(TextToInt16("  42\t"), 42);
    EXPECT_EQ(TextToInt16("-5"), -5);
    EXPECT_EQ(TextToInt16("16.5"), 16);
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

TEST(Conversions, ACoordinateTextThatIsNotASingleIsAnError)
{
    ExpectError([] { TextToSingle("left"); }, Kind::TypeMismatch);
    ExpectError([] { TextToSingle("-1e39"); }, Kind::Overflow);
}

TEST(Conversions, AWrittenCoordinateConvertsBackExactly)
{
    EXPECT_EQ(TextToSingle(SingleToText(1000.0f)), 1000.0f);
    EXPECT_EQ(TextToSingle(SingleToText(1.0f / 3.0f)), 1.0f / 3.0f);
    EXPECT_EQ(TextToSingle(SingleToText(-FLT_MAX)), -FLT_MAX);
    EXPECT_EQ(TextToSingle(SingleToText(FLT_TRUE_MIN)), FLT_TRUE_MIN);
}

TEST(SettingsEntries, ADamagedEntryIsNamedWithTheStartOfItsTextOnOneLine)
{
    MemorySettingsStore store;
    store.Set("Stats", "TotalGames", "12\n" + std::string(500, 'x'));
    const std::string report = ExpectError([&] { ReadCounter(store, "TotalGames"); }, Kind::TypeMismatch);
    EXPECT_EQ(report, "Type mismatch in the setting Stats/TotalGames: \"12?" + std::string(37, 'x') + "...\"");
}

}
