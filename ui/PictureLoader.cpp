#include "ui/PictureLoader.h"

#include "art/EmptySlotPicture.h"
#include "art/StandIn.h"
#include "game/Card.h"

#include <QFileInfo>
#include <QImageReader>

namespace pairfall {

namespace {

QImage StandInFor(const std::string& path)
{
    const int id = CardIdOfPicture(path);
    return id != 0 ? PaintStandIn(id) : MakeEmptySlotPicture();
}

}

int CardIdOfPicture(const std::string& path)
{
    bool isNumber = false;
    const int id = QFileInfo(QString::fromStdString(path)).completeBaseName().toInt(&isNumber);
    return isNumber && id >= 1 && id <= CardsInDeck ? id : 0;
}

LoadedPicture LoadSlotPicture(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists() || info.isDir())
        return { StandInFor(path), "File not found: " + path };

    // The format is named, not guessed: a picture must be a BMP file.
    QImageReader reader(file, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) {
        return { StandInFor(path),
            "The picture " + path + " could not be read: " + reader.errorString().toStdString() };
    }
    return { image, std::nullopt };
}

}
