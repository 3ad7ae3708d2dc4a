// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folderfiles.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int RandomLength = 6;

// An empty path, which every call below refuses, for a name that is no
// entry of the folder.
QByteArray encoded(const QString &name)
{
    return FolderFiles::isEntryName(name) ? QFile::encodeName(name) : QByteArray();
}

QString randomSuffix()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < RandomLength; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return suffix;
}

bool writeAll(int fd, const char *data, qint64 length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, data, size_t(length));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        length -= n;
    }
    return true;
}

} // namespace

FolderFiles::FolderFiles(const QString &folder, std::function<bool()> stopHere)
    : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    , m_stopHere(std::move(stopHere))
{}

FolderFiles::~FolderFiles()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FolderFiles::isEntryName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool FolderFiles::mayChange()
{
    if (!m_stopped && m_stopHere && m_stopHere())
        m_stopped = true;
    return !m_stopped && m_fd >= 0;
}

std::optional<QString> FolderFiles::create(const QString &prefix, const QByteArray &bytes)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (!mayChange())
            return std::nullopt;
        const QString name = prefix + randomSuffix();
        // The kernel gives the file the mode of any new file: 0666 less the umask.
        const int fd = ::openat(m_fd, encoded(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return std::nullopt;
        const bool written = mayChange() && writeAll(fd, bytes.constData(), bytes.size());
        // Start writing to disk now; syncFile() mostly finds it done.
        if (written)
            ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        const bool closed = ::close(fd) == 0;
        if (written && closed)
            return name;
        remove(name);
        return std::nullopt;
    }
    return std::nullopt;
}

bool FolderFiles::syncFile(const QString &name)
{
    if (!mayChange())
        return false;
    const int fd = ::openat(m_fd, encoded(name).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool synced = ::fdatasync(fd) == 0;
    ::close(fd);
    return synced;
}

bool FolderFiles::rename(const QString &from, const QString &to)
{
    return mayChange() && ::renameat(m_fd, encoded(from).constData(), m_fd, encoded(to).constData()) == 0;
}

bool FolderFiles::remove(const QString &name)
{
    return mayChange() && ::unlinkat(m_fd, encoded(name).constData(), 0) == 0;
}

bool FolderFiles::syncFolder()
{
    return mayChange() && ::fsync(m_fd) == 0;
}

bool FolderFiles::replace(const QString &name, const QByteArray &bytes, const QString &temporaryPrefix,
                          Modified modified)
{
    const std::optional<QString> temporary = isEntryName(name) ? create(temporaryPrefix, bytes) : std::nullopt;
    if (!temporary)
        return false;
    const bool keeps = !isRegularFile(name) || (copyPermissions(name, *temporary) &&
                                                (modified == Modified::Now || copyModificationTime(name, *temporary)));
    if (keeps && syncFile(*temporary) && rename(*temporary, name))
        return true;
    remove(*temporary);
    return false;
}

std::optional<mode_t> FolderFiles::kind(const QString &name) const
{
    struct stat info;
    if (m_fd < 0 || ::fstatat(m_fd, encoded(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return info.st_mode & S_IFMT;
}

bool FolderFiles::exists(const QString &name) const
{
    return kind(name).has_value();
}

bool FolderFiles::isFolder(const QString &name) const
{
    return kind(name) == S_IFDIR;
}

bool FolderFiles::isRegularFile(const QString &name) const
{
    return kind(name) == S_IFREG;
}

std::optional<QByteArray> FolderFiles::read(const QString &name, qint64 limit) const
{
    if (m_fd < 0)
        return std::nullopt;
    const int fd = ::openat(m_fd, encoded(name).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    struct stat info;
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= limit &&
        file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        // The file may grow after the look at its size.
        bytes = file.read(limit + 1);
        if (bytes->size() > limit || file.error() != QFileDevice::NoError)
            bytes.reset();
    }
    ::close(fd);
    return bytes;
}

QStringList FolderFiles::names() const
{
    QStringList names;
    const int fd = m_fd >= 0 ? ::openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    DIR *dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(QFile::decodeName(name));
    }
    ::closedir(dir);
    return names;
}

bool FolderFiles::copyModificationTime(const QString &from, const QString &to)
{
    struct stat info;
    if (!mayChange() || ::fstatat(m_fd, encoded(from).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    const struct timespec times[2] = {{0, UTIME_OMIT}, info.st_mtim};
    return ::utimensat(m_fd, encoded(to).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

bool FolderFiles::copyPermissions(const QString &from, const QString &to)
{
    struct stat info;
    if (!mayChange() || ::fstatat(m_fd, encoded(from).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode))
        return false;
    return ::fchmodat(m_fd, encoded(to).constData(), info.st_mode & 0777, AT_SYMLINK_NOFOLLOW) == 0;
}
