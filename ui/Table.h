#pragma once

#include "game/GameState.h"

#include <QImage>
#include <QWidget>

#include <array>

namespace pairfall {

class OutlineShape;
class SlotPicture;

// The green table: twelve slots in three rows of four, each with its
// selection outline beneath it.  Nothing here reacts to resizing.
class Table : public QWidget {
    Q_OBJECT

public:
    explicit Table(QWidget* parent);

    SlotPicture* Slot(int index) const;
    OutlineShape* Outline(int index) const;

signals:
    void slotClicked(int index);

private:
    std::array<SlotPicture*, SlotCount> m_slots {};
    std::array<OutlineShape*, SlotCount> m_outlines {};
};

}
