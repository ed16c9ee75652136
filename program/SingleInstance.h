#pragma once

#include "program/LocalSocket.h"
#include "settings/SettingsLocation.h"

#include <QDeadlineTimer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <thread>

namespace pairfall {

class Porter;

// One running copy per user: the first start holds a lock file and listens
// on a local socket; a later start asks that copy to come to the front and
// ends before it opens the store, so two copies never write their statistics
// over each other.  Both follow from the settings' location: copies that share
// a store find each other.
//
// The socket is served from a thread of its own, so a copy answers from the
// moment it listens: "starting" until its main loop runs, then it comes to
// the front, and "ending" once its shutdown has begun.  A later start waits
// while it hears either, up to a bound.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start {
        First, // this copy runs the game
        HandedOver, // the running copy has come to the front
        NoAnswer, // a running copy holds the lock but did not answer in time
    };

    explicit SingleInstance(const SettingsLocation& where = SettingsLocation::Native());
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Begins to take the lock on a thread of its own, so that it overlaps
    // the making of the application: the new lock file is flushed to disk,
    // which costs a start a millisecond or more.
    void BeginClaim();
    // Takes the lock, or finds the copy that holds it and asks it to come to
    // the front.  Blocks while that copy is starting or ending, within a bound.
    Start Claim();

    // The main loop runs: later starts are brought to the front from now on.
    void StartAnswering();
    // The copy is ending: later starts hear so and wait for the lock.
    void StopAnswering();
    // Stops listening and gives the lock up, so that a start that follows
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
    // A later start has asked, in whatever phase this copy is; emitted at
    // once from the socket's thread.
    void questionHeard();

private:
    friend class Porter;
    enum class Phase { Starting,
        Running,
        Ending };
    enum class Asked {
        HandedOver,
        NoAnswer, // connected, but the copy kept silent or the bound passed
        Dropped, // the copy closed the connection: it ended, or is gone
    };
    Asked AskToComeForward(LocalSocket& socket, const QDeadlineTimer& bound);
    bool TryFirst();
    bool LockNamesThisProcess() const;
    bool Listen();
    void StopListening();

    QString m_serverName;
    QLockFile m_lock;
    std::thread m_firstTry;
    bool m_firstTryLocked = false;
    QThread m_thread;
    Porter* m_porter = nullptr;
    std::atomic<Phase> m_phase = Phase::Starting;
};

}
