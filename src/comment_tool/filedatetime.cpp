// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/filedatetime.h"

#include "platform/filedescriptor.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QDateTime localTime(const struct statx_timestamp &stamp)
{
    // tv_sec is the whole second below the instant, so the fraction drops off.
    return QDateTime::fromSecsSinceEpoch(stamp.tv_sec, Qt::LocalTime);
}

} // namespace

FileDateTimes GetFileDateTime(const QString &filename)
{
    const QDateTime zero = zeroFileTime();
    FileDateTimes times{zero, zero, zero};
    // Opened for reading as the times are read off the open file; O_NONBLOCK
    // keeps a FIFO of that name from waiting for a writer.
    const FileDescriptor file = FileDescriptor::forReading(QFile::encodeName(filename));
    struct statx facts = {};
    if (file.get() < 0 || ::statx(file.get(), "", AT_EMPTY_PATH, STATX_BTIME | STATX_ATIME | STATX_MTIME, &facts) != 0)
        return times;
    if (facts.stx_mask & STATX_BTIME)
        times.creation = localTime(facts.stx_btime);
    if (facts.stx_mask & STATX_ATIME)
        times.lastAccess = localTime(facts.stx_atime);
    if (facts.stx_mask & STATX_MTIME)
        times.lastWrite = localTime(facts.stx_mtime);
    return times;
}

QDateTime zeroFileTime()
{
    // The zone's history before standard time (local mean time) would give
    // odd minutes and seconds; the present offset gives the familiar value.
    const int offset = QDateTime::currentDateTime().offsetFromUtc();
    return QDateTime(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC).toOffsetFromUtc(offset);
}

QString fileDateTimeText(const QDateTime &value)
{
    return value.toString(QStringLiteral("yy/MM/dd HH:mm:ss"));
}
