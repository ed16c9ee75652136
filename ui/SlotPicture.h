#pragma once

#include <QImage>
#include <QWidget>

namespace pairfall {

// One table slot: shows its picture at the picture's own size, anchored at
// its top left corner, and reports a left click (press and release on it).
class SlotPicture : public QWidget {
    Q_OBJECT

public:
    SlotPicture(int index, QWidget* parent);

    int Index() const { return m_index; }
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
    QImage m_picture;
    bool m_pressed = false;
};

}
