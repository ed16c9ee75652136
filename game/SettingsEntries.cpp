#include "game/SettingsEntries.h"

#include "game/Conversions.h"
#include "game/RuntimeError.h"
#include "game/Texts.h"

namespace pairfall {

namespace {

template<typename Convert>
auto ReadConverted(SettingsStore& store, const std::string& section, const std::string& key, const std::string& defaultText, Convert convert)
{
    const std::string text = store.ReadSetting(ApplicationTitle, section, key, defaultText);
    try {
        return convert(text);
    } catch (const RuntimeError& error) {
        throw error.InSetting(section, key, text);
    }
}

}

void WriteStatistics(SettingsStore& store, const Statistics& stats)
{
    store.WriteSetting(ApplicationTitle, StatsSection, AvgCardsLeftKey, Int16ToText(stats.AvgCardsLeft));
    store.WriteSetting(ApplicationTitle, StatsSection, TotalGamesKey, Int16ToText(stats.TotalGames));
    store.WriteSetting(ApplicationTitle, StatsSection, TotalWinsKey, Int16ToText(stats.TotalWins));
    store.WriteSetting(ApplicationTitle, StatsSection, TotalLossesKey, Int16ToText(stats.TotalLosses));
    store.Commit();
}

Int16 ReadCounter(SettingsStore& store, const std::string& key)
{
    return ReadConverted(store, StatsSection, key, Int16ToText(0), [](const std::string& text) { return TextToInt16(text); });
}

float ReadWindowCoordinate(SettingsStore& store, const std::string& key)
{
    return ReadConverted(store, SettingsSection, key, SingleToText(DefaultWindowTwips), [](const std::string& text) { return TextToSingle(text); });
}

void WriteWindowCoordinate(SettingsStore& store, const std::string& key, float twips)
{
    store.WriteSetting(ApplicationTitle, SettingsSection, key, SingleToText(twips));
}

}
