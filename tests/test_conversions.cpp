#include "game/RuntimeError.h"
#include "stats/Conversions.h"
#include "stats/MemorySettingsStore.h"
#include "stats/StatsStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace pairfall;
using namespace std::string_literals;

namespace {

struct CounterCase {
    std::string text;
    std::optional<Int16> value;
    RuntimeError::Kind error = RuntimeError::Kind::TypeMismatch;
};

TEST(Conversions, CounterTexts)
{
    using K = RuntimeError::Kind;
    const CounterCase cases[] = {
        { "0", 0 }, { "17", 17 }, { "-5", -5 }, { "+5", 5 }, { "  42  ", 42 }, { "\t7", 7 },
        { "007", 7 }, { "16.5", 16 }, { "17.5", 18 }, { "-2.5", -2 }, { ".5", 0 }, { "3.", 3 },
        { "1e2", 100 }, { "1.5E1", 15 }, { "25e-1", 2 }, { "32767", 32767 }, { "-32768", -32768 },
        { "32767.4", 32767 }, { "1" + std::string(300, '0') + "e-300", 1 },
        { "32768", std::nullopt, K::Overflow }, { "-32769", std::nullopt, K::Overflow },
        { "32767.5", std::nullopt, K::Overflow }, { "1e999", std::nullopt, K::Overflow },
        { std::string(10000, '9'), std::nullopt, K::Overflow },
        { "", std::nullopt }, { "   ", std::nullopt }, { "abc", std::nullopt }, { "12abc", std::nullopt },
        { "nan", std::nullopt }, { "NaN", std::nullopt }, { "inf", std::nullopt }, { "-infinity", std::nullopt },
        { "0x10", std::nullopt }, { "1e", std::nullopt }, { "e5", std::nullopt }, { ".", std::nullopt },
        { "--1", std::nullopt }, { "+-1", std::nullopt }, { "1 2", std::nullopt }, { "1,5", std::nullopt },
        { "5\0"s "9", std::nullopt }, { "\0"s, std::nullopt }, { "1.2.3", std::nullopt }, { "\xef\xbc\x91", std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text of " + std::to_string(c.text.size()) + " bytes: " + c.text.substr(0, 30));
        if (c.value) {
            EXPECT_EQ(TextToInt16(c.text), *c.value);
            continue;
        }
        try {
            const Int16 taken = TextToInt16(c.text);
            ADD_FAILURE() << "taken as " << taken;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), c.error);
        }
    }
}

TEST(Conversions, CoordinateTexts)
{
    EXPECT_EQ(TextToSingle("1000"), 1000.0f);
    EXPECT_EQ(TextToSingle("-120"), -120.0f);
    EXPECT_EQ(TextToSingle(" 1005.5 "), 1005.5f);
    EXPECT_EQ(TextToSingle("1e3"), 1000.0f);
    for (const char* bad : { "", "left", "nan", "inf", "1e", "0x3E8" })
        EXPECT_THROW(TextToSingle(bad), RuntimeError) << bad;
    EXPECT_THROW(TextToSingle("1e39"), RuntimeError);
    EXPECT_THROW(TextToSingle("-1e39"), RuntimeError);
}

TEST(Conversions, WrittenTextsConvertBackExactly)
{
    EXPECT_EQ(SingleToText(1000.0f), "1000");
    EXPECT_EQ(SingleToText(-120.0f), "-120");
    EXPECT_EQ(SingleToText(0.0f), "0");
    for (float value : { 1000.0f, -120.0f, 66.6666641f, 1.0f / 3.0f, 12345678.0f, -0.001f, std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min() })
        EXPECT_EQ(TextToSingle(SingleToText(value)), value) << SingleToText(value);
    for (int value : { 0, 1, -1, 52, 32767, -32768 }) {
        const auto counter = static_cast<Int16>(value);
        EXPECT_EQ(Int16ToText(counter), std::to_string(value));
        EXPECT_EQ(TextToInt16(Int16ToText(counter)), counter);
    }
}

TEST(StatsStore, StatisticsWriteIsFourWritesInOrderThenACommit)
{
    MemorySettingsStore store;
    WriteStatistics(store, { 3, 1, 2, -7 });
    const std::vector<MemorySettingsStore::Write> expected = {
        { "Stats", "AvgCardsLeft", "-7" }, { "Stats", "TotalGames", "3" }, { "Stats", "TotalWins", "1" }, { "Stats", "TotalLosses", "2" }
    };
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(store.commits, 1);
}

TEST(StatsStore, ReadsFallBackToDefaultsAndNameDamagedEntries)
{
    MemorySettingsStore store;
    EXPECT_EQ(ReadCounter(store, "TotalGames"), 0);
    EXPECT_EQ(ReadWindowCoordinate(store, "MainLeft"), 1000.0f);

    store.Set("Stats", "TotalGames", "abc");
    store.Set("Settings", "MainTop", std::string(500, 'x') + "\n");
    try {
        ReadCounter(store, "TotalGames");
        ADD_FAILURE() << "damaged counter taken";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), RuntimeError::Kind::TypeMismatch);
        EXPECT_NE(e.description().find("Type mismatch"), std::string::npos);
        EXPECT_NE(e.description().find("Stats/TotalGames"), std::string::npos);
        EXPECT_NE(e.description().find("\"abc\""), std::string::npos);
    }
    try {
        ReadWindowCoordinate(store, "MainTop");
        ADD_FAILURE() << "damaged coordinate taken";
    } catch (const RuntimeError& e) {
        // A damaged entry is named, not pasted whole into the report.
        EXPECT_LT(e.description().size(), 200u);
        EXPECT_EQ(e.description().find('\n'), std::string::npos);
    }
}

}
