// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebytes.h"

namespace {

QByteArray bigEndian16(int value)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char((value >> 8) & 0xff);
    bytes[1] = char(value & 0xff);
    return bytes;
}

} // namespace

namespace PictureBytes {

QByteArray withOrientation(const QByteArray &jpeg, int orientation)
{
    // TIFF header (big-endian), one IFD entry: tag 0x0112, SHORT, count 1.
    QByteArray exif = QByteArray("Exif\0\0", 6) + QByteArray("MM\0\x2a\0\0\0\x08", 8) + bigEndian16(1) +
                      bigEndian16(0x0112) + bigEndian16(3) + QByteArray("\0\0\0\x01", 4) + bigEndian16(orientation) +
                      QByteArray(2, '\0') + QByteArray(4, '\0');
    const QByteArray segment = QByteArray("\xff\xe1", 2) + bigEndian16(int(exif.size()) + 2) + exif;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray withClaimedSize(const QByteArray &jpeg, int width, int height)
{
    QByteArray bytes = jpeg;
    const qsizetype frame = bytes.indexOf(QByteArray("\xff\xc0", 2));
    if (frame < 0)
        return {};
    // Marker, length, precision, then height and width.
    bytes.replace(frame + 5, 2, bigEndian16(height));
    bytes.replace(frame + 7, 2, bigEndian16(width));
    return bytes;
}

} // namespace PictureBytes
