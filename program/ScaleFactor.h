#pragma once

namespace pairfall {

// Qt 6.4 lays out every widget wrongly at a QT_SCALE_FACTOR below 1: child
// widgets keep their unscaled places and are cut off by the smaller window.
// Such a factor is read as 1, with a line on standard error.  Called before
// the application object exists, which is when Qt reads the factor.
void KeepScaleFactorAtLeastOne();

}
