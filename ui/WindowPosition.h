#pragma once

#include <QPoint>
#include <QRect>

namespace pairfall {

// Window positions are kept in twips, 15 to the (device-independent) pixel.
int TwipsToPixels(float twips);
float PixelsToTwips(int pixels);

// True when some part of frame lies on one of the screens.
bool IsOnSomeScreen(const QRect& frame);

}
