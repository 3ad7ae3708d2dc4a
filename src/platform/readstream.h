// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdio>

// A file opened for reading as a C stream, for a library that reads from a
// FILE* (libjpeg's stdio source). Closed when the object goes.
class ReadStream
{
public:
    explicit ReadStream(const QString &path);
    ~ReadStream();
    ReadStream(const ReadStream &) = delete;
    ReadStream &operator=(const ReadStream &) = delete;

    bool isOpen() const { return m_file != nullptr; }
    // The stream, or null when the file could not be opened.
    std::FILE *get() const { return m_file; }

private:
    std::FILE *m_file;
};
