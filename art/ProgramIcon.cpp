#include "art/ProgramIcon.h"

#include "art/IconArt.h"

#include <QPixmap>
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

// Images, unlike pixmaps, may be made on any thread.
std::vector<QImage> DecodeIconImages()
{
    std::vector<QImage> images;
    for (int size : WindowIconSizes)
        images.emplace_back(QStringLiteral(":/icons/") + ProgramIconFileName(size));
    return images;
}

// Only the main thread makes, reads and ends it.
ProgramIconDecoding* g_decoding = nullptr;

}

ProgramIconDecoding::ProgramIconDecoding()
{
    RegisterIconResources();
    m_images = std::async(std::launch::async, DecodeIconImages);
    g_decoding = this;
}

ProgramIconDecoding::~ProgramIconDecoding()
{
    g_decoding = nullptr;
    if (m_images.valid())
        m_images.wait();
}

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        RegisterIconResources();
        const bool decoded = g_decoding && g_decoding->m_images.valid();
        const std::vector<QImage> images = decoded ? g_decoding->m_images.get() : DecodeIconImages();
        QIcon sizes;
        for (const QImage& image : images)
            sizes.addPixmap(QPixmap::fromImage(image));
        return sizes;
    }();
    return icon;
}

}
