#include "game/Game.h"

#include "game/Deck.h"
#include "game/PicturePath.h"
#include "game/RuntimeError.h"
#include "game/Texts.h"

#include <utility>

namespace pairfall {

Game::Game(GameState& state, TableView& view, SettingsStore& store, RandomSource& random, std::string programFolder)
    : m_s(state)
    , m_view(view)
    , m_store(store)
    , m_random(random)
    , m_programFolder(std::move(programFolder))
{
}

void Game::BuildDeck() { pairfall::BuildDeck(m_s); }

void Game::Shuffle_Deck() { pairfall::Shuffle_Deck(m_s, m_random); }

std::string Game::EmptySlotPicturePath() const { return PicturePath(m_programFolder, EmptySlotPictureId); }

std::string Game::CardPicturePath(Int16 id) const { return PicturePath(m_programFolder, id); }

std::string Game::Draw()
{
    // The rules never deal from an empty deck; a click that did would name
    // the unused Deck(0) and take CardsLeft below zero.
    if (m_s.CardsLeft < 1 || m_s.CardsLeft > CardsInDeck)
        throw RuntimeError::SubscriptOutOfRange();
    const std::string path = CardPicturePath(m_s.Deck(m_s.CardsLeft).Id);
    m_s.CardsLeft = Sub16(m_s.CardsLeft, 1);
    m_view.SetCardsLeftStatus(m_s.CardsLeft);
    return path;
}

// Value first, then Draw, then the picture: value and picture are the same card.
void Game::DealOnto(Int16 slot)
{
    m_s.SlotValue(slot) = m_s.Deck(m_s.CardsLeft).Value;
    const std::string path = Draw();
    m_view.SetSlotPicture(slot, path);
}

void Game::ClearTable()
{
    // Loaded anew for each slot, as a deal loads a card's picture.
    const std::string emptySlot = EmptySlotPicturePath();
    for (Int16 i = 0; i < SlotCount; ++i) {
        m_view.SetSlotPicture(i, emptySlot);
        m_s.SlotValue(i) = 0;
        m_view.SetOutlineVisible(i, false);
    }
}

// The deck is not rebuilt: each game shuffles the order the last one left.
void Game::New_Game()
{
    ClearTable();
    m_s.SelMode = SelectionMode::NothingSelected;
    Shuffle_Deck();
    m_view.SetStatusText(ReadyText);
    m_s.GameOver = GameOverFlag::No;
}

void Game::AskToPlayAgain(const std::string& prompt, const std::string& title)
{
    if (m_view.MessageBox(prompt, Buttons::YesNo, title) == Answer::Yes)
        New_Game();
}

}
