#pragma once

// For the tests that start copies of the program in processes of their own
// (the real pairfall, and tests/window_driver): a folder of the test's that
// holds their settings, their lock and (on Unix) their socket, found by them
// through the environment, and what they print.

#include "settings/SettingsLocation.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <string>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

namespace pairfall::testing {

// The settings in an INI file of the test's that PAIRFALL_SETTINGS_FILE
// names, alike on every platform (on Windows the platform's own store is the
// player's registry); the end-to-end runs use the platform's own store.
class Home {
public:
    // The settings, and a runtime folder as a login gives one (the copies
    // find each other beside the settings, whatever it is).
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(SettingsFileVariable, SettingsFile());
        environment.insert("XDG_CONFIG_HOME", Unused());
        environment.insert("XDG_RUNTIME_DIR", m_folder.path());
        // Qt on Windows tells a process without a console nothing otherwise.
        environment.insert("QT_FORCE_STDERR_LOGGING", "1");
        return environment;
    }

    // For the real program as it ships: on Windows it has no platform but
    // Qt's windows one (the tests and window_driver run offscreen).
    QProcessEnvironment ProgramEnvironment() const
    {
        QProcessEnvironment environment = Environment();
#ifdef Q_OS_WIN
        environment.remove("QT_QPA_PLATFORM");
#endif
        return environment;
    }

    QString SettingsFile() const { return m_folder.path() + "/Pairfall.ini"; }

    QString LockFile() const { return m_folder.path() + "/Pairfall.lock"; }

    // Nothing may reach the platform's own store.
    bool PlatformStoreUntouched() const { return !QDir(Unused()).exists(); }

private:
    QString Unused() const { return m_folder.path() + "/xdg-config-unused"; }

    QTemporaryDir m_folder;
};

inline void Start(QProcess& process, const QString& program, const QProcessEnvironment& environment, const QStringList& arguments = {})
{
    process.setProcessEnvironment(environment);
#ifdef Q_OS_UNIX
    // As from a terminal: a test run in the background hands SIGINT on ignored.
    process.setChildProcessModifier([] {
        ::signal(SIGINT, SIG_DFL);
        ::signal(SIGHUP, SIG_DFL);
    });
#endif
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForStarted());
}

inline void Start(QProcess& process, const QString& program, const Home& home, const QStringList& arguments = {})
{
    Start(process, program, home.Environment(), arguments);
}

// The next line the copy prints, without its end ("\r\n" on Windows); empty
// if it ends or says nothing for half a minute.  Whatever it writes to
// stderr meanwhile does not count, though on Windows it ends waitForReadyRead.
inline QByteArray NextLine(QProcess& process)
{
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(30000))
            return {};
    }
    return process.readLine().trimmed();
}

// True once the copy has ended.  Qt's waitForFinished() says false for a
// process whose end it has already taken in, reading its last line, say.
inline bool Ended(QProcess& process, int msecs = 30000)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(msecs);
}

// Lets a copy that holds its start or its shutdown go on.
inline void GoOn(QProcess& process)
{
    process.write("go on\n");
    EXPECT_TRUE(process.waitForBytesWritten(10000));
}

// The lines the copy prints up to and with this one; all it printed if it never does.
inline QByteArrayList LinesUntil(QProcess& process, const QByteArray& last)
{
    QByteArrayList lines;
    while (lines.isEmpty() || (lines.back() != last && !lines.back().isEmpty()))
        lines.append(NextLine(process));
    return lines;
}

// What a start comes to ("ready", "handed over", "no answer"), after what it
// says while it waits for another copy.
inline QByteArray Outcome(QProcess& process)
{
    QByteArray line = NextLine(process);
    while (line == "waiting" || line == "asking")
        line = NextLine(process);
    return line;
}

inline QByteArray Contents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

using Entries = std::map<std::string, std::string>;

// The entries on disk, read as plain text so that a half-written file shows as one.
inline Entries OnDisk(const Home& home)
{
    Entries entries;
    for (const QByteArray& line : Contents(home.SettingsFile()).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            entries[line.left(equals).toStdString()] = line.mid(equals + 1).trimmed().toStdString();
    }
    return entries;
}

// What a shutdown writes with the window where it was put, after that many
// games, each a win.
inline Entries SavedOnExit(const std::string& games)
{
    return { { "AvgCardsLeft", "0" }, { "MainLeft", "1000" }, { "MainTop", "1000" }, { "TotalGames", games }, { "TotalLosses", "0" }, { "TotalWins", games } };
}

}
