#include "GameFixture.h"
#include "game/Deck.h"

#include <array>
#include <cmath>

namespace pairfall::testing {

using Ids = std::array<Int16, CardsInDeck + 1>;

// A draw for each of the seven passes' 52 swaps, each naming the position
// it swaps, so a swap changes nothing, but for the very last, which names the
// first position: the shuffle then trades only the first and the last card.
void ScriptTradeOfFirstAndLast(ScriptedRandom& random)
{
    for (int k = 0; k < 7 * CardsInDeck; ++k)
        random.values.push_back((static_cast<float>(k % CardsInDeck) + 0.5f) / CardsInDeck);
    random.values.back() = 0.5f / CardsInDeck;
}

Ids IdsOf(const GameState& state)
{
    Ids ids {};
    for (Int16 i = 1; i <= CardsInDeck; ++i)
        ids[i] = state.Deck(i).Id;
    return ids;
}

TEST(Deck, EveryDrawSwapsWithAPositionInsideTheDeck)
{
    EXPECT_EQ(SwapPosition(0.0f), 1);
    EXPECT_EQ(SwapPosition(std::nextafter(1.0f, 0.0f)), 52);
}

using Shuffle = GameFixture;

TEST_F(Shuffle, IsSevenPassesOfFiftyTwoSwapsEachWithThePositionItsDrawNamesAfterOneReseed)
{
    ScriptTradeOfFirstAndLast(random);
    Ids expected = IdsOf(state);
    std::swap(expected[1], expected[52]);
    const int reseedsBefore = random.reseeds;
    game.Shuffle_Deck();
    EXPECT_EQ(IdsOf(state), expected);
    EXPECT_EQ(random.reseeds, reseedsBefore + 1);
}

using NewGame = GameFixture;

// Rebuilt first, the deck would come out in the built order with two cards traded.
TEST_F(NewGame, ShufflesTheDeckAsTheLastGameLeftItWithoutRebuildingIt)
{
    ScriptTradeOfFirstAndLast(random);
    Ids expected = IdsOf(state);
    std::swap(expected[1], expected[52]);
    game.New_Game();
    EXPECT_EQ(IdsOf(state), expected);
}

}
