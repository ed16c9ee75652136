#pragma once

#include <QFont>
#include <QString>

namespace pairfall {

// The dialogs' face is "MS Sans Serif"; where that is missing, a sans serif
// of about its width, so captions keep clear of the values beside them.
QString DialogFontFamily();

QFont DialogFont(int points, bool bold);

}
