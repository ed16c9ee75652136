#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

QProcessEnvironment WithConfigHome(const QString& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder);
    return environment;
}

// The four "Stats" entries as the file on disk holds them, read as plain text
// so that a half-written file shows as one.
std::map<QString, QString> StatsOnDisk(const QString& configHome)
{
    QFile file(configHome + "/Pairfall/Pairfall.conf");
    std::map<QString, QString> entries;
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    bool inStats = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[')) {
            inStats = line == "[Stats]";
            continue;
        }
        const auto equals = line.indexOf('=');
        if (inStats && equals > 0)
            entries[line.left(equals)] = line.mid(equals + 1);
    }
    return entries;
}

TEST(StoreAcrossProcesses, AFinishedGameSurvivesTheProcessBeingKilled)
{
    QTemporaryDir home;
    for (int seed : { 1, 2, 3 }) {
        QProcess writer;
        writer.setProcessEnvironment(WithConfigHome(home.path()));
        writer.start(STORE_WRITER, { "game-end", QString::number(seed) });
        ASSERT_TRUE(writer.waitForStarted());
        QString line;
        while (!line.contains('\n') && writer.waitForReadyRead(30000))
            line += QString::fromUtf8(writer.readAllStandardOutput());
        ASSERT_TRUE(line.startsWith("ended ")) << line.toStdString();
        writer.kill(); // SIGKILL, straight after the end of the game
        writer.waitForFinished();

        const QStringList counts = line.trimmed().split(' ');
        const std::map<QString, QString> stored = StatsOnDisk(home.path());
        ASSERT_EQ(stored.size(), 4u);
        EXPECT_EQ(stored.at("TotalGames"), counts[1]);
        EXPECT_EQ(stored.at("TotalWins"), counts[2]);
        EXPECT_EQ(stored.at("TotalLosses"), counts[3]);
        EXPECT_EQ(stored.at("AvgCardsLeft"), counts[4]);
        EXPECT_EQ(counts[1].toInt(), seed); // each run counted on from the last
    }
}

TEST(StoreAcrossProcesses, TwoWritersAtOnceLeaveOneCompleteWrite)
{
    QTemporaryDir home;
    constexpr int Writes = 150;
    QProcess first;
    QProcess second;
    for (auto [writer, k] : { std::pair { &first, 1 }, std::pair { &second, 2 } }) {
        writer->setProcessEnvironment(WithConfigHome(home.path()));
        writer->start(STORE_WRITER, { "hammer", QString::number(k), QString::number(Writes) });
        ASSERT_TRUE(writer->waitForStarted());
    }
    // While they write, every look at the file finds one write whole.
    int looks = 0;
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        const std::map<QString, QString> stored = StatsOnDisk(home.path());
        if (!stored.empty()) {
            ++looks;
            ASSERT_EQ(stored.size(), 4u);
            const QString value = stored.begin()->second;
            for (const auto& [key, text] : stored)
                ASSERT_EQ(text, value) << key.toStdString() << " from another write";
        }
        first.waitForFinished(5);
        second.waitForFinished(5);
    }
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    const std::map<QString, QString> stored = StatsOnDisk(home.path());
    ASSERT_EQ(stored.size(), 4u);
    const QString last = stored.at("TotalGames");
    EXPECT_TRUE(last == QString::number(1000 + Writes - 1) || last == QString::number(2000 + Writes - 1)) << last.toStdString();
    for (const auto& [key, text] : stored)
        EXPECT_EQ(text, last) << key.toStdString();
    EXPECT_GT(looks, 0);
}

}
