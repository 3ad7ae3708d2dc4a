// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pagesetwriter.h"

#include "platform/paths.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The open folder, to flush its entries after the renames.
class FolderHandle
{
public:
    explicit FolderHandle(const QString &folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~FolderHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderHandle(const FolderHandle &) = delete;
    FolderHandle &operator=(const FolderHandle &) = delete;

    void flushEntries() const
    {
        if (m_fd >= 0)
            ::fsync(m_fd);
    }

private:
    int m_fd;
};

// Waits until the file's data stand on disk; the writing was started when
// the page was added, so this mostly finds it done.
bool flushToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = ::fdatasync(fd) == 0;
    ::close(fd);
    return flushed;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

PageSetWriter::PageSetWriter(const QString &folder)
    : m_folder(folder)
{
}

PageSetWriter::~PageSetWriter()
{
    for (const Pending &page : std::as_const(m_pending))
        QFile::remove(page.temporary);
}

bool PageSetWriter::add(const QString &name, const QByteArray &bytes)
{
    // A hidden name: the folder listings never show a half-written page.
    QTemporaryFile file(Paths::join(m_folder, QLatin1Char('.') + name + QStringLiteral(".XXXXXX")));
    file.setAutoRemove(false);
    if (!file.open())
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    // Start writing the page to disk now; commit() waits for it.
    ::sync_file_range(file.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
    // Temporary files are private; a page gets the mode of any new file.
    ::fchmod(file.handle(), 0666 & ~currentUmask());
    file.close();
    if (!written) {
        file.remove();
        return false;
    }
    m_pending.append({name, file.fileName()});
    return true;
}

QStringList PageSetWriter::commit()
{
    const FolderHandle folder(m_folder);
    QStringList failed;
    for (const Pending &page : std::as_const(m_pending)) {
        // A page goes in place only once it stands on disk; rename() then
        // replaces an existing page in one step.
        const QByteArray target = QFile::encodeName(Paths::join(m_folder, page.name));
        if (!flushToDisk(page.temporary)
            || std::rename(QFile::encodeName(page.temporary).constData(), target.constData()) != 0) {
            QFile::remove(page.temporary);
            failed.append(page.name);
        }
    }
    m_pending.clear();
    folder.flushEntries();
    return failed;
}
