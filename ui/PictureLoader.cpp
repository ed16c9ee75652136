#include "ui/PictureLoader.h"

#include "game/Card.h"
#include "ui/CardPainter.h"
#include "ui/EmptySlotPicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace pairfall {

namespace {

QImage StandInFor(const QString& path)
{
    bool isNumber = false;
    const int id = QFileInfo(path).completeBaseName().toInt(&isNumber);
    if (isNumber && id >= 1 && id <= CardsInDeck)
        return PaintStandIn(id);
    return MakeEmptySlotPicture();
}

}

LoadedPicture LoadSlotPicture(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists() || info.isDir())
        return { StandInFor(file), "File not found: " + path };

    // The format is named, not guessed: a picture must be a BMP file.
    QImageReader reader(file, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) {
        return { StandInFor(file),
            "The picture " + path + " could not be read: " + reader.errorString().toStdString() };
    }
    return { image, std::nullopt };
}

}
