#include "settings/QtSettingsStore.h"

#include "game/RuntimeError.h"

#include <QSettings>
#include <QStringList>

#include <memory>

namespace pairfall {

namespace {

QString Address(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

// Organization and application both carry the application's name.
std::unique_ptr<QSettings> OpenStore(const std::string& application, const SettingsLocation& where)
{
    std::unique_ptr<QSettings> store;
    if (where.IsNative()) {
        const QString name = QString::fromStdString(application);
        store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
    } else {
        store = std::make_unique<QSettings>(where.IniFilePath(), QSettings::IniFormat);
    }
    // Only the user's own entries: a system-wide one never replaces a default.
    store->setFallbacksEnabled(false);
    return store;
}

// The native store is the registry on Windows.
bool IsRegistry(const SettingsLocation& where)
{
#ifdef Q_OS_WIN
    return where.IsNative();
#else
    (void)where;
    return false;
#endif
}

// The text of a stored value.  An edited file may hold lists or typed
// values; they come back as text that will not pass for a number by accident.
QString TextOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (value.canConvert<QString>())
        return value.toString();
    return QStringLiteral("<%1>").arg(QString::fromLatin1(value.typeName()));
}

}

QtSettingsStore::QtSettingsStore(SettingsLocation location)
    : m_location(std::move(location))
{
}

QString QtSettingsStore::Location(const std::string& application, const SettingsLocation& where)
{
    if (IsRegistry(where)) {
        const QString name = QString::fromStdString(application);
        return QStringLiteral("HKEY_CURRENT_USER\\Software\\%1\\%2").arg(name, name);
    }
    return OpenStore(application, where)->fileName();
}

RuntimeError QtSettingsStore::WriteFailure(const std::string& application, const SettingsLocation& where)
{
    const RuntimeError::Kind kind = IsRegistry(where) ? RuntimeError::Kind::RegistryWrite : RuntimeError::Kind::SettingsWrite;
    return RuntimeError(kind, { Location(application, where).toStdString() });
}

std::string QtSettingsStore::ReadSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& defaultText)
{
    const QString address = Address(section, key);
    if (const auto pending = m_pending.find(application); pending != m_pending.end()) {
        for (auto write = pending->second.rbegin(); write != pending->second.rend(); ++write) {
            if (write->key == address)
                return write->text.toStdString();
        }
    }
    const std::unique_ptr<QSettings> store = OpenStore(application, m_location);
    if (!store->contains(address))
        return defaultText;
    const QVariant value = store->value(address);
    // An entry that is there but cannot be read is damaged, not missing.
    if (!value.isValid())
        return "<unreadable>";
    return TextOf(value).toStdString();
}

void QtSettingsStore::WriteSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& text)
{
    m_pending[application].push_back({ Address(section, key), QString::fromStdString(text) });
}

void QtSettingsStore::Commit()
{
    // A fresh QSettings for each commit, so its status tells about this sync alone.
    for (auto pending = m_pending.begin(); pending != m_pending.end(); pending = m_pending.erase(pending)) {
        const std::unique_ptr<QSettings> store = OpenStore(pending->first, m_location);
        for (const PendingWrite& write : pending->second)
            store->setValue(write.key, write.text);
        store->sync();
        // A FormatError only says the old file had lines it could not parse;
        // the sync has rewritten the file all the same.
        if (store->status() == QSettings::AccessError)
            throw WriteFailure(pending->first, m_location);
    }
}

}
