// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folderlock.h"

#include <QFile>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::FolderLock(const QString &folder)
    : m_folder(folder)
{}

FolderLock::~FolderLock()
{
    unlock();
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FolderLock::open()
{
    if (m_fd < 0)
        m_fd = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return m_fd >= 0;
}

static bool flockRetrying(int fd, int operation)
{
    int rc;
    do
        rc = ::flock(fd, operation);
    while (rc != 0 && errno == EINTR);
    return rc == 0;
}

bool FolderLock::tryLock()
{
    if (!m_locked && open())
        m_locked = flockRetrying(m_fd, LOCK_EX | LOCK_NB);
    return m_locked;
}

bool FolderLock::lock(const std::function<void()> &onWait, const std::function<bool()> &stopWaiting)
{
    if (m_locked || tryLock())
        return true;
    if (m_fd < 0)
        return false;
    if (onWait)
        onWait();
    if (!stopWaiting) {
        m_locked = flockRetrying(m_fd, LOCK_EX);
        return m_locked;
    }
    // A blocking flock() would miss a stop asked for just before it began;
    // trying again every few hundredths of a second cannot.
    while (!stopWaiting()) {
        if (flockRetrying(m_fd, LOCK_EX | LOCK_NB)) {
            m_locked = true;
            return true;
        }
        if (errno != EWOULDBLOCK)
            return false;
        const timespec pause{0, 50'000'000};
        ::nanosleep(&pause, nullptr);
    }
    return false;
}

void FolderLock::unlock()
{
    if (m_locked)
        ::flock(m_fd, LOCK_UN);
    m_locked = false;
}
