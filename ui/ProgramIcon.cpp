#include "ui/ProgramIcon.h"

#include <QString>

namespace {

// The sizes painted by the picture generator; 16 and 32 are hand-placed
// pixels with a 16-colour palette, the rest are drawn smooth.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

}  // namespace

// Outside any namespace: Q_INIT_RESOURCE declares the global function that
// rcc generates. The resources live in a static library, and naming them
// here makes the linker keep them; they are registered once.
static void RegisterIconResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

QIcon ProgramIcon() {
    RegisterIconResources();
    QIcon icon;
    for (int size : kIconSizes)
        icon.addFile(QStringLiteral(":/icons/pairfall-%1.png").arg(size), QSize(size, size));
    return icon;
}
