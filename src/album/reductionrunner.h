// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/reductionlibrary.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// What finished() gets for an image whose thumbnail was found current and
// left as it is; the library's own codes are 0 and up.
inline constexpr int ThumbnailUpToDate = -1;

// Whether the thumbnail (second path) is what reducing the source (first
// path) at the denominator with the text would write; paths encoded.
using ThumbnailCheck =
    std::function<bool(const QByteArray &source, const QByteArray &thumbnail, int denominator, const QByteArray &text)>;

// The pixel count of the picture at a path, from its header; 0 when unknown.
using PixelCount = std::function<qint64(const QString &path)>;
qint64 headerPixelCount(const QString &path);

// One reduction pass over a folder: every name becomes "s_" + name beside it.
struct ReductionJob
{
    QString folder;
    QStringList names;
    int denominator = 8;
    QByteArray text = QByteArrayLiteral(RDCTJPEG_LIBRARY_TEXT);
    // A picture larger than this is reduced while no other is: a progressive
    // picture keeps all its coefficients in memory while it is decoded
    // (about 3 bytes a pixel), so two big ones at once could exhaust memory.
    qint64 alonePixels = 40'000'000;
    PixelCount pixelCount = headerPixelCount;
    // When set, an image whose thumbnail it finds current is not reduced:
    // finished() gets ThumbnailUpToDate. Empty: every image is reduced.
    ThumbnailCheck isCurrent = nullptr;
};

// Reduces job.names on one worker thread per core. Images are handed out in
// list order; each worker holds one image at a time, and a big one is
// reduced alone. finished(index, result)
// runs on the calling thread, once per image in the order the images complete,
// result being fn's return code (0 = done) or ThumbnailUpToDate. The calling thread only waits for
// results meanwhile: it processes no events. Returns when every image is done.
// If finished throws, no further image is started, running ones complete, and
// the exception propagates. workers = 0 means one per core.
void runReductions(const ReductionJob &job, ReduceFn fn, const std::function<void(int index, int result)> &finished,
                   int workers = 0);

// Number of workers runReductions uses for count images: the one asked for,
// else one per core, never more than the images nor less than one.
int reductionWorkerCount(int count, int workers = 0);
