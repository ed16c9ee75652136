#include "GameFixture.h"

#include <random>
#include <set>

namespace pairfall::testing {

// Values dealt onto slots 0, 1, ..., the clicks, then the rule message (if any), SelMode, outlines and cards dealt by the clicks.
struct SelectionCase {
    const char* name;
    std::vector<Int16> deal, clicks;
    const char* message;
    Int16 selMode;
    long outlines;
    int dealt;
};

class Selection : public GameFixture, public ::testing::WithParamInterface<SelectionCase> { };

TEST_P(Selection, FollowsTheRules)
{
    const SelectionCase& c = GetParam();
    StackDeck(c.deal);
    for (std::size_t slot = 0; slot < c.deal.size(); ++slot)
        Click({ static_cast<Int16>(slot) });
    const Int16 left = state.CardsLeft;
    for (Int16 slot : c.clicks)
        Click({ slot });
    EXPECT_EQ(view.boxes, c.message ? Strings { "Pairfall|" + std::string(c.message) + "|OK" } : Strings {});
    EXPECT_EQ(std::tuple(static_cast<int>(state.SelMode), view.OutlinesShown(), left - state.CardsLeft), std::tuple(c.selMode, c.outlines, c.dealt));
    EXPECT_TRUE(state.SelMode == SelectionMode::NumberSelected || state.FirstSlot == NoSlot);
}

INSTANTIATE_TEST_SUITE_P(SlotClick, Selection, ::testing::Values(SelectionCase { "deal_onto_empty", {}, { 0 }, nullptr, 0, 0, 1 }, SelectionCase { "ten_covered", { 10 }, { 0 }, nullptr, 0, 0, 1 }, SelectionCase { "select_number", { 3 }, { 0 }, nullptr, 1, 1, 0 }, SelectionCase { "deselect_number", { 3 }, { 0, 0 }, nullptr, 0, 0, 0 }, SelectionCase { "pair_covers_both", { 3, 7 }, { 0, 1 }, nullptr, 0, 0, 2 }, SelectionCase { "two_fives", { 5, 5 }, { 1, 0 }, nullptr, 0, 0, 2 }, SelectionCase { "four_and_five", { 4, 5 }, { 0, 1 }, "Cards do NOT total 10", 0, 0, 0 }, SelectionCase { "number_then_empty", { 4 }, { 0, 6 }, "Cards do NOT total 10", 0, 0, 0 }, SelectionCase { "number_then_ten", { 4, 10 }, { 0, 1 }, "Cards do NOT total 10", 0, 0, 0 }, SelectionCase { "number_then_face", { 9, 13 }, { 0, 1 }, "Cards do NOT total 10", 0, 0, 0 }, SelectionCase { "face_starts_collection", { 13 }, { 0 }, nullptr, 2, 1, 0 }, SelectionCase { "face_deselected", { 13 }, { 0, 0 }, nullptr, 0, 0, 0 }, SelectionCase { "three_kings_then_queen", { 13, 13, 13, 12 }, { 0, 1, 2, 3 }, "You must select all four facecards.", 0, 0, 0 }, SelectionCase { "face_then_empty", { 11 }, { 0, 9 }, "You must select all four facecards.", 0, 0, 0 }, SelectionCase { "face_then_ten", { 11, 10 }, { 0, 1 }, "You must select all four facecards.", 0, 0, 0 }, SelectionCase { "jack_off_then_queen", { 11, 11, 12 }, { 0, 1, 1, 2 }, "You must select all four facecards.", 0, 0, 0 }, SelectionCase { "four_kings_covered", { 13, 13, 13, 13 }, { 0, 1, 2, 3 }, nullptr, 0, 0, 4 }),
    [](const auto& info) { return std::string(info.param.name); });

using SlotClick = GameFixture;

TEST_F(SlotClick, APairIsCoveredSelectedCardFirst)
{
    StackDeck({ 3, 7 });
    Click({ 4, 9 }); // 3 on slot 4, 7 on slot 9
    const Card next = state.Deck(50), after = state.Deck(49);
    view.log.Clear();
    Click({ 9, 4 }); // select the 7, then the 3
    EXPECT_EQ(view.log.events, (Strings { "show 9", "status There are 49 cards left", "picture 9 " + game.CardPicturePath(next.Id), "hide 9", "status There are 48 cards left", "picture 4 " + game.CardPicturePath(after.Id), "hide 4" }));
    EXPECT_EQ(std::tuple(state.SlotValue(9), state.SlotValue(4)), std::tuple(next.Value, after.Value));
}

TEST_F(SlotClick, AFreedFaceEntryIsReusedLowestFirstAndCoveringFollowsTheEntries)
{
    StackDeck({ 13, 13, 13, 13 });
    Click({ 0, 1, 2, 3 });
    Click({ 0, 1, 2, 1 }); // Kings in slots 0, 1, 2 take entries 1, 2, 3; the second is taken off
    EXPECT_EQ(std::tuple(state.FaceCount, state.FaceSlot(2)), std::tuple(2, NoSlot));
    Click({ 3 }); // entry 2
    view.log.Clear();
    Click({ 1 }); // entry 4, and the four are covered in entry order
    EXPECT_EQ(DealtSlots(), (std::vector<Int16> { 0, 3, 2, 1 }));
    EXPECT_EQ(std::tuple(state.FaceSlot(1), state.FaceSlot(2), state.FaceSlot(3), state.FaceSlot(4)), std::tuple(-1, -1, -1, -1));
}

TEST_F(SlotClick, WhileTheGameIsOverEveryClickOnlyAsks)
{
    state.GameOver = GameOverFlag::Yes;
    Click({ 0, 7 }); // No, twice
    EXPECT_EQ(view.boxes, Strings(2, "Pairfall|Would you like to play again?|YesNo"));
    EXPECT_EQ(std::tuple(state.CardsLeft, state.SlotValue(0), static_cast<int>(state.GameOver)), std::tuple(52, 0, 1));
    view.answer = Answer::Yes;
    Click({ 0 }); // a new game, nothing dealt yet
    EXPECT_EQ(std::tuple(static_cast<int>(state.GameOver), view.status, state.SlotValue(0)), std::tuple(0, "Ready", 0));
    Click({ 0 });
    EXPECT_EQ(std::tuple(state.CardsLeft, view.boxes.size()), std::tuple(51, 3u));
}

TEST_F(SlotClick, AFullTableRunsTheNoPlayTestAfterEveryClick)
{
    LayTable({ 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 4, 6 }, 30);
    Click({ 9, 9 }); // the 4 and 6 are still a play
    EXPECT_TRUE(view.boxes.empty());
    LayTable(DeadTable, 30);
    Click({ 9 }); // a selecting click ends the game
    EXPECT_EQ(std::tuple(view.boxes, static_cast<int>(state.GameOver)), std::tuple(Strings { "You LOSE|You lose, would you like to play again?|YesNo" }, 1));
}

TEST_F(SlotClick, AnIndexOutsideItsBoundsIsAnErrorNotAMove)
{
    for (Int16 slot : { -1, 12 })
        ExpectError([&] { Click({ slot }); }, Kind::SubscriptOutOfRange);
    EXPECT_EQ(state.CardsLeft, 52);
    EXPECT_THROW(state.Deck(53), RuntimeError);
    EXPECT_THROW(state.Deck(-1), RuntimeError);
    EXPECT_THROW(state.FaceSlot(5), RuntimeError);
    EXPECT_NO_THROW(state.FaceSlot(0) = state.Deck(0).Value);
}

// Random clicks and answers over thousands of games.  After every click each game ended is counted once, the deck is
// a permutation, SlotsFilled counts the cards, each slot shows its card and, while the game runs, the outlines are the selection.
TEST_F(SlotClick, ThousandsOfGamesByRandomClicks)
{
    SeededRandom shuffle(20261207);
    Game play(state, view, store, shuffle, "/opt/pairfall");
    std::mt19937 player(4242);
    for (int ends = 0, step = 0; ends < 3000; ++step) {
        view.answer = player() % 4 == 0 ? Answer::No : Answer::Yes;
        view.boxes.clear(), view.log.Clear();
        player() % 500 == 0 ? play.New_Game() : play.Slot_Click(static_cast<Int16>(player() % 12)); // now and then a game is abandoned
        ends += static_cast<int>(std::ranges::count_if(view.boxes, [](const std::string& b) { return b.starts_with("You "); }));
        ASSERT_TRUE(state.TotalGames == ends && ends == state.TotalWins + state.TotalLosses && IsShuffledDeck(state)) << "step " << step;
        std::set<Int16> selected { state.SelMode == SelectionMode::NumberSelected ? state.FirstSlot : NoSlot };
        for (Int16 i = 1; state.SelMode == SelectionMode::CollectingFaces && i <= 4; ++i)
            selected.insert(state.FaceSlot(i));
        selected.erase(NoSlot);
        ASSERT_TRUE(state.SelMode != SelectionMode::CollectingFaces || static_cast<Int16>(selected.size()) == state.FaceCount) << "step " << step;
        Int16 filled = 0;
        for (Int16 i = 0; i < SlotCount; ++i) {
            const std::string& picture = view.pictures[i];
            const Int16 shown = picture.empty() ? 0 : static_cast<Int16>(std::stoi(picture.substr(picture.find_last_of("/\\") + 1)));
            ASSERT_EQ(state.SlotValue(i), CardValue(shown)) << "step " << step << ", slot " << i;
            ASSERT_TRUE(state.GameOver == GameOverFlag::Yes || view.outlines[i] == selected.contains(i)) << "step " << step << ", outline " << i;
            filled += state.SlotValue(i) != 0 ? 1 : 0;
        }
        ASSERT_EQ(state.SlotsFilled, filled) << "step " << step;
    }
    EXPECT_TRUE(state.TotalWins > 0 && state.TotalLosses > 0);
    EXPECT_EQ(store.Get("Stats", "TotalGames"), std::to_string(state.TotalGames));
}

}
