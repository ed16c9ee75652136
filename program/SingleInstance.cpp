#include "program/SingleInstance.h"

#include "program/LocalSocket.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <thread>
#include <vector>

#ifdef Q_OS_WIN
#include "platform/WindowMessages.h"
#endif

namespace pairfall {

namespace {

// How long a question waits for a word before it is asked again.
constexpr int PatienceMs = 3000;
// How often a copy that is starting or ending says so, well within the patience.
constexpr int ReminderMs = 1000;
// The bound: how long a later start waits for a copy that keeps saying it is
// starting or ending, or that stays silent.  A first start on a cold disk, or behind a virus
// scanner reading the program, takes seconds; one that takes longer than
// this hangs, and the later start says the copy does not answer.
constexpr int SettlingMs = 30000;
const QByteArray ActivateRequest = "activate\n";
const QByteArray ActivatedAnswer = "activated\n";
const QByteArray StartingAnswer = "starting\n";
const QByteArray EndingAnswer = "ending\n";

// The host name QLockFile writes into its file.
QString ThisHost()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

}

QString SingleInstance::LockFile(const SettingsLocation& where)
{
    return where.FileBeside(QStringLiteral(".lock"));
}

// Named after the store, which is the user's: copies of one user find each
// other, whatever display they run on, because they share one store.
QString SingleInstance::ServerName(const SettingsLocation& where)
{
    const QString store = where.IsNative() ? SettingsLocation::NativeFolder() : where.IniFilePath();
    const QByteArray storeHash = QCryptographicHash::hash(store.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("pairfall-") + QString::fromLatin1(storeHash);
#ifdef Q_OS_UNIX
    // Without a runtime folder Qt puts the socket in the temporary folder itself.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + '/' + name;
#endif
    // A named pipe, \\.\pipe\pairfall-…, one for each user's folder.
    return name;
}

// Serves the socket in the copy's thread of its own: it answers at once
// whatever the main thread is doing, and hands a question on to the main
// thread only once the main loop runs.
class Porter final : public QObject {
public:
    explicit Porter(SingleInstance& copy)
        : m_copy(copy)
    {
    }

    bool Listen(const QString& name)
    {
        auto* server = new LocalServer(this);
        // The lock is ours, so a socket found here was left by a run that is gone.
        LocalServer::removeServer(name);
#ifdef Q_OS_WIN
        // Named pipes are open to other users by default.
        server->setSocketOptions(LocalServer::UserAccessOption);
#endif
        if (!server->listen(name))
            return false;
        connect(server, &LocalServer::newConnection, this, [this, server] {
            while (LocalSocket* later = server->nextPendingConnection())
                Hear(later);
        });
        auto* reminders = new QTimer(this);
        connect(reminders, &QTimer::timeout, this, &Porter::Remind);
        reminders->start(ReminderMs);
        return true;
    }

    // Tells every start that waits what this copy does now.
    void Remind()
    {
        std::erase_if(m_waiting, [](const Waiting& waiting) { return waiting.later.isNull(); });
        for (Waiting& waiting : m_waiting) {
            switch (m_copy.m_phase.load()) {
            case SingleInstance::Phase::Starting:
                waiting.later->write(StartingAnswer);
                break;
            case SingleInstance::Phase::Ending:
                waiting.later->write(EndingAnswer);
                break;
            case SingleInstance::Phase::Running:
                if (!waiting.handedOn) {
                    waiting.handedOn = true;
                    HandOn(waiting.later);
                }
                break;
            }
        }
    }

    // Closes every connection: a start that waits looks for the lock again.
    void Close() { qDeleteAll(children()); }

private:
    struct Waiting {
        QPointer<LocalSocket> later;
        bool handedOn = false;
    };

    void Hear(LocalSocket* later)
    {
        connect(later, &LocalSocket::disconnected, later, &QObject::deleteLater);
        const auto read = [this, later] {
            if (!later->canReadLine())
                return;
            if (later->readLine() != ActivateRequest) {
                later->disconnectFromServer();
                return;
            }
            emit m_copy.questionHeard();
            m_waiting.push_back({ later });
            Remind();
        };
        connect(later, &LocalSocket::readyRead, this, read);
        // On Windows a question written before the connection was taken may
        // already be read in, and no readyRead comes for it.
        read();
    }

    // The main thread brings the window to the front, then the start is told.
    void HandOn(QPointer<LocalSocket> later)
    {
        QMetaObject::invokeMethod(
            &m_copy, [this, later] {
                // Ending meanwhile: the reminders say so.
                if (m_copy.m_phase != SingleInstance::Phase::Running)
                    return;
                emit m_copy.activationRequested();
                QMetaObject::invokeMethod(
                    this, [later] {
                        if (!later)
                            return;
                        later->write(ActivatedAnswer);
                        later->disconnectFromServer();
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }

    SingleInstance& m_copy;
    std::vector<Waiting> m_waiting;
};

SingleInstance::SingleInstance(const SettingsLocation& where)
    : m_serverName(ServerName(where))
    , m_lock(LockFile(where))
{
    // A lock is stale only when the process it names is gone: a copy that
    // has run for hours still holds it.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_firstTry.joinable())
        m_firstTry.join();
    StopListening();
}

void SingleInstance::BeginClaim()
{
    m_firstTry = std::thread([this] { m_firstTryLocked = TryFirst(); });
}

bool SingleInstance::TryFirst()
{
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    return m_lock.tryLock(0);
}

SingleInstance::Start SingleInstance::Claim()
{
    bool locked = false;
    if (m_firstTry.joinable()) {
        m_firstTry.join();
        locked = m_firstTryLocked;
    } else {
        locked = TryFirst();
    }
    const QDeadlineTimer bound(SettlingMs);
    for (; !locked; locked = m_lock.tryLock(0)) {
        // A folder that cannot be written: the game runs unguarded, as it
        // always did, and the store reports its own failures.
        if (m_lock.error() != QLockFile::LockFailedError)
            return Start::First;
        // Left by a run that the system ended (after a Windows session, say)
        // and that had the very process id this one has now.
        if (LockNamesThisProcess() && m_lock.removeStaleLockFile())
            continue;
        // The copy holding the lock is alive (a dead one's lock is stale and
        // taken above), and may be starting too and not listen yet: on a
        // crowded machine two copies started at once can take seconds to get
        // there, so it is looked for until the bound.
        LocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(std::min<qint64>(bound.remainingTime(), PatienceMs)))) {
            if (AskToComeForward(socket, bound) == Asked::HandedOver)
                return Start::HandedOver;
            // Dropped: the copy was there a moment ago and its lock goes
            // with it, or it was killed and its lock is stale.  Silent: a
            // copy that runs answers within moments, from its own thread, so
            // the question was lost on its way (named pipes under Wine lose
            // a connection made just as the copy begins to listen), or the
            // copy is stopped or hung.  Either way it is asked again, anew.
        }
        if (bound.hasExpired())
            return Start::NoAnswer;
        QThread::msleep(50);
    }
    // A copy that cannot be found cannot be asked: later starts would wait
    // for it in vain, so it runs unguarded, as without a lock.
    if (!Listen())
        m_lock.unlock();
    return Start::First;
}

bool SingleInstance::LockNamesThisProcess() const
{
    qint64 pid = 0;
    QString host;
    if (!m_lock.getLockInfo(&pid, &host, nullptr))
        return false;
    return pid == QCoreApplication::applicationPid() && (host.isEmpty() || host == ThisHost());
}

SingleInstance::Asked SingleInstance::AskToComeForward(LocalSocket& socket, const QDeadlineTimer& bound)
{
#ifdef Q_OS_WIN
    // Windows lets only the foreground process hand the foreground on.
    qint64 pid = 0;
    if (m_lock.getLockInfo(&pid, nullptr, nullptr))
        AllowToComeToTheFront(pid);
#endif
    socket.write(ActivateRequest);
    QDeadlineTimer silence(PatienceMs);
    for (;;) {
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(int(std::min(silence.remainingTime(), bound.remainingTime())))) {
                if (socket.state() != LocalSocket::ConnectedState)
                    return Asked::Dropped;
                // A copy that is hung or stopped still accepts the connection, but never answers.
                return Asked::NoAnswer;
            }
        }
        const QByteArray answer = socket.readLine();
        if (answer == ActivatedAnswer)
            return Asked::HandedOver;
        if (answer != StartingAnswer && answer != EndingAnswer)
            return Asked::NoAnswer;
        silence = QDeadlineTimer(PatienceMs);
    }
}

bool SingleInstance::Listen()
{
    m_porter = new Porter(*this);
    m_porter->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("single copy"));
    m_thread.start();
    bool listening = false;
    QMetaObject::invokeMethod(
        m_porter, [this, &listening] { listening = m_porter->Listen(m_serverName); }, Qt::BlockingQueuedConnection);
    if (!listening)
        StopListening();
    return listening;
}

void SingleInstance::StartAnswering()
{
    // Only a copy still starting starts to answer: one whose shutdown began
    // before its main loop came round to this stays ending, or a later start
    // would be handed over to a copy that is going.
    Phase starting = Phase::Starting;
    if (!m_phase.compare_exchange_strong(starting, Phase::Running))
        return;
    if (m_porter)
        QMetaObject::invokeMethod(m_porter, &Porter::Remind, Qt::QueuedConnection);
}

void SingleInstance::StopAnswering()
{
    m_phase = Phase::Ending;
    if (m_porter)
        QMetaObject::invokeMethod(m_porter, &Porter::Remind, Qt::QueuedConnection);
}

void SingleInstance::StopListening()
{
    m_phase = Phase::Ending;
    if (!m_porter)
        return;
    QMetaObject::invokeMethod(m_porter, &Porter::Close, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_porter;
    m_porter = nullptr;
}

void SingleInstance::Release()
{
    StopListening();
    if (m_lock.isLocked())
        m_lock.unlock();
}

}
