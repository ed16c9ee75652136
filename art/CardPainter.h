#pragma once

#include <QImage>

namespace pairfall {

// The face of card id (1..52): opaque, scale (1 or 2) times CardSize and
// drawn at that size, with a device pixel ratio of scale.
QImage PaintCard(int id, int scale = 1);

}
