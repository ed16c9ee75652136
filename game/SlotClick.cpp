#include "game/Game.h"

#include "game/Texts.h"

namespace pairfall {

// One click on a slot is one whole step of the game.
void Game::Slot_Click(Int16 Index)
{
    const Int16 value = m_s.SlotValue(Index);

    // A finished game only offers the next one.
    if (m_s.GameOver == GameOverFlag::Yes) {
        AskToPlayAgain(PlayAgainPrompt, ApplicationTitle);
        return;
    }

    const bool emptyOrTen = value == 0 || value == Ten;
    if (m_s.SelMode == SelectionMode::NothingSelected && emptyOrTen) {
        if (value == 0)
            m_s.SlotsFilled = Add16(m_s.SlotsFilled, 1);
        DealOnto(Index);
        if (m_s.CardsLeft == 0)
            You_Win();
    } else if (m_s.SelMode == SelectionMode::NothingSelected) {
        SelectFirst(Index, value);
    } else if (m_s.SelMode == SelectionMode::NumberSelected) {
        ClickWithNumberSelected(Index);
    } else if (m_s.SelMode == SelectionMode::CollectingFaces) {
        ClickWhileCollectingFaces(Index, value);
    }

    // Once the table is full, every click ends with the no-play test, even
    // one that only selected a card or showed a rule message.
    if (m_s.SlotsFilled == SlotCount)
        Check_NoPlay();
}

// A number card waits for its partner; a face card starts a collection of its rank.
void Game::SelectFirst(Int16 Index, Int16 value)
{
    m_view.SetOutlineVisible(Index, true);
    if (value <= Ten) {
        m_s.SelMode = SelectionMode::NumberSelected;
        m_s.FirstSlot = Index;
    } else {
        m_s.SelMode = SelectionMode::CollectingFaces;
        m_s.FaceCount = 1;
        m_s.FaceRank = value;
        m_s.FaceSlot(1) = Index;
    }
}

// The second card of a pair: the same card puts it back, a partner making 10
// covers both, anything else is the rule message.
void Game::ClickWithNumberSelected(Int16 Index)
{
    if (Index == m_s.FirstSlot) {
        m_view.SetOutlineVisible(Index, false);
        ClearSelection();
        return;
    }
    const Int16 total = Add16(m_s.SlotValue(Index), m_s.SlotValue(m_s.FirstSlot));
    if (total != PairTotal) {
        // The message shows while the outline still marks the first card.
        m_view.MessageBox(NotTenMessage, Buttons::OK, ApplicationTitle);
        m_view.SetOutlineVisible(m_s.FirstSlot, false);
        m_view.SetOutlineVisible(Index, false);
        ClearSelection();
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
    ClearSelection();
}

// While face cards are collected: a selected one is put back, one more of
// the rank is added (the fourth covers all four), any other slot releases all.
void Game::ClickWhileCollectingFaces(Int16 Index, Int16 value)
{
    if (DeselectFace(Index))
        return;
    if (value != m_s.FaceRank) {
        m_view.MessageBox(AllFourFacesMessage, Buttons::OK, ApplicationTitle);
        ClearSelection();
        ReleaseFaceCards();
        return;
    }
    AddFace(Index);
    if (m_s.FaceCount == FaceCardsPerRank)
        CoverFaceCards();
}

// True when Index was one of the selected faces; the last one put back ends the collection.
bool Game::DeselectFace(Int16 Index)
{
    for (Int16 i = 1; i <= FaceCardsPerRank; ++i) {
        if (m_s.FaceSlot(i) != Index)
            continue;
        m_view.SetOutlineVisible(Index, false);
        m_s.FaceSlot(i) = NoSlot;
        m_s.FaceCount = Sub16(m_s.FaceCount, 1);
        if (m_s.FaceCount == 0) {
            m_s.FaceRank = NoRank;
            ClearSelection();
        }
        return true;
    }
    return false;
}

// The face takes the lowest free entry, which may be one freed by a deselection.
void Game::AddFace(Int16 Index)
{
    m_view.SetOutlineVisible(Index, true);
    m_s.FaceCount = Add16(m_s.FaceCount, 1);
    Int16 freeEntry = 1;
    while (m_s.FaceSlot(freeEntry) != NoSlot)
        ++freeEntry; // FaceSlot(5) throws: at most three entries are taken here
    m_s.FaceSlot(freeEntry) = Index;
}

// In entry order, which a reused entry makes differ from the order of selection.
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
    ClearSelection();
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

void Game::ClearSelection()
{
    m_s.SelMode = SelectionMode::NothingSelected;
    m_s.FirstSlot = NoSlot;
}

}
