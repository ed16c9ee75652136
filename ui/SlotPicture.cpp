#include "ui/SlotPicture.h"

#include "art/CardNames.h"
#include "game/Texts.h"
#include "ui/TableLayout.h"
#include "widgets/EngineTexts.h"

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
    // Not marked opaque: at scales such as 1.1, where a slot's edges fall
    // inside screen pixels, Qt then left stale pixels across the table.
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    SetCard(0);
    //: How a screen reader tells where a card place is: its row (1 to 3), then its place in the row from the left (1 to 4).
    setAccessibleDescription(tr("Row %1, place %2").arg(index / layout::SlotColumns + 1).arg(index % layout::SlotColumns + 1));
}

void SlotPicture::SetCard(int id)
{
    m_card = id;
    setAccessibleName(id != 0 ? CardName(id) : GameText(EmptyPlaceName));
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
    m_resampled = QImage();
    resize(picture.deviceIndependentSize().toSize());
    update();
}

// A whole number of screen pixels to each picture pixel keeps the pixels
// crisp.  Any other ratio would look uneven unsmoothed: the picture is then
// resampled smoothly, once, to the slot's device pixels.
const QImage& SlotPicture::Shown(qreal ratio)
{
    const qreal steps = ratio / m_picture.devicePixelRatio();
    if (steps == std::floor(steps))
        return m_picture;
    if (m_resampled.isNull() || m_resampled.devicePixelRatio() != ratio) {
        const QSizeF device = m_picture.deviceIndependentSize() * ratio;
        m_resampled = m_picture.scaled(std::ceil(device.width()), std::ceil(device.height()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_resampled.setDevicePixelRatio(ratio);
    }
    return m_resampled;
}

void SlotPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Shown(devicePixelRatioF()));
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
