#include "GameFixture.h"

#include "game/Card.h"
#include "game/Deck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

TEST(CardValue, RunsOfThirteenFromAceToKing)
{
    const std::pair<Int16, Int16> cases[] = {
        { 1, 1 }, { 10, 10 }, { 11, 11 }, { 13, 13 }, { 14, 1 }, { 24, 11 }, { 26, 13 }, { 37, 11 },
        { 40, 1 }, { 50, 11 }, { 52, 13 }, { 0, 0 }, { 53, 0 }, { -1, 0 }, { 69, 0 }, { -32768, 0 }, { 32767, 0 },
    };
    for (const auto& [id, value] : cases)
        EXPECT_EQ(CardValue(id), value) << "id " << id;
}

TEST(Shuffle, SwapPositionCoversOneToFiftyTwo)
{
    EXPECT_EQ(SwapPosition(0.0f), 1);
    // In single precision r * 52 + 1 would round up to 53 here.
    EXPECT_EQ(SwapPosition(std::nextafter(1.0f, 0.0f)), 52);
    EXPECT_EQ(SwapPosition(0.5f), 27);
    EXPECT_EQ(SwapPosition(1.0f / 52.0f), 2);
    EXPECT_EQ(SwapPosition(std::nextafter(1.0f / 52.0f, 0.0f)), 1);
}

void ExpectPermutation(GameState& state)
{
    std::set<Int16> ids;
    for (Int16 i = 1; i <= CardsInDeck; ++i) {
        EXPECT_EQ(state.Deck(i).Value, CardValue(state.Deck(i).Id));
        ids.insert(state.Deck(i).Id);
    }
    EXPECT_EQ(ids.size(), 52u);
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_EQ(*ids.rbegin(), 52);
    EXPECT_EQ(state.Deck(0), (Card { 0, 0 }));
}

TEST(Shuffle, ManyShufflesKeepAPermutationAndLeaveDeckZeroAlone)
{
    GameState state;
    BuildDeck(state);
    for (Int16 i = 1; i <= CardsInDeck; ++i)
        ASSERT_EQ(state.Deck(i), (Card { i, CardValue(i) }));
    SeededRandom random(12345);
    for (int shuffle = 0; shuffle < 500; ++shuffle)
        Shuffle_Deck(state, random);
    ExpectPermutation(state);

    // The extremes of r, where an off-by-one would reach Deck(0) or Deck(53).
    ScriptedRandom extremes(std::vector<float>(364, std::nextafter(1.0f, 0.0f)));
    Shuffle_Deck(state, extremes);
    ExpectPermutation(state);
    ScriptedRandom zeros(std::vector<float>(364, 0.0f));
    Shuffle_Deck(state, zeros);
    ExpectPermutation(state);
}

TEST(Shuffle, SevenPassesOfFiftyTwoSwapsWithAFreshSeed)
{
    GameState state;
    BuildDeck(state);
    // Every draw r = 0 swaps Deck(i) with Deck(1) in turn.
    std::vector<float> values(364, 0.0f);
    ScriptedRandom random(values);
    Shuffle_Deck(state, random);
    EXPECT_EQ(random.reseeds, 1);
    // The same swaps on a plain array, seven passes of 52.
    std::array<int, 53> model {};
    for (int i = 1; i <= 52; ++i)
        model[i] = i;
    for (int pass = 0; pass < 7; ++pass)
        for (int i = 1; i <= 52; ++i)
            std::swap(model[i], model[1]);
    for (Int16 i = 1; i <= CardsInDeck; ++i)
        EXPECT_EQ(state.Deck(i).Id, model[i]) << i;

    Shuffle_Deck(state, random);
    EXPECT_EQ(random.reseeds, 2);
}

TEST(Shuffle, ResetsTheDealAndSelectionButNotFaceCount)
{
    GameState state;
    BuildDeck(state);
    state.CardsLeft = 7;
    state.SelMode = 2;
    state.FirstSlot = 3;
    state.FaceCount = 3;
    state.FaceRank = 12;
    state.SlotsFilled = 9;
    state.GameOver = 1;
    state.SlotValue(4) = 8;
    state.TotalGames = 5;
    for (Int16 i = 0; i <= 4; ++i)
        state.FaceSlot(i) = 7;
    SeededRandom random(1);
    Shuffle_Deck(state, random);
    EXPECT_EQ(state.CardsLeft, 52);
    EXPECT_EQ(state.SelMode, 0);
    EXPECT_EQ(state.FirstSlot, -1);
    EXPECT_EQ(state.FaceRank, -1);
    EXPECT_EQ(state.SlotsFilled, 0);
    for (Int16 i = 1; i <= 4; ++i)
        EXPECT_EQ(state.FaceSlot(i), -1);
    // Left alone:
    EXPECT_EQ(state.FaceCount, 3);
    EXPECT_EQ(state.FaceSlot(0), 7);
    EXPECT_EQ(state.GameOver, 1);
    EXPECT_EQ(state.SlotValue(4), 8);
    EXPECT_EQ(state.TotalGames, 5);
}

TEST(BoundedArray, IndexOutsideTheBoundsIsARunTimeError)
{
    GameState state;
    EXPECT_THROW(state.Deck(53), RuntimeError);
    EXPECT_THROW(state.Deck(-1), RuntimeError);
    EXPECT_THROW(state.SlotValue(12), RuntimeError);
    EXPECT_THROW(state.FaceSlot(5), RuntimeError);
    EXPECT_NO_THROW(state.Deck(0));
    EXPECT_NO_THROW(state.SlotValue(11));
}

}
