#include "GameFixture.h"
#include "game/Conversions.h"
#include "game/SettingsEntries.h"

#include <cfenv>
#include <cfloat>
#include <cmath>

namespace pairfall::testing {

TEST(Numbers, SixteenBitArithmeticOverflowsInsteadOfWrapping)
{
    EXPECT_EQ(std::tuple(Add16(32000, 767), Sub16(-32767, 1), Mul16(-128, 256)), std::tuple(32767, -32768, -32768));
    const std::tuple<Int16 (*)(Int16, Int16), Int16, Int16> overflows[] = { { Add16, 32767, 1 }, { Add16, -32768, -1 }, { Sub16, -32768, 1 },
        { Sub16, 0, -32768 }, { Mul16, 182, 181 }, { Mul16, -32768, -1 } };
    for (const auto& [op, a, b] : overflows)
        EXPECT_EQ(ExpectError([&] { op(a, b); }, Kind::Overflow), "Overflow") << a << ", " << b;
}

TEST(Numbers, RoundingGoesToNearestAndHalvesToEvenWhateverTheRoundingMode)
{
    const int savedMode = std::fegetround();
    std::fesetround(FE_UPWARD);
    const std::pair<double, Int16> cases[] = { { 16.5, 16 }, { 17.5, 18 }, { -0.5, 0 }, { -1.5, -2 }, { -2.5, -2 }, { 25.33, 25 },
        { 6.67, 7 }, { 32767.4, 32767 }, { -32768.5, -32768 } };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundToInt16(value), expected) << value;
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(savedMode);
    for (double value : { 32767.5, -32768.51, HUGE_VAL, std::nan("") })
        ExpectError([=] { RoundToInt16(value); }, Kind::Overflow);
}

TEST(Conversions, CounterTexts)
{
    using namespace std::string_literals;
    const std::pair<std::string, Int16> good[] = { { "17", 17 }, { "  42\t", 42 }, { "-5", -5 }, { "+5", 5 }, { "16.5", 16 },
        { "17.5", 18 }, { "-2.5", -2 }, { ".5", 0 }, { "1.5E1", 15 }, { "25e-1", 2 }, { "-32768", -32768 } };
    for (const auto& [text, value] : good)
        EXPECT_EQ(TextToInt16(text), value) << text;
    for (const std::string& text : { "32768"s, "32767.5"s, "1e999"s, std::string(10000, '9') })
        ExpectError([&] { TextToInt16(text); }, Kind::Overflow);
    for (const std::string& text : { ""s, "  "s, "12abc"s, "nan"s, "inf"s, "0x10"s, "1e"s, "."s, "+-1"s, "1 2"s, "1,5"s, "5\0"s + "9" })
        ExpectError([&] { TextToInt16(text); }, Kind::TypeMismatch);
}

TEST(Conversions, CoordinateTextsAndWrittenTextsConvertBackExactly)
{
    EXPECT_EQ(TextToSingle(" 1005.5 "), 1005.5f);
    for (const char* bad : { "", "left", "nan", "inf", "0x3E8" })
        ExpectError([&] { TextToSingle(bad); }, Kind::TypeMismatch);
    ExpectError([] { TextToSingle("-1e39"); }, Kind::Overflow);
    EXPECT_EQ(SingleToText(1000.0f), "1000");
    EXPECT_EQ(SingleToText(-120.0f), "-120");
    for (float value : { 1000.0f, -120.0f, 1.0f / 3.0f, -0.001f, FLT_MAX, -FLT_MAX, FLT_TRUE_MIN })
        EXPECT_EQ(TextToSingle(SingleToText(value)), value) << SingleToText(value);
}

TEST(Conversions, ADamagedEntryIsNamedBriefly)
{
    MemorySettingsStore store;
    store.Set("Stats", "TotalGames", "abc");
    store.Set("Settings", "MainTop", "12\n" + std::string(500, 'x'));
    EXPECT_EQ(ExpectError([&] { ReadCounter(store, "TotalGames"); }, Kind::TypeMismatch), "Type mismatch in the setting Stats/TotalGames: \"abc\"");
    const std::string report = ExpectError([&] { ReadWindowCoordinate(store, "MainTop"); }, Kind::TypeMismatch);
    EXPECT_TRUE(report.size() < 120 && report.find('\n') == std::string::npos) << report;
}

}
