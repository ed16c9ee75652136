#include "game/Game.h"

#include "game/RuntimeError.h"
#include "game/SettingsEntries.h"
#include "game/Texts.h"

#include <cstdint>

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

// A loss leaves the table as it lies; only a Yes clears it.
void Game::Check_NoPlay()
{
    if (AnyPlayLeft())
        return;
    RecordGameEnd(m_s.CardsLeft, false);
    AskToPlayAgain(LosePrompt, LoseTitle);
}

void Game::You_Win()
{
    if (m_s.CardsLeft != 0)
        return;
    RecordGameEnd(0, true);
    ClearTable();
    m_s.SlotsFilled = 0;
    m_view.SetCardsLeftStatus(m_s.CardsLeft);
    AskToPlayAgain(PlayAgainPrompt, WinTitle);
}

void Game::RecordGameEnd(Int16 cardsLeft, bool won)
{
    // The game is over even if recording it fails: no later click may deal.
    m_s.GameOver = GameOverFlag::Yes;

    // T x A + C in 32 bits: in 16 it overflows after some 1,300 games and no
    // game could be recorded again.  The counters themselves stay 16-bit.
    const std::int32_t n = std::int32_t { m_s.TotalGames } * m_s.AvgCardsLeft + cardsLeft;
    const std::int32_t d = std::int32_t { m_s.TotalGames } + 1;
    if (d == 0)
        throw RuntimeError::DivisionByZero();
    const Int16 average = RoundToInt16(static_cast<double>(n) / static_cast<double>(d));
    const Int16 games = ToInt16(d);
    Int16 wins = m_s.TotalWins;
    Int16 losses = m_s.TotalLosses;
    if (won)
        wins = Add16(wins, 1);
    else
        losses = Add16(losses, 1);

    m_s.AvgCardsLeft = average;
    m_s.TotalWins = wins;
    m_s.TotalLosses = losses;
    m_s.TotalGames = games;
    WriteStatistics();
}

void Game::Reset_Stats()
{
    m_s.TotalGames = 0;
    m_s.TotalWins = 0;
    m_s.TotalLosses = 0;
    m_s.AvgCardsLeft = 0;
    WriteStatistics();
}

void Game::WriteStatistics()
{
    pairfall::WriteStatistics(m_store, { m_s.TotalGames, m_s.TotalWins, m_s.TotalLosses, m_s.AvgCardsLeft });
}

namespace {

// The four counters in the order the program reads them.  A damaged entry is
// put in problems and leaves its counter to onError.
template<typename OnError>
void ReadCounters(SettingsStore& store, GameState& s, std::vector<RuntimeError>& problems, OnError onError)
{
    const auto read = [&](Int16& counter, const char* key) {
        try {
            counter = ReadCounter(store, key);
        } catch (const RuntimeError& error) {
            onError(counter);
            problems.push_back(error);
        }
    };
    read(s.AvgCardsLeft, AvgCardsLeftKey);
    read(s.TotalGames, TotalGamesKey);
    read(s.TotalLosses, TotalLossesKey);
    read(s.TotalWins, TotalWinsKey);
}

}

void Game::LoadStatistics(std::vector<RuntimeError>& problems)
{
    ReadCounters(m_store, m_s, problems, [](Int16& counter) { counter = 0; });
}

void Game::ReadStatisticsBack(std::vector<RuntimeError>& problems)
{
    // The store was written from these counters a moment ago: if another run
    // has damaged an entry since, the player's own count is the one to keep.
    ReadCounters(m_store, m_s, problems, [](Int16&) {});
}

}
