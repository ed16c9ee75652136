#pragma once

#include "art/Suit.h"

class QPainter;

namespace pairfall {

// The rank above a small suit symbol in the upper left corner; the mirror
// copy puts its twin in the lower right one.
void DrawCornerIndex(QPainter& p, int rank, Suit suit);

}
