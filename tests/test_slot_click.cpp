#include "GameFixture.h"

namespace pairfall::testing {

using SlotClick = GameFixture;

// The table, the clicks, and the slots they cover in order.
struct Covering {
    const char* name;
    Slots table;
    Slots clicks;
    Slots covered;
};

class CoveringClicks : public GameFixture, public ::testing::WithParamInterface<Covering> { };

TEST_P(CoveringClicks, CoverTheseSlotsInThisOrder)
{
    LayTable(GetParam().table, 40);
    Click(GetParam().clicks);
    EXPECT_EQ(DealtSlots(), GetParam().covered);
}

INSTANTIATE_TEST_SUITE_P(SlotClick, CoveringClicks,
    ::testing::Values(Covering { "AnEmptySlotTakesACard", {}, { 5 }, { 5 } },
        Covering { "ATenIsCovered", { 10 }, { 0 }, { 0 } },
        Covering { "ANumberCardClickedAgainIsPutBack", { 3, 7 }, { 0, 0, 1 }, {} },
        Covering { "APairMakingTenSelectedCardFirst", { 3, 7 }, { 1, 0 }, { 1, 0 } },
        Covering { "TwoFives", { 5, 5 }, { 1, 0 }, { 1, 0 } },
        Covering { "TheFourthKingCoversAllFour", { 13, 13, 13, 13 }, { 0, 1, 2, 3 }, { 0, 1, 2, 3 } },
        Covering { "AFreedFaceEntryIsReusedLowestFirst", { 13, 13, 13, 13 }, { 0, 1, 2, 1, 3, 1 }, { 0, 3, 2, 1 } }),
    RowName);

struct WrongCard {
    const char* name;
    Slots table;
    Slots clicks;
    std::string message;
};

class RuleMessage : public GameFixture, public ::testing::WithParamInterface<WrongCard> { };

TEST_P(RuleMessage, IsShownAndEverySelectedCardIsReleased)
{
    LayTable(GetParam().table, 40);
    Click(GetParam().clicks);
    EXPECT_EQ(log.Starting("box "), Strings { "box Pairfall|" + GetParam().message + "|OK" });
    EXPECT_EQ(state.SelMode, SelectionMode::NothingSelected);
    EXPECT_EQ(std::ranges::count(view.outlines, true), 0);
}

INSTANTIATE_TEST_SUITE_P(SlotClick, RuleMessage,
    ::testing::Values(WrongCard { "NumbersNotMakingTen", { 4, 5 }, { 0, 1 }, "Cards do NOT total 10" },
        WrongCard { "NumberThenEmptySlot", { 4 }, { 0, 6 }, "Cards do NOT total 10" },
        WrongCard { "NumberThenTen", { 4, 10 }, { 0, 1 }, "Cards do NOT total 10" },
        WrongCard { "ThreeKingsThenQueen", { 13, 13, 13, 12 }, { 0, 1, 2, 3 }, "You must select all four facecards." },
        WrongCard { "FaceThenTen", { 11, 10 }, { 0, 1 }, "You must select all four facecards." },
        WrongCard { "JackPutBackThenQueen", { 11, 11, 12 }, { 0, 1, 1, 2 }, "You must select all four facecards." }),
    RowName);

TEST_F(SlotClick, TheRuleMessageShowsWhileTheSelectedCardIsStillOutlined)
{
    LayTable({ 4, 5 }, 40);
    Click({ 0, 1 });
    EXPECT_LT(At("box Pairfall|Cards do NOT total 10|OK"), At("hide 0"));
}

TEST_F(SlotClick, WhileTheGameIsOverAClickOnlyAsksToPlayAgain)
{
    LayTable(DeadTable, 30);
    state.GameOver = GameOverFlag::Yes;
    Click({ 9 });
    EXPECT_EQ(log.events, Strings { "box Pairfall|Would you like to play again?|YesNo" });
}

// The clicks before the last are made while the dead table does not yet count as full.
struct LastClick {
    const char* name;
    Slots before;
    Int16 last;
};

class FullTable : public GameFixture, public ::testing::WithParamInterface<LastClick> { };

TEST_P(FullTable, EveryKindOfClickEndsWithTheNoPlayTest)
{
    LayTable(DeadTable, 30);
    state.SlotsFilled = SlotCount - 1;
    Click(GetParam().before);
    state.SlotsFilled = SlotCount;
    Click({ GetParam().last });
    EXPECT_EQ(state.GameOver, GameOverFlag::Yes);
}

INSTANTIATE_TEST_SUITE_P(SlotClick, FullTable,
    ::testing::Values(LastClick { "Selecting", {}, 9 },
        LastClick { "ShowingTheRuleMessage", { 9 }, 10 },
        LastClick { "PuttingBackTheSelectedCard", { 9 }, 9 },
        LastClick { "AddingAFace", { 0 }, 1 }),
    RowName);

}
