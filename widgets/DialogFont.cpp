#include "widgets/DialogFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace pairfall {

namespace {

QString DialogFontFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const char* wanted : { "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans", "Helvetica" }) {
        const QString name = QString::fromLatin1(wanted);
        // Fontconfig lists some families with their foundry: "Nimbus Sans [urw]".
        for (const QString& family : installed) {
            if (family == name || family.startsWith(name + QStringLiteral(" [")))
                return family;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}

QFont DialogFont(int points, bool bold)
{
    QFont font(DialogFontFamily());
    font.setPointSize(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

}
