#include "fakes/MemorySettingsStore.h"

#include "game/RuntimeError.h"
#include "game/Texts.h"

namespace pairfall::testing {

std::string MemorySettingsStore::ReadSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& defaultText)
{
    m_log.Add("read " + section + "/" + key);
    const auto found = m_entries.find({ application, section, key });
    if (found == m_entries.end())
        return defaultText;
    return found->second;
}

void MemorySettingsStore::WriteSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& text)
{
    m_log.Add("write " + section + "/" + key + "=" + text);
    m_entries[{ application, section, key }] = text;
}

void MemorySettingsStore::Commit()
{
    m_log.Add("commit");
    if (failCommits)
        throw RuntimeError(RuntimeError::Kind::SettingsWrite, { "the test store, set to fail" });
}

void MemorySettingsStore::Set(const std::string& section, const std::string& key, const std::string& text)
{
    m_entries[{ ApplicationTitle, section, key }] = text;
}

}
