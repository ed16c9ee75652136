#include "program/Translations.h"

#include "game/Texts.h"
#include "widgets/DialogFont.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace pairfall {

namespace {

// What Qt itself says to the player here, in Qt's own contexts: the message
// boxes' buttons, and a slot's action and key as a screen reader names them.
// These are searched before Qt's translations, which serve only what the
// program lacks: Qt's own words can be wrong (its Italian for the focus
// action reads "set fire"), and Debian's Qt has no Swedish at all.
[[maybe_unused]] constexpr const char* QtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    //: What a screen reader offers to do with a card place: press it, as a click does.
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "Press"),
    //: What a screen reader offers to do with a card place: move the keyboard focus to it. Words, as the player hears them.
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "SetFocus"),
    //: The key that presses the focused card place, as a screen reader names it.
    QT_TRANSLATE_NOOP("QShortcut", "Space"),
};

// The names under which a list of languages asks for the program's English.
bool IsEnglish(const QString& name, const QLocale& locale)
{
    return locale.language() == QLocale::English || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// A translation of this program translates its first text.
bool IsThisProgramsTranslation(const QTranslator& translator)
{
    return !translator.translate(TextsContext, ReadyText).isEmpty();
}

// Where Qt's own texts are looked for: the system's copy on Linux, else the
// program's.  On Windows Qt is linked into the program, and a Qt folder
// anywhere else is not the program's but could be anyone's.
QStringList QtTranslationPlaces(const QString& folder)
{
#ifdef Q_OS_WIN
    return { folder };
#else
    return { QLibraryInfo::path(QLibraryInfo::TranslationsPath), folder };
#endif
}

// Qt's own texts: the buttons of the message boxes, what screen readers say
// of actions and keys.
void InstallQtTranslation(const QLocale& locale, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    for (const QString& place : QtTranslationPlaces(folder)) {
        if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), place)) {
            QCoreApplication::installTranslator(translator.release());
            return;
        }
    }
}

}

QString TranslationsFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("/translations");
}

QString InstallTranslations(const QStringList& uiLanguages, const QString& folder)
{
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (IsEnglish(name, locale))
            return {};
        // An unknown or malformed name stands for no language at all.
        if (locale.language() == QLocale::C)
            continue;
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (!translator->load(locale, QStringLiteral("pairfall"), QStringLiteral("_"), folder) || !IsThisProgramsTranslation(*translator))
            continue;
        const QString language = translator->language();
        // The last installed is searched first.
        InstallQtTranslation(locale, folder);
        QCoreApplication::installTranslator(translator.release());
        // The dialogs' face must have the language's letters.
        SetDialogLanguage(language);
        return language;
    }
    return {};
}

}
