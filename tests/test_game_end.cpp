#include "GameFixture.h"

namespace pairfall::testing {

const std::string LoseBox = "box You LOSE|You lose, would you like to play again?|YesNo";
const std::string WinBox = "box You WIN|Would you like to play again?|YesNo";

class GameEnd : public GameFixture {
protected:
    // Ends the game: a win when no cards are left, else a loss on the dead table.
    void End(Int16 cardsLeft)
    {
        LayTable(DeadTable, cardsLeft);
        if (cardsLeft == 0)
            game.You_Win();
        else
            game.Check_NoPlay();
    }
};

struct NamedTable {
    const char* name;
    Slots table;
};

class TableWithAPlay : public GameFixture, public ::testing::WithParamInterface<NamedTable> { };

TEST_P(TableWithAPlay, IsNotLost)
{
    LayTable(GetParam().table, 20);
    game.Check_NoPlay();
    EXPECT_EQ(state.GameOver, GameOverFlag::No);
}

INSTANTIATE_TEST_SUITE_P(GameEnd, TableWithAPlay,
    ::testing::Values(NamedTable { "TenInTheLastSlot", { 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 10 } },
        NamedTable { "TenInTheFirstSlot", { 10, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 3 } },
        NamedTable { "FourJacks", { 11, 11, 11, 11, 12, 12, 13, 13, 1, 2, 3, 4 } },
        NamedTable { "FourQueens", { 12, 11, 12, 11, 12, 13, 12, 13, 1, 2, 3, 4 } },
        NamedTable { "FourKings", { 11, 11, 11, 12, 12, 13, 13, 13, 13, 1, 2, 3 } },
        NamedTable { "PairInTheFirstTwoSlots", { 1, 9, 11, 11, 11, 12, 12, 12, 13, 13, 13, 2 } },
        NamedTable { "PairInTheLastTwoSlots", { 11, 11, 11, 12, 12, 12, 13, 13, 13, 2, 3, 7 } }),
    RowName);

// The counters before, the cards left at the end (0: a win), and the statistics written.
struct Ending {
    const char* name;
    Int16 games;
    Int16 wins;
    Int16 average;
    Int16 cardsLeft;
    Strings written;
};

class CountedEnd : public GameEnd, public ::testing::WithParamInterface<Ending> { };

TEST_P(CountedEnd, WritesTheNewCountsAndTheRoundedRunningAverage)
{
    SetCounters(GetParam().games, GetParam().wins, GetParam().games - GetParam().wins, GetParam().average);
    End(GetParam().cardsLeft);
    EXPECT_EQ(log.Starting("write "), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(GameEnd, CountedEnd,
    ::testing::Values(Ending { "FirstGameIgnoresTheOldAverage", 0, 0, 33, 7, StatsWrites(7, 1, 0, 1) },
        Ending { "ThirdsRoundToTheNearest", 2, 1, 10, 12, StatsWrites(11, 3, 1, 2) },
        Ending { "AWinCountsNoCardsLeft", 3, 0, 10, 0, StatsWrites(8, 4, 1, 3) },
        Ending { "LongTimePlayer", 1400, 400, 25, 30, StatsWrites(25, 1401, 400, 1001) },
        Ending { "LastGameThatCanBeCounted", 32766, 0, 52, 1, StatsWrites(52, 32767, 0, 32767) }),
    RowName);

TEST_F(GameEnd, TheStatisticsAreCommittedBeforeTheLossQuestion)
{
    End(17);
    EXPECT_LT(At("commit"), At(LoseBox));
}

TEST_F(GameEnd, NoAfterALossLeavesTheTableAsItLies)
{
    End(17);
    EXPECT_EQ(log.events.back(), LoseBox);
    EXPECT_EQ(state.SlotValue(0), Jack);
}

TEST_F(GameEnd, AWinClearsTheTableAndAsksToPlayAgain)
{
    End(0);
    EXPECT_EQ(std::ranges::count(view.pictures, game.EmptySlotPicturePath()), SlotCount);
    EXPECT_EQ(view.status, "There are 0 cards left");
    EXPECT_EQ(log.events.back(), WinBox);
}

TEST_F(GameEnd, TheStatisticsAreWrittenBeforeTheTableIsClearedOnAWin)
{
    End(0);
    EXPECT_LT(At("commit"), At("picture "));
}

TEST_F(GameEnd, WhenTheLastCardCoversTheSelectedCardItsPartnerStaysAndTheGameIsWon)
{
    LayTable({ 11, 11, 11, 12, 12, 12, 13, 13, 13, 3, 4, 7 }, 1);
    Click({ 9, 11 });
    EXPECT_EQ(DealtSlots(), Slots { 9 });
    EXPECT_EQ(log.Starting("box "), Strings { WinBox });
}

TEST_F(GameEnd, WhenTheDeckRunsOutCoveringFourFacesTheRestStayAndTheGameIsWon)
{
    LayTable({ 13, 13, 13, 13, 1, 1, 1, 1, 2, 2, 2, 3 }, 2);
    Click({ 0, 1, 2, 3 });
    EXPECT_EQ(DealtSlots(), (Slots { 0, 1 }));
    EXPECT_EQ(log.Starting("box "), Strings { WinBox });
}

// Counters that cannot take one more game, the cards left at the end (0: a win), and the error.
struct FullCounter {
    const char* name;
    Int16 games;
    Int16 wins;
    Int16 cardsLeft;
    Kind error;
};

class UnrecordableEnd : public GameEnd, public ::testing::WithParamInterface<FullCounter> { };

TEST_P(UnrecordableEnd, ChangesNoCounterAndShowsNothingButTheGameIsOver)
{
    SetCounters(GetParam().games, GetParam().wins, 0, 3);
    ExpectError([&] { End(GetParam().cardsLeft); }, GetParam().error);
    EXPECT_EQ(state.TotalGames, GetParam().games);
    EXPECT_EQ(state.TotalWins, GetParam().wins);
    EXPECT_EQ(state.TotalLosses, 0);
    EXPECT_EQ(state.AvgCardsLeft, 3);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(state.GameOver, GameOverFlag::Yes);
}

INSTANTIATE_TEST_SUITE_P(GameEnd, UnrecordableEnd,
    ::testing::Values(FullCounter { "GamesFull", 32767, 0, 9, Kind::Overflow },
        FullCounter { "WinsFull", 5, 32767, 0, Kind::Overflow },
        FullCounter { "MinusOneGames", -1, 0, 9, Kind::DivisionByZero }),
    RowName);

TEST_F(GameEnd, AFailedWriteKeepsTheCountsForTheNextTry)
{
    store.failCommits = true;
    ExpectError([&] { End(9); }, Kind::SettingsWrite);
    store.failCommits = false;
    log.Clear();
    game.WriteStatistics();
    EXPECT_EQ(log.Starting("write "), StatsWrites(9, 1, 0, 1));
}

}
