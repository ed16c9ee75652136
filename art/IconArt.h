#pragma once

#include <QImage>

// The program icon, a box of playing cards, drawn in code.  The picture
// generator writes it to art/icons, from where the program loads it.
namespace pairfall {

// The sizes the icon ships in.
inline constexpr int ProgramIconSizes[] = { 16, 32, 48, 64, 128, 256 };

// The icon at size x size pixels: placed pixel by pixel at 16 and 32, where
// a scaled drawing smears; painted at any other size.
QImage DrawProgramIcon(int size);

}
