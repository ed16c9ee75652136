#include "game/Game.h"

#include "game/RuntimeError.h"

namespace pairfall {

std::string Game::Draw()
{
    // The rules never deal from an empty deck; a click that did would name
    // the unused Deck(0) and take CardsLeft below zero.
    if (m_s.CardsLeft < 1 || m_s.CardsLeft > CardsInDeck)
        throw RuntimeError::SubscriptOutOfRange();
    const std::string path = CardPicturePath(m_s.Deck(m_s.CardsLeft).Id);
    m_s.CardsLeft = Sub16(m_s.CardsLeft, 1);
    m_view.SetStatusText("There are " + std::to_string(m_s.CardsLeft) + " cards left");
    return path;
}

// Value first, then Draw, then the picture: value and picture are the same card.
void Game::DealOnto(Int16 slot)
{
    m_s.SlotValue(slot) = m_s.Deck(m_s.CardsLeft).Value;
    const std::string path = Draw();
    m_view.SetSlotPicture(slot, path);
}

}
