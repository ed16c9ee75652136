#include "GameFixture.h"
#include "game/Deck.h"
#include "game/PicturePath.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <set>

namespace pairfall::testing {

TEST(Deck, CardValuesAndSwapPositions)
{
    const std::pair<Int16, Int16> values[] = { { 1, 1 }, { 10, 10 }, { 13, 13 }, { 14, 1 }, { 40, 1 }, { 52, 13 }, { 0, 0 }, { 53, 0 }, { -1, 0 } };
    for (const auto& [id, value] : values)
        EXPECT_EQ(CardValue(id), value) << "id " << id;
    EXPECT_EQ(SwapPosition(0.0f), 1);
    EXPECT_EQ(SwapPosition(std::nextafter(1.0f, 0.0f)), 52); // 53 if r * 52 + 1 were taken in single precision
}

TEST(Deck, AShuffleIsSevenPassesOfFiftyTwoSwapsWithAFreshSeedThenResetsTheDeal)
{
    GameState state;
    BuildDeck(state);
    std::tie(state.CardsLeft, state.FirstSlot, state.SlotsFilled, state.FaceCount, state.FaceRank, state.TotalGames) = std::tuple(7, 3, 9, 3, 12, 5);
    state.SelMode = SelectionMode::CollectingFaces;
    state.GameOver = GameOverFlag::Yes;
    state.SlotValue(4) = 8;
    for (Int16 i = 0; i <= 4; ++i)
        state.FaceSlot(i) = 7;
    ScriptedRandom random;
    std::array<int, 53> model {}; // the same swaps on a plain array
    std::iota(model.begin(), model.end(), 0);
    for (int k = 0; k < 364; ++k) {
        random.values.push_back(static_cast<float>((k * 11 + 5) % 52 + 0.5) / 52.0f);
        std::swap(model[k % 52 + 1], model[(k * 11 + 5) % 52 + 1]);
    }
    Shuffle_Deck(state, random);
    for (Int16 i = 1; i <= CardsInDeck; ++i)
        EXPECT_EQ(state.Deck(i).Id, model[i]) << i;
    EXPECT_EQ(std::tuple(random.next, random.reseeds), std::tuple(364u, 1));
    EXPECT_EQ(std::tuple(state.CardsLeft, static_cast<int>(state.SelMode), state.FirstSlot, state.FaceRank, state.SlotsFilled), std::tuple(52, 0, -1, -1, 0));
    EXPECT_EQ(std::tuple(state.FaceSlot(1), state.FaceSlot(2), state.FaceSlot(3), state.FaceSlot(4)), std::tuple(-1, -1, -1, -1));
    // Left alone: FaceCount, FaceSlot(0), GameOver, the table and the statistics.
    EXPECT_EQ(std::tuple(state.FaceCount, state.FaceSlot(0), static_cast<int>(state.GameOver), state.SlotValue(4), state.TotalGames), std::tuple(3, 7, 1, 8, 5));
    random.values.assign(364, std::nextafter(1.0f, 0.0f)), random.next = 0; // the highest r there is
    Shuffle_Deck(state, random);
    EXPECT_EQ(std::tuple(random.reseeds, IsShuffledDeck(state)), std::tuple(2, true));
}

namespace fs = std::filesystem;
using Draw = GameFixture;

TEST_F(Draw, FiftyTwoDrawsNameEveryPictureOnceThenTheDeckIsUsedUp)
{
    const Int16 top = state.Deck(52).Id;
    EXPECT_EQ(fs::path(game.Draw()), fs::path("/opt/pairfall/pictures") / (std::to_string(top) + ".bmp"));
    EXPECT_EQ(std::tuple(state.CardsLeft, view.status), std::tuple(51, "There are 51 cards left"));
    std::set<std::string> names { std::to_string(top) + ".bmp" }, all;
    for (int id = 1; id <= 52; ++id)
        all.insert(std::to_string(id) + ".bmp");
    for (int i = 1; i < 52; ++i)
        names.insert(fs::path(game.Draw()).filename().string());
    EXPECT_EQ(std::tuple(names, state.CardsLeft, view.status), std::tuple(all, 0, "There are 0 cards left"));
    ExpectError([&] { game.Draw(); }, Kind::SubscriptOutOfRange);
    EXPECT_EQ(state.CardsLeft, 0);
}

TEST(PicturePath, JoinsWithOneSeparator)
{
    const std::string sep(1, fs::path::preferred_separator);
    EXPECT_EQ(PicturePath("/opt/pairfall", 7), "/opt/pairfall" + sep + "pictures" + sep + "7.bmp");
    EXPECT_EQ(PicturePath("/opt/pairfall/", 52), "/opt/pairfall" + sep + "pictures" + sep + "52.bmp");
    EXPECT_EQ(PicturePath(sep, 69), sep + "pictures" + sep + "69.bmp"); // a drive's root
    EXPECT_EQ(PicturePath("/home/j\xc3\xb6rg", 1), "/home/j\xc3\xb6rg" + sep + "pictures" + sep + "1.bmp");
}

}
