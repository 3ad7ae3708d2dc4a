// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/reductionrecord.h"

#include "platform/filedescriptor.h"
#include "rdctjpeg/rdctjpeg_record.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned char MarkerStart = 0xFF;
constexpr unsigned char StartOfImage = 0xD8;
constexpr unsigned char EndOfImage = 0xD9;
constexpr unsigned char StartOfScan = 0xDA;
constexpr unsigned char Comment = 0xFE;
// Segments looked at before the record: JFIF, EXIF, XMP, a profile in parts.
constexpr int MostSegments = 64;

bool readAt(int fd, off_t offset, void *buffer, size_t length)
{
    auto *bytes = static_cast<char *>(buffer);
    while (length > 0) {
        const ssize_t n = ::pread(fd, bytes, length, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        offset += n;
        length -= size_t(n);
    }
    return true;
}

bool endsAsJpeg(int fd, off_t size)
{
    unsigned char tail[2];
    return size >= 4 && readAt(fd, size - 2, tail, 2) && tail[0] == MarkerStart && tail[1] == EndOfImage;
}

// The text of the first comment segment before the picture data; empty when
// there is none.
QByteArray firstComment(int fd)
{
    unsigned char head[4];
    if (!readAt(fd, 0, head, 2) || head[0] != MarkerStart || head[1] != StartOfImage)
        return {};
    off_t at = 2;
    for (int segment = 0; segment < MostSegments; ++segment) {
        if (!readAt(fd, at, head, 4) || head[0] != MarkerStart || head[1] == StartOfScan)
            return {};
        const int length = head[2] << 8 | head[3];
        if (length < 2)
            return {};
        if (head[1] == Comment) {
            QByteArray text(length - 2, Qt::Uninitialized);
            return readAt(fd, at + 4, text.data(), size_t(text.size())) ? text : QByteArray();
        }
        at += 2 + length;
    }
    return {};
}

} // namespace

bool thumbnailIsCurrent(const QByteArray &source, const QByteArray &thumbnail, int denominator, const QByteArray &text)
{
    struct stat photo;
    if (::stat(source.constData(), &photo) != 0 || !S_ISREG(photo.st_mode))
        return false;
    const FileDescriptor fd = FileDescriptor::forReading(thumbnail);
    struct stat made;
    if (fd.get() < 0 || ::fstat(fd.get(), &made) != 0 || !S_ISREG(made.st_mode) || !endsAsJpeg(fd.get(), made.st_size))
        return false;
    const QByteArray name = source.mid(source.lastIndexOf('/') + 1);
    char expected[RDCTJPEG_RECORD_MAX];
    const int length =
        rdctjpeg_format_record(expected, sizeof expected, made.st_size, denominator, text.constData(), photo.st_size,
                               photo.st_mtim.tv_sec, photo.st_mtim.tv_nsec, name.constData());
    return length > 0 && firstComment(fd.get()) == QByteArray::fromRawData(expected, length);
}

bool carriesReductionRecord(const QByteArray &path)
{
    const FileDescriptor fd = FileDescriptor::forReading(path);
    return fd.get() >= 0 && firstComment(fd.get()).startsWith(RDCTJPEG_RECORD_TAG);
}
