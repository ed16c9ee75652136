#pragma once

#include "game/Numbers.h"

#include <string>

// The program's own texts, each written once.
namespace pairfall {

// The application title: the main window's caption, the title of the rule
// messages and the name under which every setting is stored.
inline constexpr const char* ApplicationTitle = "Pairfall";

inline constexpr const char* ReadyText = "Ready";
inline constexpr const char* PlayAgainPrompt = "Would you like to play again?";
inline constexpr const char* NotTenMessage = "Cards do NOT total 10";
inline constexpr const char* AllFourFacesMessage = "You must select all four facecards.";
inline constexpr const char* LosePrompt = "You lose, would you like to play again?";
inline constexpr const char* LoseTitle = "You LOSE";
inline constexpr const char* WinTitle = "You WIN";
// What a screen reader calls a slot without a card.
inline constexpr const char* EmptyPlaceName = "Empty place";
inline constexpr const char* NoHelpMessage = "Unable to display Help Contents. There is no Help associated with this project.";
// A second start whose running copy does not take the request to come to the front.
inline constexpr const char* NoAnswerMessage = "Pairfall is already running but does not answer. Close it and try again.";

// The status line after a deal: "There are 51 cards left", also for one card.
std::string CardsLeftText(Int16 cardsLeft);

}
