#pragma once

#include <QImage>

namespace pairfall {

// The face of card id (1..52): opaque, CardSize.
QImage PaintCard(int id);

}
