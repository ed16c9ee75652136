#include "ui/SingleInstance.h"

#include "game/Texts.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace pairfall {

namespace {

// How long a later start looks for the running copy, and then how long it
// waits for its answer.
constexpr int PatienceMs = 3000;
const QByteArray ActivateRequest = "activate\n";
const QByteArray ActivatedAnswer = "activated\n";

// The settings file's folder ($XDG_CONFIG_HOME/Pairfall on Linux).
QString SettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + QString::fromLatin1(ApplicationTitle);
}

// Named after the settings folder, which is the user's: copies of one user
// find each other, whatever display they run on, because they share one store.
QString ServerName()
{
    const QByteArray folderHash = QCryptographicHash::hash(SettingsFolder().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("pairfall-") + QString::fromLatin1(folderHash);
    // Without a runtime folder Qt puts the socket in the temporary folder itself.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return name;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + '/' + name;
}

}

SingleInstance::SingleInstance()
    : m_serverName(ServerName())
    , m_lock(SettingsFolder() + '/' + QString::fromLatin1(ApplicationTitle) + QStringLiteral(".lock"))
{
    // A lock is stale only when the process it names is gone: a copy that
    // has run for hours still holds it.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Start SingleInstance::Claim()
{
    QDir().mkpath(SettingsFolder());
    const QDeadlineTimer finding(PatienceMs);
    while (!m_lock.tryLock(0)) {
        // A folder that cannot be written: the game runs unguarded, as it
        // always did, and the store reports its own failures.
        if (m_lock.error() != QLockFile::LockFailedError)
            return Start::First;
        // The copy holding the lock may be starting too and not listen yet.
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(PatienceMs))
            return AskToComeForward(socket);
        if (finding.hasExpired())
            return Start::NoAnswer;
        QThread::msleep(50);
    }
    Listen();
    return Start::First;
}

SingleInstance::Start SingleInstance::AskToComeForward(QLocalSocket& socket)
{
    const QDeadlineTimer answering(PatienceMs);
    socket.write(ActivateRequest);
    while (!socket.canReadLine()) {
        // A copy that is hung or stopped still accepts the connection, but never answers.
        if (!socket.waitForReadyRead(int(answering.remainingTime())))
            return Start::NoAnswer;
    }
    if (socket.readLine() != ActivatedAnswer)
        return Start::NoAnswer;
    return Start::HandedOver;
}

void SingleInstance::Listen()
{
    // The lock is ours, so a socket found here was left by a run that is gone.
    QLocalServer::removeServer(m_serverName);
    // Should listening fail, this copy still runs; later starts then say it does not answer.
    if (!m_server.listen(m_serverName))
        return;
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* later = m_server.nextPendingConnection())
            Answer(later);
    });
}

void SingleInstance::Answer(QLocalSocket* later)
{
    connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
    connect(later, &QLocalSocket::readyRead, this, [this, later] {
        if (!later->canReadLine())
            return;
        if (later->readLine() == ActivateRequest) {
            emit activationRequested();
            later->write(ActivatedAnswer);
        }
        later->disconnectFromServer();
    });
}

}
