// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/preparation.h"
#include "album/reductionlibrary.h"

#include <QList>
#include <QString>

#include <functional>

struct AlbumOptions;
class BuildView;

// Gives the reduction library's entry point, loading the library on first
// use. Throws Failure: FileNotFound, DllLoad or EntryPointNotFound.
using ReductionEntry = std::function<ReduceFn()>;

// The installed library, P/lib/velmo/RdctJPEG.so. Each path is loaded once
// and stays loaded for the life of the program; safe from any thread.
ReductionEntry installedReductionLibrary();

// Whether the reduction command reduces every image or keeps the thumbnails
// that are certain to be what a new reduction would write.
enum class Thumbnails { RemakeAll, KeepCurrent };

// An image that got no thumbnail, with the library's code (RDCTJPEG_E_...),
// or 0 when the command ended before reducing it.
struct NotMadeThumbnail
{
    QString name;
    int code = 0;
};

// What became of the thumbnails of one reduction command.
struct ThumbnailCounts
{
    int made = 0;
    int upToDate = 0;
    QList<NotMadeThumbnail> notMade; // in album order
};

struct ReductionResult
{
    ImageList images;
    ThumbnailCounts thumbnails;
    bool stopped = false; // on request, before every image was done
};

// The reduction command: runs the preparation pass and writes "s_" + name,
// reduced by the options' scale (2, 4 or 8; 1 reduces nothing), beside every
// image, in album order on every core; with KeepCurrent a thumbnail that is
// already current stays as it is. A failure ends the command with the
// message its number calls for (none for 5 and 13), leaving the progress bar
// and the busy pointer for the caller, and every image it has not reduced
// counts as not made. Returns the preparation pass's images and the counts.
ReductionResult reduceFolder(const AlbumOptions &options, BuildView &view,
                             const ReductionEntry &entry = installedReductionLibrary(),
                             Thumbnails thumbnails = Thumbnails::RemakeAll);
