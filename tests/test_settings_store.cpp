// The real store: QSettings in an INI file of the test's, and the same store
// used by copies of the program in processes of their own: the real pairfall,
// and tests/window_driver, the program held in a known state.
#include "ProgramCopies.h"
#include "game/RuntimeError.h"
#include "game/SettingsEntries.h"
#include "game/Texts.h"
#include "settings/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

using namespace pairfall;
using namespace pairfall::testing;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    const SettingsLocation where = SettingsLocation::IniFile(folder.path() + "/Pairfall.ini");
    const QString file = QtSettingsStore::Location(ApplicationTitle, where);
};

TEST_F(SettingsStoreTest, AFailedWriteIsReportedAndKeptForTheNextTry)
{
    ASSERT_TRUE(QDir().mkpath(file)); // a folder where the file should be
    QtSettingsStore store(where);
    std::string reported;
    try {
        WriteStatistics(store, { 4, 1, 3, 9 });
    } catch (const RuntimeError& error) {
        reported = error.description();
    }
    EXPECT_EQ(reported, "The settings could not be saved to " + file.toStdString() + ": the file cannot be written (it may be read-only, a folder may stand in its place, or the disk may be full).");
    QDir(file).removeRecursively();
    store.Commit();
    EXPECT_TRUE(Contents(file).contains("TotalGames=4"));
}

// A sound entry, one that is there but unreadable, then junk.
TEST_F(SettingsStoreTest, AJunkFileIsReadAsFarAsItGoesAndRewrittenByTheNextWrite)
{
    QFile junk(file);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("[Stats]\nTotalGames=5\nTotalLosses=@Variant(\\0\\0\\0\\x7f\\0junk)\n\x01\x02 no sign\n[Settings\n");
    junk.write(QByteArray(3000, '\xff'));
    junk.close();
    QtSettingsStore store(where);
    EXPECT_EQ(ReadCounter(store, TotalGamesKey), 5);
    EXPECT_THROW(ReadCounter(store, TotalLossesKey), RuntimeError);
    WriteStatistics(store, { 6, 2, 4, 11 });
    EXPECT_TRUE(Contents(file).contains("TotalLosses=4"));
}

#ifdef Q_OS_UNIX

// QSettings would take a missing entry from the organization's file beside
// the application's folder, or from /etc/xdg, before the designed default.
TEST(NativeStore, AnEntryMissingForTheUserIsNotTakenFromAWiderScope)
{
    const QString folder = QFileInfo(QtSettingsStore::Location(ApplicationTitle)).path();
    QDir(folder).removeRecursively();
    QFile organization(folder + ".conf");
    ASSERT_TRUE(organization.open(QIODevice::WriteOnly));
    organization.write("[Stats]\nTotalGames=7\n");
    organization.close();
    QtSettingsStore store;
    EXPECT_EQ(ReadCounter(store, TotalGamesKey), 0);
    organization.remove();
}

#endif

class StoreAcrossProcesses : public ::testing::Test {
protected:
    Home home;
};

// The driver prints "ready" in its state, then "activated" when its window is.
TEST_F(StoreAcrossProcesses, ASecondStartBringsTheFirstWindowToTheFrontAndEndsWithStatusZeroWritingNothing)
{
    QProcess first;
    Start(first, WINDOW_DRIVER, home, { "behind" });
    ASSERT_TRUE(NextLine(first).startsWith("ready"));
    QProcess second;
    Start(second, PAIRFALL, home.ProgramEnvironment());
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(NextLine(first), "activated");
    EXPECT_FALSE(QFile::exists(home.SettingsFile()));
}

TEST_F(StoreAcrossProcesses, OfTwoStartsAtTheSameMomentExactlyOneStaysRunning)
{
    QProcess one;
    QProcess other;
    Start(one, PAIRFALL, home.ProgramEnvironment());
    Start(other, PAIRFALL, home.ProgramEnvironment());
    ASSERT_TRUE(QTest::qWaitFor([&] { return one.state() == QProcess::NotRunning || other.state() == QProcess::NotRunning; }, 30000));
    QTest::qWait(500); // time enough for the other to follow, were it going to
    EXPECT_NE(one.state(), other.state());
    // One still running reports 0 as well.
    EXPECT_EQ(one.exitCode(), 0);
    EXPECT_EQ(other.exitCode(), 0);
}

TEST_F(StoreAcrossProcesses, AStartAfterAKilledRunTakesOverItsLockAndSocket)
{
    QProcess killed;
    Start(killed, WINDOW_DRIVER, home, { "idle" });
    ASSERT_TRUE(NextLine(killed).startsWith("ready"));
    killed.kill(); // SIGKILL
    killed.waitForFinished();
    QProcess next;
    Start(next, WINDOW_DRIVER, home, { "idle" });
    ASSERT_TRUE(NextLine(next).startsWith("ready"));
    // Found by its socket, it takes the hand-over.
    QProcess later;
    Start(later, PAIRFALL, home.ProgramEnvironment());
    ASSERT_TRUE(later.waitForFinished(30000));
    EXPECT_EQ(later.exitCode(), 0);
}

// The first copy's Form_Unload takes a second ("closing"): a start then
// neither hands over to the closing window nor says that a copy runs, but
// waits for the lock and runs the game itself.
TEST_F(StoreAcrossProcesses, AStartWhileTheRunningCopyShutsDownWaitsForItsLockAndRuns)
{
    QProcess closing;
    Start(closing, WINDOW_DRIVER, home, { "closing" });
    ASSERT_EQ(NextLine(closing), "unloading");
    QProcess next;
    Start(next, WINDOW_DRIVER, home, { "idle" });
    EXPECT_TRUE(NextLine(next).startsWith("ready")) << "exit status " << next.exitCode();
    ASSERT_TRUE(closing.waitForFinished(30000));
    EXPECT_EQ(closing.exitCode(), 0);
    EXPECT_EQ(OnDisk(home), SavedOnExit("0"));
}

#ifdef Q_OS_UNIX

// A stopped copy takes the connection but cannot answer; when it is killed
// the connection drops, and the start that waited takes the lock it left.
TEST_F(StoreAcrossProcesses, AStartWhoseQuestionIsCutOffByTheCopyEndingRunsItself)
{
    QProcess stopped;
    Start(stopped, WINDOW_DRIVER, home, { "idle" });
    ASSERT_TRUE(NextLine(stopped).startsWith("ready"));
    ::kill(pid_t(stopped.processId()), SIGSTOP);
    QProcess next;
    Start(next, WINDOW_DRIVER, home, { "idle" });
    QTest::qWait(500); // it has asked and waits
    stopped.kill();
    stopped.waitForFinished();
    EXPECT_TRUE(NextLine(next).startsWith("ready")) << "exit status " << next.exitCode();
}

#endif

#ifdef Q_OS_UNIX

struct Ending {
    const char* name;
    int signal;
    const char* state;
    std::string games; // finished before the signal, each a win
};

class EndedBySignal : public ::testing::TestWithParam<Ending> { };

TEST_P(EndedBySignal, TheShutdownWritesThePositionAndTheStatisticsAndTheExitStatusIsZero)
{
    const Ending& ending = GetParam();
    Home home;
    QProcess driver;
    Start(driver, WINDOW_DRIVER, home, { ending.state });
    ASSERT_TRUE(NextLine(driver).startsWith("ready"));
    ::kill(pid_t(driver.processId()), ending.signal);
    ASSERT_TRUE(driver.waitForFinished(30000));
    EXPECT_EQ(driver.exitCode(), 0);
    EXPECT_EQ(OnDisk(home), SavedOnExit(ending.games));
    EXPECT_FALSE(QFile::exists(home.LockFile()));
    EXPECT_TRUE(home.PlatformStoreUntouched());
}

// The three signals share one handler: each is sent once, each in another
// state of the window.
INSTANTIATE_TEST_SUITE_P(Signals, EndedBySignal,
    ::testing::Values(Ending { "SIGTERMWhenIdle", SIGTERM, "idle", "0" },
        Ending { "SIGINTWithGameStatsOpen", SIGINT, "game-stats", "0" },
        Ending { "SIGHUPDuringThePlayAgainQuestion", SIGHUP, "question", "1" }),
    [](const ::testing::TestParamInfo<Ending>& row) { return std::string(row.param.name); });

#endif

}
