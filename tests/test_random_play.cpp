#include "fakes/RecordingTableView.h"
#include "fakes/ScriptedRandom.h"
#include "game/Game.h"
#include "stats/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

// Checks everything that must hold between two clicks.
void ExpectConsistent(const GameState& s, const RecordingTableView& view)
{
    int filled = 0;
    for (Int16 i = 0; i < SlotCount; ++i)
        filled += s.SlotValue(i) != 0 ? 1 : 0;
    ASSERT_EQ(s.SlotsFilled, filled);
    ASSERT_GE(s.CardsLeft, 0);
    ASSERT_LE(s.CardsLeft, 52);
    std::array<bool, CardsInDeck + 1> seen {};
    for (Int16 i = 1; i <= CardsInDeck; ++i) {
        const Card card = s.Deck(i);
        ASSERT_TRUE(card.Id >= 1 && card.Id <= CardsInDeck && !seen[static_cast<std::size_t>(card.Id)]) << "Deck(" << i << ") = " << card.Id;
        seen[static_cast<std::size_t>(card.Id)] = true;
        ASSERT_EQ(card.Value, CardValue(card.Id));
    }
    ASSERT_EQ(s.Deck(0), (Card { 0, 0 }));
    if (s.GameOver == 1)
        return;
    // The outlines shown are exactly the selected cards.
    std::set<Int16> selected;
    if (s.SelMode == NumberSelected)
        selected.insert(s.FirstSlot);
    if (s.SelMode == CollectingFaces) {
        for (Int16 i = 1; i <= 4; ++i)
            if (s.FaceSlot(i) != NoSlot)
                selected.insert(s.FaceSlot(i));
        ASSERT_EQ(static_cast<int>(selected.size()), s.FaceCount);
    }
    for (Int16 i = 0; i < SlotCount; ++i)
        ASSERT_EQ(view.outlines[static_cast<std::size_t>(i)], selected.contains(i)) << "slot " << i;
    // Every slot shows the card it holds.
    for (Int16 i = 0; i < SlotCount; ++i) {
        if (s.SlotValue(i) == 0)
            continue;
        const std::string& path = view.pictures[static_cast<std::size_t>(i)];
        const auto name = path.substr(path.find_last_of("/\\") + 1);
        ASSERT_EQ(CardValue(static_cast<Int16>(std::stoi(name))), s.SlotValue(i)) << name;
    }
}

// Random clicks, answered at random, over many whole games: every game ends
// as exactly one win or one loss, and nothing breaks in between.
TEST(RandomPlay, ThousandsOfGamesByRandomClicks)
{
    GameState state;
    RecordingTableView view;
    MemorySettingsStore store;
    SeededRandom shuffle(20261207);
    Game game(state, view, store, shuffle, "/opt/pairfall");
    game.BuildDeck();
    game.Shuffle_Deck();
    state.GameOver = 0;

    std::mt19937 player(4242);
    std::uniform_int_distribution<int> slot(0, 11);
    constexpr int GamesToFinish = 3000;
    int ends = 0;
    int newGames = 0;
    long clicks = 0;
    while (ends < GamesToFinish) {
        // A few dozen answers ready; most games are played again at once.
        while (view.answers.size() < 4)
            view.answers.push_back(player() % 4 == 0 ? Answer::No : Answer::Yes);
        view.boxes.clear();
        view.log.clear();
        if (player() % 500 == 0) {
            game.New_Game(); // now and then the player abandons a game
            ++newGames;
        } else {
            game.Slot_Click(static_cast<Int16>(slot(player)));
            ++clicks;
        }
        for (const auto& box : view.boxes) {
            if (box.title == "You WIN" || box.title == "You LOSE")
                ++ends;
        }
        ExpectConsistent(state, view);
        ASSERT_EQ(state.TotalGames, ends);
        ASSERT_EQ(state.TotalGames, state.TotalWins + state.TotalLosses);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(state.TotalWins, 0);
    EXPECT_GT(state.TotalLosses, 0);
    EXPECT_GT(newGames, 0);
    // The store holds what the counters hold.
    EXPECT_EQ(store.Get("Stats", "TotalGames"), std::to_string(state.TotalGames));
    EXPECT_EQ(store.Get("Stats", "TotalWins"), std::to_string(state.TotalWins));
    RecordProperty("clicks", static_cast<int>(clicks));
}

}
