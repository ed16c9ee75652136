#include "game/Game.h"

#include "game/Deck.h"
#include "game/PicturePath.h"

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

void Game::AskToPlayAgain(const std::string& prompt, const std::string& title)
{
    if (m_view.MessageBox(prompt, Buttons::YesNo, title) == Answer::Yes)
        New_Game();
}

}
