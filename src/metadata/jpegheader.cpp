// SPDX-License-Identifier: GPL-3.0-or-later
#include "metadata/jpegheader.h"

#include "metadata/jpegmarkers.h"
#include "platform/filedescriptor.h"

#include <QFile>

#include <algorithm>
#include <functional>

namespace {

using namespace JpegMarker;

// A camera writes a dozen segments; a file with more before its picture is
// not read further.
constexpr int MostSegments = 1024;
// What one read of a photo's header takes.
constexpr qint64 ReadBlock = 16 * 1024;

// Reads length bytes at an offset; false when they are not all there.
using ReadAt = std::function<bool(qint64 offset, char *buffer, qint64 length)>;

bool startsWith(const QByteArray &bytes, const char *prefix, qsizetype size)
{
    return bytes.startsWith(QByteArrayView(prefix, size));
}

// EXIF, the main XMP packet (not its extension parts) and Photoshop's IPTC.
bool isMetadata(unsigned char marker, const QByteArray &payload)
{
    if (marker == App1)
        return startsWith(payload, "Exif\0\0", 6) || startsWith(payload, "http://ns.adobe.com/xap/1.0/\0", 29);
    return marker == App13 && startsWith(payload, "Photoshop 3.0\0", 14);
}

struct Walk
{
    QByteArray kept;
    std::optional<qint64> scan; // offset of the first SOS
};

// Walks the segments from SOI; kept gathers the metadata segments, whole,
// while they fit KeptLimit.
std::optional<Walk> walk(const ReadAt &read)
{
    unsigned char head[4];
    char *raw = reinterpret_cast<char *>(head);
    if (!read(0, raw, 2) || head[0] != MarkerStart || head[1] != StartOfImage)
        return std::nullopt;
    Walk result;
    qint64 at = 2;
    for (int segment = 0; segment < MostSegments && read(at, raw, 2) && head[0] == MarkerStart; ++segment) {
        if (head[1] == MarkerStart) { // fill byte
            ++at;
            continue;
        }
        if (head[1] == StartOfScan)
            result.scan = at;
        if (head[1] == StartOfScan || head[1] == EndOfImage || !read(at, raw, 4))
            break;
        const int length = head[2] << 8 | head[3];
        if (length < 2)
            break;
        if ((head[1] == App1 || head[1] == App13) && result.kept.size() + length + 2 <= JpegHeader::KeptLimit) {
            QByteArray payload(length - 2, Qt::Uninitialized);
            if (read(at + 4, payload.data(), payload.size()) && isMetadata(head[1], payload))
                result.kept += QByteArray(raw, 4) + payload;
        }
        at += 2 + length;
    }
    return result;
}

QByteArray asJpeg(const QByteArray &segments)
{
    return QByteArray("\xFF\xD8", 2) + segments + QByteArray("\xFF\xD9", 2);
}

ReadAt bytesReader(const QByteArray &bytes)
{
    return [&bytes](qint64 offset, char *buffer, qint64 length) {
        if (offset < 0 || length < 0 || offset > bytes.size() || length > bytes.size() - offset)
            return false;
        std::copy_n(bytes.constData() + offset, length, buffer);
        return true;
    };
}

} // namespace

namespace JpegHeader {

std::optional<QByteArray> metadataOf(const QByteArray &jpeg)
{
    const std::optional<Walk> found = walk(bytesReader(jpeg));
    return found ? std::optional(asJpeg(found->kept)) : std::nullopt;
}

std::optional<QByteArray> readMetadata(const QString &path)
{
    const FileDescriptor file = FileDescriptor::forReading(QFile::encodeName(path));
    const std::optional<FileFacts> facts = file.facts();
    if (!facts || !facts->regular)
        return std::nullopt;
    // The header is read in blocks, most often one: a read per segment
    // would cost more than everything else done with a photo's metadata.
    QByteArray block;
    qint64 blockStart = 0;
    const ReadAt read = [&](qint64 offset, char *buffer, qint64 length) {
        if (offset < blockStart || offset + length > blockStart + block.size()) {
            blockStart = offset;
            block.resize(std::max(length, ReadBlock));
            const qint64 available = std::min(qint64(block.size()), facts->size - offset);
            if (available < length || !file.readAt(offset, block.data(), available)) {
                block.clear();
                return false;
            }
            block.truncate(available);
        }
        std::copy_n(block.constData() + (offset - blockStart), length, buffer);
        return true;
    };
    const std::optional<Walk> found = walk(read);
    return found ? std::optional(asJpeg(found->kept)) : std::nullopt;
}

std::optional<qsizetype> scanStart(const QByteArray &jpeg)
{
    const std::optional<Walk> found = walk(bytesReader(jpeg));
    return found ? found->scan : std::nullopt;
}

} // namespace JpegHeader
