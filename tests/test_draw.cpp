#include "GameFixture.h"

#include "game/PicturePath.h"

#include <filesystem>
#include <set>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

namespace fs = std::filesystem;

using Draw = GameFixture;

TEST_F(Draw, TakesTheTopCardAndShowsTheCount)
{
    const Int16 top = state.Deck(52).Id;
    const std::string path = game.Draw();
    EXPECT_EQ(fs::path(path), fs::path(ProgramFolder) / "pictures" / (std::to_string(top) + ".bmp"));
    EXPECT_EQ(state.CardsLeft, 51);
    EXPECT_EQ(view.status, "There are 51 cards left");
}

TEST_F(Draw, FiftyTwoDrawsNameEveryPictureOnceAndEndAtZero)
{
    std::set<std::string> names;
    for (int i = 0; i < 52; ++i)
        names.insert(fs::path(game.Draw()).filename().string());
    EXPECT_EQ(names.size(), 52u);
    EXPECT_TRUE(names.contains("7.bmp"));
    EXPECT_TRUE(names.contains("52.bmp"));
    EXPECT_FALSE(names.contains("07.bmp"));
    EXPECT_EQ(state.CardsLeft, 0);
    // No singular form.
    EXPECT_EQ(view.status, "There are 0 cards left");
    // The deck is used up: one more would deal the never-dealt Deck(0).
    EXPECT_THROW(game.Draw(), RuntimeError);
    EXPECT_EQ(state.CardsLeft, 0);
}

TEST_F(Draw, OneCardLeftStillSaysCards)
{
    state.CardsLeft = 2;
    game.Draw();
    EXPECT_EQ(view.status, "There are 1 cards left");
}

TEST(PicturePath, JoinsWithOneSeparator)
{
    const std::string sep(1, fs::path::preferred_separator);
    EXPECT_EQ(PicturePath("/opt/pairfall", 7), "/opt/pairfall" + sep + "pictures" + sep + "7.bmp");
    EXPECT_EQ(PicturePath("/opt/pairfall/", 52), "/opt/pairfall" + sep + "pictures" + sep + "52.bmp");
    // A drive's root already ends in a separator.
    EXPECT_EQ(PicturePath(sep, 69), sep + "pictures" + sep + "69.bmp");
    // A folder name beyond ASCII comes back as it went in.
    EXPECT_EQ(PicturePath("/home/j\xc3\xb6rg", 1), "/home/j\xc3\xb6rg" + sep + "pictures" + sep + "1.bmp");
}

}
