#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QWidget;

namespace pairfall {

class Announcement;

// Texts spoken one after the other as sentences: results, rows, captions.
QString SpokenSentences(const QStringList& parts);

// Tells screen readers a result that shows on screen without taking the
// focus: a dealt card, a selection, the count.  Nothing new is drawn.  On
// AT-SPI each text is a notification that appears inside the host, the
// status bar, which Orca speaks without naming its role; the announced
// signal lets a platform of other means (UI Automation) raise its own.
class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QWidget* host);

    void Announce(const QString& text);

signals:
    void announced(const QString& text);

private:
    // Screen readers read a notification's text some time after it appears:
    // each of the last few keeps its own, so none is read with a later one's.
    // (Qt 6.8's QAccessibleAnnouncementEvent says a text outright, and would
    // make the ring and the notifications unneeded; Debian's Qt is 6.4.)
    std::array<Announcement*, 8> m_ring {};
    std::size_t m_next = 0;
};

}
