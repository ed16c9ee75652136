#pragma once

#include "game/GameState.h"

#include <QImage>
#include <QWidget>

#include <array>

class QKeyEvent;

namespace pairfall {

class OutlineShape;
class SlotPicture;

// The green table: twelve slots in three rows of four, each with its
// selection outline beneath it.  Nothing here reacts to resizing.
//
// The keyboard moves the focus among the slots (arrows within the grid,
// Home, End) and presses the focused one (Space, Return, Enter).  Once the
// player has used a key here, a focus ring shows around the focused slot,
// outside its outline; a mouse press takes it away again.
class Table : public QWidget {
    Q_OBJECT

public:
    explicit Table(QWidget* parent);

    SlotPicture* Slot(int index) const;
    OutlineShape* Outline(int index) const;
    // Shows or hides the outline and tells screen readers of the change;
    // false when it already was so.
    bool SetOutlineVisible(int index, bool visible);
    // The slot that has, or last had, the keyboard focus.
    int FocusSlot() const { return m_focusSlot; }

    // Where the focus ring of a slot lies when it is drawn.
    QRect FocusRingRect(int index) const;

signals:
    void slotClicked(int index);
    // The window went to another screen, perhaps of another scale.
    void screenChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool FocusRingShown() const;
    bool HandleKey(SlotPicture& slot, const QKeyEvent& key);
    void WantFocusRing(bool wanted);

    std::array<SlotPicture*, SlotCount> m_slots {};
    std::array<OutlineShape*, SlotCount> m_outlines {};
    int m_focusSlot = 0; // the slot that has, or last had, the focus
    bool m_focusRingWanted = false;
};

}
