#pragma once

#include "art/Suit.h"

class QPainter;

namespace pairfall {

// The upper half of a Jack's, Queen's or King's framed picture, down to the
// middle row: a half figure holding its staff, a small pip in the corner.
void DrawCourtHalf(QPainter& p, int rank, Suit suit);

}
