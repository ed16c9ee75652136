#include "stats/QtSettingsStore.h"

#include "game/RuntimeError.h"

#include <QSettings>
#include <QStringList>

namespace pairfall {

namespace {

QString Address(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

// Organization and application both carry the application's name.
QSettings OpenStore(const std::string& application)
{
    const QString name = QString::fromStdString(application);
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, name, name);
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

QString QtSettingsStore::Location(const std::string& application)
{
    return OpenStore(application).fileName();
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
    QSettings store = OpenStore(application);
    if (!store.contains(address))
        return defaultText;
    const QVariant value = store.value(address);
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
        QSettings store = OpenStore(pending->first);
        for (const PendingWrite& write : pending->second)
            store.setValue(write.key, write.text);
        store.sync();
        // A FormatError only says the old file had lines it could not parse;
        // the sync has rewritten the file all the same.
        if (store.status() == QSettings::AccessError) {
            throw RuntimeError(RuntimeError::Kind::SettingsWrite,
                QStringLiteral("The settings could not be saved to %1: the file cannot be written "
                               "(it may be read-only, a folder may stand in its place, or the disk may be full).")
                    .arg(store.fileName())
                    .toStdString());
        }
    }
}

}
