#pragma once

#include <QImage>

namespace pairfall {

// Shown instead of a card whose picture file is missing or unreadable; it
// still names the card so that the game stays playable.  Opaque, scale (1 or
// 2) times CardSize, with a device pixel ratio of scale.
QImage PaintStandIn(int id, int scale = 1);

}
