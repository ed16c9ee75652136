#include "art/ProgramIcon.h"

#include "art/IconArt.h"

#include <QString>

// Outside any namespace: Q_INIT_RESOURCE declares the global function that
// rcc generates.  The resources live in a static library, and naming them
// here makes the linker keep them.
static void RegisterIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace pairfall {

namespace {

// The sizes a window icon is drawn at.  The larger ones painted by the
// picture generator are for the desktop's icon theme; decoding them here
// would only slow the start.
constexpr int WindowIconSizes[] = { 16, 32, 48, 64 };

}

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        RegisterIconResources();
        QIcon sizes;
        for (int size : WindowIconSizes)
            sizes.addFile(QStringLiteral(":/icons/") + ProgramIconFileName(size), QSize(size, size));
        return sizes;
    }();
    return icon;
}

}
