#include "widgets/DialogLayout.h"

#include <QAbstractButton>

namespace pairfall {

namespace {

constexpr int LeastMargin = 3;
constexpr int GrownMargin = 8;

int TextWidth(const QAbstractButton& button)
{
    QString caption = button.text();
    caption.remove(QLatin1Char('&'));
    return button.fontMetrics().horizontalAdvance(caption);
}

}

int CaptionWidth(const QAbstractButton& button)
{
    return TextWidth(button) + 2 * LeastMargin;
}

bool IsTranslated(const QString& shown, const char* english)
{
    return shown != QString::fromUtf8(english);
}

int ButtonWidth(const QAbstractButton& button, const char* english, int designed)
{
    if (!IsTranslated(button.text(), english) || CaptionWidth(button) <= designed)
        return designed;
    return TextWidth(button) + 2 * GrownMargin;
}

}
