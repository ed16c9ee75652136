#pragma once

#include <QFont>

namespace pairfall {

// The dialogs' face, "MS Sans Serif"; where that is missing, a sans serif of
// about its width, so captions keep clear of the values beside them.
QFont DialogFont(int points, bool bold);

}
