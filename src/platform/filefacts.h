// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// What the file system says of a file: its kind, length and modification
// time to the nanosecond.
struct FileFacts
{
    bool regular = false;
    qint64 size = 0;
    qint64 modifiedSeconds = 0;     // since the epoch
    qint64 modifiedNanoseconds = 0; // within that second

    // The facts of the file a path finally names, symbolic links followed;
    // nothing when there is none. Nothing is opened.
    static std::optional<FileFacts> of(const QByteArray &path);
};

// A file's time stamps in whole seconds since the epoch, fractions dropped;
// each is missing where the file system keeps none.
struct FileTimes
{
    std::optional<qint64> birth;
    std::optional<qint64> access;
    std::optional<qint64> modification;
};
