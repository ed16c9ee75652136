#pragma once

#include <QSize>

namespace pairfall {

// Every picture on the table, card or empty place, as drawn for 96 dpi.
inline constexpr int CardWidth = 71;
inline constexpr int CardHeight = 96;
inline constexpr QSize CardSize { CardWidth, CardHeight };

}
