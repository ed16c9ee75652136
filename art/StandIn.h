#pragma once

#include <QImage>

namespace pairfall {

// Shown instead of a card whose picture file is missing or unreadable; it
// still names the card so that the game stays playable.  Opaque, CardSize.
QImage PaintStandIn(int id);

}
