#include "ui/OutlineShape.h"

#include "ui/TableLayout.h"

#include <QPainter>

namespace pairfall {

using namespace layout;

OutlineShape::OutlineShape(int index, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("outline"));
    setProperty("index", index);
    // A click on the visible rim does nothing, like one on the table.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint slot = SlotPosition(index);
    setGeometry(slot.x() - OutlineOutside, slot.y() - OutlineOutside,
        SlotSize.width() + 2 * OutlineOutside, SlotSize.height() + OutlineExtraHeight + 2 * OutlineOutside);
    hide();
}

void OutlineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect whole = rect();
    const QRect inner = whole.adjusted(OutlineBorderWidth, OutlineBorderWidth, -OutlineBorderWidth, -OutlineBorderWidth);
    // The border only: a filled shape would show in the card's rounded corners.
    painter.fillRect(QRect(whole.left(), whole.top(), whole.width(), OutlineBorderWidth), OutlineBlue);
    painter.fillRect(QRect(whole.left(), inner.bottom() + 1, whole.width(), OutlineBorderWidth), OutlineBlue);
    painter.fillRect(QRect(whole.left(), inner.top(), OutlineBorderWidth, inner.height()), OutlineBlue);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), OutlineBorderWidth, inner.height()), OutlineBlue);
}

}
