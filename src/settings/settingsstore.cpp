// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"

#include "platform/failure.h"
#include "platform/paths.h"

#include <QSettings>

SettingsStore::SettingsStore()
    : SettingsStore(Paths::settingsFile())
{
}

SettingsStore::SettingsStore(const QString &file)
    : m_settings(std::make_unique<QSettings>(file, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

static QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

QString SettingsStore::ReadSetting(const QString &section, const QString &key, const QString &defaultValue) const
{
    m_settings->sync();
    return m_settings->value(keyPath(section, key), defaultValue).toString();
}

void SettingsStore::WriteSetting(const QString &section, const QString &key, const QString &value)
{
    m_settings->setValue(keyPath(section, key), value);
    m_settings->sync();
}

void SettingsStore::DeleteSection(const QString &section)
{
    m_settings->sync();
    if (!m_settings->childGroups().contains(section))
        throw Failure(FailureCode::InvalidCall, section);
    m_settings->remove(section);
    m_settings->sync();
}

QString SettingsStore::read(const SettingKey &key) const
{
    return read(key, QString::fromLatin1(key.fallback));
}

QString SettingsStore::read(const SettingKey &key, const QString &currentValue) const
{
    return ReadSetting(QString::fromLatin1(key.section), QString::fromLatin1(key.key), currentValue);
}

void SettingsStore::write(const SettingKey &key, const QString &value)
{
    WriteSetting(QString::fromLatin1(key.section), QString::fromLatin1(key.key), value);
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}
