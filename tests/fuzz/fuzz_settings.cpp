// Feeds arbitrary bytes to the readers of stored settings: the text
// conversions on their own, and a whole settings file read and then written
// through the real store.  Nothing may crash, and a number may only come out
// of a text that is one.

#include "game/Conversions.h"
#include "game/RuntimeError.h"
#include "game/SettingsEntries.h"
#include "stats/QtSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

QTemporaryDir* configHome = nullptr;
int run = 0;

void Check(bool condition, const char* what)
{
    if (!condition) {
        fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

void FuzzConversions(const std::string& text)
{
    try {
        const pairfall::Int16 value = pairfall::TextToInt16(text);
        // Whatever was taken as a number writes back as one that reads the same.
        Check(pairfall::TextToInt16(pairfall::Int16ToText(value)) == value, "counter round trip");
    } catch (const pairfall::RuntimeError&) {
    }
    try {
        const float value = pairfall::TextToSingle(text);
        Check(value == value, "coordinate is a number");
        Check(pairfall::TextToSingle(pairfall::SingleToText(value)) == value, "coordinate round trip");
    } catch (const pairfall::RuntimeError&) {
    }
}

void FuzzSettingsFile(const uint8_t* data, size_t size)
{
    // A store of its own for each input: QSettings keeps files it has read.
    const std::string application = "Pairfall" + std::to_string(++run);
    const QString file = pairfall::QtSettingsStore::Location(application);
    QDir().mkpath(QFileInfo(file).path());
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            return;
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    pairfall::QtSettingsStore store;
    for (const char* key : { "TotalGames", "TotalWins", "TotalLosses", "AvgCardsLeft" }) {
        try {
            pairfall::TextToInt16(store.ReadSetting(application, "Stats", key, "0"));
        } catch (const pairfall::RuntimeError&) {
        }
    }
    for (const char* key : { "MainLeft", "MainTop" }) {
        try {
            pairfall::TextToSingle(store.ReadSetting(application, "Settings", key, "1000"));
        } catch (const pairfall::RuntimeError&) {
        }
    }
    // Whatever the file held, a statistics write replaces the four entries.
    store.WriteSetting(application, "Stats", "TotalGames", "7");
    store.WriteSetting(application, "Stats", "AvgCardsLeft", "-3");
    store.Commit();
    pairfall::QtSettingsStore fresh;
    Check(fresh.ReadSetting(application, "Stats", "TotalGames", "") == "7", "written counter reads back");
    Check(fresh.ReadSetting(application, "Stats", "AvgCardsLeft", "") == "-3", "written average reads back");
    QDir(QFileInfo(file).path()).removeRecursively();
}

}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    configHome = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", configHome->path().toLocal8Bit());
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzConversions(std::string(reinterpret_cast<const char*>(data), size));
    FuzzSettingsFile(data, size);
    return 0;
}
