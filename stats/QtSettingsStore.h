#pragma once

#include "game/SettingsStore.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace pairfall {

// The per-user settings store of the platform through QSettings: the
// registry's per-user area on Windows, $XDG_CONFIG_HOME/<application>/
// <application>.conf on Linux.  Writes are held until Commit, which makes
// them reach the disk together and keeps them for another try if they did not.
class QtSettingsStore final : public SettingsStore {
public:
    std::string ReadSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& defaultText) override;
    void WriteSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& text) override;
    void Commit() override;

    // Where the entries of an application live, for reports.
    static QString Location(const std::string& application);

private:
    struct PendingWrite {
        QString key;
        QString text;
    };
    // Written but not yet on disk, by application, in the order written.
    std::map<std::string, std::vector<PendingWrite>> m_pending;
};

}
