#pragma once

#include <QString>
#include <QStringList>

// The program's texts, and what Qt's own widgets say, in the player's language.
namespace pairfall {

// Where the program's translations lie: a folder beside the program.
QString TranslationsFolder(const QString& programFolder);

// Installs the translations of the first language in the list (as
// QLocale::uiLanguages() gives it, most wanted first) that the program has
// in folder, together with Qt's own for it.  English, or a list in which no
// language comes before English or has a translation, installs nothing, and
// the program speaks its own English.  A file that is damaged, or is not
// the program's, is passed over without a word.  Returns the language taken
// ("de", "pt_BR"), empty for English.
QString InstallTranslations(const QStringList& uiLanguages, const QString& folder);

}
