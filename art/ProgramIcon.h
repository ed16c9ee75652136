#pragma once

#include <QIcon>

namespace pairfall {

// The program's icon, a box of playing cards, in every size it ships in.
QIcon ProgramIcon();

}
