#include "ui/Table.h"

#include "art/EmptySlotPicture.h"
#include "art/TableGreen.h"
#include "ui/OutlineShape.h"
#include "ui/SlotPicture.h"
#include "ui/TableLayout.h"

#include <QPalette>

namespace pairfall {

using namespace layout;

Table::Table(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("table"));
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, TableGreen);
    setPalette(green);

    // Outlines first, so every slot lies above them.
    for (int i = 0; i < SlotCount; ++i)
        m_outlines[i] = new OutlineShape(i, this);

    const QImage emptySlot = MakeEmptySlotPicture();
    for (int i = 0; i < SlotCount; ++i) {
        auto* slot = new SlotPicture(i, this);
        slot->move(SlotPosition(i));
        slot->SetPicture(emptySlot);
        connect(slot, &SlotPicture::clicked, this, &Table::slotClicked);
        m_slots[i] = slot;
    }
}

SlotPicture* Table::Slot(int index) const { return m_slots.at(index); }

OutlineShape* Table::Outline(int index) const { return m_outlines.at(index); }

}
