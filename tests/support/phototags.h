// SPDX-License-Identifier: GPL-3.0-or-later
// Photos with metadata for tests, written by Exiv2 (link exiv2lib).
#pragma once

#include "testsupport.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#include <exiv2/exiv2.hpp>

// Exiv2 keys ("Exif.…", "Xmp.…", "Iptc.…") with their values as Exiv2 reads
// them from text ("lang=x-default …" for a language alternative).
using PhotoTags = QList<QPair<QString, QString>>;

namespace Fixture {
// A small JPEG at path carrying the tags.
inline bool makeTaggedJpeg(const QString &path, const PhotoTags &tags)
{
    if (!makeJpeg(path, 32, 24))
        return false;
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    for (const auto &[key, value] : tags) {
        const std::string name = key.toStdString(), text = value.toStdString();
        if (key.startsWith(QLatin1String("Xmp.")))
            image->xmpData()[name] = text;
        else if (key.startsWith(QLatin1String("Iptc.")))
            image->iptcData()[name] = text;
        else
            image->exifData()[name] = text;
    }
    image->writeMetadata();
    return true;
}
} // namespace Fixture
