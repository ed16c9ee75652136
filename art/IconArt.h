#pragma once

#include <QImage>
#include <QString>

// The program icon, a box of playing cards, drawn in code.  The picture
// generator writes it to art/icons, from where the program loads it.
namespace pairfall {

// The sizes the icon ships in.
inline constexpr int ProgramIconSizes[] = { 16, 32, 48, 64, 128, 256 };

// The file each size is kept in: in art/icons, in the program's resources
// and, renamed, in the desktop's icon theme.
inline QString ProgramIconFileName(int size) { return QStringLiteral("pairfall-%1.png").arg(size); }

// The icon at size x size pixels: placed pixel by pixel at 16 and 32, where
// a scaled drawing smears; painted at any other size.
QImage DrawProgramIcon(int size);

}
