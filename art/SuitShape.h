#pragma once

#include "art/Suit.h"

#include <QPainterPath>
#include <QRectF>

namespace pairfall {

// The suit symbol as a filled vector outline fitted into box (upright).
QPainterPath SuitShape(Suit suit, QRectF box);

}
