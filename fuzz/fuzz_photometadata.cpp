// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the photo metadata reader on any file bytes. It must
// neither crash nor hang; what it keeps of a header is a JPEG of bounded
// size, and a caption it returns is trimmed text without control
// characters other than line breaks and tabs.
#include "metadata/jpegheader.h"
#include "metadata/photometadata.h"

#include "fuzzrequire.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray jpeg(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<QByteArray> header = JpegHeader::metadataOf(jpeg)) {
        require(header->startsWith("\xFF\xD8") && header->endsWith("\xFF\xD9"));
        require(header->size() <= JpegHeader::KeptLimit + 4);
    }
    if (const std::optional<qsizetype> scan = JpegHeader::scanStart(jpeg))
        require(*scan >= 2 && *scan + 2 <= jpeg.size() && jpeg.at(*scan + 1) == '\xDA');
    const QString caption = PhotoMetadataReader::fromBytes(jpeg).caption;
    require(caption == caption.trimmed());
    for (const QChar c : caption)
        require(c == QLatin1Char('\n') || c == QLatin1Char('\t') || c.unicode() >= 0x20);
    return 0;
}
