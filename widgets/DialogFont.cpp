#include "widgets/DialogFont.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace pairfall {

namespace {

QString g_language;

// Decided by the language rather than by each text: a dialog keeps one face
// in a language whatever it shows.  The list names the languages whose every
// text is in Windows-1252 (translations_complete checks them); a language
// left out, or added later, gets the outline face, which has its letters.
bool LettersInCodePage1252(const QString& language)
{
    static const QStringList languages = QStringLiteral(PAIRFALL_LANGUAGES_IN_1252).split(QLatin1Char(','));
    return language.isEmpty() || languages.contains(language);
}

}

void SetDialogLanguage(const QString& language)
{
    g_language = language;
}

QString DialogFontFamily(const QStringList& installed, qreal devicePixelRatio)
{
    // The bitmap face only where its pixels are the screen's and it has the
    // language's letters.
    const bool bitmapFits = devicePixelRatio == 1.0 && LettersInCodePage1252(g_language);
    for (const char* wanted : { "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans", "Helvetica" }) {
        const QString name = QString::fromLatin1(wanted);
        if (!bitmapFits && name == QStringLiteral("MS Sans Serif"))
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
