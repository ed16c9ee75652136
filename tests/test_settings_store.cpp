#include "game/RuntimeError.h"
#include "game/SettingsEntries.h"
#include "game/Texts.h"
#include "stats/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace pairfall;

namespace {

// The real store in the test run's own XDG_CONFIG_HOME, emptied for each test.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { QDir(folder).removeRecursively(); }
    void TearDown() override { QDir(folder).removeRecursively(); }
    void WriteFile(const QByteArray& text)
    {
        QDir().mkpath(folder);
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    }
    QByteArray ReadFile() const
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    const QString file = QtSettingsStore::Location(ApplicationTitle);
    const QString folder = QFileInfo(file).path();
};

TEST_F(SettingsStoreTest, WritesReachTheFileAtOnceAndReadBackUnchanged)
{
    EXPECT_EQ(file, qEnvironmentVariable("XDG_CONFIG_HOME") + "/Pairfall/Pairfall.conf");
    QtSettingsStore store;
    EXPECT_EQ(ReadCounter(store, TotalGamesKey), 0);
    WriteStatistics(store, { 3, 1, 2, 14 });
    WriteWindowCoordinate(store, MainLeftKey, -120.0f);
    store.Commit();
    // On disk already, without waiting for the store to go away.
    for (const char* line : { "[Stats]", "TotalGames=3", "AvgCardsLeft=14", "MainLeft=-120" })
        EXPECT_TRUE(ReadFile().contains(line)) << line;

    QtSettingsStore fresh;
    EXPECT_EQ(ReadCounter(fresh, TotalLossesKey), 2);
    EXPECT_EQ(ReadWindowCoordinate(fresh, MainLeftKey), -120.0f);
    EXPECT_EQ(ReadWindowCoordinate(fresh, MainTopKey), 1000.0f);
    for (const char* text : { "abc", "1, 2", "  7 ", "", "\xc3\xa9" }) {
        store.WriteSetting("Pairfall", "Stats", "TotalWins", text);
        store.Commit();
        EXPECT_EQ(QtSettingsStore().ReadSetting("Pairfall", "Stats", "TotalWins", "0"), text);
    }
}

TEST_F(SettingsStoreTest, AFailedWriteIsReportedAndKeptForTheNextTry)
{
    ASSERT_TRUE(QDir().mkpath(file)); // a folder where the file should be
    QtSettingsStore store;
    try {
        WriteStatistics(store, { 4, 1, 3, 9 });
        ADD_FAILURE() << "a write that did not reach the disk was taken as done";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), RuntimeError::Kind::SettingsWrite);
        EXPECT_NE(e.description().find(file.toStdString()), std::string::npos);
    }
    EXPECT_EQ(ReadCounter(store, TotalGamesKey), 4);
    QDir(file).removeRecursively();
    store.Commit();
    EXPECT_TRUE(ReadFile().contains("TotalGames=4"));
}

TEST_F(SettingsStoreTest, AJunkFileIsReadAsFarAsItGoesAndRewrittenByTheNextWrite)
{
    WriteFile(QByteArray("[Stats]\nTotalGames=5\nTotalLosses=@Variant(\\0\\0\\0\\x7f\\0junk)\n\x01\x02 no sign\n[Settings\n")
        + QByteArray(3000, '\xff'));
    QtSettingsStore store;
    EXPECT_EQ(ReadCounter(store, TotalGamesKey), 5);
    // There but unreadable: damaged, not missing.
    EXPECT_THROW(ReadCounter(store, TotalLossesKey), RuntimeError);
    WriteStatistics(store, { 6, 2, 4, 11 }); // must not be taken as a failure
    QtSettingsStore fresh;
    EXPECT_EQ(ReadCounter(fresh, TotalGamesKey), 6);
    EXPECT_EQ(ReadCounter(fresh, TotalLossesKey), 4);
}

}
