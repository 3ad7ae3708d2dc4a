// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/reductionrecord.h"

#include "metadata/jpegmarkers.h"
#include "platform/filedescriptor.h"
#include "rdctjpeg/rdctjpeg_record.h"

namespace {

using namespace JpegMarker;

// Segments looked at before the record: JFIF, EXIF, XMP, a profile in parts.
constexpr int MostSegments = 64;

bool endsAsJpeg(const FileDescriptor &file, qint64 size)
{
    unsigned char tail[2];
    return size >= 4 && file.readAt(size - 2, tail, 2) && tail[0] == MarkerStart && tail[1] == EndOfImage;
}

// The text of the first comment segment before the picture data; empty when
// there is none.
QByteArray firstComment(const FileDescriptor &file)
{
    unsigned char head[4];
    if (!file.readAt(0, head, 2) || head[0] != MarkerStart || head[1] != StartOfImage)
        return {};
    qint64 at = 2;
    for (int segment = 0; segment < MostSegments; ++segment) {
        if (!file.readAt(at, head, 4) || head[0] != MarkerStart || head[1] == StartOfScan)
            return {};
        const int length = head[2] << 8 | head[3];
        if (length < 2)
            return {};
        if (head[1] == Comment) {
            QByteArray text(length - 2, Qt::Uninitialized);
            return file.readAt(at + 4, text.data(), text.size()) ? text : QByteArray();
        }
        at += 2 + length;
    }
    return {};
}

} // namespace

bool thumbnailIsCurrent(const QByteArray &source, const QByteArray &thumbnail, int denominator, const QByteArray &text)
{
    const std::optional<FileFacts> photo = FileFacts::of(source);
    if (!photo || !photo->regular)
        return false;
    const FileDescriptor file = FileDescriptor::forReading(thumbnail);
    const std::optional<FileFacts> made = file.facts();
    if (!made || !made->regular || !endsAsJpeg(file, made->size))
        return false;
    const QByteArray name = source.mid(source.lastIndexOf('/') + 1);
    char expected[RDCTJPEG_RECORD_MAX];
    const int length =
        rdctjpeg_format_record(expected, sizeof expected, made->size, denominator, text.constData(), photo->size,
                               photo->modifiedSeconds, long(photo->modifiedNanoseconds), name.constData());
    return length > 0 && firstComment(file) == QByteArray::fromRawData(expected, length);
}

bool carriesReductionRecord(const QByteArray &path)
{
    return firstComment(FileDescriptor::forReading(path)).startsWith(RDCTJPEG_RECORD_FAMILY);
}
