#pragma once

#include "game/Numbers.h"
#include "game/RuntimeError.h"

#include <QString>

// The engine's texts and errors, which it keeps in English, in the language
// of the translations installed.
namespace pairfall {

// One of the texts of game/Texts.h.
QString GameText(const char* english);
// The status line after a deal, in the language's plural form for the count.
QString CardsLeftStatus(Int16 cardsLeft);
// What the player is told of an error: its kind's text with its fields.
QString ErrorMessage(const RuntimeError& error);

}
