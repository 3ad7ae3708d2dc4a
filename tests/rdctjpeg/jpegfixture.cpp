// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegfixture.h"

#include <cmath>
#include <csetjmp>
#include <cstdlib>

namespace JpegFixture {
namespace {

struct Error
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void jumpOut(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<Error *>(cinfo->err)->jump, 1);
}

void quiet(j_common_ptr, int) {}

unsigned char sample(int x, int y, int c)
{
    const double v = 128 + 90 * std::sin(x / 23.0 + c * 1.7) * std::cos(y / 17.0 - c);
    return static_cast<unsigned char>(std::lround(v));
}

} // namespace

QByteArray encode(const Recipe &recipe)
{
    jpeg_compress_struct cinfo{};
    Error err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = jumpOut;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    const int components = recipe.space == JCS_GRAYSCALE ? 1 : recipe.space == JCS_CMYK ? 4 : 3;
    cinfo.image_width = JDIMENSION(recipe.width);
    cinfo.image_height = JDIMENSION(recipe.height);
    cinfo.input_components = components;
    cinfo.in_color_space = recipe.space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    cinfo.write_JFIF_header = recipe.jfif ? TRUE : FALSE;
    if (recipe.progressive)
        jpeg_simple_progression(&cinfo);
    if (!recipe.scans.empty()) {
        cinfo.scan_info = recipe.scans.data();
        cinfo.num_scans = int(recipe.scans.size());
    }
    cinfo.arith_code = recipe.arithmetic ? TRUE : FALSE;
    cinfo.restart_interval = static_cast<unsigned int>(recipe.restartInterval);
    jpeg_start_compress(&cinfo, TRUE);
    for (const auto &[code, data] : recipe.markers)
        jpeg_write_marker(&cinfo, code, reinterpret_cast<const JOCTET *>(data.constData()),
                          static_cast<unsigned int>(data.size()));
    std::vector<unsigned char> row(size_t(recipe.width) * size_t(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < recipe.width; ++x)
            for (int c = 0; c < components; ++c)
                row[size_t(x * components + c)] = sample(x, y, c);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray result(reinterpret_cast<const char *>(buffer), qsizetype(size));
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return result;
}

Decoded decode(const QByteArray &jpeg, int denominator, bool lumaOnly)
{
    Decoded d;
    jpeg_decompress_struct cinfo{};
    Error err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = jumpOut;
    err.pub.emit_message = quiet;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return Decoded{};
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_save_markers(&cinfo, JPEG_APP0 + 2, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    d.jpegSpace = cinfo.jpeg_color_space;
    d.progressive = cinfo.progressive_mode;
    d.arithmetic = cinfo.arith_code;
    d.adobe = cinfo.saw_Adobe_marker;
    d.jfif = cinfo.saw_JFIF_marker;
    d.lumaH = cinfo.comp_info[0].h_samp_factor;
    d.lumaV = cinfo.comp_info[0].v_samp_factor;
    if (cinfo.quant_tbl_ptrs[0])
        for (int i = 0; i < DCTSIZE2; ++i)
            d.luminanceTable.append(cinfo.quant_tbl_ptrs[0]->quantval[i]);
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next)
        d.markers.append({m->marker, QByteArray(reinterpret_cast<const char *>(m->data), qsizetype(m->data_length))});
    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK)
        cinfo.out_color_space = JCS_CMYK;
    else if (cinfo.jpeg_color_space == JCS_GRAYSCALE || lumaOnly)
        cinfo.out_color_space = JCS_GRAYSCALE;
    else
        cinfo.out_color_space = JCS_RGB;
    cinfo.scale_num = 1;
    cinfo.scale_denom = static_cast<unsigned int>(denominator);
    jpeg_start_decompress(&cinfo);
    d.width = int(cinfo.output_width);
    d.height = int(cinfo.output_height);
    d.components = cinfo.output_components;
    const qsizetype stride = qsizetype(d.width) * d.components;
    d.pixels.resize(stride * d.height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(d.pixels.data() + stride * cinfo.output_scanline)};
        jpeg_read_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    d.ok = true;
    return d;
}

QList<double> channelMeans(const Decoded &decoded)
{
    QList<double> sums(decoded.components, 0.0);
    for (qsizetype i = 0; i < decoded.pixels.size(); ++i)
        sums[i % decoded.components] += uchar(decoded.pixels[i]);
    const qsizetype pixels = qMax<qsizetype>(1, decoded.pixels.size() / qMax(1, decoded.components));
    for (double &sum : sums)
        sum /= double(pixels);
    return sums;
}

double meanDifference(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size() || a.isEmpty())
        return -1;
    double sum = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        sum += std::abs(int(uchar(a[i])) - int(uchar(b[i])));
    return sum / double(a.size());
}

qsizetype findMarker(const QByteArray &jpeg, int code, qsizetype from)
{
    for (qsizetype i = from; i + 1 < jpeg.size(); ++i)
        if (uchar(jpeg[i]) == 0xFF && uchar(jpeg[i + 1]) == code)
            return i;
    return -1;
}

QByteArray withFrameSize(QByteArray jpeg, int width, int height)
{
    // Walk the marker segments from SOI; the frame header comes before any scan.
    for (qsizetype at = 2; at + 9 < jpeg.size() && uchar(jpeg[at]) == 0xFF;) {
        const int code = uchar(jpeg[at + 1]);
        if (code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC) {
            jpeg[at + 5] = char(height >> 8);
            jpeg[at + 6] = char(height & 0xFF);
            jpeg[at + 7] = char(width >> 8);
            jpeg[at + 8] = char(width & 0xFF);
            return jpeg;
        }
        at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
    }
    return {};
}

} // namespace JpegFixture
