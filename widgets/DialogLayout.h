#pragma once

class QAbstractButton;

namespace pairfall {

// The width a button's caption takes with the least margin the style needs
// on either side of it to show it whole.
int CaptionWidth(const QAbstractButton& button);

// The dialogs' buttons keep the width they were laid out with for the
// English captions, and grow, with a comfortable margin, only where a
// caption would not fit.
int ButtonWidth(const QAbstractButton& button, int designed);

}
