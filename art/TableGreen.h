#pragma once

#include <QColor>

namespace pairfall {

// The table cloth: the main window's background, and what shows outside a
// card's rounded corners.
inline constexpr QColor TableGreen { 0, 128, 0 };

}
