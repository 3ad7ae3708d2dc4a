// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/keycatalogue.h"

#include <QString>
#include <memory>

class QSettings;

// The per-user settings store of application "Velmo": sections of text keys
// in one INI file shared by Velmo and Quillet. Every read first picks up what
// another program (or another store object) wrote since.
class SettingsStore
{
public:
    // The user's store ($XDG_CONFIG_HOME/Velmo/Velmo.conf).
    SettingsStore();
    // A store kept in the given file.
    explicit SettingsStore(const QString &file);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString ReadSetting(const QString &section, const QString &key, const QString &defaultValue) const;
    void WriteSetting(const QString &section, const QString &key, const QString &value);
    // Removes a section with all its keys; a missing section fails with 5.
    void DeleteSection(const QString &section);

    // Catalogue forms: the key's own fallback, or a control's current value.
    QString read(const SettingKey &key) const;
    QString read(const SettingKey &key, const QString &currentValue) const;
    void write(const SettingKey &key, const QString &value);

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
