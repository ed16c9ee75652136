#include "GameFixture.h"
#include "game/Deck.h"
#include "game/PicturePath.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <set>

namespace pairfall::testing {

namespace fs = std::filesystem;
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

TEST(Card, TheValueIsTheRankWithinTheSuitAndZeroForNoCard)
{
    EXPECT_EQ(CardValue(1), Ace);
    EXPECT_EQ(CardValue(13), King);
    EXPECT_EQ(CardValue(14), Ace);
    EXPECT_EQ(CardValue(52), King);
    EXPECT_EQ(CardValue(53), 0);
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
    EXPECT_EQ(random.next, random.values.size());
    EXPECT_EQ(random.reseeds, reseedsBefore + 1);
}

TEST_F(Shuffle, StartsTheDealAndTheSelectionAfresh)
{
    state.CardsLeft = 7;
    state.SlotsFilled = 9;
    state.SelMode = SelectionMode::CollectingFaces;
    state.FirstSlot = 3;
    state.FaceRank = Queen;
    state.FaceSlot(4) = 7;
    game.Shuffle_Deck();
    EXPECT_EQ(state.CardsLeft, 52);
    EXPECT_EQ(state.SlotsFilled, 0);
    EXPECT_EQ(state.SelMode, SelectionMode::NothingSelected);
    EXPECT_EQ(state.FirstSlot, NoSlot);
    EXPECT_EQ(state.FaceRank, NoRank);
    EXPECT_EQ(state.FaceSlot(4), NoSlot);
}

TEST_F(Shuffle, LeavesTheFaceCountTheGameOverFlagTheTableAndTheStatistics)
{
    state.FaceCount = 3;
    state.FaceSlot(0) = 7;
    state.GameOver = GameOverFlag::Yes;
    state.SlotValue(4) = 8;
    state.TotalGames = 5;
    game.Shuffle_Deck();
    EXPECT_EQ(state.FaceCount, 3);
    EXPECT_EQ(state.FaceSlot(0), 7);
    EXPECT_EQ(state.GameOver, GameOverFlag::Yes);
    EXPECT_EQ(state.SlotValue(4), 8);
    EXPECT_EQ(state.TotalGames, 5);
}

using Draw = GameFixture;

TEST_F(Draw, NamesTheTopCardsPictureAndShowsHowManyAreLeft)
{
    const Int16 top = state.Deck(52).Id;
    EXPECT_EQ(fs::path(game.Draw()), fs::path("/opt/pairfall/pictures") / (std::to_string(top) + ".bmp"));
    EXPECT_EQ(state.CardsLeft, 51);
    EXPECT_EQ(view.status, "There are 51 cards left");
}

TEST_F(Draw, FiftyTwoDrawsNameEachPictureOnceThenTheDeckIsUsedUp)
{
    std::set<std::string> expected;
    for (int id = 1; id <= CardsInDeck; ++id)
        expected.insert(std::to_string(id) + ".bmp");
    std::set<std::string> drawn;
    for (int i = 0; i < CardsInDeck; ++i)
        drawn.insert(fs::path(game.Draw()).filename().string());
    EXPECT_EQ(drawn, expected);
    ExpectError([&] { game.Draw(); }, Kind::SubscriptOutOfRange);
}

using NewGame = GameFixture;

TEST_F(NewGame, ShufflesTheDeckAsTheLastGameLeftItWithoutRebuildingIt)
{
    game.BuildDeck();
    const Ids built = IdsOf(state);
    const std::vector<float> draws = KnownDraws();
    random.values = draws;
    random.values.insert(random.values.end(), draws.begin(), draws.end());
    game.New_Game();
    game.New_Game();
    EXPECT_EQ(IdsOf(state), ShuffledByKnownDraws(ShuffledByKnownDraws(built)));
}

TEST_F(NewGame, ClearsTheTableAndTheSelectionAndSaysReady)
{
    LayTable({ 3, 13 }, 50);
    Click({ 1 }); // the King selected
    state.GameOver = GameOverFlag::Yes;
    game.New_Game();
    EXPECT_EQ(std::ranges::count(view.pictures, game.EmptySlotPicturePath()), SlotCount);
    EXPECT_EQ(state.SlotValue(1), 0);
    EXPECT_EQ(view.OutlinesShown(), 0);
    EXPECT_EQ(state.SelMode, SelectionMode::NothingSelected);
    EXPECT_EQ(view.status, "Ready");
    EXPECT_EQ(state.GameOver, GameOverFlag::No);
}

TEST_F(NewGame, LeavesTheStatisticsAlone)
{
    SetCounters(8, 3, 5, 20);
    game.New_Game();
    EXPECT_EQ(Counters(), "8 games, 3 won, 5 lost, average 20");
    EXPECT_TRUE(log.Starting("write ").empty());
}

TEST(PicturePath, JoinsTheFolderPicturesAndTheFileNameWithOneSeparatorEach)
{
    const std::string sep(1, fs::path::preferred_separator);
    EXPECT_EQ(PicturePath("/home/j\xc3\xb6rg", 7), "/home/j\xc3\xb6rg" + sep + "pictures" + sep + "7.bmp");
    EXPECT_EQ(PicturePath("/opt/pairfall/", 52), "/opt/pairfall" + sep + "pictures" + sep + "52.bmp");
    EXPECT_EQ(PicturePath(sep, 69), sep + "pictures" + sep + "69.bmp"); // a drive's root
}

}
