#include "GameFixture.h"

namespace pairfall::testing {

class GameEnd : public GameFixture {
protected:
    // Ends the game: a win when no cards are left, else a loss on a dead table.
    void Finish(Int16 cardsLeft, Answer answer = Answer::No)
    {
        state.GameOver = GameOverFlag::No;
        view.answer = answer;
        LayTable(DeadTable, cardsLeft);
        cardsLeft == 0 ? game.You_Win() : game.Check_NoPlay();
    }
    auto Counters() { return std::tie(state.TotalGames, state.TotalWins, state.TotalLosses, state.AvgCardsLeft); }
    static std::vector<MemorySettingsStore::Write> StatsWrite(int average, int games, int wins, int losses)
    {
        return { { "Stats", "AvgCardsLeft", std::to_string(average) }, { "Stats", "TotalGames", std::to_string(games) },
            { "Stats", "TotalWins", std::to_string(wins) }, { "Stats", "TotalLosses", std::to_string(losses) } };
    }
};

struct NoPlayCase {
    const char* name;
    bool lost;
    std::vector<Int16> table;
};
class NoPlay : public GameFixture, public ::testing::WithParamInterface<NoPlayCase> { };

TEST_P(NoPlay, FindsAPlayOrEndsTheGame)
{
    LayTable(GetParam().table, 20);
    game.Check_NoPlay();
    EXPECT_EQ(std::tuple(static_cast<int>(state.GameOver), view.boxes.size(), store.writes.size()), GetParam().lost ? std::tuple(1, 1u, 4u) : std::tuple(0, 0u, 0u));
}

INSTANTIATE_TEST_SUITE_P(GameEnd, NoPlay, ::testing::Values(NoPlayCase { "dead_table", true, DeadTable }, NoPlayCase { "ten_in_last_slot", false, { 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 10 } }, NoPlayCase { "ten_in_first_slot", false, { 10, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 3 } }, NoPlayCase { "ten_in_middle_slot", false, { 11, 11, 11, 12, 12, 10, 13, 13, 13, 1, 2, 3 } }, NoPlayCase { "four_kings", false, { 11, 11, 11, 12, 12, 13, 13, 13, 13, 1, 2, 3 } }, NoPlayCase { "four_jacks", false, { 11, 11, 11, 11, 12, 12, 13, 13, 1, 2, 3, 4 } }, NoPlayCase { "four_queens", false, { 12, 11, 12, 11, 12, 13, 12, 13, 1, 2, 3, 4 } }, NoPlayCase { "two_fives", false, { 11, 11, 11, 12, 12, 12, 13, 13, 13, 5, 2, 5 } }, NoPlayCase { "nine_and_two_make_eleven", true, { 11, 11, 11, 12, 12, 12, 13, 13, 13, 9, 2, 2 } }, NoPlayCase { "pair_in_slots_10_and_11", false, { 11, 11, 11, 12, 12, 12, 13, 13, 13, 2, 3, 7 } }, NoPlayCase { "pair_in_slots_0_and_1", false, { 1, 9, 11, 11, 11, 12, 12, 12, 13, 13, 13, 2 } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameEnd, LossesKeepARoundedRunningAverage)
{
    state.AvgCardsLeft = 40; // whatever it held before the first recorded game
    for (const auto& [left, average, games] : { std::tuple(25, 25, 1), std::tuple(30, 28, 2), std::tuple(20, 25, 3) }) {
        store.writes.clear();
        Finish(static_cast<Int16>(left));
        EXPECT_EQ(store.writes, StatsWrite(average, games, 0, games));
    }
}

TEST_F(GameEnd, TheAverageRoundsHalvesToEvenAndSurvivesLongTimePlayers)
{
    // games, average, cards left (0: a win), new average; T x A = 35,000 and more would overflow sixteen bits
    const std::array<Int16, 4> cases[] = { { 1, 13, 20, 16 }, { 1, 14, 21, 18 }, { 2, 10, 12, 11 }, { 0, 33, 7, 7 }, { 1, 25, 0, 12 },
        { 2, 12, 0, 8 }, { 1, 27, 0, 14 }, { 3, 10, 0, 8 }, { 0, 40, 0, 0 }, { 1400, 25, 30, 25 }, { 32000, 52, 0, 52 } };
    for (const auto& [games, average, left, expected] : cases) {
        Counters() = std::tuple(games, 5, 6, average);
        Finish(left);
        EXPECT_EQ(Counters(), std::tuple(games + 1, left == 0 ? 6 : 5, left == 0 ? 6 : 7, expected)) << games << " games at " << average;
    }
}

TEST_F(GameEnd, ALossIsSavedThenAsksNoLeavesTheTableYesStartsANewGame)
{
    view.SetOutlineVisible(9, true);
    view.status = "There are 17 cards left";
    state.TotalWins = 3;
    Finish(17);
    EXPECT_EQ(view.boxes, Strings { "You LOSE|You lose, would you like to play again?|YesNo" });
    EXPECT_EQ(std::tuple(store.writes, store.commits), std::tuple(StatsWrite(17, 1, 3, 1), 1));
    EXPECT_EQ(std::tuple(state.SlotValue(0), view.outlines[9], view.status, static_cast<int>(state.GameOver)), std::tuple(11, true, "There are 17 cards left", 1));
    Finish(17, Answer::Yes);
    EXPECT_EQ(std::tuple(static_cast<int>(state.GameOver), state.CardsLeft, state.SlotsFilled, view.status, state.TotalLosses), std::tuple(0, 52, 0, "Ready", 2));
}

TEST_F(GameEnd, AWinClearsTheTableAndAsksButNotWithCardsLeft)
{
    Counters() = std::tuple(1, 0, 1, 25);
    view.SetOutlineVisible(3, true);
    Finish(0);
    EXPECT_EQ(store.writes, StatsWrite(12, 2, 1, 1));
    for (Int16 i = 0; i < 12; ++i)
        EXPECT_EQ(std::tuple(state.SlotValue(i), view.pictures[i]), std::tuple(0, game.EmptySlotPicturePath()));
    EXPECT_EQ(std::tuple(view.OutlinesShown(), state.SlotsFilled, view.status, static_cast<int>(state.GameOver)), std::tuple(0, 0, "There are 0 cards left", 1));
    EXPECT_EQ(view.boxes, Strings { "You WIN|Would you like to play again?|YesNo" });
    LayTable({ 1, 2, 3 }, 1);
    view.log.Clear();
    game.You_Win();
    EXPECT_EQ(std::tuple(view.log.events.size(), store.writes.size(), state.SlotValue(0)), std::tuple(0u, 4u, 1));
}

TEST_F(GameEnd, TheDeckRunsOutWhileCoveringAPair)
{
    LayTable({ 11, 11, 11, 12, 12, 12, 13, 13, 13, 3, 4, 7 }, 1);
    Click({ 9 });
    view.log.Clear();
    Click({ 11 }); // the selected card takes the last card; the game is won once and not lost after
    EXPECT_EQ(DealtSlots(), std::vector<Int16> { 9 });
    EXPECT_EQ(std::tuple(view.boxes, Counters()), std::tuple(Strings { "You WIN|Would you like to play again?|YesNo" }, std::tuple(1, 1, 0, 0)));
}

TEST_F(GameEnd, TheDeckRunsOutWhileCoveringFourFaces)
{
    LayTable({ 13, 13, 13, 13, 1, 1, 1, 1, 2, 2, 2, 3 }, 2);
    Click({ 0, 1, 2 });
    view.log.Clear();
    Click({ 3 });
    EXPECT_EQ(DealtSlots(), (std::vector<Int16> { 0, 1 }));
    EXPECT_EQ(std::tuple(view.boxes.size(), state.TotalWins, static_cast<int>(state.SelMode)), std::tuple(1u, 1, 0));
    EXPECT_EQ(std::tuple(state.FaceSlot(3), state.FaceSlot(4)), std::tuple(2, 3)); // left to the next New game
}

TEST_F(GameEnd, ACounterThatCannotGrowRecordsNothingButTheGameIsOver)
{
    // games, wins, losses, cards left (0: a win), error
    const std::tuple<Int16, Int16, Int16, Int16, Kind> cases[] = { { 32767, 0, 0, 9, Kind::Overflow }, { 32767, 0, 0, 0, Kind::Overflow },
        { 5, 32767, 0, 0, Kind::Overflow }, { 5, 0, 32767, 9, Kind::Overflow }, { -1, 0, 0, 9, Kind::DivisionByZero }, { -1, 0, 0, 0, Kind::DivisionByZero } };
    for (const auto& [games, wins, losses, left, error] : cases) {
        SCOPED_TRACE(::testing::Message() << games << " games, " << wins << " wins, " << losses << " losses, " << left << " left");
        Counters() = std::tuple(games, wins, losses, 3);
        view.log.Clear();
        ExpectError([&] { Finish(left); }, error);
        EXPECT_EQ(Counters(), std::tuple(games, wins, losses, 3));
        EXPECT_EQ(std::tuple(store.writes.size(), view.boxes.size(), view.log.events.size(), static_cast<int>(state.GameOver)), std::tuple(0u, 0u, 0u, 1));
    }
}

TEST_F(GameEnd, AFailedWriteKeepsTheCountsForTheNextTry)
{
    store.failCommits = true;
    ExpectError([&] { Finish(9); }, Kind::SettingsWrite);
    EXPECT_EQ(std::tuple(state.TotalGames, state.TotalLosses, view.boxes.size()), std::tuple(1, 1, 0u));
    store.failCommits = false;
    game.WriteStatistics();
    EXPECT_EQ(std::tuple(store.Get("Stats", "TotalGames"), store.Get("Stats", "AvgCardsLeft")), std::tuple("1", "9"));
}

TEST_F(GameEnd, ResetWritesZerosAndNewGameResetsTheTableButNotTheStatistics)
{
    Counters() = std::tuple(4, 1, 3, 12);
    game.Reset_Stats();
    EXPECT_EQ(std::tuple(Counters(), store.writes), std::tuple(std::tuple(0, 0, 0, 0), StatsWrite(0, 0, 0, 0)));
    StackDeck({ 3, 13 });
    Click({ 0, 1, 1 }); // a 3, a King selected
    Counters() = std::tuple(8, 3, 5, 20);
    state.GameOver = GameOverFlag::Yes;
    game.New_Game();
    for (Int16 i = 0; i < 12; ++i)
        EXPECT_EQ(std::tuple(state.SlotValue(i), view.pictures[i]), std::tuple(0, game.EmptySlotPicturePath()));
    EXPECT_EQ(std::tuple(view.OutlinesShown(), static_cast<int>(state.SelMode), state.CardsLeft, state.SlotsFilled, static_cast<int>(state.GameOver), view.status),
        std::tuple(0, 0, 52, 0, 0, "Ready"));
    EXPECT_EQ(std::tuple(Counters(), store.writes.size()), std::tuple(std::tuple(8, 3, 5, 20), 4u)); // nothing written since the reset
}

}
