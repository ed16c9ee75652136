#pragma once

#include "game/Numbers.h"
#include "game/SettingsStore.h"

#include <string>

// The program's entries in the settings store, all under the application
// title, and the ways it reads and writes them.
namespace pairfall {

inline constexpr const char* SettingsSection = "Settings";
inline constexpr const char* MainLeftKey = "MainLeft";
inline constexpr const char* MainTopKey = "MainTop";
inline constexpr const char* StatsSection = "Stats";
inline constexpr const char* TotalGamesKey = "TotalGames";
inline constexpr const char* TotalWinsKey = "TotalWins";
inline constexpr const char* TotalLossesKey = "TotalLosses";
inline constexpr const char* AvgCardsLeftKey = "AvgCardsLeft";
inline constexpr float DefaultWindowTwips = 1000.0f;

struct Statistics {
    Int16 TotalGames = 0;
    Int16 TotalWins = 0;
    Int16 TotalLosses = 0;
    Int16 AvgCardsLeft = 0;
};

// The statistics write: "AvgCardsLeft", "TotalGames", "TotalWins",
// "TotalLosses" in that order, then made to reach the disk at once.
void WriteStatistics(SettingsStore& store, const Statistics& stats);

// "Stats"/key as a 16-bit integer, 0 when missing.  A text that does not
// convert throws a RuntimeError naming the entry and its text.
Int16 ReadCounter(SettingsStore& store, const std::string& key);

// "Settings"/key in twips, 1000 when missing; throws like ReadCounter.
float ReadWindowCoordinate(SettingsStore& store, const std::string& key);

void WriteWindowCoordinate(SettingsStore& store, const std::string& key, float twips);

}
