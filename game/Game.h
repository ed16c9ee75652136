#pragma once

#include "game/GameState.h"
#include "game/RandomSource.h"
#include "game/RuntimeError.h"
#include "game/SettingsStore.h"
#include "game/TableView.h"

#include <string>
#include <vector>

namespace pairfall {

// The game procedures.  They work on a GameState that the main window owns,
// reach the display only through the TableView and keep the statistics in
// the settings store.  Every procedure runs to completion; a question to the
// player is answered before it returns, so a new game may start inside a click.
class Game {
public:
    Game(GameState& state, TableView& view, SettingsStore& store, RandomSource& random, std::string programFolder);

    GameState& State() { return m_s; }
    const GameState& State() const { return m_s; }

    // Dealing and new games (Game.cpp).
    void BuildDeck();
    void Shuffle_Deck();
    // Picture path of Deck(CardsLeft); lowers CardsLeft and shows the count.
    std::string Draw();
    // The New game command, also run by every Yes to a play-again question.
    void New_Game();
    std::string EmptySlotPicturePath() const;
    std::string CardPicturePath(Int16 id) const;

    // The move rules (SlotClick.cpp).
    void Slot_Click(Int16 Index);

    // The ends of a game and the statistics (GameEnd.cpp).
    void Check_NoPlay();
    void You_Win();
    void Reset_Stats();
    // Start-up: the four counters from the store, in the order AvgCardsLeft,
    // TotalGames, TotalLosses, TotalWins.  A damaged entry leaves its counter
    // at 0 and is added to problems; the other entries still load.
    void LoadStatistics(std::vector<RuntimeError>& problems);
    // After the Game Stats command: the same four reads; a damaged entry
    // keeps the counter as it is and is added to problems.
    void ReadStatisticsBack(std::vector<RuntimeError>& problems);
    void WriteStatistics();

private:
    void DealOnto(Int16 slot);
    // Every slot shows the empty-slot picture, holds no card and has no outline.
    void ClearTable();
    void AskToPlayAgain(const std::string& prompt, const std::string& title);

    void SelectFirst(Int16 Index, Int16 value);
    void ClickWithNumberSelected(Int16 Index);
    void ClickWhileCollectingFaces(Int16 Index, Int16 value);
    bool DeselectFace(Int16 Index);
    void AddFace(Int16 Index);
    void CoverFaceCards();
    void ReleaseFaceCards();
    void ClearSelection();

    bool AnyPlayLeft() const;
    // Records a finished game in the counters and writes them.  A counter
    // that cannot grow changes none of them; a write that fails leaves them
    // changed, so the next write carries them.
    void RecordGameEnd(Int16 cardsLeft, bool won);

    GameState& m_s;
    TableView& m_view;
    SettingsStore& m_store;
    RandomSource& m_random;
    std::string m_programFolder;
};

}
