// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rdctjpeg/rdctjpeg.h"

#include <QLibrary>
#include <QMutex>
#include <QString>

#include <atomic>

// The entry point of the reduction library: (source, destination, denominator, text).
using ReduceFn = ReductJPEGFileFunction;

// Binds RdctJPEG.so at run time. The library is loaded by path on the first
// call and stays loaded for the life of the program; the resolved entry point
// may be called from any thread.
class ReductionLibrary
{
public:
    explicit ReductionLibrary(const QString &path);

    const QString &path() const { return m_path; }

    // Loads the library if needed and returns ReductJPEGFile. Throws Failure:
    // FileNotFound when no regular file stands at path(), DllLoad when it
    // cannot be loaded, EntryPointNotFound when it lacks the entry point.
    ReduceFn entryPoint();

    // One call of the entry point; returns its code (0 = done).
    int reduce(const QString &source, const QString &destination, int denominator,
               const QByteArray &text = QByteArrayLiteral(RDCTJPEG_LIBRARY_TEXT));

private:
    QString m_path;
    QMutex m_mutex;
    QLibrary m_library;
    std::atomic<ReduceFn> m_entry{nullptr};
};
