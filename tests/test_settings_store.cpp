// The real store: QSettings in the test run's own XDG_CONFIG_HOME, and the
// same store written by a second process, tests/store_writer.
#include "game/RuntimeError.h"
#include "game/SettingsEntries.h"
#include "game/Texts.h"
#include "stats/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
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

void Start(QProcess& writer, const QString& configHome, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configHome);
    writer.setProcessEnvironment(environment);
    writer.start(STORE_WRITER, arguments);
    ASSERT_TRUE(writer.waitForStarted());
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

// One game won on an empty store.
TEST(StoreAcrossProcesses, AFinishedGameSurvivesTheProcessBeingKilled)
{
    QTemporaryDir home;
    QProcess writer;
    Start(writer, home.path(), { "game-end" });
    ASSERT_TRUE(writer.waitForReadyRead(30000)); // it prints once the game has ended
    writer.kill(); // SIGKILL
    writer.waitForFinished();
    EXPECT_EQ(OnDisk(home.path()), (Entries { { "AvgCardsLeft", "0" }, { "TotalGames", "1" }, { "TotalLosses", "0" }, { "TotalWins", "1" } }));
}

}
