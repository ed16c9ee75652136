// Arbitrary bytes as the whole settings file, read and then written through
// the real store: nothing may crash, and a statistics write replaces the
// entries whatever the file held.
#include "FuzzCheck.h"
#include "game/Conversions.h"
#include "game/RuntimeError.h"
#include "stats/QtSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <string>

namespace pairfall::testing {
namespace {

int run = 0;

template<typename Convert>
void ReadEach(QtSettingsStore& store, const std::string& application, const char* section, std::initializer_list<const char*> keys, Convert convert)
{
    for (const char* key : keys) {
        try {
            convert(store.ReadSetting(application, section, key, "0"));
        } catch (const RuntimeError&) {
        }
    }
}

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

    QtSettingsStore store;
    ReadEach(store, application, "Stats", { "TotalGames", "TotalWins", "TotalLosses", "AvgCardsLeft" }, TextToInt16);
    ReadEach(store, application, "Settings", { "MainLeft", "MainTop" }, TextToSingle);
    store.WriteSetting(application, "Stats", "TotalGames", "7");
    store.WriteSetting(application, "Stats", "AvgCardsLeft", "-3");
    store.Commit();

    QtSettingsStore fresh;
    Check(fresh.ReadSetting(application, "Stats", "TotalGames", "") == "7", "written counter reads back");
    Check(fresh.ReadSetting(application, "Stats", "AvgCardsLeft", "") == "-3", "written average reads back");
    QDir(QFileInfo(file).path()).removeRecursively();
}

}
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Every file goes into a folder of the run's own, never the user's settings.
    static QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pairfall::testing::FuzzSettingsFile(data, size);
    return 0;
}
