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

//: The status line of a new game, before its first card is dealt.
inline constexpr const char* ReadyText = PAIRFALL_TRANSLATE_NOOP("Game", "Ready");
//: The status line after a deal: "There are 51 cards left", also for one card.
inline constexpr const char* CardsLeftText = PAIRFALL_TRANSLATE_N_NOOP("Game", "There are %n cards left");
//: Asked, with Yes and No, after a won game, and when a place is clicked once a game has ended.
inline constexpr const char* PlayAgainPrompt = PAIRFALL_TRANSLATE_NOOP("Game", "Would you like to play again?");
//: The rule message when the second number card clicked does not make 10 with the first.
inline constexpr const char* NotTenMessage = PAIRFALL_TRANSLATE_NOOP("Game", "Cards do NOT total 10");
//: The rule message when, with face cards selected, a card of another rank is clicked.
inline constexpr const char* AllFourFacesMessage = PAIRFALL_TRANSLATE_NOOP("Game", "You must select all four facecards.");
//: Asked, with Yes and No, when every place holds a card and no play is left.
inline constexpr const char* LosePrompt = PAIRFALL_TRANSLATE_NOOP("Game", "You lose, would you like to play again?");
//: The title of the question after a lost game.
inline constexpr const char* LoseTitle = PAIRFALL_TRANSLATE_NOOP("Game", "You LOSE");
//: The title of the question after a won game.
inline constexpr const char* WinTitle = PAIRFALL_TRANSLATE_NOOP("Game", "You WIN");
//: What a screen reader calls a place on the table that holds no card.
inline constexpr const char* EmptyPlaceName = PAIRFALL_TRANSLATE_NOOP("Game", "Empty place");
//: Shown by the Help menu's commands: the program comes without a help file.
inline constexpr const char* NoHelpMessage = PAIRFALL_TRANSLATE_NOOP("Game", "Unable to display Help Contents. There is no Help associated with this project.");
//: Shown by a second start of the program when the running copy does not answer its request to come to the front.
inline constexpr const char* NoAnswerMessage = PAIRFALL_TRANSLATE_NOOP("Game", "Pairfall is already running but does not answer. Close it and try again.");

}
