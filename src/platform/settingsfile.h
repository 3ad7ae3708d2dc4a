// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

// Where the settings store keeps its keys: "SECTION/key" paths with text
// values. Every read first picks up what another program wrote since.
class SettingsBackend
{
public:
    virtual ~SettingsBackend() = default;

    virtual QString fileName() const = 0;
    virtual std::optional<QString> value(const QString &path) = 0;
    virtual QStringList sections() = 0;
    // False when the change could not be written to the file.
    virtual bool setValue(const QString &path, const QString &value) = 0;
    virtual bool removeSection(const QString &section) = 0;
    // True when the file is too large (or no regular file) to be read: the
    // backend then holds this run's values in memory and never touches it.
    virtual bool setAside() const = 0;
};

// The INI file of the store, read and written through QSettings. A file
// over SizeLimit is never parsed, so a damaged or hostile file cannot
// exhaust memory.
class SettingsFile : public SettingsBackend
{
public:
    static constexpr qint64 SizeLimit = 1024 * 1024;

    explicit SettingsFile(const QString &file);
    ~SettingsFile() override;

    QString fileName() const override { return m_file; }
    std::optional<QString> value(const QString &path) override;
    QStringList sections() override;
    bool setValue(const QString &path, const QString &value) override;
    bool removeSection(const QString &section) override;
    bool setAside() const override { return !m_settings; }

private:
    // Reads the file again when it changed; false once it is set aside.
    bool refresh();
    // Writes pending changes; on failure starts afresh from the file, so
    // that the next write is judged on its own.
    bool flush();
    void open();

    QString m_file;
    std::unique_ptr<QSettings> m_settings;
    QHash<QString, QString> m_memory; // this run's values once set aside
};
