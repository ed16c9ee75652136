#include "game/Game.h"

namespace pairfall {

// The deck is not rebuilt: each game shuffles the order the last one left.
void Game::New_Game()
{
    const std::string emptySlot = EmptySlotPicturePath();
    for (Int16 i = 0; i < SlotCount; ++i) {
        m_view.SetSlotPicture(i, emptySlot);
        m_s.SlotValue(i) = 0;
        m_view.SetOutlineVisible(i, false);
    }
    m_s.SelMode = NothingSelected;
    Shuffle_Deck();
    m_view.SetStatusText(ReadyText);
    m_s.GameOver = 0;
}

}
