// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/reductionlibrary.h"

#include "platform/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

ReductionLibrary::ReductionLibrary(const QString &path)
    : m_path(path)
{}

ReduceFn ReductionLibrary::entryPoint()
{
    if (ReduceFn entry = m_entry.load(std::memory_order_acquire))
        return entry;

    QMutexLocker lock(&m_mutex);
    if (ReduceFn entry = m_entry.load(std::memory_order_relaxed))
        return entry;

    const QFileInfo file(m_path);
    if (!file.isFile())
        throw Failure(FailureCode::FileNotFound, m_path);
    // An absolute name, so the loader never searches its own paths instead.
    m_library.setFileName(file.absoluteFilePath());
    if (!m_library.isLoaded() && !m_library.load())
        throw Failure(FailureCode::DllLoad, m_library.errorString());
    auto entry = reinterpret_cast<ReduceFn>(m_library.resolve("ReductJPEGFile"));
    if (!entry)
        throw Failure(FailureCode::EntryPointNotFound, m_library.errorString());
    m_entry.store(entry, std::memory_order_release);
    return entry;
}

int ReductionLibrary::reduce(const QString &source, const QString &destination, int denominator, const QByteArray &text)
{
    const ReduceFn entry = entryPoint();
    return entry(QFile::encodeName(source).constData(), QFile::encodeName(destination).constData(), denominator,
                 text.constData());
}
