// The real store: QSettings in an INI file of the test's, and the same store
// used by copies of the program in processes of their own: the real pairfall,
// and tests/window_driver, the program held in a known state.
#include "GameFixture.h"
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

// The first copy holds the lock and listens, but is slow to reach its main
// loop: for longer than a question waits.
TEST_F(StoreAcrossProcesses, ALaterStartWaitsForACopyThatIsStillStartingAndHandsOverToIt)
{
    QProcess first;
    Start(first, WINDOW_DRIVER, home, { "behind", "slow-start" });
    ASSERT_EQ(NextLine(first), "starting");
    QProcess later;
    Start(later, WINDOW_DRIVER, home, { "idle" });
    ASSERT_EQ(NextLine(later), "waiting");
    ASSERT_EQ(NextLine(later), "asking");
#ifdef Q_OS_UNIX
    // Asked anew after a question's patience.  (On Windows the one pipe the
    // copy has made stays busy with the first question until its loop runs.)
    ASSERT_EQ(NextLine(later), "asking");
#endif
    GoOn(first);
    EXPECT_EQ(Outcome(later), "handed over");
    ASSERT_TRUE(Ended(later));
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_TRUE(LinesUntil(first, "activated").contains("asked"));
}

TEST_F(StoreAcrossProcesses, AStartAfterAKilledRunTakesOverItsLockAndSocket)
{
    QProcess killed;
    Start(killed, WINDOW_DRIVER, home, { "idle" });
    ASSERT_TRUE(NextLine(killed).startsWith("ready"));
    killed.kill(); // SIGKILL
    Ended(killed);
    QProcess next;
    Start(next, WINDOW_DRIVER, home, { "idle" });
    ASSERT_TRUE(NextLine(next).startsWith("ready"));
    // Found by its socket, it takes the hand-over.
    QProcess later;
    Start(later, PAIRFALL, home.ProgramEnvironment());
    ASSERT_TRUE(Ended(later));
    EXPECT_EQ(later.exitCode(), 0);
}

// The first copy's Form_Unload goes on ("closing"): a start then neither
// hands over to the closing window nor says that a copy runs, but waits for
// the lock and runs the game itself.
TEST_F(StoreAcrossProcesses, AStartWhileTheRunningCopyShutsDownWaitsForItsLockAndRuns)
{
    QProcess closing;
    Start(closing, WINDOW_DRIVER, home, { "closing" });
    ASSERT_EQ(NextLine(closing), "unloading");
    QProcess next;
    Start(next, WINDOW_DRIVER, home, { "idle" });
    ASSERT_EQ(NextLine(next), "waiting");
    GoOn(closing);
    EXPECT_TRUE(Outcome(next).startsWith("ready")) << "exit status " << next.exitCode();
    ASSERT_TRUE(Ended(closing));
    EXPECT_EQ(closing.exitCode(), 0);
    EXPECT_EQ(OnDisk(home), SavedOnExit("0"));
}

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
    ASSERT_TRUE(Ended(driver));
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
    RowName);

#endif

}
