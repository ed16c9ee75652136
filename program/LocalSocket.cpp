#include "program/LocalSocket.h"

#ifndef Q_OS_WIN

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace pairfall {

namespace {

// A plain name goes into the temporary folder, as Qt Network puts it, so
// copies of either kind find each other.
QByteArray SocketPath(const QString& name)
{
    const QString path = QDir::isAbsolutePath(name) ? name : QDir::tempPath() + '/' + name;
    return QFile::encodeName(path);
}

// False if the path does not fit the address.
bool ToAddress(const QByteArray& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

}

LocalSocket::LocalSocket(QObject* parent)
    : QObject(parent)
{
}

LocalSocket::~LocalSocket()
{
    delete m_notifier; // before its socket is closed
    if (m_fd >= 0)
        ::close(m_fd);
}

void LocalSocket::connectToServer(const QString& name)
{
    disconnectFromServer();
    sockaddr_un address;
    if (!ToAddress(SocketPath(name), address))
        return;
    // Not blocking: a copy whose backlog is full is asked again later.
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_fd < 0)
        return;
    int result;
    do
        result = ::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    while (result < 0 && errno == EINTR);
    if (result < 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool LocalSocket::waitForConnected(int) const
{
    return m_fd >= 0;
}

LocalSocket::LocalSocketState LocalSocket::state() const
{
    return m_fd >= 0 ? ConnectedState : UnconnectedState;
}

qint64 LocalSocket::write(const QByteArray& bytes)
{
    qint64 written = 0;
    while (m_fd >= 0 && written < bytes.size()) {
        const ssize_t sent = ::send(m_fd, bytes.constData() + written, size_t(bytes.size() - written), MSG_NOSIGNAL);
        if (sent > 0) {
            written += sent;
            continue;
        }
        if (sent < 0 && errno == EINTR)
            continue;
        // A few words fit any socket's buffer: one that is full is not read.
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd ready { m_fd, POLLOUT, 0 };
            if (::poll(&ready, 1, 1000) > 0)
                continue;
        }
        return written > 0 ? written : -1;
    }
    return written;
}

bool LocalSocket::canReadLine() const
{
    return m_buffer.contains('\n');
}

QByteArray LocalSocket::readLine()
{
    const qsizetype end = m_buffer.indexOf('\n');
    const qsizetype length = end < 0 ? m_buffer.size() : end + 1;
    const QByteArray line = m_buffer.left(length);
    m_buffer.remove(0, length);
    return line;
}

bool LocalSocket::waitForReadyRead(int msecs)
{
    const QDeadlineTimer deadline(msecs);
    while (m_fd >= 0) {
        pollfd ready { m_fd, POLLIN, 0 };
        const int result = ::poll(&ready, 1, int(deadline.remainingTime()));
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            return false;
        return ReadIn();
    }
    return false;
}

void LocalSocket::disconnectFromServer()
{
    if (m_fd < 0)
        return;
    // Perhaps called from the notifier's own signal: it goes once that returns.
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    ::close(m_fd);
    m_fd = -1;
    emit disconnected();
}

void LocalSocket::Adopt(int fd)
{
    m_fd = fd;
    m_notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        if (ReadIn())
            emit readyRead();
    });
}

bool LocalSocket::ReadIn()
{
    char bytes[256];
    for (;;) {
        const ssize_t got = ::recv(m_fd, bytes, sizeof bytes, MSG_DONTWAIT);
        if (got > 0) {
            m_buffer.append(bytes, got);
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        // Nothing after all: the connection is still there.
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        disconnectFromServer();
        return false;
    }
}

LocalServer::LocalServer(QObject* parent)
    : QObject(parent)
{
}

LocalServer::~LocalServer()
{
    if (m_fd < 0)
        return;
    delete m_notifier;
    ::close(m_fd);
    ::unlink(QFile::encodeName(m_path).constData());
}

bool LocalServer::removeServer(const QString& name)
{
    return ::unlink(SocketPath(name).constData()) == 0;
}

bool LocalServer::listen(const QString& name)
{
    const QByteArray path = SocketPath(name);
    sockaddr_un address;
    if (m_fd >= 0 || !ToAddress(path, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0) {
        ::close(fd);
        return false;
    }
    if (::listen(fd, 16) < 0) {
        ::close(fd);
        ::unlink(path.constData());
        return false;
    }
    m_fd = fd;
    m_path = QFile::decodeName(path);
    m_notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &LocalServer::Accept);
    return true;
}

LocalSocket* LocalServer::nextPendingConnection()
{
    if (m_pending.empty())
        return nullptr;
    LocalSocket* next = m_pending.front();
    m_pending.pop_front();
    return next;
}

void LocalServer::Accept()
{
    bool accepted = false;
    for (;;) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        auto* socket = new LocalSocket(this);
        socket->Adopt(fd);
        m_pending.push_back(socket);
        accepted = true;
    }
    if (accepted)
        emit newConnection();
}

}

#endif
