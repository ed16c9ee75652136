#pragma once

#include "game/Translatable.h"

// The program's own texts, each written once, in English.  The window shows
// each in the player's language, looked up in TextsContext.
namespace pairfall {

// The application title: the main window's caption, the title of the rule
// messages and the name under which every setting is stored.  It is a name,
// the same in every language, and never translated.
inline constexpr const char* ApplicationTitle = "Pairfall";

inline constexpr const char* TextsContext = "Game";

inline constexpr const char* ReadyText = PAIRFALL_TRANSLATE_NOOP("Game", "Ready");
// The status line after a deal: "There are 51 cards left", also for one card.
inline constexpr const char* CardsLeftText = PAIRFALL_TRANSLATE_N_NOOP("Game", "There are %n cards left");
inline constexpr const char* PlayAgainPrompt = PAIRFALL_TRANSLATE_NOOP("Game", "Would you like to play again?");
inline constexpr const char* NotTenMessage = PAIRFALL_TRANSLATE_NOOP("Game", "Cards do NOT total 10");
inline constexpr const char* AllFourFacesMessage = PAIRFALL_TRANSLATE_NOOP("Game", "You must select all four facecards.");
inline constexpr const char* LosePrompt = PAIRFALL_TRANSLATE_NOOP("Game", "You lose, would you like to play again?");
inline constexpr const char* LoseTitle = PAIRFALL_TRANSLATE_NOOP("Game", "You LOSE");
inline constexpr const char* WinTitle = PAIRFALL_TRANSLATE_NOOP("Game", "You WIN");
// What a screen reader calls a slot without a card.
inline constexpr const char* EmptyPlaceName = PAIRFALL_TRANSLATE_NOOP("Game", "Empty place");
inline constexpr const char* NoHelpMessage = PAIRFALL_TRANSLATE_NOOP("Game", "Unable to display Help Contents. There is no Help associated with this project.");
// A second start whose running copy does not take the request to come to the front.
inline constexpr const char* NoAnswerMessage = PAIRFALL_TRANSLATE_NOOP("Game", "Pairfall is already running but does not answer. Close it and try again.");

}
