// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingsfile.h"

#include <QFileInfo>
#include <QSettings>

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

bool SettingsFile::setValue(const QString &path, const QString &value)
{
    if (!refresh()) {
        m_memory.insert(path, value);
        return true;
    }
    m_settings->setValue(path, value);
    return flush();
}

bool SettingsFile::removeSection(const QString &section)
{
    if (!refresh()) {
        m_memory.removeIf([&section](const auto &entry) { return sectionOf(entry.key()) == section; });
        return true;
    }
    m_settings->remove(section);
    return flush();
}
