// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// What a photo says about itself. A photo whose metadata cannot be read, or
// is broken in any way, says nothing.
struct PhotoMetadata
{
    // When it was taken, as the camera's clock read (local time):
    // DateTimeOriginal, else DateTimeDigitized, else XMP's CreateDate.
    std::optional<QDateTime> shot;
    // Its caption as plain text: XMP dc:description (x-default), else IPTC
    // Caption-Abstract, else EXIF ImageDescription; trimmed, line breaks as
    // "\n", no other control characters. Empty when none, or when the text
    // is a camera's default (see isCameraDefault).
    QString caption;
    // It carries a GPS position.
    bool hasLocation = false;
};

namespace PhotoMetadataReader {
// Reads the metadata from the photo's header only (JpegHeader).
PhotoMetadata read(const QString &path);
// The metadata of a JPEG held in memory; the same rules.
PhotoMetadata fromBytes(const QByteArray &jpeg);
// A caption that says nothing about the picture: blanks, no letter or digit
// at all, a camera maker's default text ("OLYMPUS DIGITAL CAMERA", "SONY
// DSC", ...), or the camera's make or model.
bool isCameraDefault(const QString &caption, const QString &make, const QString &model);
// A text taken from a photo as it is shown: line breaks as "\n", other
// control characters dropped, blanks at either end trimmed.
QString cleaned(const QString &text);
} // namespace PhotoMetadataReader
