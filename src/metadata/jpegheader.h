// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The segments of a JPEG file before its picture data, walked without
// trusting them: every length is checked, the walk ends at the first scan,
// and it looks at a bounded number of segments and bytes.
namespace JpegHeader {
// At most this many bytes of metadata segments are kept from one photo; a
// single segment holds at most 64 KiB.
inline constexpr qsizetype KeptLimit = 1024 * 1024;

// The metadata segments of a photo (EXIF, the main XMP packet, IPTC) as a
// JPEG of their own: SOI, those segments in file order, EOI. Nothing when
// the bytes do not start as a JPEG.
std::optional<QByteArray> metadataOf(const QByteArray &jpeg);
// The same, read from the file's header alone; the picture data is never
// read. Nothing when the file is no regular JPEG file.
std::optional<QByteArray> readMetadata(const QString &path);

// Where the picture data starts: the offset of the first SOS marker, or
// nothing when the bytes hold none.
std::optional<qsizetype> scanStart(const QByteArray &jpeg);
} // namespace JpegHeader
