#include "settings/SettingsLocation.h"

#include "game/Texts.h"

#include <QFileInfo>
#include <QStandardPaths>

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

QString SettingsLocation::FileBeside(const QString& extension) const
{
    if (IsNative())
        return NativeFolder() + '/' + QString::fromLatin1(ApplicationTitle) + extension;
    const QFileInfo ini(m_iniFile);
    return ini.absolutePath() + '/' + ini.completeBaseName() + extension;
}

QString SettingsLocation::NativeFolder()
{
#ifdef Q_OS_WIN
    const auto place = QStandardPaths::GenericDataLocation; // %LOCALAPPDATA%
#else
    const auto place = QStandardPaths::GenericConfigLocation;
#endif
    return QStandardPaths::writableLocation(place) + '/' + QString::fromLatin1(ApplicationTitle);
}

}
