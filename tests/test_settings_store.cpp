// The real store: QSettings in the test run's own XDG_CONFIG_HOME, and the
// same store used by copies of the program in processes of their own: the
// real pairfall, and tests/window_driver, the program held in a known state.
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

#include <map>
#include <signal.h>
#include <string>

using namespace pairfall;

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { QDir(folder).removeRecursively(); }

    const QString file = QtSettingsStore::Location(ApplicationTitle);
    const QString folder = QFileInfo(file).path();
};

TEST_F(SettingsStoreTest, AFailedWriteIsReportedAndKeptForTheNextTry)
{
    ASSERT_TRUE(QDir().mkpath(file)); // a folder where the file should be
    QtSettingsStore store;
    EXPECT_THROW(WriteStatistics(store, { 4, 1, 3, 9 }), RuntimeError);
    QDir(file).removeRecursively();
    store.Commit();
    EXPECT_TRUE(Contents(file).contains("TotalGames=4"));
}

// A sound entry, one that is there but unreadable, then junk.
TEST_F(SettingsStoreTest, AJunkFileIsReadAsFarAsItGoesAndRewrittenByTheNextWrite)
{
    QDir().mkpath(folder);
    QFile junk(file);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("[Stats]\nTotalGames=5\nTotalLosses=@Variant(\\0\\0\\0\\x7f\\0junk)\n\x01\x02 no sign\n[Settings\n");
    junk.write(QByteArray(3000, '\xff'));
    junk.close();
    QtSettingsStore store;
    EXPECT_EQ(ReadCounter(store, TotalGamesKey), 5);
    EXPECT_THROW(ReadCounter(store, TotalLossesKey), RuntimeError);
    WriteStatistics(store, { 6, 2, 4, 11 });
    EXPECT_TRUE(Contents(file).contains("TotalLosses=4"));
}

using Entries = std::map<std::string, std::string>;

// The settings and the runtime folder in one: each copy of the program finds
// the others there.
void Start(QProcess& process, const QString& program, const QString& home, const QStringList& arguments = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home);
    environment.insert("XDG_RUNTIME_DIR", home);
    process.setProcessEnvironment(environment);
    // As from a terminal: a test run in the background hands SIGINT on ignored.
    process.setChildProcessModifier([] {
        ::signal(SIGINT, SIG_DFL);
        ::signal(SIGHUP, SIG_DFL);
    });
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForStarted());
}

// The entries on disk, read as plain text so that a half-written file shows as one.
Entries OnDisk(const QString& configHome)
{
    Entries entries;
    for (const QByteArray& line : Contents(configHome + "/Pairfall/Pairfall.conf").split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            entries[line.left(equals).toStdString()] = line.mid(equals + 1).trimmed().toStdString();
    }
    return entries;
}

// One game won on an empty store; its play-again question waits.
TEST(StoreAcrossProcesses, AFinishedGameSurvivesTheProcessBeingKilled)
{
    QTemporaryDir home;
    QProcess writer;
    Start(writer, WINDOW_DRIVER, home.path(), { "question" });
    ASSERT_TRUE(writer.waitForReadyRead(30000)); // it prints once the game has ended
    writer.kill(); // SIGKILL
    writer.waitForFinished();
    EXPECT_EQ(OnDisk(home.path()), (Entries { { "AvgCardsLeft", "0" }, { "TotalGames", "1" }, { "TotalLosses", "0" }, { "TotalWins", "1" } }));
}

// The driver prints "ready" in its state, then "activated" when its window is.
TEST(StoreAcrossProcesses, ASecondStartBringsTheFirstWindowToTheFrontAndEndsWithStatusZeroWritingNothing)
{
    QTemporaryDir home;
    QProcess first;
    Start(first, WINDOW_DRIVER, home.path(), { "behind" });
    ASSERT_TRUE(first.waitForReadyRead(30000));
    first.readAll();
    QProcess second;
    Start(second, PAIRFALL, home.path());
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_TRUE(first.waitForReadyRead(30000));
    EXPECT_EQ(first.readAll(), "activated\n");
    EXPECT_FALSE(QFile::exists(home.path() + "/Pairfall/Pairfall.conf"));
}

TEST(StoreAcrossProcesses, OfTwoStartsAtTheSameMomentExactlyOneStaysRunning)
{
    QTemporaryDir home;
    QProcess one;
    QProcess other;
    Start(one, PAIRFALL, home.path());
    Start(other, PAIRFALL, home.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return one.state() == QProcess::NotRunning || other.state() == QProcess::NotRunning; }, 30000));
    QTest::qWait(500); // time enough for the other to follow, were it going to
    EXPECT_NE(one.state(), other.state());
    // One still running reports 0 as well.
    EXPECT_EQ(one.exitCode(), 0);
    EXPECT_EQ(other.exitCode(), 0);
}

TEST(StoreAcrossProcesses, AStartAfterAKilledRunTakesOverItsLockAndSocket)
{
    QTemporaryDir home;
    QProcess killed;
    Start(killed, WINDOW_DRIVER, home.path(), { "idle" });
    ASSERT_TRUE(killed.waitForReadyRead(30000));
    killed.kill(); // SIGKILL
    killed.waitForFinished();
    QProcess next;
    Start(next, WINDOW_DRIVER, home.path(), { "idle" });
    ASSERT_TRUE(next.waitForReadyRead(30000));
    // Found by its socket, it takes the hand-over.
    QProcess later;
    Start(later, PAIRFALL, home.path());
    ASSERT_TRUE(later.waitForFinished(30000));
    EXPECT_EQ(later.exitCode(), 0);
}

struct Ending {
    const char* name;
    int signal;
    const char* state;
    std::string games; // finished before the signal, each a win
};

class EndedBySignal : public ::testing::TestWithParam<Ending> { };

TEST_P(EndedBySignal, TheShutdownWritesThePositionAndTheStatisticsAndTheExitStatusIsZero)
{
    QTemporaryDir home;
    QProcess driver;
    Start(driver, WINDOW_DRIVER, home.path(), { GetParam().state });
    ASSERT_TRUE(driver.waitForReadyRead(30000));
    ::kill(pid_t(driver.processId()), GetParam().signal);
    ASSERT_TRUE(driver.waitForFinished(30000));
    EXPECT_EQ(driver.exitCode(), 0);
    const std::string games = GetParam().games;
    EXPECT_EQ(OnDisk(home.path()), (Entries { { "AvgCardsLeft", "0" }, { "MainLeft", "1000" }, { "MainTop", "1000" }, { "TotalGames", games }, { "TotalLosses", "0" }, { "TotalWins", games } }));
}

INSTANTIATE_TEST_SUITE_P(Signals, EndedBySignal,
    ::testing::Values(Ending { "SIGTERMWhenIdle", SIGTERM, "idle", "0" },
        Ending { "SIGINTWhenIdle", SIGINT, "idle", "0" },
        Ending { "SIGHUPWhenIdle", SIGHUP, "idle", "0" },
        Ending { "SIGTERMWithGameStatsOpen", SIGTERM, "game-stats", "0" },
        Ending { "SIGINTWithGameStatsOpen", SIGINT, "game-stats", "0" },
        Ending { "SIGHUPWithGameStatsOpen", SIGHUP, "game-stats", "0" },
        Ending { "SIGTERMDuringThePlayAgainQuestion", SIGTERM, "question", "1" },
        Ending { "SIGINTDuringThePlayAgainQuestion", SIGINT, "question", "1" },
        Ending { "SIGHUPDuringThePlayAgainQuestion", SIGHUP, "question", "1" }),
    [](const auto& row) { return std::string(row.param.name); });

}
