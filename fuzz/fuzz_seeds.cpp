// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of the reduction fuzz target into the first folder
// given: small JPEG files of every kind the reduction takes, each after the
// byte that picks the denominator and the quality. The second folder gets
// the metadata reader's seed, a photo with EXIF, XMP and IPTC.
#include "jpegfixture.h"

#include <QDir>
#include <QFile>

#include <exiv2/exiv2.hpp>

namespace {

struct Seed
{
    const char *name;
    char selector; // denominator 2, 4, 8 by selector % 3
    JpegFixture::Recipe recipe;
};

JpegFixture::Recipe recipe(int width, int height, J_COLOR_SPACE space = JCS_RGB)
{
    JpegFixture::Recipe r;
    r.width = width;
    r.height = height;
    r.space = space;
    return r;
}

QList<Seed> seeds()
{
    Seed progressive{"progressive", 1, recipe(33, 17)};
    progressive.recipe.progressive = true;
    Seed arithmetic{"arithmetic", 2, recipe(16, 16)};
    arithmetic.recipe.arithmetic = true;
    Seed restarts{"restarts", 0, recipe(40, 24)};
    restarts.recipe.restartInterval = 1;
    Seed markers{"exif-icc", 4, recipe(8, 8)};
    markers.recipe.jfif = false;
    markers.recipe.markers = {{JPEG_APP0 + 1, QByteArray("Exif\0\0MM\0*", 10)},
                              {JPEG_APP0 + 2, QByteArray("ICC_PROFILE\0\x01\x01", 14)},
                              {JPEG_APP0 + 2, QByteArray("MPF\0", 4)}};
    return {{"baseline", 0, recipe(64, 48)},
            {"gray", 2, recipe(17, 9, JCS_GRAYSCALE)},
            {"cmyk", 1, recipe(24, 24, JCS_CMYK)},
            progressive,
            arithmetic,
            restarts,
            markers};
}

} // namespace

// A photo as a camera and a photo program leave it: EXIF with a shot date,
// a camera default caption and a GPS position, XMP and IPTC captions.
QByteArray taggedPhoto()
{
    const QByteArray jpeg = JpegFixture::encode(recipe(16, 16));
    Exiv2::Image::AutoPtr image =
        Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(jpeg.constData()), long(jpeg.size()));
    image->exifData()["Exif.Photo.DateTimeOriginal"] = "2019:05:04 10:11:12";
    image->exifData()["Exif.Image.ImageDescription"] = "OLYMPUS DIGITAL CAMERA";
    image->exifData()["Exif.GPSInfo.GPSLatitude"] = "35/1 40/1 0/1";
    image->xmpData()["Xmp.dc.description"] = "lang=x-default Sunset <!Sa.jpg>";
    image->xmpData()["Xmp.xmp.CreateDate"] = "2019-05-04T10:11:12+09:00";
    image->iptcData()["Iptc.Application2.Caption"] = "Harbour";
    image->writeMetadata();
    Exiv2::BasicIo &io = image->io();
    io.seek(0, Exiv2::BasicIo::beg);
    const Exiv2::DataBuf bytes = io.read(long(io.size()));
    return QByteArray(reinterpret_cast<const char *>(bytes.pData_), bytes.size_);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]), metadata = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(folder) || !QDir().mkpath(metadata) ||
        !writeFile(metadata + QStringLiteral("/tagged"), taggedPhoto()))
        return 1;
    for (const Seed &seed : seeds()) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(seed.name));
        const QByteArray jpeg = JpegFixture::encode(seed.recipe);
        if (jpeg.isEmpty() || !file.open(QIODevice::WriteOnly) || !file.putChar(seed.selector) ||
            file.write(jpeg) != jpeg.size())
            return 1;
    }
    return 0;
}
