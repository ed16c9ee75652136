#pragma once

#include <QString>

namespace pairfall {

// Where the settings live: the platform's own per-user store, or an INI file
// the caller chooses (the tests do, so that they never touch the player's
// settings).  The single-copy guard's lock file and socket follow from it.
class SettingsLocation {
public:
    // The registry's per-user area on Windows, $XDG_CONFIG_HOME/<application>/
    // <application>.conf on Linux.
    static SettingsLocation Native() { return {}; }
    // One INI file for all the entries, on every platform.
    static SettingsLocation IniFile(const QString& path);
    // The INI file that PAIRFALL_SETTINGS_FILE names; the native store when
    // it is unset or empty.  The program's start-up reads it here alone.
    static SettingsLocation FromEnvironment();

    bool IsNative() const { return m_iniFile.isEmpty(); }
    // The INI file's absolute path; empty for the native store.
    const QString& IniFilePath() const { return m_iniFile; }

    // A file of the program's kept with these settings, named after them,
    // with this extension (".lock", ".log"): beside an INI file; for the
    // native store in NativeFolder.
    QString FileBeside(const QString& extension) const;
    // The folder of the native store's files: the user's local application
    // data on Windows (%LOCALAPPDATA%\Pairfall), where the registry has
    // none; beside the settings file ($XDG_CONFIG_HOME/Pairfall) elsewhere.
    static QString NativeFolder();

private:
    QString m_iniFile;
};

inline constexpr const char* SettingsFileVariable = "PAIRFALL_SETTINGS_FILE";

}
