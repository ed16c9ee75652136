#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace pairfall {

// The dialogs' face, "MS Sans Serif"; where that is missing, a sans serif of
// about its width, so captions keep clear of the values beside them.  "MS Sans
// Serif" is a bitmap font on Windows that does not scale and has the letters
// of Windows-1252 alone, so above 100 % display scale, and for a language
// with other letters (Polish), "Microsoft Sans Serif", its outline version,
// comes first.
QFont DialogFont(int points, bool bold);

// The language of the texts the dialogs show ("pl", "pt_BR"; empty for the
// program's own English).  InstallTranslations sets it with the translation.
void SetDialogLanguage(const QString& language);

// The family DialogFont takes from those installed, for a display of this
// device pixel ratio and the language set; empty when none of its choices is
// installed (then the system's general font is used).
QString DialogFontFamily(const QStringList& installed, qreal devicePixelRatio);

}
