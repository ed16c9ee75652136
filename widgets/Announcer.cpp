#include "widgets/Announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QCoreApplication>
#include <QWidget>

namespace pairfall {

// One announced text, present for screen readers only.
class Announcement final : public QObject {
    Q_OBJECT

public:
    Announcement(QWidget* host, QObject* parent)
        : QObject(parent)
        , m_host(host)
    {
    }

    QWidget* Host() const { return m_host; }
    QString Text() const { return m_text; }
    void SetText(const QString& text) { m_text = text; }

private:
    QWidget* m_host;
    QString m_text;
};

namespace {

class AnnouncementAccessible final : public QAccessibleObject {
public:
    explicit AnnouncementAccessible(Announcement* announcement)
        : QAccessibleObject(announcement)
    {
    }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Item().Host()); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text kind) const override { return kind == QAccessible::Name ? Item().Text() : QString(); }
    QRect rect() const override { return {}; }

private:
    Announcement& Item() const { return *static_cast<Announcement*>(object()); }
};

QAccessibleInterface* AnnouncementFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new AnnouncementAccessible(static_cast<Announcement*>(object));
    return nullptr;
}

}

QString SpokenSentences(const QStringList& parts)
{
    QString joined;
    for (const QString& part : parts)
        joined = joined.isEmpty() ? part : QCoreApplication::translate("Announcer", "%1. %2", "two texts spoken one after the other as sentences").arg(joined, part);
    return joined;
}

Announcer::Announcer(QWidget* host)
    : QObject(host)
{
    static const bool installed = [] {
        QAccessible::installFactory(&AnnouncementFactory);
        return true;
    }();
    static_cast<void>(installed);
    for (Announcement*& announcement : m_ring)
        announcement = new Announcement(host, this);
}

void Announcer::Announce(const QString& text)
{
    if (text.isEmpty())
        return;
    Announcement* announcement = m_ring[m_next];
    m_next = (m_next + 1) % m_ring.size();
    announcement->SetText(text);
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit announced(text);
}

}

#include "Announcer.moc"
