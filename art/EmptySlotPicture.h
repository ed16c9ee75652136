#pragma once

#include <QImage>

namespace pairfall {

// The picture of a place on the table where no card lies: opaque, CardSize.
QImage MakeEmptySlotPicture();

}
