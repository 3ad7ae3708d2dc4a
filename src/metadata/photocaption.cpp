// SPDX-License-Identifier: GPL-3.0-or-later
#include "metadata/photocaption.h"

#include "metadata/exiv2library.h"
#include "metadata/jpegheader.h"
#include "platform/folderfiles.h"

#include <QFileInfo>

#include <exiv2/exiv2.hpp>

#include <algorithm>

namespace {

const char XmpDescription[] = "Xmp.dc.description";
const char ExifDescription[] = "Exif.Image.ImageDescription";
const char IptcCaption[] = "Iptc.Application2.Caption";
const char IptcCharacterSet[] = "Iptc.Envelope.CharacterSet";
const char IptcUtf8[] = "\x1b%G";

std::string xmpDefault(const Exiv2::XmpData &xmp)
{
    const auto found = xmp.findKey(Exiv2::XmpKey(XmpDescription));
    const auto *languages = found == xmp.end() ? nullptr : dynamic_cast<const Exiv2::LangAltValue *>(&found->value());
    if (!languages || !languages->value_.count("x-default"))
        return {};
    return languages->value_.at("x-default");
}

template <typename Data, typename Key> std::string textOf(const Data &data, const char *key)
{
    const auto found = data.findKey(Key(key));
    return found == data.end() ? std::string() : found->toString();
}

bool alreadySays(Exiv2::Image &image, const std::string &caption)
{
    return xmpDefault(image.xmpData()) == caption &&
           textOf<Exiv2::ExifData, Exiv2::ExifKey>(image.exifData(), ExifDescription) == caption &&
           (image.iptcData().empty() ||
            textOf<Exiv2::IptcData, Exiv2::IptcKey>(image.iptcData(), IptcCaption) == caption);
}

void setCaption(Exiv2::Image &image, const std::string &caption, bool ascii)
{
    image.xmpData()[XmpDescription] = "lang=x-default " + caption;
    image.exifData()[ExifDescription] = caption;
    if (image.iptcData().empty())
        return;
    image.iptcData()[IptcCaption] = caption;
    if (!ascii)
        image.iptcData()[IptcCharacterSet] = IptcUtf8;
}

QByteArray bytesOf(Exiv2::BasicIo &io)
{
    io.seek(0, Exiv2::BasicIo::beg);
    const Exiv2::DataBuf data = io.read(long(io.size()));
    return QByteArray(reinterpret_cast<const char *>(data.pData_), data.size_);
}

// The picture data, from the first scan to the end, is the same in both.
bool samePicture(const QByteArray &before, const QByteArray &after)
{
    const std::optional<qsizetype> from = JpegHeader::scanStart(before), to = JpegHeader::scanStart(after);
    return from && to && before.sliced(*from) == after.sliced(*to);
}

} // namespace

namespace PhotoCaption {

Rewrite withCaption(const QByteArray &photo, const QString &caption)
{
    if (caption.isEmpty())
        return {Result::Unchanged, {}};
    Exiv2Library::ensureReady();
    try {
        Exiv2::Image::AutoPtr image =
            Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(photo.constData()), long(photo.size()));
        if (!image.get() || image->imageType() != Exiv2::ImageType::jpeg)
            return {};
        image->readMetadata();
        const std::string text = caption.toStdString();
        if (alreadySays(*image, text))
            return {Result::Unchanged, {}};
        const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
        setCaption(*image, text, ascii);
        image->writeMetadata();
        QByteArray written = bytesOf(image->io());
        if (!samePicture(photo, written))
            return {};
        return {Result::Written, written};
    } catch (const Exiv2::AnyError &) {
    } catch (const std::exception &) {
    }
    return {};
}

Result write(const QString &path, const QString &caption, const QString &temporaryPrefix)
{
    const QFileInfo file(path);
    FolderFiles files(file.absolutePath());
    const std::optional<QByteArray> photo = files.read(file.fileName());
    if (!photo || !files.isRegularFile(file.fileName()))
        return Result::NotWritten;
    const Rewrite rewrite = withCaption(*photo, caption);
    if (rewrite.result != Result::Written)
        return rewrite.result;
    // The new photo takes the old one's place by a rename, which the folder
    // allows even for a photo the user made read-only: that photo stays,
    // whoever runs the program.
    if (!file.isWritable() || !file.permissions().testFlag(QFile::WriteOwner) ||
        !files.replace(file.fileName(), rewrite.photo, temporaryPrefix, FolderFiles::Modified::Kept))
        return Result::NotWritten;
    return Result::Written;
}

} // namespace PhotoCaption
