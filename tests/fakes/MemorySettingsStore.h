#pragma once

#include "fakes/EventLog.h"
#include "game/SettingsStore.h"

#include <map>
#include <string>
#include <tuple>

namespace pairfall::testing {

// A settings store in memory: it logs every read, write and commit and can be
// told to fail its commits.
class MemorySettingsStore final : public SettingsStore {
public:
    // Logs into a log it shares with the other fakes of a test.
    explicit MemorySettingsStore(EventLog& log)
        : m_log(log)
    {
    }
    std::string ReadSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& defaultText) override;
    void WriteSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& text) override;
    void Commit() override;

    // An entry as another run, or a damaged file, left it.
    void Set(const std::string& section, const std::string& key, const std::string& text);

    bool failCommits = false;

private:
    EventLog& m_log;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> m_entries;
};

}
