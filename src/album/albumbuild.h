// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/reductioncommand.h"
#include "design/designvalues.h"

#include <QString>
#include <QStringList>
#include <functional>

class BuildView;
class Clock;
class SettingsStore;

// The main window's controls that the album build reads, and the hidden
// fields it writes back. The window fills it from its controls; velmo-album
// from a freshly started window's values.
struct AlbumControls
{
    QString folder; // File1's folder
    QString TXTAlbumLine = QStringLiteral("2");
    QString TXTApage = QStringLiteral("6");
    QString TXTJPEGReduction = QStringLiteral("2");
    // The window's photos per page; the build reads "PhotoPiece" into it and
    // keeps it when the stored text is not a number.
    int photosPerPage = 6;
    bool CheckWarningHtml = false; // ask before deleting old pages
    bool CheckWarningJPG = false;  // delete old thumbnails first
    bool CheckTARGET = false;      // links open a new window
    bool Check5 = true;            // "Adjust": size thumbnails by the box
    bool remakeThumbnails = false; // reduce every image, current thumbnails too
};

// What one build did.
struct AlbumBuildResult
{
    int imageCount = 0;
    int pageCount = 0;
    QStringList unwrittenPages; // pages that could not be written
    int carriedComments = 0;    // comments taken over from the old pages
    bool thumbnailMode = false;
    ThumbnailCounts thumbnails; // in thumbnail mode
};

// The album build of the main window's Album button, shared with velmo-album.
// copyDesignValues yields the twelve design fields at the moment the build
// copies them (loading the design dialog if the window has none). reduction
// gives the reduction library's entry point in thumbnail mode.
AlbumBuildResult buildAlbum(AlbumControls &controls, const SettingsStore &store, BuildView &view, const Clock &clock,
                            const std::function<DesignValues()> &copyDesignValues,
                            const ReductionEntry &reduction = installedReductionLibrary());
