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
        return { StandInFor(path, standInScale), RuntimeError::FileNotFound(path) };

    // The format is named, not guessed: a picture must be a BMP file.
    QImageReader reader(file, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) {
        return { StandInFor(path, standInScale), RuntimeError(RuntimeError::Kind::BadPicture, { path, reader.errorString().toStdString() }) };
    }
    return { image, std::nullopt };
}

// What is wrong with a double-size partner of this size, if anything.
std::optional<RuntimeError> ReadPartner(const QString& path, QSize size, QImage& image)
{
    const std::string name = path.toStdString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return RuntimeError(RuntimeError::Kind::BadPicture, { name, file.errorString().toStdString() });
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    image = reader.read();
    if (image.isNull())
        return RuntimeError(RuntimeError::Kind::BadPicture, { name, reader.errorString().toStdString() });
    // A BMP file gives its own length; Qt reads a cut-off one without a word.
    if (qFromLittleEndian<quint32>(bytes.constData() + 2) > static_cast<quint32>(bytes.size()))
        return RuntimeError(RuntimeError::Kind::PictureCutShort, { name });
    if (image.size() != size) {
        const auto number = [](int n) { return std::to_string(n); };
        return RuntimeError(RuntimeError::Kind::PictureWrongSize, { name, number(image.width()), number(image.height()), number(size.width()), number(size.height()) });
    }
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
    std::optional<RuntimeError> partnerProblem;
    if (scale == 2) {
        const QString partner = ScaledPicturePath(QString::fromStdString(path), scale);
        // The designed file is not read at all while its partner serves.
        if (QFileInfo::exists(partner)) {
            QImage image;
            partnerProblem = ReadPartner(partner, CardSize * scale, image);
            image.setDevicePixelRatio(scale);
            if (!partnerProblem)
                return { image, std::nullopt };
        }
    }
    LoadedPicture loaded = LoadDesigned(path, scale);
    if (!loaded.problem)
        loaded.problem = partnerProblem;
    return loaded;
}

}
