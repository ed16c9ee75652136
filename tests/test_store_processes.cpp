#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

// Starts the second process, tests/store_writer, on the store in configHome.
void Start(QProcess& writer, const QString& configHome, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configHome);
    writer.setProcessEnvironment(environment);
    writer.start(STORE_WRITER, arguments);
    ASSERT_TRUE(writer.waitForStarted());
}

// The "Stats" entries as the file on disk holds them, read as plain text so
// that a half-written file shows as one.
std::map<QString, QString> StatsOnDisk(const QString& configHome)
{
    QFile file(configHome + "/Pairfall/Pairfall.conf");
    std::map<QString, QString> entries;
    bool inStats = false;
    for (const QByteArray& raw : file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray> {}) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('['))
            inStats = line == "[Stats]";
        else if (inStats && line.indexOf('=') > 0)
            entries[line.section('=', 0, 0)] = line.section('=', 1);
    }
    return entries;
}

TEST(StoreAcrossProcesses, AFinishedGameSurvivesTheProcessBeingKilled)
{
    QTemporaryDir home;
    for (int seed : { 1, 2, 3 }) {
        QProcess writer;
        Start(writer, home.path(), { "game-end", QString::number(seed) });
        QString line;
        while (!line.contains('\n') && writer.waitForReadyRead(30000))
            line += QString::fromUtf8(writer.readAllStandardOutput());
        writer.kill(); // SIGKILL, straight after the end of the game
        writer.waitForFinished();
        const QStringList counts = line.trimmed().split(' '); // "ended G W L A"
        ASSERT_EQ(counts.size(), 5) << line.toStdString();
        const std::map<QString, QString> stored = StatsOnDisk(home.path());
        const std::map<QString, QString> expected = { { "TotalGames", counts[1] }, { "TotalWins", counts[2] }, { "TotalLosses", counts[3] }, { "AvgCardsLeft", counts[4] } };
        EXPECT_EQ(stored, expected);
        EXPECT_EQ(counts[1].toInt(), seed); // each run counted on from the last
    }
}

TEST(StoreAcrossProcesses, TwoWritersAtOnceLeaveOneCompleteWrite)
{
    QTemporaryDir home;
    constexpr int Writes = 150; // write i of writer k holds k * 1000 + i in all four
    QProcess first;
    QProcess second;
    Start(first, home.path(), { "hammer", "1", QString::number(Writes) });
    Start(second, home.path(), { "hammer", "2", QString::number(Writes) });
    // While they write, every look at the file finds one write whole.
    int looks = 0;
    const auto expectOneWrite = [](const std::map<QString, QString>& stored) {
        ASSERT_EQ(stored.size(), 4u);
        for (const auto& [key, text] : stored)
            ASSERT_EQ(text, stored.begin()->second) << key.toStdString() << " from another write";
    };
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        if (const auto stored = StatsOnDisk(home.path()); !stored.empty()) {
            ++looks;
            expectOneWrite(stored);
        }
        first.waitForFinished(5);
        second.waitForFinished(5);
    }
    EXPECT_EQ(first.exitCode() + second.exitCode(), 0);
    const auto stored = StatsOnDisk(home.path());
    expectOneWrite(stored);
    const QString last = stored.at("TotalGames");
    EXPECT_TRUE(last == QString::number(1000 + Writes - 1) || last == QString::number(2000 + Writes - 1)) << last.toStdString();
    EXPECT_GT(looks, 0);
}

}
