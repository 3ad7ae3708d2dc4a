// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/filedatetime.h"

#include "metadata/photometadata.h"

#include "platform/filedescriptor.h"

#include <QFile>

namespace {

// The stamp in local time, or the zero time where the file system keeps none.
QDateTime localTime(const std::optional<qint64> &seconds)
{
    return seconds ? QDateTime::fromSecsSinceEpoch(*seconds, Qt::LocalTime) : zeroFileTime();
}

} // namespace

FileDateTimes fileDateTime(const QString &filename)
{
    // Opened for reading as the times are read off the open file; a FIFO of
    // that name does not wait for a writer.
    const FileDescriptor file = FileDescriptor::forReading(QFile::encodeName(filename));
    const FileTimes times = file.times().value_or(FileTimes{});
    return {localTime(times.birth), localTime(times.access), localTime(times.modification)};
}

QDateTime zeroFileTime()
{
    // The zone's history before standard time (local mean time) would give
    // odd minutes and seconds; the present offset gives the familiar value.
    const int offset = QDateTime::currentDateTime().offsetFromUtc();
    return QDateTime(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC).toOffsetFromUtc(offset);
}

QDateTime photoDate(const QString &path, bool shotDates)
{
    const std::optional<QDateTime> shot = shotDates ? PhotoMetadataReader::read(path).shot : std::optional<QDateTime>();
    return shot ? *shot : fileDateTime(path).lastWrite;
}

QString fileDateTimeText(const QDateTime &value)
{
    return value.toString(QStringLiteral("yy/MM/dd HH:mm:ss"));
}
