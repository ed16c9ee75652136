#include "ui/PictureLoader.h"

#include "art/CardSize.h"
#include "art/EmptySlotPicture.h"
#include "art/PictureScale.h"
#include "art/StandIn.h"
#include "game/Card.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace pairfall {

namespace {

QImage StandInFor(const std::string& path, int scale)
{
    const int id = CardIdOfPicture(path);
    return id != 0 ? PaintStandIn(id, scale) : MakeEmptySlotPicture(scale);
}

LoadedPicture LoadDesigned(const std::string& path, int standInScale)
{
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists() || info.isDir())
        return { StandInFor(path, standInScale), "File not found: " + path };

    // The format is named, not guessed: a picture must be a BMP file.
    QImageReader reader(file, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) {
        return { StandInFor(path, standInScale),
            "The picture " + path + " could not be read: " + reader.errorString().toStdString() };
    }
    return { image, std::nullopt };
}

// What is wrong with a double-size partner of this size, if anything.
std::optional<std::string> ReadPartner(const QString& path, QSize size, QImage& image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString().toStdString();
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    image = reader.read();
    if (image.isNull())
        return reader.errorString().toStdString();
    // A BMP file gives its own length; Qt reads a cut-off one without a word.
    if (qFromLittleEndian<quint32>(bytes.constData() + 2) > static_cast<quint32>(bytes.size()))
        return "the file is cut short";
    if (image.size() != size)
        return QStringLiteral("it is %1 x %2 pixels, not %3 x %4").arg(image.width()).arg(image.height()).arg(size.width()).arg(size.height()).toStdString();
    return std::nullopt;
}

}

int CardIdOfPicture(const std::string& path)
{
    bool isNumber = false;
    const int id = QFileInfo(QString::fromStdString(path)).completeBaseName().toInt(&isNumber);
    return isNumber && id >= 1 && id <= CardsInDeck ? id : 0;
}

int PictureScaleFor(qreal ratio)
{
    return ratio > 1 ? 2 : 1;
}

LoadedPicture LoadSlotPicture(const std::string& path, qreal ratio)
{
    const int scale = PictureScaleFor(ratio);
    std::optional<std::string> partnerProblem;
    if (scale == 2) {
        const QString partner = ScaledPicturePath(QString::fromStdString(path), scale);
        // The designed file is not read at all while its partner serves.
        if (QFileInfo::exists(partner)) {
            QImage image;
            partnerProblem = ReadPartner(partner, CardSize * scale, image);
            image.setDevicePixelRatio(scale);
            if (!partnerProblem)
                return { image, std::nullopt };
            partnerProblem = "The picture " + partner.toStdString() + " could not be read: " + *partnerProblem;
        }
    }
    LoadedPicture loaded = LoadDesigned(path, scale);
    if (!loaded.problem)
        loaded.problem = partnerProblem;
    return loaded;
}

}
