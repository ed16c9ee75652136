#pragma once

#include <QImage>

namespace pairfall {

// The picture of a place on the table where no card lies: opaque, scale
// times CardSize, with a device pixel ratio of scale.
QImage MakeEmptySlotPicture(int scale = 1);

}
