#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// One application for all widget tests, headless, with settings no user
// owns: a configuration folder of its own, and for the copies of the program
// that tests start without saying where their settings go (on Windows the
// player's registry otherwise), an INI file in it.
int main(int argc, char** argv)
{
    // Under Wine the test run names Qt's variables PAIRFALL_QT_*: Wine drops QT_*.
    for (const char* name : { "QPA_PLATFORM", "SCALE_FACTOR" }) {
        const QByteArray forwarded = qgetenv(QByteArray("PAIRFALL_QT_") + name);
        if (!forwarded.isEmpty())
            qputenv(QByteArray("QT_") + name, forwarded);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("PAIRFALL_SETTINGS_FILE", (config.path() + "/Pairfall.ini").toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
