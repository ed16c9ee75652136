#pragma once

#include <QObject>
#include <QString>

class QWidget;

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

}
