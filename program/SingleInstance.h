#pragma once

#include "settings/SettingsLocation.h"

#include <QDeadlineTimer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace pairfall {

// One running copy per user: the first start holds a lock file and listens
// on a local socket that only this user may reach; a later start asks that
// copy to come to the front and ends before it opens the store, so two copies
// never write their statistics over each other.  Both follow from the
// settings' location alone: copies that share a store find each other,
// whatever their environment.
//
// The running copy answers from its main loop.  A later start that finds the
// lock held by a live copy keeps asking while that copy is still starting,
// hung, or ending, up to a bound; then it says the copy does not answer.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start {
        First, // this copy runs the game
        HandedOver, // the running copy has come to the front
        NoAnswer, // a live copy holds the lock but did not answer in time
    };

    // How long a later start waits, at most, for a copy that holds the lock.
    static constexpr int BoundMs = 30000;

    explicit SingleInstance(const SettingsLocation& where = SettingsLocation::Native(), int boundMs = BoundMs);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock and listens, or finds the copy that holds it and asks
    // it to come to the front.  Blocks for at most the bound.
    Start Claim();

    // The copy is ending: it stops listening, and later starts wait for the lock.
    void StopAnswering();
    // Stops listening and gives the lock up, so that a start that follows
    // finds none even if the process is ended before it returns.
    void Release();

    // The lock file: beside an INI file; in %LOCALAPPDATA%\Pairfall on
    // Windows; beside the settings file ($XDG_CONFIG_HOME/Pairfall) elsewhere.
    static QString LockFile(const SettingsLocation& where);
    // The local socket: on Unix beside the lock file, or in the user's
    // /run/user folder where that path is too long; a named pipe on Windows.
    static QString ServerName(const SettingsLocation& where);

signals:
    // A later start asked this copy to come to the front.
    void activationRequested();
    // This start found the lock held by a live copy and waits for it (once).
    void waiting();
    // This start has put its question to the copy that holds the lock.
    void asking();

private:
    bool Ask(const QDeadlineTimer& bound);
    bool LockNamesThisProcess() const;
    void Listen();
    void Hear(QLocalSocket* later);

    SettingsLocation m_where;
    QString m_serverName;
    QLockFile m_lock;
    int m_boundMs;
    QLocalServer* m_server = nullptr;
};

}
