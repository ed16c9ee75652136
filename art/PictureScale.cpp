#include "art/PictureScale.h"

#include <algorithm>

namespace pairfall {

QString ScaledPicturePath(const QString& path, int scale)
{
    if (scale == 1)
        return path;
    const qsizetype nameStart = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    qsizetype extension = path.lastIndexOf(QLatin1Char('.'));
    if (extension < nameStart)
        extension = path.size();
    return path.left(extension) + QStringLiteral("@%1x").arg(scale) + path.mid(extension);
}

}
