// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/reductionlibrary.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// One reduction pass over a folder: every name becomes "s_" + name beside it.
struct ReductionJob
{
    QString folder;
    QStringList names;
    int denominator = 8;
    QByteArray text = QByteArrayLiteral(RDCTJPEG_LIBRARY_TEXT);
};

// Reduces job.names on one worker thread per core. Images are handed out in
// list order; each worker holds one image at a time. finished(index, result)
// runs on the calling thread, once per image in the order the images complete,
// result being fn's return code (0 = done). The calling thread only waits for
// results meanwhile: it processes no events. Returns when every image is done.
// If finished throws, no further image is started, running ones complete, and
// the exception propagates. workers = 0 means one per core.
void runReductions(const ReductionJob &job, ReduceFn fn,
                   const std::function<void(int index, int result)> &finished, int workers = 0);

// Number of workers runReductions uses for count images: the one asked for,
// else one per core, never more than the images nor less than one.
int reductionWorkerCount(int count, int workers = 0);
