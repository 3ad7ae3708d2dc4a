// SPDX-License-Identifier: GPL-3.0-or-later
#include "metadata/photometadata.h"

#include "metadata/exiv2library.h"
#include "metadata/jpegheader.h"

#include <QStringDecoder>

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <array>

namespace {

// Texts cameras and their programs put into the caption fields by default.
constexpr std::array CameraDefaults{
    "OLYMPUS DIGITAL CAMERA",
    "SONY DSC",
    "DIGITAL CAMERA",
    "MINOLTA DIGITAL CAMERA",
    "KONICA MINOLTA DIGITAL CAMERA",
    "SAMSUNG DIGITAL CAMERA",
    "LEICA DIGITAL CAMERA",
    "PENTAX DIGITAL CAMERA",
    "SANYO DIGITAL CAMERA",
    "KODAK DIGITAL STILL CAMERA",
    "EASTMAN KODAK COMPANY",
    "DCF",
    "DSC",
    "DEFAULT",
    "UNTITLED",
    "IMAGE",
    "PICTURE",
    "PHOTO",
};

// A field's text, when it is valid UTF-8; text in another encoding counts as
// none rather than being shown garbled.
std::optional<QString> utf8(const std::string &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString exifText(const Exiv2::ExifData &exif, const char *key)
{
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    return found == exif.end() ? QString() : utf8(found->toString()).value_or(QString());
}

const std::initializer_list<const char *> ExifDate{"yyyy:MM:dd HH:mm:ss"};
const std::initializer_list<const char *> XmpDate{"yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm", "yyyy-MM-dd"};

// A date as one of the patterns writes it, taken as the wall-clock time it
// names: a zone or fractions after it are left aside. A zero or blank date
// is none.
std::optional<QDateTime> dateOf(const QString &text, std::initializer_list<const char *> patterns)
{
    for (const char *pattern : patterns) {
        const QString format = QLatin1String(pattern);
        const QDateTime value = QDateTime::fromString(text.left(format.size()), format);
        if (value.isValid())
            return value;
    }
    return std::nullopt;
}

std::optional<QDateTime> shotDate(const Exiv2::ExifData &exif, const Exiv2::XmpData &xmp)
{
    for (const char *key : {"Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized"}) {
        if (const std::optional<QDateTime> date = dateOf(exifText(exif, key), ExifDate))
            return date;
    }
    const auto created = xmp.findKey(Exiv2::XmpKey("Xmp.xmp.CreateDate"));
    return created == xmp.end() ? std::nullopt : dateOf(utf8(created->toString()).value_or(QString()), XmpDate);
}

// dc:description in the x-default language, else its first language.
QString xmpDescription(const Exiv2::XmpData &xmp)
{
    const auto found = xmp.findKey(Exiv2::XmpKey("Xmp.dc.description"));
    if (found == xmp.end())
        return {};
    const auto *languages = dynamic_cast<const Exiv2::LangAltValue *>(&found->value());
    if (!languages)
        return utf8(found->toString()).value_or(QString());
    const auto &texts = languages->value_;
    const auto chosen = texts.count("x-default") ? texts.find("x-default") : texts.begin();
    return chosen == texts.end() ? QString() : utf8(chosen->second).value_or(QString());
}

QString iptcCaption(const Exiv2::IptcData &iptc)
{
    const auto found = iptc.findKey(Exiv2::IptcKey("Iptc.Application2.Caption"));
    return found == iptc.end() ? QString() : utf8(found->toString()).value_or(QString());
}

bool hasLocation(const Exiv2::ExifData &exif, const Exiv2::XmpData &xmp)
{
    return exif.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")) != exif.end() ||
           xmp.findKey(Exiv2::XmpKey("Xmp.exif.GPSLatitude")) != xmp.end();
}

PhotoMetadata fromImage(Exiv2::Image &image)
{
    image.readMetadata();
    const Exiv2::ExifData &exif = image.exifData();
    const Exiv2::XmpData &xmp = image.xmpData();
    PhotoMetadata metadata;
    metadata.shot = shotDate(exif, xmp);
    metadata.hasLocation = hasLocation(exif, xmp);
    const QString make = exifText(exif, "Exif.Image.Make");
    const QString model = exifText(exif, "Exif.Image.Model");
    for (const QString &caption :
         {xmpDescription(xmp), iptcCaption(image.iptcData()), exifText(exif, "Exif.Image.ImageDescription")}) {
        const QString text = PhotoMetadataReader::cleaned(caption);
        if (!PhotoMetadataReader::isCameraDefault(text, make, model)) {
            metadata.caption = text;
            break;
        }
    }
    return metadata;
}

// Any failure of Exiv2 on one photo leaves that photo without metadata.
PhotoMetadata fromMetadataJpeg(const QByteArray &jpeg)
{
    Exiv2Library::ensureReady();
    try {
        Exiv2::Image::AutoPtr image =
            Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(jpeg.constData()), long(jpeg.size()));
        return image.get() ? fromImage(*image) : PhotoMetadata();
    } catch (const Exiv2::AnyError &) {
    } catch (const std::exception &) {
    }
    return {};
}

} // namespace

namespace PhotoMetadataReader {

PhotoMetadata read(const QString &path)
{
    const std::optional<QByteArray> header = JpegHeader::readMetadata(path);
    return header ? fromMetadataJpeg(*header) : PhotoMetadata();
}

PhotoMetadata fromBytes(const QByteArray &jpeg)
{
    const std::optional<QByteArray> header = JpegHeader::metadataOf(jpeg);
    return header ? fromMetadataJpeg(*header) : PhotoMetadata();
}

bool isCameraDefault(const QString &caption, const QString &make, const QString &model)
{
    if (!std::any_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetterOrNumber(); }))
        return true;
    const auto same = [&caption](const QString &other) {
        return !other.isEmpty() && caption.compare(other.trimmed(), Qt::CaseInsensitive) == 0;
    };
    if (same(model) || same(make) || same(make.trimmed() + QLatin1Char(' ') + model.trimmed()))
        return true;
    return std::any_of(CameraDefaults.begin(), CameraDefaults.end(),
                       [&same](const char *text) { return same(QLatin1String(text)); });
}

QString cleaned(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out += QLatin1Char('\n');
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\t') || !(c.unicode() < 0x20 || c.unicode() == 0x7F)) {
            out += c;
        }
    }
    return out.trimmed();
}

} // namespace PhotoMetadataReader
