#include "game/Game.h"

namespace pairfall {

// The three tests in their order; the first play found ends the search.
bool Game::AnyPlayLeft() const
{
    if (m_s.SlotValue(SlotCount - 1) == Ten)
        return true;

    Int16 jacks = 0;
    Int16 queens = 0;
    Int16 kings = 0;
    for (Int16 i = 0; i < SlotCount; ++i) {
        const Int16 v = m_s.SlotValue(i);
        if (v == Jack)
            jacks = Add16(jacks, 1);
        else if (v == Queen)
            queens = Add16(queens, 1);
        else if (v == King)
            kings = Add16(kings, 1);
    }
    if (jacks == FaceCardsPerRank || queens == FaceCardsPerRank || kings == FaceCardsPerRank)
        return true;

    for (Int16 i = 0; i < SlotCount - 1; ++i) {
        for (Int16 j = i + 1; j < SlotCount; ++j) {
            if (Add16(m_s.SlotValue(i), m_s.SlotValue(j)) == PairTotal || m_s.SlotValue(i) == Ten)
                return true;
        }
    }
    return false;
}

void Game::Check_NoPlay()
{
    if (AnyPlayLeft())
        return;
    RecordGameEnd(m_s.CardsLeft, false);
    AskToPlayAgain(LosePrompt, LoseTitle);
}

}
