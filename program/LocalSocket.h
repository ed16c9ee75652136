#pragma once

// The local socket on which a later start finds the running copy.  On Windows
// it is Qt Network's named pipe, linked into the program.  Elsewhere it is a
// Unix domain socket of the program's own, in the part of Qt Network's
// interface that the single-copy guard uses: Qt Network and the libraries it
// loads (Kerberos, the proxy resolver) would cost every start more time than
// the whole table takes to build.

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <QLocalServer>
#include <QLocalSocket>

namespace pairfall {
using LocalServer = QLocalServer;
using LocalSocket = QLocalSocket;
}

#else

#include <QByteArray>
#include <QObject>
#include <QString>

#include <deque>

class QSocketNotifier;

namespace pairfall {

// One end of a connection.  A start connects and then waits, blocking; the
// running copy's end is served by its thread's event loop.
class LocalSocket : public QObject {
    Q_OBJECT

public:
    enum LocalSocketState { UnconnectedState,
        ConnectedState };

    explicit LocalSocket(QObject* parent = nullptr);
    ~LocalSocket() override;
    LocalSocket(const LocalSocket&) = delete;
    LocalSocket& operator=(const LocalSocket&) = delete;

    void connectToServer(const QString& name);
    // Connecting does not wait: the socket is connected or it is not.
    bool waitForConnected(int msecs) const;
    LocalSocketState state() const;
    qint64 write(const QByteArray& bytes);
    bool canReadLine() const;
    QByteArray readLine();
    // Waits until something more has come, or the connection has closed.
    bool waitForReadyRead(int msecs);
    void disconnectFromServer();

signals:
    void readyRead();
    void disconnected();

private:
    friend class LocalServer;
    // The running copy's end of a connection it has accepted.
    void Adopt(int fd);
    // Reads what has come; false once the other end has closed.
    bool ReadIn();

    int m_fd = -1;
    QByteArray m_buffer;
    QSocketNotifier* m_notifier = nullptr;
};

class LocalServer : public QObject {
    Q_OBJECT

public:
    explicit LocalServer(QObject* parent = nullptr);
    ~LocalServer() override;
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    // Removes a socket left by a run that is gone.
    static bool removeServer(const QString& name);
    bool listen(const QString& name);
    // The connections accepted so far, each a child of the server.
    LocalSocket* nextPendingConnection();

signals:
    void newConnection();

private:
    void Accept();

    int m_fd = -1;
    QString m_path;
    QSocketNotifier* m_notifier = nullptr;
    std::deque<LocalSocket*> m_pending;
};

}

#endif
