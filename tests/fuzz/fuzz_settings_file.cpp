// Arbitrary bytes as the whole settings file, read and then written through
// the real store: nothing may crash, and a statistics write replaces the
// entries whatever the file held.
#include "settings/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace pairfall::testing {
namespace {

int run = 0;

void FuzzSettingsFile(const std::uint8_t* data, std::size_t size)
{
    // A store of its own for each input: QSettings keeps files it has read.
    const std::string application = "Pairfall" + std::to_string(++run);
    const QString file = QtSettingsStore::Location(application);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return;
    out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    out.close();

    // Whatever the file holds, each entry reads as some text; what the text
    // converts to is the other fuzzer's business.
    QtSettingsStore store;
    for (const char* section : { "Stats", "Settings" }) {
        for (const char* key : { "TotalGames", "TotalWins", "TotalLosses", "AvgCardsLeft", "MainLeft", "MainTop" })
            store.ReadSetting(application, section, key, "0");
    }
    store.WriteSetting(application, "Stats", "TotalGames", "7");
    store.WriteSetting(application, "Stats", "AvgCardsLeft", "-3");
    store.Commit();

    QtSettingsStore fresh;
    if (fresh.ReadSetting(application, "Stats", "TotalGames", "") != "7")
        std::abort(); // written counter reads back
    if (fresh.ReadSetting(application, "Stats", "AvgCardsLeft", "") != "-3")
        std::abort(); // written average reads back
    QDir(QFileInfo(file).path()).removeRecursively();
}

}
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Every file goes into a folder of the run's own, never the user's settings.
    static QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    // The program runs with a GUI application, under which a stored variant
    // of a GUI type (a bitmap, say) can be made; without one Qt aborts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pairfall::testing::FuzzSettingsFile(data, size);
    return 0;
}
