#include "ui/StatusLine.h"

#include "game/Texts.h"
#include "ui/TableLayout.h"
#include "widgets/EngineTexts.h"

#include <QLabel>

namespace pairfall {

StatusLine::StatusLine(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("sbStatusBar"));
    setFixedHeight(layout::StatusBarHeight);
    setSizeGripEnabled(false);
    m_line = new QLabel(GameText(ReadyText), this);
    m_line->setObjectName(QStringLiteral("sbStatusLine"));
    m_line->setTextFormat(Qt::PlainText);
    m_line->setContentsMargins(2, 0, 2, 0);
    // A permanent widget stays visible while a temporary message is shown.
    addPermanentWidget(m_line, 1);
}

void StatusLine::SetText(const QString& text)
{
    m_line->setText(text);
}

QString StatusLine::Text() const
{
    return m_line->text();
}

}
