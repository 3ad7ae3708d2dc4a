// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/readstream.h"

#include <QFile>

ReadStream::ReadStream(const QString &path)
    : m_file(std::fopen(QFile::encodeName(path).constData(), "rbe"))
{}

ReadStream::~ReadStream()
{
    if (m_file)
        std::fclose(m_file);
}
