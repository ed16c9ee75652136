#include "ui/SlotPicture.h"

#include "game/Texts.h"
#include "ui/TableLayout.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace pairfall {

SlotPicture::SlotPicture(int index, const QWidget* outline, QWidget* parent)
    : QWidget(parent)
    , m_index(index)
    , m_outline(outline)
{
    setObjectName(QStringLiteral("Slot"));
    setProperty("index", index);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QString::fromLatin1(EmptyPlaceName));
    setAccessibleDescription(QStringLiteral("Row %1, place %2").arg(index / layout::SlotColumns + 1).arg(index % layout::SlotColumns + 1));
}

bool SlotPicture::IsSelected() const
{
    return !m_outline->isHidden();
}

void SlotPicture::Press()
{
    emit clicked(m_index);
}

void SlotPicture::AnnounceSelection()
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void SlotPicture::SetPicture(const QImage& picture)
{
    m_picture = picture;
    resize(picture.size());
    update();
}

void SlotPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Whole-number scales keep the pixels crisp; others would look uneven unsmoothed.
    const qreal ratio = devicePixelRatioF();
    if (ratio != std::floor(ratio))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(0, 0), m_picture);
}

void SlotPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void SlotPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        Press();
}

}
