// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/listing.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Listing {

namespace {

enum class Kind { RegularFile, Folder };

// The name as a QString can hold it, or a null string when the bytes do not
// survive the round trip (not valid UTF-8).
QString decodedName(const QByteArray &bytes)
{
    const QString name = QFile::decodeName(bytes);
    return QFile::encodeName(name) == bytes ? name : QString();
}

// Printable ASCII as it is, every other byte as "\xNN".
QString shownBytes(const QByteArray &bytes)
{
    QString shown;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x20 && code < 0x7F && code != '\\')
            shown += QLatin1Char(byte);
        else
            shown += QStringLiteral("\\x") + QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return shown;
}

// Follows symlinks; only the metadata is read, the entry is never opened.
bool isKind(int folderFd, const char *name, Kind kind)
{
    struct stat info;
    if (fstatat(folderFd, name, &info, 0) != 0)
        return false;
    return kind == Kind::RegularFile ? S_ISREG(info.st_mode) : S_ISDIR(info.st_mode);
}

QList<QRegularExpression> patternsOf(const QStringList &nameFilters)
{
    QList<QRegularExpression> patterns;
    for (const QString &filter : nameFilters)
        patterns.append(QRegularExpression::fromWildcard(filter, Qt::CaseInsensitive));
    return patterns;
}

bool matches(const QString &name, const QList<QRegularExpression> &patterns)
{
    return patterns.isEmpty() || std::any_of(patterns.begin(), patterns.end(),
                                             [&name](const QRegularExpression &p) { return p.match(name).hasMatch(); });
}

void sortByName(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

FileListing scan(const QString &folder, Kind kind, const QStringList &nameFilters)
{
    FileListing listing;
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return listing;
    const QList<QRegularExpression> patterns = patternsOf(nameFilters);
    while (const dirent *entry = readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        if (bytes.startsWith('.') || !isKind(dirfd(dir), entry->d_name, kind))
            continue;
        const QString name = decodedName(bytes);
        if (!name.isNull() && matches(name, patterns))
            listing.names.append(name);
        else if (name.isNull() && matches(shownBytes(bytes), patterns))
            listing.unreadableNames.append(shownBytes(bytes));
    }
    closedir(dir);
    sortByName(listing.names);
    sortByName(listing.unreadableNames);
    return listing;
}

} // namespace

FileListing scanFiles(const QString &folder, const QStringList &nameFilters)
{
    return scan(folder, Kind::RegularFile, nameFilters);
}

QStringList files(const QString &folder, const QStringList &nameFilters)
{
    return scanFiles(folder, nameFilters).names;
}

QStringList folders(const QString &folder)
{
    return scan(folder, Kind::Folder, {}).names;
}

} // namespace Listing
