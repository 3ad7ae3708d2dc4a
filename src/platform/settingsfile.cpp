// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingsfile.h"

#include "platform/filedescriptor.h"
#include "platform/folderfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// A file that cannot be parsed safely: too large, or something other than a
// regular file (a FIFO would block the read).
bool unreadable(const QString &file)
{
    const QFileInfo info(file);
    return info.exists() && (!info.isFile() || info.size() > SettingsFile::SizeLimit);
}

QString sectionOf(const QString &path)
{
    return path.section(QLatin1Char('/'), 0, 0);
}

// The file's bytes; nothing when it is absent, too large or no regular file.
std::optional<QByteArray> readWhole(const QString &file)
{
    const FileDescriptor fd = FileDescriptor::forReading(QFile::encodeName(file));
    struct stat info;
    QFile in;
    if (!fd.isOpen() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        !in.open(fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return std::nullopt;
    QByteArray bytes = in.read(SettingsFile::SizeLimit + 1);
    if (bytes.size() > SettingsFile::SizeLimit)
        return std::nullopt;
    return bytes;
}

// A new file of that name made by a rename, so that neither a link of that
// name nor a reader of the old file sees a part-written copy.
bool writeCopy(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    FolderFiles folder(target.absolutePath());
    const std::optional<QString> temporary =
        folder.create(QLatin1Char('.') + target.fileName() + QLatin1Char('-'), bytes);
    if (!temporary)
        return false;
    if (folder.syncFile(*temporary) && folder.rename(*temporary, target.fileName()))
        return folder.syncFolder();
    folder.remove(*temporary);
    return false;
}

// Replaces the file as QSettings does: through a link to the file it names,
// keeping the file's permissions.
bool replace(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

SettingsFile::SettingsFile(const QString &file)
    : m_file(file)
{
    if (!unreadable(m_file))
        open();
}

SettingsFile::~SettingsFile() = default;

void SettingsFile::open()
{
    m_settings = std::make_unique<QSettings>(m_file, QSettings::IniFormat);
}

bool SettingsFile::refresh()
{
    if (m_settings && unreadable(m_file))
        m_settings.reset();
    if (!m_settings)
        return false;
    m_settings->sync();
    return true;
}

bool SettingsFile::flush()
{
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    open();
    return false;
}

SettingsWrite SettingsFile::write(const Change &change)
{
    SettingsWrite result;
    if (!repair(result)) {
        result.result = SettingsWrite::Result::Failed;
        return result;
    }
    // A fresh QSettings reads the rewritten file. And QSettings keeps the
    // first error it met, a format error found by an earlier read included,
    // which would hide how this write went.
    if (result.repair || m_settings->status() != QSettings::NoError)
        open();
    const std::optional<qint64> size = sizeWith(change);
    if (!size) {
        result.result = SettingsWrite::Result::Failed;
    } else if (*size > SizeLimit) {
        result.result = SettingsWrite::Result::TooLarge;
    } else {
        change(*m_settings);
        if (!flush())
            result.result = SettingsWrite::Result::Failed;
    }
    return result;
}

bool SettingsFile::repair(SettingsWrite &result)
{
    if (!QFileInfo::exists(m_file))
        return true; // nothing to keep; QSettings makes the file and its folder
    // The lock QSettings takes while it writes the file, so that no other
    // program's change falls between the reading and the rewriting.
    QLockFile lock(QFileInfo(m_file).absoluteFilePath() + QStringLiteral(".lock"));
    if (!lock.lock())
        return false;
    const std::optional<QByteArray> bytes = readWhole(m_file);
    const IniCheck check = bytes ? checkIni(*bytes) : IniCheck{};
    if (!check.firstUnread)
        return true;
    if (!writeCopy(backupOf(m_file), *bytes) || !replace(m_file, check.readable))
        return false;
    result.repair = SettingsWrite::Repair{*check.firstUnread, backupOf(m_file)};
    return true;
}

// QSettings re-spells what it read when it writes: escapes in keys, spaces
// after commas, UTF-8 for bytes it could not decode. Only writing a copy
// tells how large the file comes out.
std::optional<qint64> SettingsFile::sizeWith(const Change &change) const
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return std::nullopt;
    const QString copy = scratch.filePath(QStringLiteral("Velmo.conf"));
    {
        QSettings trial(copy, QSettings::IniFormat);
        for (const QString &key : m_settings->allKeys())
            trial.setValue(key, m_settings->value(key));
        change(trial);
        trial.sync();
        if (trial.status() != QSettings::NoError)
            return std::nullopt;
    }
    return QFileInfo(copy).size();
}

std::optional<QString> SettingsFile::value(const QString &path)
{
    if (!refresh()) {
        const auto found = m_memory.constFind(path);
        return found == m_memory.cend() ? std::nullopt : std::optional<QString>(*found);
    }
    const QVariant stored = m_settings->value(path);
    return stored.isValid() ? std::optional<QString>(stored.toString()) : std::nullopt;
}

QStringList SettingsFile::sections()
{
    if (refresh())
        return m_settings->childGroups();
    QStringList result;
    for (auto it = m_memory.cbegin(); it != m_memory.cend(); ++it) {
        if (!result.contains(sectionOf(it.key())))
            result.append(sectionOf(it.key()));
    }
    return result;
}

SettingsWrite SettingsFile::setValue(const QString &path, const QString &value)
{
    if (!refresh()) {
        m_memory.insert(path, value);
        return {};
    }
    return write([&](QSettings &settings) { settings.setValue(path, value); });
}

SettingsWrite SettingsFile::removeSection(const QString &section)
{
    if (!refresh()) {
        m_memory.removeIf([&section](const auto &entry) { return sectionOf(entry.key()) == section; });
        return {};
    }
    return write([&](QSettings &settings) { settings.remove(section); });
}
