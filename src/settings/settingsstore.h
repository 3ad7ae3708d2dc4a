// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/keycatalogue.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class SettingsBackend;
struct SettingsWrite;
struct UnreadLine;

// The per-user settings store of application "Velmo": sections of text keys
// in one INI file shared by Velmo and Quillet. Every read first picks up what
// another program (or another store object) wrote since.
//
// Stored texts become values here and nowhere else: the typed reads parse
// each key by its catalogue type and clamp it to its range, and a text that
// is not a number counts as absent. Problems the user must know of (a file
// that cannot be written, one too large to read, a stored value that had to
// be replaced, a file rewritten without the lines it could not read) go to
// the problem reporter, which the program sets up.
class SettingsStore
{
public:
    using ProblemReporter = std::function<void(const QString &text)>;

    // The user's store ($XDG_CONFIG_HOME/Velmo/Velmo.conf).
    SettingsStore();
    // A store kept in the given file.
    explicit SettingsStore(const QString &file);
    // A store kept by the given backend (tests).
    explicit SettingsStore(std::unique_ptr<SettingsBackend> backend);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString readSetting(const QString &section, const QString &key, const QString &defaultValue) const;
    void writeSetting(const QString &section, const QString &key, const QString &value);
    // Removes a section with all its keys; a missing section fails with 5.
    void deleteSection(const QString &section);

    // Catalogue forms: the key's own fallback, or a control's current value.
    QString read(const SettingKey &key) const;
    QString read(const SettingKey &key, const QString &currentValue) const;
    void write(const SettingKey &key, const QString &value);
    // The stored text; nothing when the key is absent.
    std::optional<QString> stored(const SettingKey &key) const;

    // Typed reads. Each gives the current value (or the key's fallback) when
    // the key is absent or its text is not a number.
    std::optional<int> whole(const SettingKey &key) const;
    int whole(const SettingKey &key, int current) const;
    // The stored text, or else the control's text, as a whole number.
    std::optional<int> whole(const SettingKey &key, const QString &currentText) const;
    bool isOn(const SettingKey &key, bool current) const;
    double twips(const SettingKey &key) const;

    // Reports now the problems found so far, and every later one; an empty
    // reporter keeps them until the next one is set.
    void setProblemReporter(ProblemReporter reporter);
    // A problem found by a reader of the store (a stored value replaced).
    // Each problem is told once, however often it recurs: a store that
    // cannot be written gives one message, not one per key.
    void reportProblem(const QString &text) const;

    QString fileName() const;

private:
    std::optional<QString> value(const QString &path) const;
    void checkSetAside() const;
    void checkWritten(const SettingsWrite &write);

    std::unique_ptr<SettingsBackend> m_backend;
    ProblemReporter m_reporter;
    mutable QStringList m_pending;  // found before a reporter was set
    mutable QStringList m_reported; // each problem is told once a run
};

// The store's messages to the user.
namespace SettingsText {
QString notWritten(const QString &file);
QString tooLargeToWrite(const QString &file);
QString setAside(const QString &file);
QString rewritten(const QString &file, const UnreadLine &line, const QString &backup);
} // namespace SettingsText
