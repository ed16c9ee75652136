#include "GameFixture.h"
#include "game/Deck.h"

#include <array>
#include <cmath>

namespace pairfall::testing {

using Ids = std::array<Int16, CardsInDeck + 1>;

// Draw k of a shuffle swaps Deck(k mod 52 + 1) with the position this gives.
int KnownPartner(int k) { return (k * 11 + 5) % CardsInDeck + 1; }

// The draws of one shuffle, each in the middle of its position's interval.
std::vector<float> KnownDraws()
{
    std::vector<float> draws;
    for (int k = 0; k < ShufflePasses * CardsInDeck; ++k)
        draws.push_back((static_cast<float>(KnownPartner(k)) - 0.5f) / CardsInDeck);
    return draws;
}

// The same swaps on a plain array of ids.
Ids ShuffledByKnownDraws(Ids ids)
{
    for (int k = 0; k < ShufflePasses * CardsInDeck; ++k)
        std::swap(ids[k % CardsInDeck + 1], ids[KnownPartner(k)]);
    return ids;
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

TEST_F(Shuffle, IsSevenPassesOfFiftyTwoSwapsAfterOneReseed)
{
    random.values = KnownDraws();
    const int reseedsBefore = random.reseeds;
    const Ids expected = ShuffledByKnownDraws(IdsOf(state));
    game.Shuffle_Deck();
    EXPECT_EQ(IdsOf(state), expected);
    EXPECT_EQ(random.reseeds, reseedsBefore + 1);
}

using NewGame = GameFixture;

TEST_F(NewGame, ShufflesTheDeckAsTheLastGameLeftItWithoutRebuildingIt)
{
    const Ids before = IdsOf(state);
    const std::vector<float> draws = KnownDraws();
    random.values = draws;
    random.values.insert(random.values.end(), draws.begin(), draws.end());
    game.New_Game();
    game.New_Game();
    EXPECT_EQ(IdsOf(state), ShuffledByKnownDraws(ShuffledByKnownDraws(before)));
}

}
