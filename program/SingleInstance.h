#pragma once

#include "settings/SettingsLocation.h"

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace pairfall {

// One running copy per user: the first start holds a lock file and listens
// on a local socket; a later start asks that copy to come to the front and
// ends before it opens the store, so two copies never write their statistics
// over each other.  Both follow from the settings' location: copies that share
// a store find each other.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start {
        First, // this copy runs the game
        HandedOver, // the running copy has come to the front
        NoAnswer, // a running copy holds the lock but did not answer in time
    };

    explicit SingleInstance(const SettingsLocation& where = SettingsLocation::Native());

    // Takes the lock, or finds the copy that holds it and asks it to come to
    // the front.  Blocks for a few seconds at most.
    Start Claim();

    // The copy is ending: later starts get no answer and wait for the lock.
    void StopAnswering();
    // Stops answering and gives the lock up, so that a start that follows
    // finds none even if the process is ended before it returns.
    void Release();

    // The lock file: beside an INI file; in %LOCALAPPDATA%\Pairfall on
    // Windows; beside the settings file ($XDG_CONFIG_HOME/Pairfall) elsewhere.
    static QString LockFile(const SettingsLocation& where);
    // The local socket's name: in $XDG_RUNTIME_DIR on Unix when that is set,
    // a plain name of this user's otherwise.
    static QString ServerName(const SettingsLocation& where);

signals:
    // A later start asked this copy to come to the front.
    void activationRequested();

private:
    enum class Asked {
        HandedOver,
        NoAnswer, // connected, but the copy kept silent
        Dropped, // the copy closed the connection: it is ending
    };
    Asked AskToComeForward(QLocalSocket& socket);
    bool LockNamesThisProcess() const;
    void Listen();
    void Answer(QLocalSocket* later);

    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
    bool m_answering = false;
};

}
