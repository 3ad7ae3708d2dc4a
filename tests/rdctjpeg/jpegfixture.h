// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

#include <cstdio>
#include <jpeglib.h>
#include <vector>

// JPEG fixtures made in memory with libjpeg, for the reduction tests.
namespace JpegFixture {

struct Recipe
{
    int width = 64;
    int height = 48;
    J_COLOR_SPACE space = JCS_RGB; // JCS_RGB, JCS_GRAYSCALE or JCS_CMYK
    bool progressive = false;
    bool arithmetic = false;
    int restartInterval = 0; // in MCUs
    bool jfif = true;
    std::vector<jpeg_scan_info> scans;     // a scan script of its own, if not empty
    QList<QPair<int, QByteArray>> markers; // written right after the headers
};

// A smooth pattern, different in every channel, so colour mix-ups show.
QByteArray encode(const Recipe &recipe);

struct Decoded
{
    bool ok = false;
    int width = 0, height = 0, components = 0;
    J_COLOR_SPACE jpegSpace = JCS_UNKNOWN;
    bool progressive = false, arithmetic = false, adobe = false, jfif = false;
    int lumaH = 0, lumaV = 0;              // sampling factors of the first component
    QList<unsigned int> luminanceTable;    // quantization table 0, natural order
    QList<QPair<int, QByteArray>> markers; // APP1 and APP2, in file order
    QByteArray pixels;                     // decoded at 1/denominator, as the file's own space
};

// Colour files decode to RGB, or to their luminance alone when asked;
// grayscale and CMYK files keep their space.
Decoded decode(const QByteArray &jpeg, int denominator = 1, bool lumaOnly = false);

// Mean of each channel of a decoded picture.
QList<double> channelMeans(const Decoded &decoded);

// Mean absolute difference of two pixel buffers of the same size, or -1.
double meanDifference(const QByteArray &a, const QByteArray &b);

// Offset of the first marker 0xFF code, or -1.
qsizetype findMarker(const QByteArray &jpeg, int code, qsizetype from = 0);

// Overwrites the height and width in the frame header (SOF0..SOF15).
QByteArray withFrameSize(QByteArray jpeg, int width, int height);

} // namespace JpegFixture
