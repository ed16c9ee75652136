#include "program/SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_WIN
#include "platform/WindowMessages.h"
#else
#include <unistd.h>
#endif

namespace pairfall {

namespace {

// How long a question waits for its answer before it is asked anew, and how
// long the running copy keeps a connection that says nothing.
constexpr int PatienceMs = 3000;
// The longest line either side sends is "activated\n": anything longer is not ours.
constexpr qint64 LongestLine = 16;
const QByteArray ActivateRequest = "activate\n";
const QByteArray ActivatedAnswer = "activated\n";

// The host name QLockFile writes into its file.
QString ThisHost()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

int Remaining(const QDeadlineTimer& deadline)
{
    return int(std::max<qint64>(deadline.remainingTime(), 0));
}

#ifdef Q_OS_UNIX

// A Unix socket's path holds at most 107 bytes on Linux (108 with its final
// zero); Qt binds in a folder of its own beside it first, nine bytes longer
// than the folder.
bool FitsASocket(const QString& path)
{
    constexpr qsizetype Longest = 107;
    return QFile::encodeName(path).size() <= Longest && QFile::encodeName(QFileInfo(path).absolutePath()).size() + 9 <= Longest;
}

// Owned by this user, and no one else may make or replace a file in it (a
// group of the user's own name, as Debian makes for each user, is the user's).
bool OnlyMine(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || info.ownerId() != ::getuid() || info.permissions().testFlag(QFileDevice::WriteOther))
        return false;
    return !info.permissions().testFlag(QFileDevice::WriteGroup) || info.group() == info.owner();
}

#endif

}

QString SingleInstance::LockFile(const SettingsLocation& where)
{
    return where.FileBeside(QStringLiteral(".lock"));
}

QString SingleInstance::ServerName(const SettingsLocation& where)
{
    const QString store = where.IsNative() ? SettingsLocation::NativeFolder() : where.IniFilePath();
    const QString name = QStringLiteral("pairfall-") + QString::fromLatin1(QCryptographicHash::hash(store.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
#ifdef Q_OS_UNIX
    // Beside the lock, where only this user may make files: no one else can
    // take its place first, or answer in its name.
    const QString beside = where.FileBeside(QStringLiteral(".socket"));
    if (FitsASocket(beside) && OnlyMine(QFileInfo(beside).absolutePath()))
        return beside;
    // The folder the system makes for each user at login, whatever the environment says.
    const QString runtime = QStringLiteral("/run/user/%1").arg(::getuid());
    if (OnlyMine(runtime))
        return runtime + '/' + name;
    return beside;
#else
    // A named pipe, \\.\pipe\pairfall-…, one for each user's store.
    return name;
#endif
}

SingleInstance::SingleInstance(const SettingsLocation& where, int boundMs)
    : m_where(where)
    , m_lock(LockFile(where))
    , m_boundMs(boundMs)
{
    // A lock is stale only when the process it names is gone: a copy that
    // has run for hours still holds it.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    Release();
}

SingleInstance::Start SingleInstance::Claim()
{
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    // Once the folder is there: the socket's place depends on it.
    m_serverName = ServerName(m_where);
    const QDeadlineTimer bound(m_boundMs);
    bool toldWaiting = false;
    while (!m_lock.tryLock(0)) {
        // A folder that cannot be written: the game runs unguarded, as it
        // always did, and the store reports its own failures.
        if (m_lock.error() != QLockFile::LockFailedError)
            return Start::First;
        // Left by a run that the system ended (after a Windows session, say)
        // and that had the very process id this one has now.
        if (LockNamesThisProcess() && m_lock.removeStaleLockFile())
            continue;
        // The copy holding the lock is alive (a dead one's lock is stale and
        // taken above): it may still be starting, or be ending, so it is asked
        // until the bound.
        if (!toldWaiting) {
            toldWaiting = true;
            emit waiting();
        }
        if (Ask(bound))
            return Start::HandedOver;
        if (bound.hasExpired())
            return Start::NoAnswer;
        QThread::msleep(std::min(50, Remaining(bound)));
    }
    Listen();
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

// True once the copy has come to the front.  False when no copy listens, the
// connection drops, or the answer is silent, wrong or too long; each within
// the patience and the bound.
bool SingleInstance::Ask(const QDeadlineTimer& bound)
{
#ifdef Q_OS_WIN
    // Qt waits up to five seconds, whatever the bound, for a pipe a hung copy keeps busy.
    if (!WaitForPipe((QStringLiteral("\\\\.\\pipe\\") + m_serverName).toStdWString(), std::min(PatienceMs, Remaining(bound))))
        return false;
#endif
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(std::min(PatienceMs, Remaining(bound))))
        return false;
#ifdef Q_OS_WIN
    qint64 holder = 0;
    m_lock.getLockInfo(&holder, nullptr, nullptr);
    // Any user may make a pipe of any name: only the copy that holds the lock counts.
    if (PipeServerProcessId(static_cast<std::uintptr_t>(socket.socketDescriptor())) != holder)
        return false;
    // Windows lets only the foreground process hand the foreground on.
    AllowToComeToTheFront(holder);
#endif
    emit asking();
    socket.write(ActivateRequest);
    const QDeadlineTimer silence(std::min(PatienceMs, Remaining(bound)));
    while (!socket.canReadLine()) {
        // A copy that is starting, stopped or hung accepts but does not answer.
        if (socket.bytesAvailable() > LongestLine || !socket.waitForReadyRead(Remaining(silence)))
            return false;
    }
    return socket.readLine(LongestLine + 1) == ActivatedAnswer;
}

void SingleInstance::Listen()
{
    auto* server = new QLocalServer(this);
    // Named pipes are open to every user, and Unix sockets to whoever may
    // reach the folder, unless told otherwise.
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket found here was left by a run that is gone.
    QLocalServer::removeServer(m_serverName);
    if (!server->listen(m_serverName)) {
        // The lock stays: a later start then says that a copy runs but does
        // not answer, rather than run a second copy.
        qWarning("Pairfall: cannot listen for later starts at %ls: %ls", qUtf16Printable(m_serverName), qUtf16Printable(server->errorString()));
        delete server;
        return;
    }
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket* later = server->nextPendingConnection())
            Hear(later);
    });
    m_server = server;
}

void SingleInstance::Hear(QLocalSocket* later)
{
    const auto drop = [later] {
        later->abort();
        later->deleteLater();
    };
    connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
    QTimer::singleShot(PatienceMs, later, drop);
    const auto read = [this, later, drop] {
        // One question a connection: what follows an answered one is not read.
        if (later->state() != QLocalSocket::ConnectedState)
            return;
        if (!later->canReadLine()) {
            if (later->bytesAvailable() > LongestLine)
                drop();
            return;
        }
        if (later->readLine(LongestLine + 1) != ActivateRequest)
            return drop();
        emit activationRequested();
        later->write(ActivatedAnswer);
        later->disconnectFromServer();
    };
    connect(later, &QLocalSocket::readyRead, later, read);
    // On Windows a question written before the connection was taken may
    // already be read in, and no readyRead comes for it.
    read();
}

void SingleInstance::StopAnswering()
{
    // Closes every connection too, and removes the socket.
    delete m_server;
    m_server = nullptr;
}

void SingleInstance::Release()
{
    StopAnswering();
    if (m_lock.isLocked())
        m_lock.unlock();
}

}
