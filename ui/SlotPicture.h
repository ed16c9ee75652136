#pragma once

#include <QImage>
#include <QWidget>

namespace pairfall {

// One table slot: shows its picture at the picture's own size (in logical
// pixels, by its device pixel ratio), anchored at its top left corner, and reports a left click (press and release on it).
// It takes the keyboard focus from the keyboard only, so a click leaves the
// focus where it was.
class SlotPicture : public QWidget {
    Q_OBJECT

public:
    SlotPicture(int index, const QWidget* outline, QWidget* parent);

    int Index() const { return m_index; }
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }

    // The card it shows, 0 for none; screen readers hear its name.
    void SetCard(int id);
    bool IsEmpty() const { return m_card == 0; }
    // Selected exactly while its outline shows.
    bool IsSelected() const;
    // What one left click does, for the keyboard and screen readers.
    void Press();
    // Tells screen readers that the selection changed.
    void AnnounceSelection();

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& Shown(qreal ratio);

    int m_index;
    int m_card = 0;
    const QWidget* m_outline;
    QImage m_picture;
    QImage m_resampled; // the picture at the screen's ratio, when not a whole multiple of its own
    bool m_pressed = false;
};

}
