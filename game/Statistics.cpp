#include "game/Game.h"

#include "game/RuntimeError.h"
#include "stats/StatsStore.h"

#include <cstdint>

namespace pairfall {

namespace {

Statistics CountersOf(const GameState& s)
{
    return { s.TotalGames, s.TotalWins, s.TotalLosses, s.AvgCardsLeft };
}

}

void Game::WriteStatistics()
{
    pairfall::WriteStatistics(m_store, CountersOf(m_s));
}

void Game::RecordGameEnd(Int16 cardsLeft, bool won)
{
    // The game is over even if recording it fails: no later click may deal.
    m_s.GameOver = 1;

    // T x A + C in 32 bits: in 16 it overflows after some 1,300 games and no
    // game could be recorded again.  The counters themselves stay 16-bit.
    const std::int32_t n = std::int32_t { m_s.TotalGames } * m_s.AvgCardsLeft + cardsLeft;
    const std::int32_t d = std::int32_t { m_s.TotalGames } + 1;
    if (d == 0)
        throw RuntimeError::DivisionByZero();
    const Int16 average = RoundToInt16(static_cast<double>(n) / static_cast<double>(d));
    const Int16 games = ToInt16(d);
    const Int16 wins = won ? Add16(m_s.TotalWins, 1) : m_s.TotalWins;
    const Int16 losses = won ? m_s.TotalLosses : Add16(m_s.TotalLosses, 1);

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

namespace {

// The four counters in the order the program reads them.  A damaged entry is
// put in problems and leaves its counter to onError.
template<typename OnError>
void ReadCounters(SettingsStore& store, GameState& s, std::vector<std::string>& problems, OnError onError)
{
    const auto read = [&](Int16& counter, const char* key) {
        try {
            counter = ReadCounter(store, key);
        } catch (const RuntimeError& error) {
            onError(counter);
            problems.push_back(error.description());
        }
    };
    read(s.AvgCardsLeft, AvgCardsLeftKey);
    read(s.TotalGames, TotalGamesKey);
    read(s.TotalLosses, TotalLossesKey);
    read(s.TotalWins, TotalWinsKey);
}

}

void Game::LoadStatistics(std::vector<std::string>& problems)
{
    ReadCounters(m_store, m_s, problems, [](Int16& counter) { counter = 0; });
}

void Game::ReadStatisticsBack(std::vector<std::string>& problems)
{
    // The store was written from these counters a moment ago: if another run
    // has damaged an entry since, the player's own count is the one to keep.
    ReadCounters(m_store, m_s, problems, [](Int16&) {});
}

}
