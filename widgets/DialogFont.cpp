#include "widgets/DialogFont.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace pairfall {

QString DialogFontFamily(const QStringList& installed, qreal devicePixelRatio)
{
    // The bitmap face only where its pixels are the screen's.
    const bool unscaled = devicePixelRatio == 1.0;
    for (const char* wanted : { "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans", "Helvetica" }) {
        const QString name = QString::fromLatin1(wanted);
        if (!unscaled && name == QStringLiteral("MS Sans Serif"))
            continue;
        // Fontconfig lists some families with their foundry: "Nimbus Sans [urw]".
        for (const QString& family : installed) {
            if (family == name || family.startsWith(name + QStringLiteral(" [")))
                return family;
        }
    }
    return {};
}

QFont DialogFont(int points, bool bold)
{
    // The highest ratio of all screens: a dialog may be shown on any of them.
    QString family = DialogFontFamily(QFontDatabase::families(), qGuiApp->devicePixelRatio());
    if (family.isEmpty())
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont font(family);
    font.setPointSize(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

}
