#include "game/Game.h"

namespace pairfall {

void Game::You_Win()
{
    if (m_s.CardsLeft != 0)
        return;
    RecordGameEnd(0, true);

    const std::string emptySlot = EmptySlotPicturePath();
    for (Int16 i = 0; i < SlotCount; ++i) {
        m_view.SetSlotPicture(i, emptySlot);
        m_s.SlotValue(i) = 0;
        m_view.SetOutlineVisible(i, false);
    }
    m_s.SlotsFilled = 0;
    m_view.SetStatusText("There are " + std::to_string(m_s.CardsLeft) + " cards left");
    AskToPlayAgain(PlayAgainPrompt, WinTitle);
}

}
