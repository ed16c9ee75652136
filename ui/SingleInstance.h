#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace pairfall {

// One running copy per user: the first start holds a lock file beside the
// settings and listens on a local socket; a later start asks that copy to come
// to the front and ends before it opens the store, so two copies never write
// their statistics over each other.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start {
        First, // this copy runs the game
        HandedOver, // the running copy has come to the front
        NoAnswer, // a running copy holds the lock but did not answer in time
    };

    SingleInstance();

    // Takes the lock, or finds the copy that holds it and asks it to come to
    // the front.  Blocks for a few seconds at most.
    Start Claim();

signals:
    // A later start asked this copy to come to the front.
    void activationRequested();

private:
    Start AskToComeForward(QLocalSocket& socket);
    void Listen();
    void Answer(QLocalSocket* later);

    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
};

}
