#pragma once

#include "art/Suit.h"

class QPainter;

// The suit symbols of the number cards.  Pips past the middle are drawn
// upside down, so most come in turned pairs: the upper one is painted before
// the mirror copy and the copy makes its twin; the rest are painted after it.
namespace pairfall {

// The pips the mirror copy completes, all in the upper half.
void DrawMirroredPips(QPainter& p, int rank, Suit suit);

// The pips without a turned twin: on the middle row, or the lone extra pip
// of the Seven.  Painted after the mirror copy, which would cut them.
void DrawOneEndedPips(QPainter& p, int rank, Suit suit);

// The Ace's single large pip in the middle of the card, after the mirror copy.
void DrawAce(QPainter& p, Suit suit);

}
