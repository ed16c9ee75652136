#include "GameFixture.h"

#include <filesystem>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

namespace fs = std::filesystem;

using SlotClick = GameFixture;

std::string FileOf(const std::string& path) { return fs::path(path).filename().string(); }

TEST_F(SlotClick, FirstClickDealsTheTopCardOntoTheSlot)
{
    const Card top = state.Deck(52);
    Click(5);
    EXPECT_EQ(state.SlotValue(5), top.Value);
    EXPECT_EQ(FileOf(view.pictures[5]), std::to_string(top.Id) + ".bmp");
    EXPECT_EQ(state.SlotsFilled, 1);
    EXPECT_EQ(state.CardsLeft, 51);
    // The count is on the status line before the picture appears.
    ASSERT_GE(view.log.size(), 2u);
    EXPECT_EQ(view.log[view.log.size() - 2], "status There are 51 cards left");
    EXPECT_EQ(view.log.back().rfind("picture 5 ", 0), 0u);
}

TEST_F(SlotClick, ClickingATenCoversItAndKeepsTheCount)
{
    StackDeck({ 10, 4 });
    Click(0);
    ASSERT_EQ(state.SlotValue(0), 10);
    Click(0);
    EXPECT_EQ(state.SlotValue(0), 4);
    EXPECT_EQ(state.SlotsFilled, 1);
    EXPECT_EQ(state.CardsLeft, 50);
}

struct SelectionCase {
    const char* name;
    std::vector<Int16> deal;   // values dealt onto slots 0, 1, ... first
    std::vector<Int16> clicks; // then these clicks
    const char* message;       // the rule message expected, or nullptr
    Int16 selModeAfter;
    int outlinesAfter;
    int dealtByClicks;
};

void PrintTo(const SelectionCase& c, std::ostream* out) { *out << c.name; }

class Selection : public GameFixture, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(Selection, FollowsTheRules)
{
    const SelectionCase& c = GetParam();
    StackDeck(c.deal);
    for (std::size_t slot = 0; slot < c.deal.size(); ++slot)
        Click(static_cast<Int16>(slot));
    const Int16 dealtLeft = state.CardsLeft;
    for (Int16 slot : c.clicks)
        Click(slot);
    if (c.message) {
        ASSERT_EQ(view.boxes.size(), 1u);
        EXPECT_EQ(view.boxes[0].prompt, c.message);
        EXPECT_EQ(view.boxes[0].title, "Pairfall");
        EXPECT_EQ(view.boxes[0].buttons, Buttons::OK);
        EXPECT_EQ(view.boxes[0].icon, Icon::None);
    } else {
        EXPECT_TRUE(view.boxes.empty());
    }
    EXPECT_EQ(state.SelMode, c.selModeAfter);
    EXPECT_EQ(view.OutlinesShown(), c.outlinesAfter);
    EXPECT_EQ(dealtLeft - state.CardsLeft, c.dealtByClicks);
    if (state.SelMode != NumberSelected) {
        EXPECT_EQ(state.FirstSlot, -1);
    }
}

INSTANTIATE_TEST_SUITE_P(SlotClick, Selection, ::testing::Values(
    // name, dealt onto slots 0.., clicks, message, SelMode after, outlines shown after, cards dealt by the clicks
    SelectionCase { "select number", { 3 }, { 0 }, nullptr, 1, 1, 0 },
    SelectionCase { "deselect number", { 3 }, { 0, 0 }, nullptr, 0, 0, 0 },
    SelectionCase { "pair covers both", { 3, 7 }, { 0, 1 }, nullptr, 0, 0, 2 },
    SelectionCase { "two fives", { 5, 5 }, { 1, 0 }, nullptr, 0, 0, 2 },
    SelectionCase { "4 and 5 do not total 10", { 4, 5 }, { 0, 1 }, "Cards do NOT total 10", 0, 0, 0 },
    SelectionCase { "number then empty slot", { 4 }, { 0, 6 }, "Cards do NOT total 10", 0, 0, 0 },
    SelectionCase { "number then a ten", { 4, 10 }, { 0, 1 }, "Cards do NOT total 10", 0, 0, 0 },
    SelectionCase { "number then a face", { 9, 13 }, { 0, 1 }, "Cards do NOT total 10", 0, 0, 0 },
    SelectionCase { "face starts a collection", { 13 }, { 0 }, nullptr, 2, 1, 0 },
    SelectionCase { "face deselected ends it", { 13 }, { 0, 0 }, nullptr, 0, 0, 0 },
    SelectionCase { "second of the rank added", { 13, 13 }, { 0, 1 }, nullptr, 2, 2, 0 },
    SelectionCase { "three Kings then a Queen", { 13, 13, 13, 12 }, { 0, 1, 2, 3 }, "You must select all four facecards.", 0, 0, 0 },
    SelectionCase { "face then number", { 11, 5 }, { 0, 1 }, "You must select all four facecards.", 0, 0, 0 },
    SelectionCase { "face then empty slot", { 11 }, { 0, 9 }, "You must select all four facecards.", 0, 0, 0 },
    SelectionCase { "face then a ten", { 11, 10 }, { 0, 1 }, "You must select all four facecards.", 0, 0, 0 },
    SelectionCase { "two Jacks, one off, then a Queen", { 11, 11, 12 }, { 0, 1, 1, 2 }, "You must select all four facecards.", 0, 0, 0 },
    SelectionCase { "four Kings covered", { 13, 13, 13, 13 }, { 0, 1, 2, 3 }, nullptr, 0, 0, 4 }),
    CaseName<SelectionCase>);

TEST_F(SlotClick, APairIsCoveredSelectedCardFirst)
{
    StackDeck({ 3, 7, 8, 9 });
    Clicks({ 4, 9 }); // 3 on slot 4, 7 on slot 9
    const Card next = state.Deck(state.CardsLeft);
    const Card after = state.Deck(state.CardsLeft - 1);
    view.log.clear();
    Clicks({ 9, 4 }); // select the 7, then the 3
    EXPECT_EQ(state.SlotValue(9), next.Value);
    EXPECT_EQ(state.SlotValue(4), after.Value);
    EXPECT_EQ(view.log, (std::vector<std::string> {
        "show 9",
        "status There are 49 cards left", "picture 9 " + game.CardPicturePath(next.Id), "hide 9",
        "status There are 48 cards left", "picture 4 " + game.CardPicturePath(after.Id), "hide 4" }));
    EXPECT_EQ(state.SelMode, 0);
    EXPECT_EQ(state.FirstSlot, -1);
}

TEST_F(SlotClick, FreedFaceEntryIsReusedLowestFirstAndCoveringFollowsEntries)
{
    StackDeck({ 13, 13, 13, 13, 1, 2, 3, 4 });
    Clicks({ 0, 1, 2, 3 });
    Clicks({ 0, 1, 2 }); // Kings in slots 0, 1, 2 -> entries 1, 2, 3
    Click(1);            // the second one off: entry 2 freed
    EXPECT_EQ(state.FaceCount, 2);
    EXPECT_EQ(state.FaceSlot(2), -1);
    EXPECT_FALSE(view.outlines[1]);
    Click(3);            // the fourth King takes entry 2
    EXPECT_EQ(state.FaceSlot(2), 3);
    view.log.clear();
    Click(1);            // completes the four: entry 4, then cover in entry order 0, 3, 2, 1
    std::vector<Int16> coveredOrder;
    for (const std::string& line : view.log)
        if (line.rfind("picture ", 0) == 0)
            coveredOrder.push_back(static_cast<Int16>(std::stoi(line.substr(8))));
    EXPECT_EQ(coveredOrder, (std::vector<Int16> { 0, 3, 2, 1 }));
    EXPECT_EQ(state.SlotValue(0), 1);
    EXPECT_EQ(state.SlotValue(3), 2);
    EXPECT_EQ(state.SlotValue(2), 3);
    EXPECT_EQ(state.SlotValue(1), 4);
    EXPECT_EQ(view.OutlinesShown(), 0);
    EXPECT_EQ(state.SelMode, 0);
    for (Int16 i = 1; i <= 4; ++i)
        EXPECT_EQ(state.FaceSlot(i), -1);
    EXPECT_TRUE(view.boxes.empty());
}

TEST_F(SlotClick, ThreeKingsReleasedByAQueenLeaveNoEntry)
{
    StackDeck({ 13, 13, 13, 12 });
    Clicks({ 0, 1, 2, 3 });
    Clicks({ 0, 1, 2, 3 });
    EXPECT_EQ(view.OutlinesShown(), 0);
    for (Int16 i = 1; i <= 4; ++i)
        EXPECT_EQ(state.FaceSlot(i), -1);
    // FaceCount and FaceRank are left as they were.
    EXPECT_EQ(state.FaceCount, 3);
    EXPECT_EQ(state.FaceRank, 13);
    // The next face card starts afresh.
    Click(3);
    EXPECT_EQ(state.FaceCount, 1);
    EXPECT_EQ(state.FaceRank, 12);
    EXPECT_EQ(state.FaceSlot(1), 3);
}

TEST_F(SlotClick, WhileTheGameIsOverEveryClickOnlyAsks)
{
    state.GameOver = 1;
    view.answers = { Answer::No, Answer::No };
    Clicks({ 0, 7 });
    ASSERT_EQ(view.boxes.size(), 2u);
    EXPECT_EQ(view.boxes[1].prompt, "Would you like to play again?");
    EXPECT_EQ(view.boxes[1].title, "Pairfall");
    EXPECT_EQ(view.boxes[1].buttons, Buttons::YesNo);
    EXPECT_EQ(state.CardsLeft, 52);
    EXPECT_EQ(state.SlotValue(0), 0);

    view.answers = { Answer::Yes };
    Click(0);
    EXPECT_EQ(state.GameOver, 0);
    EXPECT_EQ(view.status, "Ready");
    EXPECT_EQ(state.SlotValue(0), 0); // the Yes click itself deals nothing
    Click(0);
    EXPECT_NE(state.SlotValue(0), 0);
}

TEST_F(SlotClick, FullTableRunsTheNoPlayTestAfterEveryClick)
{
    // Full table, a play left (the 4 and 6), so nothing ends.
    LayTable({ 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 4, 6 }, 30);
    Click(9);  // selects the Ace
    Click(9);  // deselects it
    EXPECT_TRUE(view.boxes.empty());
    // Now the same table with the pair gone: the selecting click itself ends the game.
    LayTable(DeadTable, 30);
    view.answers = { Answer::No };
    Click(9);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].title, "You LOSE");
    EXPECT_EQ(state.GameOver, 1);
    // The selection outline stays as it was.
    EXPECT_TRUE(view.outlines[9]);
}

TEST_F(SlotClick, ASlotOutsideTheTableIsAnErrorNotAMove)
{
    EXPECT_THROW(Click(12), RuntimeError);
    EXPECT_THROW(Click(-1), RuntimeError);
    EXPECT_EQ(state.CardsLeft, 52);
}

}
