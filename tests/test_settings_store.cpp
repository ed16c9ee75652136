// The real store: QSettings at a place of the test's, and the same store used
// by copies of the program in processes of their own: the real pairfall, and
// tests/window_driver, the program held in a known state.  On Unix each test
// runs in the platform's own store, moved into the test's folder through
// XDG_CONFIG_HOME, and again in an INI file that the test chooses; on Windows,
// whose own store is the player's registry, in the file alone.
#include "ProgramCopies.h"
#include "game/RuntimeError.h"
#include "game/SettingsEntries.h"
#include "game/Texts.h"
#include "stats/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

using namespace pairfall;
using namespace pairfall::testing;

namespace {

std::string LocationName(const ::testing::TestParamInfo<Where>& row)
{
    return NameOf(row.param);
}

// The native store lies in the XDG_CONFIG_HOME that the tests' main chose.
class SettingsStoreTest : public ::testing::TestWithParam<Where> {
protected:
    void SetUp() override { QDir(folder).removeRecursively(); }

    QTemporaryDir chosenFolder;
    const SettingsLocation where = GetParam() == Where::XdgConfigHome ? SettingsLocation::Native() : SettingsLocation::IniFile(chosenFolder.path() + "/Pairfall.ini");
    const QString file = QtSettingsStore::Location(ApplicationTitle, where);
    const QString folder = QFileInfo(file).path();
};

TEST_P(SettingsStoreTest, AFailedWriteIsReportedAndKeptForTheNextTry)
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
TEST_P(SettingsStoreTest, AJunkFileIsReadAsFarAsItGoesAndRewrittenByTheNextWrite)
{
    QDir().mkpath(folder);
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

INSTANTIATE_TEST_SUITE_P(, SettingsStoreTest, ::testing::ValuesIn(EveryLocation()), LocationName);

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

class StoreAcrossProcesses : public ::testing::TestWithParam<Where> {
protected:
    Home home { GetParam() };
};

// One game won on an empty store; its play-again question waits.
TEST_P(StoreAcrossProcesses, AFinishedGameSurvivesTheProcessBeingKilled)
{
    QProcess writer;
    Start(writer, WINDOW_DRIVER, home, { "question" });
    ASSERT_TRUE(NextLine(writer).startsWith("ready")); // once the game has ended
    writer.kill(); // SIGKILL
    writer.waitForFinished();
    EXPECT_EQ(OnDisk(home), (Entries { { "AvgCardsLeft", "0" }, { "TotalGames", "1" }, { "TotalLosses", "0" }, { "TotalWins", "1" } }));
    EXPECT_TRUE(home.PlatformStoreUntouched());
}

// The driver prints "ready" in its state, then "activated" when its window is.
TEST_P(StoreAcrossProcesses, ASecondStartBringsTheFirstWindowToTheFrontAndEndsWithStatusZeroWritingNothing)
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

TEST_P(StoreAcrossProcesses, OfTwoStartsAtTheSameMomentExactlyOneStaysRunning)
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

TEST_P(StoreAcrossProcesses, AStartAfterAKilledRunTakesOverItsLockAndSocket)
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
TEST_P(StoreAcrossProcesses, AStartWhileTheRunningCopyShutsDownWaitsForItsLockAndRuns)
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
TEST_P(StoreAcrossProcesses, AStartWhoseQuestionIsCutOffByTheCopyEndingRunsItself)
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

INSTANTIATE_TEST_SUITE_P(, StoreAcrossProcesses, ::testing::ValuesIn(EveryLocation()), LocationName);

#ifdef Q_OS_UNIX

struct Ending {
    const char* name;
    int signal;
    const char* state;
    std::string games; // finished before the signal, each a win
};

class EndedBySignal : public ::testing::TestWithParam<std::tuple<Ending, Where>> { };

TEST_P(EndedBySignal, TheShutdownWritesThePositionAndTheStatisticsAndTheExitStatusIsZero)
{
    const auto& [ending, where] = GetParam();
    Home home(where);
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

// The platform's own store keeps the names the tests always had.
INSTANTIATE_TEST_SUITE_P(Signals, EndedBySignal,
    ::testing::Combine(::testing::Values(Ending { "SIGTERMWhenIdle", SIGTERM, "idle", "0" },
                           Ending { "SIGINTWhenIdle", SIGINT, "idle", "0" },
                           Ending { "SIGHUPWhenIdle", SIGHUP, "idle", "0" },
                           Ending { "SIGTERMWithGameStatsOpen", SIGTERM, "game-stats", "0" },
                           Ending { "SIGINTWithGameStatsOpen", SIGINT, "game-stats", "0" },
                           Ending { "SIGHUPWithGameStatsOpen", SIGHUP, "game-stats", "0" },
                           Ending { "SIGTERMDuringThePlayAgainQuestion", SIGTERM, "question", "1" },
                           Ending { "SIGINTDuringThePlayAgainQuestion", SIGINT, "question", "1" },
                           Ending { "SIGHUPDuringThePlayAgainQuestion", SIGHUP, "question", "1" }),
        ::testing::ValuesIn(EveryLocation())),
    [](const auto& row) {
        const Where where = std::get<Where>(row.param);
        return std::string(std::get<Ending>(row.param).name) + (where == Where::XdgConfigHome ? "" : NameOf(where));
    });

#endif

}
