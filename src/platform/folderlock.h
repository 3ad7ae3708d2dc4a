// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// An exclusive lock on a photo folder, held for as long as the object lives.
// Everything that rewrites a folder's album pages (an album build from the
// window or the command line, a comment write-back) takes it, so two writers
// never interleave. It is an advisory flock() on the folder itself: nothing is
// created in the user's folder, a read-only folder can be locked, and the
// kernel drops the lock when a holder dies, so a killed build never leaves a
// stale lock behind.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Takes the lock without waiting; false when another holder has it or
    // the folder cannot be opened.
    bool tryLock();
    // Takes the lock, waiting for another holder to finish. onWait runs once,
    // before waiting, when the lock is busy (to tell the user why nothing
    // happens). With stopWaiting, the wait ends as soon as it answers true.
    // False when the folder cannot be opened or the wait was ended.
    bool lock(const std::function<void()> &onWait = {}, const std::function<bool()> &stopWaiting = {});
    bool isLocked() const { return m_locked; }
    void unlock();

private:
    bool open();

    QString m_folder;
    int m_fd = -1;
    bool m_locked = false;
};
