// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Edits of a JPEG file's header, for pictures the fixtures cannot draw.
namespace PictureBytes {
// The JPEG with an EXIF orientation (1 to 8) after its start marker.
QByteArray withOrientation(const QByteArray &jpeg, int orientation);
// The JPEG with its frame header claiming width × height; the data stays small.
QByteArray withClaimedSize(const QByteArray &jpeg, int width, int height);
} // namespace PictureBytes
