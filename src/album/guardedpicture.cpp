// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/guardedpicture.h"

#include "platform/failure.h"
#include "platform/readstream.h"
#include "rdctjpeg/rdctjpeg.h"

#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

namespace {

const QByteArray JpegFormat = QByteArrayLiteral("jpeg");

bool tooManyPixels(quint64 width, quint64 height)
{
    return width * height > quint64(RDCTJPEG_MAX_PIXELS);
}

// libjpeg's scaled decoding: output = ceil(stored × numerator / 8).
constexpr int ScaleDenominator = 8;

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    long warnings;
};

[[noreturn]] void jumpBack(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->jump, 1);
}

// Warnings that mean the entropy-coded data itself is damaged: what it would
// show is grey or garbage, not the picture.
bool damagesPicture(int code)
{
    switch (code) {
    case JWRN_HUFF_BAD_CODE:
    case JWRN_HIT_MARKER:
    case JWRN_JPEG_EOF:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
        return true;
    default:
        return false;
    }
}

void onMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace messages
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    if (damagesPicture(err->pub.msg_code) || ++err->warnings > RDCTJPEG_MAX_WARNINGS)
        jumpBack(cinfo);
}

// A file of thousands of tiny scans is stopped instead of decoded over and over.
void onProgress(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > RDCTJPEG_MAX_SCANS)
        jumpBack(cinfo);
}

// One decode: everything libjpeg touches lives here, so a jump back from
// deep inside the decoder leaves nothing to unwind but plain C frames.
struct Decoding
{
    ErrorManager err{};
    jpeg_progress_mgr progress{};
    jpeg_decompress_struct cinfo{};
    bool created = false;
    std::FILE *file = nullptr; // the caller's stream
    QSize target;              // as stored
    QImage image;

    ~Decoding()
    {
        if (created)
            jpeg_destroy_decompress(&cinfo);
    }
};

// The smallest of libjpeg's scales (1/8 to 8/8) whose output is not smaller
// than the target in either direction.
unsigned int scaleNumerator(const jpeg_decompress_struct &cinfo, const QSize &target)
{
    auto scaled = [](JDIMENSION side, unsigned int numerator) {
        return (quint64(side) * numerator + ScaleDenominator - 1) / ScaleDenominator;
    };
    unsigned int numerator = 1;
    while (numerator < ScaleDenominator && (scaled(cinfo.image_width, numerator) < quint64(target.width()) ||
                                            scaled(cinfo.image_height, numerator) < quint64(target.height())))
        ++numerator;
    return numerator;
}

// Colour files come out as RGBX, grey ones as grey; CMYK ones are read into
// the 32-bit rows and turned into RGB afterwards.
QImage::Format chooseOutput(jpeg_decompress_struct &cinfo)
{
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo.out_color_space = JCS_GRAYSCALE;
        return QImage::Format_Grayscale8;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        return QImage::Format_RGB32;
    default:
        cinfo.out_color_space = JCS_EXT_RGBX;
        return QImage::Format_RGBX8888;
    }
}

// CMYK as JPEG files hold it (inverted, as Adobe writes it) to RGB, in place.
void cmykToRgb(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar *pixel = image.scanLine(y);
        auto *out = reinterpret_cast<QRgb *>(pixel);
        for (int x = 0; x < image.width(); ++x, pixel += 4) {
            const int k = pixel[3];
            out[x] = qRgb(pixel[0] * k / 255, pixel[1] * k / 255, pixel[2] * k / 255);
        }
    }
}

// Runs libjpeg on d.file into d.image; false when it fails or refuses.
bool runDecoder(Decoding &d)
{
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = jumpBack;
    d.err.pub.emit_message = onMessage;
    if (setjmp(d.err.jump))
        return false;
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    // A window decodes at a reduced scale, as the reduction library does, so
    // it may take as much as the library and no more.
    d.cinfo.mem->max_memory_to_use = RDCTJPEG_MAX_MEMORY;
    jpeg_stdio_src(&d.cinfo, d.file);
    jpeg_read_header(&d.cinfo, TRUE);
    if (tooManyPixels(d.cinfo.image_width, d.cinfo.image_height))
        return false;
    const QImage::Format format = chooseOutput(d.cinfo);
    d.cinfo.scale_num = scaleNumerator(d.cinfo, d.target);
    d.cinfo.scale_denom = ScaleDenominator;
    d.progress.progress_monitor = onProgress;
    d.cinfo.progress = &d.progress;
    jpeg_start_decompress(&d.cinfo);
    d.image = QImage(int(d.cinfo.output_width), int(d.cinfo.output_height), format);
    if (d.image.isNull())
        return false;
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = d.image.scanLine(int(d.cinfo.output_scanline));
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    if (d.cinfo.out_color_space == JCS_CMYK)
        cmykToRgb(d.image);
    return true;
}

// Turns a picture as its orientation says: mirror, flip, then a quarter turn.
QImage upright(const QImage &image, QImageIOHandler::Transformations orientation)
{
    QImage turned = image.mirrored(orientation.testFlag(QImageIOHandler::TransformationMirror),
                                   orientation.testFlag(QImageIOHandler::TransformationFlip));
    if (orientation.testFlag(QImageIOHandler::TransformationRotate90))
        turned = turned.transformed(QTransform().rotate(90));
    return turned;
}

} // namespace

QSize PictureHeader::upright() const
{
    return orientation.testFlag(QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
}

PictureHeader readPictureHeader(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    PictureHeader header;
    if (!reader.canRead()) {
        header.unreadable = reader.error() == QImageReader::DeviceError;
        return header;
    }
    header.format = reader.format();
    header.stored = reader.size();
    header.orientation = reader.transformation();
    return header;
}

GuardedPicture::GuardedPicture(const QString &path)
    : m_path(path)
{
    if (!QFileInfo(path).isFile())
        throw Failure(FailureCode::FileNotFound, path);
    m_header = readPictureHeader(path);
    if (m_header.unreadable)
        throw Failure(FailureCode::PathFileAccess, path);
    if (m_header.format != JpegFormat)
        throw Failure(FailureCode::InvalidPicture, path);
    if (m_header.stored.isEmpty() || tooManyPixels(m_header.stored.width(), m_header.stored.height()))
        throw Failure(FailureCode::BadPictureData, path);
}

QImage GuardedPicture::decode(const QSize &shown) const
{
    const QSize target = shown.expandedTo(QSize(1, 1));
    const bool turned = m_header.orientation.testFlag(QImageIOHandler::TransformationRotate90);
    const ReadStream stream(m_path); // outlives the decoder
    Decoding d;
    d.target = turned ? target.transposed() : target;
    d.file = stream.get();
    if (!d.file)
        throw Failure(FailureCode::PathFileAccess, m_path);
    if (!runDecoder(d))
        throw Failure(FailureCode::BadPictureData, m_path);
    const QImage scaled = d.image.size() == d.target
                              ? d.image
                              : d.image.scaled(d.target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return upright(scaled, m_header.orientation);
}
