// Writes the card pictures (1.bmp .. 52.bmp, 69.bmp), their double-size
// partners (1@2x.bmp ..) and the program icon PNGs.
// Usage: make_pictures <pictures-folder> <icons-folder>

#include "art/CardPainter.h"
#include "art/EmptySlotPicture.h"
#include "art/IconArt.h"
#include "art/PictureScale.h"
#include "game/Card.h"
#include "game/PicturePath.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace pairfall {

namespace {

bool Save(const QImage& picture, const QString& path, const char* format)
{
    if (!picture.save(path, format)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

bool SaveBmp(const QImage& picture, const QDir& folder, int id, int scale)
{
    const QString path = ScaledPicturePath(folder.filePath(QStringLiteral("%1.bmp").arg(id)), scale);
    // RGB888 is what makes the BMP writer produce 24 bits per pixel.
    return Save(picture.convertToFormat(QImage::Format_RGB888), path, "BMP");
}

bool SavePng(const QImage& icon, const QDir& folder, int size)
{
    return Save(icon, folder.filePath(ProgramIconFileName(size)), "PNG");
}

int WritePictures(const QDir& pictures, const QDir& icons)
{
    if (!QDir().mkpath(pictures.path()) || !QDir().mkpath(icons.path())) {
        QTextStream(stderr) << "cannot create output folders\n";
        return 1;
    }
    bool ok = true;
    for (int scale : PictureScales) {
        for (int id = 1; id <= CardsInDeck; ++id)
            ok = SaveBmp(PaintCard(id, scale), pictures, id, scale) && ok;
        ok = SaveBmp(MakeEmptySlotPicture(scale), pictures, EmptySlotPictureId, scale) && ok;
    }
    for (int size : ProgramIconSizes)
        ok = SavePng(DrawProgramIcon(size), icons, size) && ok;
    return ok ? 0 : 1;
}

}

}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: make_pictures <pictures-folder> <icons-folder>\n";
        return 2;
    }
    return pairfall::WritePictures(QDir(QString::fromLocal8Bit(argv[1])), QDir(QString::fromLocal8Bit(argv[2])));
}
