#pragma once

#include <string>

namespace pairfall {

// The per-user settings store: text values addressed by application,
// section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultText when there is none.
    virtual std::string ReadSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& defaultText) = 0;
    virtual void WriteSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& text) = 0;
    // Makes the writes so far reach the disk; throws RuntimeError when they did not.
    // The written values stay pending, so the next Commit tries again.
    virtual void Commit() = 0;
};

}
