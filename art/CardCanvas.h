#pragma once

#include "art/CardSize.h"
#include "art/Suit.h"

#include <QImage>

// What every card face is painted on.
namespace pairfall {

// Real cards read the same from both ends: a face is painted down to this
// row and the mirror copy makes the rest.
inline constexpr int CardMiddleRow = CardHeight / 2;

// A canvas of scale times the card's size holding a blank card: the white
// face in its border, table green outside the rounded corners.  Its device
// pixel ratio is scale, so painting on it is in card pixels either way.
QImage BlankCard(int scale);

// What painting the card with this id starts from: its suit and rank, and a
// blank card of scale times its size.
struct CardToPaint {
    Suit suit;
    int rank;
    QImage canvas;
};
CardToPaint BeginCard(int id, int scale);

// Copies the upper half, turned half a turn about the card centre, onto the
// lower half, which makes the two ends identical to the pixel at any scale.
void MirrorUpperHalf(QImage& canvas);

// The finished card as the table shows it: opaque.
QImage Opaque(const QImage& canvas);

}
