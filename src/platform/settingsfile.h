// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/inicheck.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QSettings;

// What became of one change to the settings file.
struct SettingsWrite
{
    enum class Result {
        Written,
        Failed,   // the file could not be written
        TooLarge, // the file would have grown past what the programs read
    };
    // A file with lines the store does not read, kept in the backup as it
    // was before the change rewrote it with only the lines read.
    struct Repair
    {
        UnreadLine firstUnread;
        QString backup;
    };

    Result result = Result::Written;
    std::optional<Repair> repair; // on the write that rewrote such a file
};

// Where the settings store keeps its keys: "SECTION/key" paths with text
// values. Every read first picks up what another program wrote since.
class SettingsBackend
{
public:
    virtual ~SettingsBackend() = default;

    virtual QString fileName() const = 0;
    virtual std::optional<QString> value(const QString &path) = 0;
    virtual QStringList sections() = 0;
    virtual SettingsWrite setValue(const QString &path, const QString &value) = 0;
    virtual SettingsWrite removeSection(const QString &section) = 0;
    // True when the file is too large (or no regular file) to be read: the
    // backend then holds this run's values in memory and never touches it.
    virtual bool setAside() const = 0;
};

// The INI file of the store, read and written through QSettings. A file
// over SizeLimit is never parsed, so a damaged or hostile file cannot
// exhaust memory; and no change is written that would take it past SizeLimit.
//
// A file with lines it does not read (see IniCheck) is copied to its backup
// before the first change rewrites it with only the lines it reads: QSettings
// would otherwise carry what it made of them into its rewrite, escaped and
// re-spelt, and fail every later status check with a format error.
class SettingsFile : public SettingsBackend
{
public:
    static constexpr qint64 SizeLimit = 1024 * 1024;
    // Where a file with lines it does not read is kept before it is rewritten.
    static QString backupOf(const QString &file) { return file + QStringLiteral(".bak"); }

    explicit SettingsFile(const QString &file);
    ~SettingsFile() override;

    QString fileName() const override { return m_file; }
    std::optional<QString> value(const QString &path) override;
    QStringList sections() override;
    SettingsWrite setValue(const QString &path, const QString &value) override;
    SettingsWrite removeSection(const QString &section) override;
    bool setAside() const override { return !m_settings; }

private:
    using Change = std::function<void(QSettings &)>;

    SettingsWrite write(const Change &change);
    // Backs up and rewrites the file when it holds lines it does not read;
    // false when that failed and the file was left as it was.
    bool repair(SettingsWrite &result);
    // The size QSettings will give the file with the change; nothing when
    // that could not be found out.
    std::optional<qint64> sizeWith(const Change &change) const;
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
