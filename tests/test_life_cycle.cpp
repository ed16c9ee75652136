// Start-up and shutdown: the single-copy guard at a location the test
// chooses, against strangers at its socket and copies in processes of their
// own, and the log of a session's end.
#include "GameFixture.h"
#include "ProgramCopies.h"
#include "fakes/EventLog.h"
#include "fakes/MemorySettingsStore.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "fakes/ScriptedRandom.h"
#include "program/MainLoop.h"
#include "program/SingleInstance.h"
#include "settings/SettingsLocation.h"
#include "ui/HelpCommands.h"
#include "ui/frmMain.h"
#include "widgets/ErrorLog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

class SingleCopy : public ::testing::Test {
protected:
    QTemporaryDir folder;
    const SettingsLocation where = SettingsLocation::IniFile(folder.path() + "/Pairfall.ini");
};

// As after a Windows session end: the system ended the run that held the
// lock, and this start has that run's process id.
TEST_F(SingleCopy, ALockLeftByARunWithThisVeryProcessIdIsTakenOverAtOnce)
{
    const QString lockFile = SingleInstance::LockFile(where);
    QByteArray left;
    {
        QLockFile run(lockFile);
        ASSERT_TRUE(run.tryLock(0));
        QFile held(lockFile);
        ASSERT_TRUE(held.open(QIODevice::ReadOnly));
        left = held.readAll();
    }
    QFile stale(lockFile);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(left);
    stale.close();

    // Not taken over, it would be asked for in vain and the start told NoAnswer.
    SingleInstance copy(where);
    EXPECT_EQ(copy.Claim(), SingleInstance::Start::First);
}

#ifdef Q_OS_UNIX

// A stranger at the running copy's socket, on a thread of its own while a
// start waits: it takes every connection and treats it as told.
class FakePeer : public QThread {
public:
    using Treatment = std::function<void(QLocalSocket&, FakePeer&)>;

    FakePeer(const QString& name, Treatment treat)
        : m_name(name)
        , m_treat(std::move(treat))
    {
        start();
        m_listening.acquire();
    }
    ~FakePeer() override
    {
        requestInterruption();
        wait();
    }

    bool Listens() const { return m_listens; }

    // Sends these bytes over and over, as fast as they go, while the start listens.
    void Flood(QLocalSocket& socket, const QByteArray& bytes)
    {
        while (!isInterruptionRequested() && socket.state() == QLocalSocket::ConnectedState) {
            socket.write(bytes);
            if (socket.state() == QLocalSocket::ConnectedState)
                socket.waitForBytesWritten(20);
        }
    }

private:
    void run() override
    {
        QLocalServer server;
        m_listens = server.listen(m_name);
        m_listening.release();
        std::vector<std::unique_ptr<QLocalSocket>> kept;
        while (m_listens && !isInterruptionRequested()) {
            if (!server.waitForNewConnection(20))
                continue;
            while (QLocalSocket* socket = server.nextPendingConnection()) {
                kept.emplace_back(socket);
                m_treat(*socket, *this);
                if (socket->state() == QLocalSocket::ConnectedState)
                    socket->waitForBytesWritten(1000);
            }
        }
    }

    QString m_name;
    Treatment m_treat;
    QSemaphore m_listening;
    bool m_listens = false;
};

struct PeerFault {
    const char* name;
    FakePeer::Treatment treat;
};

// A live process of another program holds the lock, as a running copy would,
// and a stranger answers at its socket: whatever it does, a later start ends
// within its bound, told that the copy does not answer.
class AStartAskingAStranger : public ::testing::TestWithParam<PeerFault> {
protected:
    void SetUp() override
    {
        holder.start("sleep", { "60" });
        ASSERT_TRUE(holder.waitForStarted());
        QFile lock(SingleInstance::LockFile(where));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(holder.processId()) + "\nsleep\n\n");
    }
    void TearDown() override
    {
        holder.kill();
        holder.waitForFinished();
    }

    static constexpr int BoundMs = 2000;
    QTemporaryDir folder;
    const SettingsLocation where = SettingsLocation::IniFile(folder.path() + "/Pairfall.ini");
    QProcess holder;
};

TEST_P(AStartAskingAStranger, IsToldItDoesNotAnswerWithinTheBound)
{
    FakePeer peer(SingleInstance::ServerName(where), GetParam().treat);
    ASSERT_TRUE(peer.Listens());
    SingleInstance start(where, BoundMs);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(start.Claim(), SingleInstance::Start::NoAnswer);
    EXPECT_GE(clock.elapsed(), BoundMs);
    EXPECT_LT(clock.elapsed(), BoundMs + 1000);
}

INSTANTIATE_TEST_SUITE_P(, AStartAskingAStranger,
    ::testing::Values(PeerFault { "ThatKeepsSilent", [](QLocalSocket&, FakePeer&) {} },
        PeerFault { "ThatFloodsItWithBytes", [](QLocalSocket& socket, FakePeer& peer) { peer.Flood(socket, QByteArray(4096, 'x')); } },
        PeerFault { "ThatFloodsItWithLines", [](QLocalSocket& socket, FakePeer& peer) { peer.Flood(socket, "starting\n"); } },
        PeerFault { "ThatAnswersWithoutAnEnd", [](QLocalSocket& socket, FakePeer&) { socket.write("activated"); } },
        PeerFault { "ThatAnswersAWrongLine", [](QLocalSocket& socket, FakePeer&) { socket.write("activated, I am not\n"); } },
        PeerFault { "ThatClosesMidLine", [](QLocalSocket& socket, FakePeer&) {
                       socket.write("activ");
                       socket.waitForBytesWritten(1000);
                       socket.disconnectFromServer();
                   } }),
    RowName);

// The running copy's side: a connection that says nothing, or says too much
// without a line's end, is closed rather than kept for ever.
class ARunningCopy : public SingleCopy {
protected:
    void SetUp() override { ASSERT_EQ(copy.Claim(), SingleInstance::Start::First); }

    bool DropsWithin(QLocalSocket& later, int msecs)
    {
        return QTest::qWaitFor([&] { return later.state() == QLocalSocket::UnconnectedState; }, msecs);
    }

    SingleInstance copy { where };
    QLocalSocket later;
};

TEST_F(ARunningCopy, ClosesAConnectionThatStaysSilent)
{
    later.connectToServer(SingleInstance::ServerName(where));
    ASSERT_TRUE(later.waitForConnected(1000));
    EXPECT_TRUE(DropsWithin(later, 5000));
}

TEST_F(ARunningCopy, ClosesAConnectionThatSendsALineWithoutAnEnd)
{
    later.connectToServer(SingleInstance::ServerName(where));
    ASSERT_TRUE(later.waitForConnected(1000));
    later.write(QByteArray(100000, 'x'));
    EXPECT_TRUE(DropsWithin(later, 1000));
}

// As when another account has made something at its socket's path first:
// later starts are told that it does not answer, rather than run a second copy.
TEST_F(SingleCopy, ACopyThatCannotListenKeepsItsLockSoALaterStartIsToldItDoesNotAnswer)
{
    ASSERT_TRUE(QDir().mkpath(SingleInstance::ServerName(where)));
    Home home;
    QProcessEnvironment environment = home.Environment();
    environment.insert(SettingsFileVariable, where.IniFilePath());
    QProcess first;
    Start(first, WINDOW_DRIVER, environment, { "idle" });
    ASSERT_TRUE(NextLine(first).startsWith("ready"));
    QProcess later;
    Start(later, WINDOW_DRIVER, environment, { "idle", "bound=2000" });
    EXPECT_EQ(Outcome(later), "no answer");
    EXPECT_EQ(first.state(), QProcess::Running);
}

// su, cron or a bare ssh session: nothing of the game's goes where every
// user may write.  Qt's own runtime-<user> folder is Qt's.
TEST_F(SingleCopy, ACopyWithoutARuntimeFolderMakesNothingInTheTemporaryFolder)
{
    Home home;
    QTemporaryDir temporary;
    QProcessEnvironment environment = home.Environment();
    environment.remove("XDG_RUNTIME_DIR");
    environment.insert("TMPDIR", temporary.path());
    QProcess copy;
    Start(copy, WINDOW_DRIVER, environment, { "idle" });
    ASSERT_TRUE(NextLine(copy).startsWith("ready"));
    QStringList made = QDir(temporary.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    made.removeIf([](const QString& name) { return name.startsWith("runtime-"); });
    EXPECT_TRUE(made.isEmpty()) << made.join(' ').toStdString();
}

#endif

// As at the end of a Windows session, where Qt announces the quit with the
// window open and the process ends right after it: no box may be shown, and
// a Windows program has no standard error.  exit, unlike quit, leaves the
// windows open.
TEST_F(SingleCopy, AWriteThatFailsAtTheSessionsEndIsRecordedWithItsTimeInTheLogBesideTheSettings)
{
    EventLog log;
    MemorySettingsStore store { log };
    ScriptedMessageBoxes boxes;
    SeededRandom random { 1 };
    PlatformHelpViewer help;
    frmMain window({ store, random, boxes, help, PAIRFALL_SOURCE_DIR, "" });
    SingleInstance copy(where);
    ASSERT_EQ(copy.Claim(), SingleInstance::Start::First);
    QTimer::singleShot(0, [&store] {
        store.failCommits = true;
        QCoreApplication::exit(0);
    });
    EXPECT_EQ(RunMainWindow(window, copy, where), 0);
    const QString recorded = QString::fromUtf8(Contents(folder.path() + "/Pairfall.log"));
    const QRegularExpression report(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(Z|[+-]\d\d:\d\d) Pairfall: .*the test store, set to fail)");
    EXPECT_TRUE(report.match(recorded).hasMatch()) << recorded.toStdString();
    EXPECT_TRUE(boxes.boxes.empty());
}

// A log at its bound keeps its newest reports, each whole, and takes the new one.
TEST(ErrorLog, StaysWithinItsBound)
{
    QTemporaryDir folder;
    const QString path = folder.path() + "/Pairfall.log";
    const QDateTime when = QDateTime::fromString("2025-03-04T05:06:07+01:00", Qt::ISODate);
    for (int report = 0; report < 2000; ++report)
        ASSERT_TRUE(AppendToLog(path, QStringLiteral("report %1\nits second line").arg(report), when));
    const QByteArray log = Contents(path);
    EXPECT_LE(log.size(), MaxLogBytes);
    const QByteArray lines = QByteArray(log).replace("\r\n", "\n");
    EXPECT_TRUE(lines.startsWith("2025-03-04T05:06:07+01:00 Pairfall: report ")) << lines.left(100).toStdString();
    EXPECT_TRUE(lines.contains("Pairfall: report 1998\n"));
    EXPECT_TRUE(lines.endsWith("Pairfall: report 1999\n    its second line\n"));
}

}
