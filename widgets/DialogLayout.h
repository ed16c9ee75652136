#pragma once

class QAbstractButton;
class QString;

namespace pairfall {

// The width a button's caption takes with the least margin the style needs
// on either side of it to show it whole.
int CaptionWidth(const QAbstractButton& button);

// Whether a control shows a translation rather than the English text the
// dialog was laid out for.  The English keeps its designed place whatever
// the font; only a translation moves or widens a control.
bool IsTranslated(const QString& shown, const char* english);

// The dialogs' buttons keep the width they were laid out with, and grow, with
// a comfortable margin, only where a translated caption would not fit.
int ButtonWidth(const QAbstractButton& button, const char* english, int designed);

}
