#pragma once

#include "game/RuntimeError.h"
#include "game/SettingsStore.h"
#include "settings/SettingsLocation.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace pairfall {

// The per-user settings store through QSettings, at the location given.
// Values stored system-wide (HKEY_LOCAL_MACHINE, /etc/xdg) are never read in
// place of a missing entry: a missing entry takes its designed default.
// Writes are held until Commit, which makes them reach the disk together and
// keeps them for another try if they did not.
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(SettingsLocation location = SettingsLocation::Native());

    std::string ReadSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& defaultText) override;
    void WriteSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& text) override;
    void Commit() override;

    // Where the entries of an application live, for reports: the file, or on
    // Windows the registry key (HKEY_CURRENT_USER\Software\Pairfall\Pairfall).
    // An INI file holds the entries of every application.
    static QString Location(const std::string& application, const SettingsLocation& where = SettingsLocation::Native());
    // What a Commit that could not write says.
    static RuntimeError WriteFailure(const std::string& application, const SettingsLocation& where);

private:
    struct PendingWrite {
        QString key;
        QString text;
    };
    SettingsLocation m_location;
    // Written but not yet on disk, by application, in the order written.
    std::map<std::string, std::vector<PendingWrite>> m_pending;
};

}
