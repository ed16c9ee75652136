#pragma once

#include "art/Suit.h"

#include <QColor>

// The colours printed on every card.
namespace pairfall {

inline constexpr QColor FaceWhite { 255, 255, 255 };
inline constexpr QColor BorderInk { 28, 28, 28 };
inline constexpr QColor RedInk { 204, 16, 32 };
inline constexpr QColor BlackInk { 20, 20, 20 };

// Pips, indices and a court card's frame are printed in the suit's ink.
inline QColor SuitInk(Suit suit)
{
    if (IsRed(suit))
        return RedInk;
    return BlackInk;
}

}
