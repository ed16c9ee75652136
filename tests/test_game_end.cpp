#include "GameFixture.h"

#include <filesystem>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

namespace fs = std::filesystem;

using GameEnd = GameFixture;

struct NoPlayCase {
    const char* name;
    std::vector<Int16> table;
    bool lost;
};

void PrintTo(const NoPlayCase& c, std::ostream* out) { *out << c.name; }

class NoPlay : public GameFixture, public ::testing::WithParamInterface<NoPlayCase> {};

TEST_P(NoPlay, FindsAPlayOrEndsTheGame)
{
    const NoPlayCase& c = GetParam();
    for (Int16 i = 0; i < 12; ++i)
        state.SlotValue(i) = c.table.at(static_cast<std::size_t>(i));
    state.SlotsFilled = 12;
    state.CardsLeft = 20;
    view.answers = { Answer::No };
    game.Check_NoPlay();
    EXPECT_EQ(state.GameOver, c.lost ? 1 : 0);
    EXPECT_EQ(view.boxes.size(), c.lost ? 1u : 0u);
    EXPECT_EQ(store.writes.size(), c.lost ? 4u : 0u);
}

INSTANTIATE_TEST_SUITE_P(GameEnd, NoPlay, ::testing::Values(
    NoPlayCase { "dead table", { 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 3 }, true },
    NoPlayCase { "ten only in the last slot", { 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 10 }, false },
    NoPlayCase { "ten only in the first slot", { 10, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 3 }, false },
    NoPlayCase { "ten in a middle slot", { 11, 11, 11, 12, 12, 10, 13, 13, 13, 1, 2, 3 }, false },
    NoPlayCase { "four Kings", { 11, 11, 11, 12, 12, 13, 13, 13, 13, 1, 2, 3 }, false },
    NoPlayCase { "four Jacks", { 11, 11, 11, 11, 12, 12, 13, 13, 1, 2, 3, 4 }, false },
    NoPlayCase { "four Queens", { 12, 11, 12, 11, 12, 13, 12, 13, 1, 2, 3, 4 }, false },
    NoPlayCase { "two fives", { 11, 11, 11, 12, 12, 12, 13, 13, 13, 5, 2, 5 }, false },
    NoPlayCase { "a 9 and a 2 make 11", { 11, 11, 11, 12, 12, 12, 13, 13, 13, 9, 2, 2 }, true },
    NoPlayCase { "only pair in slots 10 and 11", { 11, 11, 11, 12, 12, 12, 13, 13, 13, 2, 3, 7 }, false },
    NoPlayCase { "only pair in slots 0 and 1", { 1, 9, 11, 11, 11, 12, 12, 12, 13, 13, 13, 2 }, false },
    NoPlayCase { "three of each rank, numbers 1 2 4", { 13, 1, 12, 2, 11, 4, 13, 11, 12, 13, 11, 12 }, true }),
    CaseName<NoPlayCase>);

TEST_F(GameEnd, LossesKeepARoundedRunningAverage)
{
    // Three losses in a row with 25, 30 and 20 cards left.
    const struct { Int16 left; Int16 avg; Int16 games; } steps[] = { { 25, 25, 1 }, { 30, 28, 2 }, { 20, 25, 3 } };
    state.AvgCardsLeft = 40; // whatever it held before the first recorded game
    for (const auto& step : steps) {
        LayTable(DeadTable, step.left);
        state.GameOver = 0;
        store.writes.clear();
        view.answers = { Answer::No };
        game.Check_NoPlay();
        EXPECT_EQ(state.AvgCardsLeft, step.avg);
        EXPECT_EQ(state.TotalGames, step.games);
        EXPECT_EQ(state.TotalLosses, step.games);
        EXPECT_EQ(store.writes, StatsWrite(step.avg, step.games, 0, step.games));
    }
}

struct AverageCase {
    Int16 games;
    Int16 average;
    Int16 cardsLeft; // 0: a win
    Int16 expected;
};

TEST_F(GameEnd, AverageRoundsHalvesToEven)
{
    const AverageCase cases[] = {
        { 1, 13, 20, 16 }, { 1, 14, 21, 18 }, { 2, 10, 12, 11 }, { 0, 33, 7, 7 },
        { 1, 25, 0, 12 }, { 2, 12, 0, 8 }, { 1, 27, 0, 14 }, { 3, 10, 0, 8 }, { 2, 10, 0, 7 }, { 100, 10, 0, 10 }, { 0, 40, 0, 0 },
    };
    for (const AverageCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.games << " games at " << c.average << ", " << c.cardsLeft << " left");
        state.TotalGames = c.games;
        state.AvgCardsLeft = c.average;
        state.TotalWins = 5;
        state.TotalLosses = 6;
        state.GameOver = 0;
        view.answers = { Answer::No };
        if (c.cardsLeft == 0) {
            state.CardsLeft = 0;
            game.You_Win();
            EXPECT_EQ(state.TotalWins, 6);
            EXPECT_EQ(state.TotalLosses, 6);
        } else {
            LayTable(DeadTable, c.cardsLeft);
            game.Check_NoPlay();
            EXPECT_EQ(state.TotalWins, 5);
            EXPECT_EQ(state.TotalLosses, 7);
        }
        EXPECT_EQ(state.AvgCardsLeft, c.expected);
        EXPECT_EQ(state.TotalGames, c.games + 1);
    }
}

TEST_F(GameEnd, LossAsksAndNoLeavesTheTable)
{
    LayTable(DeadTable, 17);
    state.TotalWins = 3;
    view.SetOutlineVisible(9, true);
    view.status = "There are 17 cards left";
    view.answers = { Answer::No };
    game.Check_NoPlay();
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].prompt, "You lose, would you like to play again?");
    EXPECT_EQ(view.boxes[0].title, "You LOSE");
    EXPECT_EQ(view.boxes[0].buttons, Buttons::YesNo);
    EXPECT_EQ(view.boxes[0].icon, Icon::None);
    // Saved before the question, TotalWins unchanged but written.
    EXPECT_EQ(store.writes, StatsWrite(17, 1, 3, 1));
    EXPECT_EQ(store.commits, 1);
    EXPECT_EQ(state.SlotValue(0), 11);
    EXPECT_TRUE(view.outlines[9]);
    EXPECT_EQ(view.status, "There are 17 cards left");
    EXPECT_EQ(state.GameOver, 1);

    // Yes to the next loss starts a new game at once.
    LayTable(DeadTable, 17);
    state.GameOver = 0;
    view.answers = { Answer::Yes };
    game.Check_NoPlay();
    EXPECT_EQ(state.GameOver, 0);
    EXPECT_EQ(state.CardsLeft, 52);
    EXPECT_EQ(state.SlotsFilled, 0);
    EXPECT_EQ(view.status, "Ready");
    EXPECT_EQ(view.pictures[0], game.EmptySlotPicturePath());
    EXPECT_EQ(state.TotalLosses, 2);
}

TEST_F(GameEnd, WinClearsTheTableAndAsks)
{
    LayTable({ 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13 }, 0);
    state.TotalGames = 1;
    state.AvgCardsLeft = 25;
    state.TotalLosses = 1;
    view.SetOutlineVisible(3, true);
    view.answers = { Answer::No };
    game.You_Win();
    EXPECT_EQ(store.writes, StatsWrite(12, 2, 1, 1));
    for (Int16 i = 0; i < 12; ++i) {
        EXPECT_EQ(state.SlotValue(i), 0);
        EXPECT_EQ(view.pictures[i], game.EmptySlotPicturePath());
    }
    EXPECT_EQ(view.OutlinesShown(), 0);
    EXPECT_EQ(state.SlotsFilled, 0);
    EXPECT_EQ(view.status, "There are 0 cards left");
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].prompt, "Would you like to play again?");
    EXPECT_EQ(view.boxes[0].title, "You WIN");
    EXPECT_EQ(state.GameOver, 1);
}

TEST_F(GameEnd, WinWithCardsLeftDoesNothing)
{
    LayTable({ 1, 2, 3 }, 1);
    game.You_Win();
    EXPECT_TRUE(view.log.empty());
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(state.GameOver, 0);
    EXPECT_EQ(state.SlotValue(0), 1);
}

TEST_F(GameEnd, LastCardOntoAnEmptySlotWins)
{
    state.CardsLeft = 1;
    view.answers = { Answer::Yes };
    Click(4);
    EXPECT_EQ(state.TotalWins, 1);
    EXPECT_EQ(view.boxes.size(), 1u);
    // Yes: a new game, and the next click deals without a question.
    EXPECT_EQ(state.GameOver, 0);
    Click(4);
    EXPECT_EQ(state.CardsLeft, 51);
    EXPECT_EQ(view.boxes.size(), 1u);
}

TEST_F(GameEnd, DeckRunsOutWhileCoveringAPair)
{
    // Full table with a 3 and a 7, one card left: the selected card takes the
    // last card, the clicked one is not covered, the game is won once.
    LayTable({ 11, 11, 11, 12, 12, 12, 13, 13, 13, 3, 4, 7 }, 1);
    Click(9);
    view.log.clear();
    view.answers = { Answer::No };
    Click(11);
    int dealt = 0;
    for (const std::string& line : view.log)
        if (line.rfind("picture ", 0) == 0 && line.find("69.bmp") == std::string::npos)
            ++dealt;
    EXPECT_EQ(dealt, 1);
    EXPECT_EQ(view.log[1].rfind("picture 9 ", 0), 0u);
    ASSERT_EQ(view.boxes.size(), 1u); // the win, and no loss after it
    EXPECT_EQ(view.boxes[0].title, "You WIN");
    EXPECT_EQ(state.TotalGames, 1);
    EXPECT_EQ(state.TotalWins, 1);
    EXPECT_EQ(state.TotalLosses, 0);
    // The selection is left to the next New game.
    EXPECT_EQ(state.SelMode, 1);
    EXPECT_EQ(state.FirstSlot, 9);
    // Later clicks only ask.
    view.answers = { Answer::No };
    Click(2);
    EXPECT_EQ(view.boxes.back().prompt, "Would you like to play again?");
    EXPECT_EQ(state.CardsLeft, 0);
}

TEST_F(GameEnd, DeckRunsOutWhileCoveringFourFaces)
{
    LayTable({ 13, 13, 13, 13, 1, 1, 1, 1, 2, 2, 2, 3 }, 2);
    Clicks({ 0, 1, 2 });
    view.log.clear();
    view.answers = { Answer::No };
    Click(3);
    std::vector<std::string> dealt;
    for (const std::string& line : view.log)
        if (line.rfind("picture ", 0) == 0 && line.find("69.bmp") == std::string::npos)
            dealt.push_back(line.substr(0, 9));
    EXPECT_EQ(dealt, (std::vector<std::string> { "picture 0", "picture 1" }));
    EXPECT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(state.TotalWins, 1);
    EXPECT_EQ(state.SelMode, 0);
    EXPECT_EQ(state.FaceSlot(3), 2); // the uncovered entries stay as they were
    EXPECT_EQ(state.FaceSlot(4), 3);
    // New clears them.
    game.New_Game();
    for (Int16 i = 1; i <= 4; ++i)
        EXPECT_EQ(state.FaceSlot(i), -1);
}

TEST_F(GameEnd, LongTimePlayersStillGetTheirGamesRecorded)
{
    // T x A = 35,000 would overflow sixteen bits.
    state.TotalGames = 1400;
    state.AvgCardsLeft = 25;
    state.TotalLosses = 1400;
    LayTable(DeadTable, 30);
    view.answers = { Answer::No };
    game.Check_NoPlay();
    EXPECT_EQ(state.TotalGames, 1401);
    EXPECT_EQ(state.AvgCardsLeft, 25); // 35,030 / 1,401 = 25.004
    EXPECT_EQ(store.writes, StatsWrite(25, 1401, 0, 1401));

    state.TotalGames = 32000;
    state.AvgCardsLeft = 52;
    state.CardsLeft = 0;
    state.GameOver = 0;
    view.answers = { Answer::No };
    game.You_Win();
    EXPECT_EQ(state.AvgCardsLeft, 52); // 1,664,000 / 32,001 = 51.998
    EXPECT_EQ(state.TotalGames, 32001);
}

struct FailedRecordCase {
    const char* name;
    Int16 games;
    Int16 wins;
    Int16 losses;
    bool win;
    RuntimeError::Kind error;
};

TEST_F(GameEnd, ACounterThatCannotGrowRecordsNothing)
{
    using K = RuntimeError::Kind;
    const FailedRecordCase cases[] = {
        { "games at the limit, loss", 32767, 0, 0, false, K::Overflow },
        { "games at the limit, win", 32767, 0, 0, true, K::Overflow },
        { "wins at the limit", 5, 32767, 0, true, K::Overflow },
        { "losses at the limit", 5, 0, 32767, false, K::Overflow },
        { "damaged store: games -1", -1, 0, 0, false, K::DivisionByZero },
        { "damaged store: games -1, win", -1, 0, 0, true, K::DivisionByZero },
    };
    for (const FailedRecordCase& c : cases) {
        SCOPED_TRACE(c.name);
        state.TotalGames = c.games;
        state.TotalWins = c.wins;
        state.TotalLosses = c.losses;
        state.AvgCardsLeft = 3;
        state.GameOver = 0;
        store.writes.clear();
        view.boxes.clear();
        view.log.clear();
        if (c.win) {
            LayTable({ 1, 2 }, 0);
        } else {
            LayTable(DeadTable, 9);
        }
        try {
            c.win ? game.You_Win() : game.Check_NoPlay();
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), c.error);
        }
        EXPECT_EQ(state.TotalGames, c.games);
        EXPECT_EQ(state.TotalWins, c.wins);
        EXPECT_EQ(state.TotalLosses, c.losses);
        EXPECT_EQ(state.AvgCardsLeft, 3);
        EXPECT_TRUE(store.writes.empty());
        EXPECT_TRUE(view.boxes.empty());
        EXPECT_TRUE(view.log.empty()); // the table is not cleared
        // The game is over all the same: no later click may deal.
        EXPECT_EQ(state.GameOver, 1);
    }
}

TEST_F(GameEnd, AFailedWriteKeepsTheCountsForTheNextTry)
{
    store.failCommits = true;
    LayTable(DeadTable, 9);
    EXPECT_THROW(game.Check_NoPlay(), RuntimeError);
    EXPECT_EQ(state.TotalGames, 1);
    EXPECT_EQ(state.TotalLosses, 1);
    EXPECT_TRUE(view.boxes.empty());
    store.failCommits = false;
    game.WriteStatistics();
    EXPECT_EQ(store.Get("Stats", "TotalGames"), "1");
    EXPECT_EQ(store.Get("Stats", "AvgCardsLeft"), "9");
}

TEST_F(GameEnd, ResetZeroesAndWrites)
{
    state.TotalGames = 4;
    state.TotalWins = 1;
    state.TotalLosses = 3;
    state.AvgCardsLeft = 12;
    game.Reset_Stats();
    game.Reset_Stats();
    EXPECT_EQ(state.TotalGames + state.TotalWins + state.TotalLosses + state.AvgCardsLeft, 0);
    const std::vector<MemorySettingsStore::Write> once = StatsWrite(0, 0, 0, 0);
    std::vector<MemorySettingsStore::Write> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(store.writes, twice);
}

TEST_F(GameEnd, NewGameResetsTheTableButNotTheStatistics)
{
    StackDeck({ 3, 13 });
    Clicks({ 0, 1, 1 }); // a 3, a King selected
    state.TotalGames = 8;
    state.FaceCount = 1;
    state.GameOver = 1;
    store.writes.clear();
    game.New_Game();
    for (Int16 i = 0; i < 12; ++i) {
        EXPECT_EQ(state.SlotValue(i), 0);
        EXPECT_EQ(view.pictures[i], game.EmptySlotPicturePath());
    }
    EXPECT_EQ(view.OutlinesShown(), 0);
    EXPECT_EQ(state.SelMode, 0);
    EXPECT_EQ(state.FirstSlot, -1);
    EXPECT_EQ(state.FaceRank, -1);
    EXPECT_EQ(state.FaceCount, 1);
    EXPECT_EQ(state.CardsLeft, 52);
    EXPECT_EQ(state.SlotsFilled, 0);
    EXPECT_EQ(state.GameOver, 0);
    EXPECT_EQ(view.status, "Ready");
    EXPECT_EQ(state.TotalGames, 8);
    EXPECT_TRUE(store.writes.empty());
}

}
