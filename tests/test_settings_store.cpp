#include "game/RuntimeError.h"
#include "stats/QtSettingsStore.h"
#include "stats/StatsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace pairfall;

namespace {

// The real store in the test's own XDG_CONFIG_HOME, emptied for each test.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = QtSettingsStore::Location(ApplicationTitle);
        QDir(QFileInfo(file).path()).removeRecursively();
    }
    void TearDown() override
    {
        QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QDir(QFileInfo(file).path()).removeRecursively();
    }
    QString ReadFile() const
    {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }

    QString file;
};

TEST_F(SettingsStoreTest, LivesUnderXdgConfigHome)
{
    const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Pairfall/Pairfall.conf";
    EXPECT_EQ(file, expected);
}

TEST_F(SettingsStoreTest, RoundTripReachesTheFileAtOnce)
{
    QtSettingsStore store;
    EXPECT_EQ(store.ReadSetting("Pairfall", "Stats", "TotalGames", "0"), "0");
    WriteStatistics(store, { 3, 1, 2, 14 });
    // On disk already, without waiting for the store to go away.
    const QString text = ReadFile();
    EXPECT_TRUE(text.contains("[Stats]"));
    EXPECT_TRUE(text.contains("TotalGames=3"));
    EXPECT_TRUE(text.contains("AvgCardsLeft=14"));

    QtSettingsStore another;
    EXPECT_EQ(ReadCounter(another, TotalGamesKey), 3);
    EXPECT_EQ(ReadCounter(another, TotalWinsKey), 1);
    EXPECT_EQ(ReadCounter(another, TotalLossesKey), 2);
    WriteWindowCoordinate(another, MainLeftKey, -120.0f);
    another.Commit();
    EXPECT_TRUE(ReadFile().contains("MainLeft=-120"));
    EXPECT_EQ(ReadWindowCoordinate(store, MainLeftKey), -120.0f);
    EXPECT_EQ(ReadWindowCoordinate(store, MainTopKey), 1000.0f);
}

TEST_F(SettingsStoreTest, TextsComeBackUnchanged)
{
    QtSettingsStore store;
    for (const char* text : { "abc", "1, 2", "  7 ", "", "1e999", "\xc3\xa9" }) {
        store.WriteSetting("Pairfall", "Stats", "TotalWins", text);
        store.Commit();
        QtSettingsStore fresh;
        EXPECT_EQ(fresh.ReadSetting("Pairfall", "Stats", "TotalWins", "0"), text);
    }
}

TEST_F(SettingsStoreTest, AFailedWriteIsReportedAndTriedAgain)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files; the folder case below covers it";
    QtSettingsStore store;
    WriteStatistics(store, { 1, 0, 1, 5 });
    QFile(file).setPermissions(QFile::ReadOwner);
    EXPECT_THROW(WriteStatistics(store, { 2, 0, 2, 6 }), RuntimeError);
    QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    store.Commit();
    EXPECT_TRUE(ReadFile().contains("TotalGames=2"));
}

TEST_F(SettingsStoreTest, AFolderWhereTheFileShouldBeIsAFailedWrite)
{
    ASSERT_TRUE(QDir().mkpath(file));
    QtSettingsStore store;
    try {
        WriteStatistics(store, { 4, 1, 3, 9 });
        ADD_FAILURE() << "a write that did not reach the disk was taken as done";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), RuntimeError::Kind::SettingsWrite);
        EXPECT_NE(e.description().find(file.toStdString()), std::string::npos);
    }
    // The values are kept, in this run and for the next try.
    EXPECT_EQ(ReadCounter(store, TotalGamesKey), 4);
    QDir(file).removeRecursively();
    store.Commit();
    EXPECT_TRUE(ReadFile().contains("TotalGames=4"));
}

TEST_F(SettingsStoreTest, AJunkFileIsReadAsFarAsItGoesAndRewrittenByTheNextWrite)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    {
        QFile junk(file);
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray("[Stats]\nTotalGames=5\n\x01\x02 a line with no sign\n[Settings\nTotalWins=@Variant(\\0\\0\\0\\x7f\\0junk)\n", 86));
        junk.write(QByteArray(3000, '\xff'));
    }
    QtSettingsStore store;
    EXPECT_EQ(ReadCounter(store, TotalGamesKey), 5);
    WriteStatistics(store, { 6, 2, 4, 11 }); // must not be taken as a failure
    QtSettingsStore fresh;
    EXPECT_EQ(ReadCounter(fresh, TotalGamesKey), 6);
    EXPECT_EQ(ReadCounter(fresh, TotalWinsKey), 2);
    EXPECT_EQ(ReadCounter(fresh, TotalLossesKey), 4);
    EXPECT_EQ(ReadCounter(fresh, AvgCardsLeftKey), 11);
}

TEST_F(SettingsStoreTest, AnEntryThatCannotBeReadIsDamagedNotMissing)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    {
        QFile junk(file);
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("[Stats]\nTotalLosses=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x3junk)\n");
    }
    QtSettingsStore store;
    try {
        const Int16 taken = ReadCounter(store, TotalLossesKey);
        ADD_FAILURE() << "read as " << taken;
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), RuntimeError::Kind::TypeMismatch);
    }
}

}
