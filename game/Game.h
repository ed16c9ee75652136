#pragma once

#include "game/GameState.h"
#include "game/RandomSource.h"
#include "game/SettingsStore.h"
#include "game/TableView.h"

#include <string>
#include <vector>

namespace pairfall {

inline constexpr const char* ReadyText = "Ready";
inline constexpr const char* PlayAgainPrompt = "Would you like to play again?";
inline constexpr const char* NotTenMessage = "Cards do NOT total 10";
inline constexpr const char* AllFourFacesMessage = "You must select all four facecards.";
inline constexpr const char* LosePrompt = "You lose, would you like to play again?";
inline constexpr const char* LoseTitle = "You LOSE";
inline constexpr const char* WinTitle = "You WIN";

// The game procedures.  They work on a GameState that the main window owns,
// reach the display only through the TableView and keep the statistics in
// the settings store.  Every procedure runs to completion; a question to the
// player is answered before it returns, so a new game may start inside a click.
class Game {
public:
    Game(GameState& state, TableView& view, SettingsStore& store, RandomSource& random, std::string programFolder);

    GameState& State() { return m_s; }
    const GameState& State() const { return m_s; }

    // Start-up: the four counters from the store, in the order AvgCardsLeft,
    // TotalGames, TotalLosses, TotalWins.  A damaged entry leaves its counter
    // at 0 and adds its description to problems; the other entries still load.
    void LoadStatistics(std::vector<std::string>& problems);
    // After the Game Stats command: the same four reads; a damaged entry
    // keeps the counter as it is and is added to problems.
    void ReadStatisticsBack(std::vector<std::string>& problems);
    void WriteStatistics();

    void BuildDeck();
    void Shuffle_Deck();

    // Picture path of Deck(CardsLeft); lowers CardsLeft and shows the count.
    std::string Draw();
    void Slot_Click(Int16 Index);
    void Check_NoPlay();
    void You_Win();
    // The New game command, also run by every Yes to a play-again question.
    void New_Game();
    void Reset_Stats();

    std::string EmptySlotPicturePath() const;
    std::string CardPicturePath(Int16 id) const;

private:
    void DealOnto(Int16 slot);
    void ClickWithNumberSelected(Int16 Index);
    void ClickWhileCollectingFaces(Int16 Index, Int16 v);
    void CoverFaceCards();
    void ReleaseFaceCards();
    bool AnyPlayLeft() const;
    // Records a finished game in the counters and writes them.  The counters
    // change all together or, on an error, not at all.
    void RecordGameEnd(Int16 cardsLeft, bool won);
    void AskToPlayAgain(const std::string& prompt, const std::string& title);

    GameState& m_s;
    TableView& m_view;
    SettingsStore& m_store;
    RandomSource& m_random;
    std::string m_programFolder;
};

}
