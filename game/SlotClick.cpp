#include "game/Game.h"

#include "game/RuntimeError.h"

namespace pairfall {

void Game::Slot_Click(Int16 Index)
{
    const Int16 v = m_s.SlotValue(Index);

    // A: a finished game only offers the next one.
    if (m_s.GameOver == 1) {
        AskToPlayAgain(PlayAgainPrompt, ApplicationTitle);
        return;
    }

    if ((v == 0 || v == Ten) && m_s.SelMode == NothingSelected) {
        // C: deal onto an empty slot or a ten.
        if (v == 0)
            m_s.SlotsFilled = Add16(m_s.SlotsFilled, 1);
        DealOnto(Index);
        if (m_s.CardsLeft == 0)
            You_Win();
    } else if (m_s.SelMode == NothingSelected) {
        // D: first selection.
        m_view.SetOutlineVisible(Index, true);
        if (v <= Ten) {
            m_s.SelMode = NumberSelected;
            m_s.FirstSlot = Index;
        } else {
            m_s.SelMode = CollectingFaces;
            m_s.FaceCount = 1;
            m_s.FaceRank = v;
            m_s.FaceSlot(1) = Index;
        }
    } else if (m_s.SelMode == NumberSelected) {
        ClickWithNumberSelected(Index);
    } else if (m_s.SelMode == CollectingFaces) {
        ClickWhileCollectingFaces(Index, v);
    }

    // G: once the table is full, every click ends with the no-play test.
    if (m_s.SlotsFilled == SlotCount)
        Check_NoPlay();
}

// E
void Game::ClickWithNumberSelected(Int16 Index)
{
    if (Index == m_s.FirstSlot) {
        m_view.SetOutlineVisible(Index, false);
        m_s.SelMode = NothingSelected;
        m_s.FirstSlot = NoSlot;
        return;
    }
    const Int16 total = Add16(m_s.SlotValue(Index), m_s.SlotValue(m_s.FirstSlot));
    if (total != PairTotal) {
        m_view.MessageBox(NotTenMessage, Buttons::OK, ApplicationTitle);
        m_view.SetOutlineVisible(m_s.FirstSlot, false);
        m_view.SetOutlineVisible(Index, false);
        m_s.SelMode = NothingSelected;
        m_s.FirstSlot = NoSlot;
        return;
    }
    // The selected card is covered first; if the deck runs out on it the
    // clicked card stays, and the selection is left to the next New game.
    const Int16 first = m_s.FirstSlot;
    DealOnto(first);
    m_view.SetOutlineVisible(first, false);
    if (m_s.CardsLeft == 0) {
        You_Win();
        return;
    }
    DealOnto(Index);
    m_view.SetOutlineVisible(Index, false);
    if (m_s.CardsLeft == 0) {
        You_Win();
        return;
    }
    m_s.SelMode = NothingSelected;
    m_s.FirstSlot = NoSlot;
}

// F
void Game::ClickWhileCollectingFaces(Int16 Index, Int16 v)
{
    bool deselected = false;
    for (Int16 i = 1; i <= FaceCardsPerRank; ++i) {
        if (m_s.FaceSlot(i) != Index)
            continue;
        deselected = true;
        m_view.SetOutlineVisible(Index, false);
        m_s.FaceSlot(i) = NoSlot;
        m_s.FaceCount = Sub16(m_s.FaceCount, 1);
        if (m_s.FaceCount == 0) {
            m_s.FaceRank = NoRank;
            m_s.SelMode = NothingSelected;
            m_s.FirstSlot = NoSlot;
        }
    }
    if (deselected || m_s.SelMode != CollectingFaces)
        return;

    if (v != m_s.FaceRank) {
        m_view.MessageBox(AllFourFacesMessage, Buttons::OK, ApplicationTitle);
        m_s.SelMode = NothingSelected;
        m_s.FirstSlot = NoSlot;
        ReleaseFaceCards();
        return;
    }

    m_view.SetOutlineVisible(Index, true);
    m_s.FaceCount = Add16(m_s.FaceCount, 1);
    Int16 freeEntry = 1;
    while (m_s.FaceSlot(freeEntry) != NoSlot)
        ++freeEntry; // FaceSlot(5) throws: at most three entries are taken here
    m_s.FaceSlot(freeEntry) = Index;
    if (m_s.FaceCount == FaceCardsPerRank)
        CoverFaceCards();
}

// In entry order, which a freed entry reused makes differ from the order of selection.
void Game::CoverFaceCards()
{
    for (Int16 i = 1; i <= FaceCardsPerRank; ++i) {
        const Int16 slot = m_s.FaceSlot(i);
        DealOnto(slot);
        m_view.SetOutlineVisible(slot, false);
        m_s.FaceSlot(i) = NoSlot;
        if (m_s.CardsLeft == 0) {
            You_Win();
            break;
        }
    }
    m_s.SelMode = NothingSelected;
    m_s.FirstSlot = NoSlot;
}

void Game::ReleaseFaceCards()
{
    for (Int16 i = 1; i <= FaceCardsPerRank; ++i) {
        if (m_s.FaceSlot(i) != NoSlot) {
            m_view.SetOutlineVisible(m_s.FaceSlot(i), false);
            m_s.FaceSlot(i) = NoSlot;
        }
    }
}

}
