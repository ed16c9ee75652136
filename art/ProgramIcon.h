#pragma once

#include <QIcon>

namespace pairfall {

// Begins to decode the icon's pictures on a thread of its own, once the
// application exists, so that the decoding overlaps the making of the main
// window; ProgramIcon() waits for it.  Without it ProgramIcon() decodes them.
void BeginProgramIcon();

// The program's icon, a box of playing cards, in every size it ships in.
QIcon ProgramIcon();

}
