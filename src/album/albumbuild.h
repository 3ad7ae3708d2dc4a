// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/pagewords.h"
#include "album/reductioncommand.h"
#include "design/designvalues.h"

#include <QSize>
#include <QString>
#include <QStringList>

class BuildView;
class Clock;

// What an album build is asked to do: where, in what layout, and how.
struct AlbumOptions
{
    QString folder;
    int rowWidth = 1;       // thumbnails per table row, 1 to 3
    int photosPerPage = 0;  // thumbnails per page; 0 is no limit
    int reductionScale = 1; // thumbnails reduced to 1/scale (2, 4 or 8); 1 makes none
    QSize thumbnailBox;     // in page pixels
    bool askBeforeDeletingOldPages = false;
    bool deleteOldThumbnails = false;
    bool linksOpenNewWindow = false;
    bool sizeThumbnailsByBox = true;                    // otherwise every thumbnail takes the design-time box
    bool remakeThumbnails = false;                      // reduce every image, current thumbnails too
    bool shotDates = false;                             // a photo's date is when it was taken, where it says so
    bool captionsFromPhotos = false;                    // an empty comment takes the photo's own caption
    PageLanguage pageLanguage = PageLanguage::Japanese; // of the modern pages' words
};

// What one build did.
struct AlbumBuildResult
{
    int imageCount = 0;
    int pageCount = 0;
    QStringList unwrittenPages; // pages that could not be written
    int carriedComments = 0;    // comments taken over from the old pages
    int photosWithLocation = 0; // photos that carry a GPS position
    bool thumbnailMode = false;
    ThumbnailCounts thumbnails; // in thumbnail mode
    bool interrupted = false;   // stopped on request; the earlier pages stand
};

// The album build of the main window's Album button, shared with velmo-album.
// reduction gives the reduction library's entry point in thumbnail mode.
// A stop asked for on the view ends the build at the next image or page,
// with no temporary left; once the new set is decided it is finished first.
AlbumBuildResult buildAlbum(const AlbumOptions &options, const DesignValues &design, BuildView &view,
                            const Clock &clock, const ReductionEntry &reduction = installedReductionLibrary());
