// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's trash as freedesktop.org's trash specification lays it out:
// the home trash in $XDG_DATA_HOME/Trash for files on the home trash's file
// system, a volume's own .Trash/UID or .Trash-UID for files elsewhere. Each
// trashed file is renamed into files/ beside an info/NAME.trashinfo that
// tells where it came from and when.
#include "platform/listing.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t PrivateFolder = 0700;
const QString InfoSuffix = QStringLiteral(".trashinfo");

// Most names tried for one file when earlier trashings took the plainer ones.
constexpr int MostNames = 1000;

bool statOf(const QString &path, struct stat &st)
{
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// A folder of ours, made if missing: a real folder (no link), owned by us.
bool ownFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), PrivateFolder) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    return ::lstat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

// A trash folder with its files/ and info/, made where missing, on the
// file's own file system (a trash is only ever filled by renaming).
bool usableTrash(const QString &trash, dev_t device)
{
    struct stat st;
    return QDir().mkpath(QFileInfo(trash).path()) && ownFolder(trash) && ownFolder(trash + QStringLiteral("/files")) &&
           ownFolder(trash + QStringLiteral("/info")) && statOf(trash, st) && st.st_dev == device;
}

QString homeTrash()
{
    QString data = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Trash");
}

// The shared .Trash of a volume counts only as a real folder with the sticky
// bit, so other users cannot take each other's files out of it.
bool sharedTrashIsSafe(const QString &topdir)
{
    struct stat st;
    return statOf(topdir + QStringLiteral("/.Trash"), st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX);
}

// Where a file may go, best first, each with the text its Path= line holds.
struct Candidate
{
    QString trash;
    QString topdir; // empty: Path= is absolute
};

QList<Candidate> candidates(const QString &path, dev_t device)
{
    const QString home = homeTrash();
    struct stat st;
    // The home trash's file system is that of its nearest existing folder.
    QString existing = home;
    while (!statOf(existing, st) && existing != QDir::rootPath())
        existing = QFileInfo(existing).path();
    if (st.st_dev == device)
        return {{home, QString()}};

    const QString topdir = QStorageInfo(path).rootPath();
    const QString uid = QString::number(::getuid());
    QList<Candidate> list;
    if (sharedTrashIsSafe(topdir))
        list.append({topdir + QStringLiteral("/.Trash/") + uid, topdir});
    list.append({topdir + QStringLiteral("/.Trash-") + uid, topdir});
    return list;
}

// "photo.jpg", then "photo.2.jpg", "photo.3.jpg"…: the extension stays last.
QString trashName(const QFileInfo &file, int attempt)
{
    if (attempt == 1)
        return file.fileName();
    const QString suffix = file.suffix();
    const QString stem = suffix.isEmpty() ? file.fileName() : file.completeBaseName();
    return stem + QLatin1Char('.') + QString::number(attempt) +
           (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}

QByteArray infoText(const QString &path, const QString &topdir)
{
    QString shown = path;
    if (!topdir.isEmpty())
        shown = QDir(topdir).relativeFilePath(path);
    return QByteArrayLiteral("[Trash Info]\nPath=") + QUrl::toPercentEncoding(shown, "/") +
           QByteArrayLiteral("\nDeletionDate=") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() + '\n';
}

// Claims a name by creating its info file (O_EXCL), then renames the file
// under it; a failed rename takes the info file away again.
bool moveInto(const Candidate &to, const QString &path)
{
    const QFileInfo file(path);
    for (int attempt = 1; attempt <= MostNames; ++attempt) {
        const QString name = trashName(file, attempt);
        const QByteArray info = QFile::encodeName(to.trash + QStringLiteral("/info/") + name + InfoSuffix);
        const int fd = ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return false;
        const QByteArray text = infoText(path, to.topdir);
        const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
        const bool closed = ::close(fd) == 0;
        const QByteArray target = QFile::encodeName(to.trash + QStringLiteral("/files/") + name);
        // rename() would replace a file left in files/ without its info file.
        struct stat st;
        const bool taken = ::lstat(target.constData(), &st) == 0;
        if (written && closed && !taken && ::rename(QFile::encodeName(path).constData(), target.constData()) == 0)
            return true;
        ::unlink(info.constData());
        if (!taken)
            return false;
    }
    return false;
}

} // namespace

namespace Listing {

bool moveToTrash(const QString &path)
{
    struct stat st;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!statOf(absolute, st))
        return false;
    for (const Candidate &candidate : candidates(absolute, st.st_dev)) {
        if (usableTrash(candidate.trash, st.st_dev) && moveInto(candidate, absolute))
            return true;
    }
    return false;
}

} // namespace Listing
