#include "ui/Table.h"

#include "art/EmptySlotPicture.h"
#include "art/TableGreen.h"
#include "ui/OutlineShape.h"
#include "ui/PictureLoader.h"
#include "ui/SlotPicture.h"
#include "ui/TableAccessibility.h"
#include "ui/TableLayout.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QWindow>

#include <algorithm>

namespace pairfall {

using namespace layout;

namespace {

// The slot a movement key leads to: along a row or a column, stopping at the
// edges, or to the first or last slot.  -1 for any other key.
int SlotAfterKey(int index, int key)
{
    const int column = index % SlotColumns;
    switch (key) {
    case Qt::Key_Left:
        return column > 0 ? index - 1 : index;
    case Qt::Key_Right:
        return column < SlotColumns - 1 ? index + 1 : index;
    case Qt::Key_Up:
        return index >= SlotColumns ? index - SlotColumns : index;
    case Qt::Key_Down:
        return index + SlotColumns < SlotCount ? index + SlotColumns : index;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return SlotCount - 1;
    default:
        return -1;
    }
}

bool IsPressKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Dots of size x size pixels along the inside of frame, a dot in every
// corner and the ones between spread evenly, about one dot's size apart.
void DrawDottedFrame(QPainter& painter, const QRect& frame, int size, const QColor& colour)
{
    const auto along = [&](int first, int last, const auto& dot) {
        const int span = last - first;
        const int steps = std::max(1, (span + size) / (2 * size));
        for (int step = 0; step <= steps; ++step)
            dot(first + span * step / steps);
    };
    const int right = frame.right() - size + 1;
    const int bottom = frame.bottom() - size + 1;
    along(frame.left(), right, [&](int x) {
        painter.fillRect(x, frame.top(), size, size, colour);
        painter.fillRect(x, bottom, size, size, colour);
    });
    along(frame.top(), bottom, [&](int y) {
        painter.fillRect(frame.left(), y, size, size, colour);
        painter.fillRect(right, y, size, size, colour);
    });
}

}

Table::Table(QWidget* parent)
    : QWidget(parent)
{
    InstallTableAccessibility();
    setObjectName(QStringLiteral("table"));
    //: What a screen reader calls the playing table, the group of the twelve card places.
    setAccessibleName(tr("Table"));
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, TableGreen);
    setPalette(green);

    // Outlines first, so every slot lies above them.
    for (int i = 0; i < SlotCount; ++i)
        m_outlines[i] = new OutlineShape(i, this);

    // Made in order, so Tab goes from slot 0 to slot 11.
    const QImage emptySlot = MakeEmptySlotPicture(PictureScaleFor(devicePixelRatioF()));
    for (int i = 0; i < SlotCount; ++i) {
        auto* slot = new SlotPicture(i, m_outlines[i], this);
        slot->move(SlotPosition(i));
        slot->SetPicture(emptySlot);
        slot->installEventFilter(this);
        connect(slot, &SlotPicture::clicked, this, &Table::slotClicked);
        m_slots[i] = slot;
    }
}

SlotPicture* Table::Slot(int index) const { return m_slots.at(index); }

OutlineShape* Table::Outline(int index) const { return m_outlines.at(index); }

bool Table::SetOutlineVisible(int index, bool visible)
{
    OutlineShape* outline = Outline(index);
    if (outline->isHidden() != visible)
        return false;
    outline->setVisible(visible);
    Slot(index)->AnnounceSelection();
    return true;
}

QRect Table::FocusRingRect(int index) const
{
    const int outside = FocusRingGap + FocusRingWidth;
    return Slot(index)->geometry().united(Outline(index)->geometry()).adjusted(-outside, -outside, outside, outside);
}

bool Table::FocusRingShown() const
{
    return m_focusRingWanted && m_slots[m_focusSlot]->hasFocus();
}

void Table::WantFocusRing(bool wanted)
{
    if (wanted == m_focusRingWanted)
        return;
    m_focusRingWanted = wanted;
    update(FocusRingRect(m_focusSlot));
}

bool Table::eventFilter(QObject* watched, QEvent* event)
{
    auto* slot = static_cast<SlotPicture*>(watched); // only the slots are watched
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        update(FocusRingRect(m_focusSlot));
        m_focusSlot = slot->Index();
        update(FocusRingRect(m_focusSlot));
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            WantFocusRing(true);
        break;
    }
    case QEvent::FocusOut:
        update(FocusRingRect(slot->Index()));
        break;
    case QEvent::MouseButtonPress:
        WantFocusRing(false); // the mouse player's table stays as designed
        break;
    case QEvent::KeyPress:
        return HandleKey(*slot, *static_cast<QKeyEvent*>(event));
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool Table::HandleKey(SlotPicture& slot, const QKeyEvent& key)
{
    if (!slot.isEnabled() || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int target = SlotAfterKey(slot.Index(), key.key());
    if (target < 0 && !IsPressKey(key.key()))
        return false;
    WantFocusRing(true);
    if (target >= 0)
        Slot(target)->setFocus(Qt::OtherFocusReason);
    else if (!key.isAutoRepeat()) // a held key presses once
        slot.Press();
    return true;
}

void Table::changeEvent(QEvent* event)
{
    // Disabling the window takes the focus from its slot; it comes back there.
    if (event->type() == QEvent::EnabledChange && isEnabled() && !m_slots[m_focusSlot]->hasFocus())
        m_slots[m_focusSlot]->setFocus(Qt::OtherFocusReason);
    QWidget::changeEvent(event);
}

void Table::showEvent(QShowEvent* event)
{
    // The window's native side exists from its first showing on.
    if (QWindow* native = window()->windowHandle())
        connect(native, &QWindow::screenChanged, this, &Table::screenChanged, Qt::UniqueConnection);
    QWidget::showEvent(event);
}

void Table::paintEvent(QPaintEvent*)
{
    if (!FocusRingShown())
        return;
    QPainter painter(this);
    DrawDottedFrame(painter, FocusRingRect(m_focusSlot), FocusRingWidth, FocusRingWhite);
}

}
