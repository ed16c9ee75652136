#include "settings/SettingsLocation.h"

#include <QFileInfo>

namespace pairfall {

SettingsLocation SettingsLocation::IniFile(const QString& path)
{
    SettingsLocation location;
    location.m_iniFile = QFileInfo(path).absoluteFilePath();
    return location;
}

SettingsLocation SettingsLocation::FromEnvironment()
{
    const QString path = qEnvironmentVariable(SettingsFileVariable);
    return path.isEmpty() ? Native() : IniFile(path);
}

}
