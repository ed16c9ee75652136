#pragma once

#include <QStatusBar>

class QLabel;

namespace pairfall {

// The status bar with the game's one status line.  The line is the game's
// alone: the toolkit's temporary messages (status tips) never replace it.
class StatusLine : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent);

    void SetText(const QString& text);
    QString Text() const;

private:
    QLabel* m_line;
};

}
