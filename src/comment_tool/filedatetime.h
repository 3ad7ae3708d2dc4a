// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// The three time stamps of a file as local date-times to the second.
struct FileDateTimes
{
    QDateTime creation; // birth time, or the zero time where the file system keeps none
    QDateTime lastAccess;
    QDateTime lastWrite;
};

// Reads a file's time stamps, fractions of a second dropped. A file that
// cannot be opened for reading gives the zero time in all three.
FileDateTimes fileDateTime(const QString &filename);

// The zero file time, 1601-01-01 00:00 UTC, moved into local time by the
// zone's present offset.
QDateTime zeroFileTime();

// The date the comment tool shows for a photo: when it was taken, where it
// says so and shotDates asks for it, else its file's last-write time.
QDateTime photoDate(const QString &path, bool shotDates);

// "yy/MM/dd HH:mm:ss", as the comment tool shows a last-write time.
QString fileDateTimeText(const QDateTime &value);
