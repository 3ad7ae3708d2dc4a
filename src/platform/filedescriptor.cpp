// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filedescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileFacts factsOf(const struct stat &facts)
{
    return {S_ISREG(facts.st_mode), qint64(facts.st_size), qint64(facts.st_mtim.tv_sec), qint64(facts.st_mtim.tv_nsec)};
}

std::optional<qint64> seconds(const struct statx &facts, unsigned int field, const struct statx_timestamp &stamp)
{
    // tv_sec is the whole second below the instant, so the fraction drops off.
    return facts.stx_mask & field ? std::optional<qint64>(stamp.tv_sec) : std::nullopt;
}

} // namespace

FileDescriptor::~FileDescriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FileDescriptor FileDescriptor::forReading(const QByteArray &path)
{
    return FileDescriptor(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
}

std::optional<FileFacts> FileFacts::of(const QByteArray &path)
{
    struct stat facts;
    if (::stat(path.constData(), &facts) != 0)
        return std::nullopt;
    return factsOf(facts);
}

std::optional<FileFacts> FileDescriptor::facts() const
{
    struct stat facts;
    if (m_fd < 0 || ::fstat(m_fd, &facts) != 0)
        return std::nullopt;
    return factsOf(facts);
}

std::optional<FileTimes> FileDescriptor::times() const
{
    struct statx facts = {};
    if (m_fd < 0 || ::statx(m_fd, "", AT_EMPTY_PATH, STATX_BTIME | STATX_ATIME | STATX_MTIME, &facts) != 0)
        return std::nullopt;
    return FileTimes{seconds(facts, STATX_BTIME, facts.stx_btime), seconds(facts, STATX_ATIME, facts.stx_atime),
                     seconds(facts, STATX_MTIME, facts.stx_mtime)};
}

bool FileDescriptor::readAt(qint64 offset, void *buffer, qint64 length) const
{
    if (m_fd < 0 || offset < 0 || length < 0)
        return false;
    auto *bytes = static_cast<char *>(buffer);
    while (length > 0) {
        const ssize_t n = ::pread(m_fd, bytes, size_t(length), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        offset += n;
        length -= n;
    }
    return true;
}
