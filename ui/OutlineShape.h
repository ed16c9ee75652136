#pragma once

#include <QWidget>

namespace pairfall {

// The blue selection frame of one slot, drawn beneath the slot's picture.
class OutlineShape : public QWidget {
    Q_OBJECT

public:
    OutlineShape(int index, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}
