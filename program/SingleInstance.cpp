#include "program/SingleInstance.h"

#include "game/Texts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#ifdef Q_OS_WIN
#include "platform/WindowMessages.h"
#endif

namespace pairfall {

namespace {

// How long a later start looks for the running copy, and then how long it
// waits for its answer.
constexpr int PatienceMs = 3000;
const QByteArray ActivateRequest = "activate\n";
const QByteArray ActivatedAnswer = "activated\n";

// The folder of the native lock file: the user's local application data on
// Windows, beside the settings file ($XDG_CONFIG_HOME/Pairfall) elsewhere.
QString NativeFolder()
{
#ifdef Q_OS_WIN
    const auto place = QStandardPaths::GenericDataLocation; // %LOCALAPPDATA%
#else
    const auto place = QStandardPaths::GenericConfigLocation;
#endif
    return QStandardPaths::writableLocation(place) + '/' + QString::fromLatin1(ApplicationTitle);
}

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
    if (where.IsNative())
        return NativeFolder() + '/' + QString::fromLatin1(ApplicationTitle) + QStringLiteral(".lock");
    const QFileInfo ini(where.IniFilePath());
    return ini.absolutePath() + '/' + ini.completeBaseName() + QStringLiteral(".lock");
}

// Named after the store, which is the user's: copies of one user find each
// other, whatever display they run on, because they share one store.
QString SingleInstance::ServerName(const SettingsLocation& where)
{
    const QString store = where.IsNative() ? NativeFolder() : where.IniFilePath();
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

SingleInstance::SingleInstance(const SettingsLocation& where)
    : m_serverName(ServerName(where))
    , m_lock(LockFile(where))
{
    // A lock is stale only when the process it names is gone: a copy that
    // has run for hours still holds it.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Start SingleInstance::Claim()
{
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    const QDeadlineTimer finding(PatienceMs);
    while (!m_lock.tryLock(0)) {
        // A folder that cannot be written: the game runs unguarded, as it
        // always did, and the store reports its own failures.
        if (m_lock.error() != QLockFile::LockFailedError)
            return Start::First;
        // Left by a run that the system ended (after a Windows session, say)
        // and that had the very process id this one has now.
        if (LockNamesThisProcess() && m_lock.removeStaleLockFile())
            continue;
        // The copy holding the lock may be starting too and not listen yet.
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(PatienceMs)) {
            const Asked asked = AskToComeForward(socket);
            if (asked == Asked::HandedOver)
                return Start::HandedOver;
            if (asked == Asked::NoAnswer)
                return Start::NoAnswer;
            // Dropped: the copy is ending, and its lock goes with it.
        }
        if (finding.hasExpired())
            return Start::NoAnswer;
        QThread::msleep(50);
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

SingleInstance::Asked SingleInstance::AskToComeForward(QLocalSocket& socket)
{
#ifdef Q_OS_WIN
    // Windows lets only the foreground process hand the foreground on.
    qint64 pid = 0;
    if (m_lock.getLockInfo(&pid, nullptr, nullptr))
        AllowToComeToTheFront(pid);
#endif
    const QDeadlineTimer answering(PatienceMs);
    socket.write(ActivateRequest);
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(int(answering.remainingTime()))) {
            if (socket.state() != QLocalSocket::ConnectedState)
                return Asked::Dropped;
            // A copy that is hung or stopped still accepts the connection, but never answers.
            return Asked::NoAnswer;
        }
    }
    if (socket.readLine() != ActivatedAnswer)
        return Asked::NoAnswer;
    return Asked::HandedOver;
}

void SingleInstance::Listen()
{
    // The lock is ours, so a socket found here was left by a run that is gone.
    QLocalServer::removeServer(m_serverName);
#ifdef Q_OS_WIN
    // Named pipes are open to other users by default.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
#endif
    // Should listening fail, this copy still runs; later starts then say it does not answer.
    if (!m_server.listen(m_serverName))
        return;
    m_answering = true;
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* later = m_server.nextPendingConnection())
            Answer(later);
    });
}

void SingleInstance::Answer(QLocalSocket* later)
{
    connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
    connect(later, &QLocalSocket::readyRead, this, [this, later] {
        if (!m_answering || !later->canReadLine())
            return;
        if (later->readLine() == ActivateRequest) {
            emit activationRequested();
            later->write(ActivatedAnswer);
        }
        later->disconnectFromServer();
    });
}

void SingleInstance::StopAnswering()
{
    if (!m_answering)
        return;
    m_answering = false;
    // A start that is waiting for an answer sees the connection drop and
    // looks for the lock again.
    for (QLocalSocket* later : m_server.findChildren<QLocalSocket*>())
        later->abort();
    m_server.close();
}

void SingleInstance::Release()
{
    StopAnswering();
    if (m_lock.isLocked())
        m_lock.unlock();
}

}
