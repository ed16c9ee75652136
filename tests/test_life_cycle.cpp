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
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>

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

// What a stranger at the running copy's socket does with a connection.
using Treatment = std::function<void(QLocalSocket&)>;

struct PeerFault {
    const char* name;
    Treatment treat;
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

// The start waits on a thread of its own, while this one's loop serves the stranger.
TEST_P(AStartAskingAStranger, IsToldItDoesNotAnswerWithinTheBound)
{
    QLocalServer stranger;
    ASSERT_TRUE(stranger.listen(SingleInstance::ServerName(where)));
    QObject::connect(&stranger, &QLocalServer::newConnection, [&] {
        while (QLocalSocket* socket = stranger.nextPendingConnection())
            GetParam().treat(*socket);
    });
    QElapsedTimer clock;
    clock.start();
    auto start = std::async(std::launch::async, [this] { return SingleInstance(where, BoundMs).Claim(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return start.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, BoundMs + 1000));
    EXPECT_EQ(start.get(), SingleInstance::Start::NoAnswer);
    EXPECT_GE(clock.elapsed(), BoundMs);
}

void KeepSilent(QLocalSocket&) { }

void Flood(QLocalSocket& socket)
{
    const QByteArray bytes(4096, 'x');
    QObject::connect(&socket, &QLocalSocket::bytesWritten, &socket, [&socket, bytes] { socket.write(bytes); });
    socket.write(bytes);
}

void AnswerWithoutAnEnd(QLocalSocket& socket)
{
    socket.write("activated");
}

void AnswerAWrongLine(QLocalSocket& socket)
{
    socket.write("activated, I am not\n");
}

void CloseMidLine(QLocalSocket& socket)
{
    socket.write("activ");
    socket.disconnectFromServer();
}

INSTANTIATE_TEST_SUITE_P(, AStartAskingAStranger,
    ::testing::Values(PeerFault { "ThatKeepsSilent", KeepSilent }, PeerFault { "ThatFloodsIt", Flood },
        PeerFault { "ThatAnswersWithoutAnEnd", AnswerWithoutAnEnd }, PeerFault { "ThatAnswersAWrongLine", AnswerAWrongLine },
        PeerFault { "ThatClosesMidLine", CloseMidLine }),
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
