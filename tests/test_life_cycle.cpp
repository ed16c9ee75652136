// Start-up and shutdown in this process: the single-copy guard at a location
// the test chooses, and the log of a session's end.
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
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

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

// A later start could not find it: rather than be told that it does not answer,
// it runs unguarded, as where no lock can be written.
TEST_F(SingleCopy, ACopyThatCannotListenGivesItsLockUpSoALaterStartRunsAtOnce)
{
    // Longer than a Unix socket's path may be.
    const QString runtime = folder.path() + '/' + QString(120, 'r');
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    SingleInstance first(where);
    const SingleInstance::Start firstStart = first.Claim();
    // Were the lock kept, the later start would wait for an answer and be told NoAnswer.
    SingleInstance later(where);
    const SingleInstance::Start laterStart = later.Claim();
    qputenv("XDG_RUNTIME_DIR", before);
    EXPECT_EQ(firstStart, SingleInstance::Start::First);
    EXPECT_EQ(laterStart, SingleInstance::Start::First);
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
