// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/filefacts.h"

#include <QByteArray>

// An open file, closed when the object goes.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    // Opens a file for reading only. It never waits: a FIFO of that name does
    // not block for a writer.
    static FileDescriptor forReading(const QByteArray &path);

    bool isOpen() const { return m_fd >= 0; }
    int get() const { return m_fd; }

    // The facts of the open file; nothing when it is not open.
    std::optional<FileFacts> facts() const;
    // Its time stamps, birth time included where the file system keeps one;
    // nothing when it is not open.
    std::optional<FileTimes> times() const;
    // Reads exactly length bytes from offset on; false when the file ends
    // before them or cannot be read.
    bool readAt(qint64 offset, void *buffer, qint64 length) const;

private:
    int m_fd;
};
