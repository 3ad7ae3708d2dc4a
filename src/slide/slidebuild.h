// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/pagewords.h"
#include "design/designvalues.h"

#include <QString>

class BuildView;
class Clock;

// What one run of the slide page command did.
struct SlideBuildResult
{
    int imageCount = 0;
    int failureCode = 0;      // 0 when Slide.html was written
    bool interrupted = false; // stopped on request before writing
};

// The slide page command of the main window's "S" button: lists the folder's
// images (deleting old thumbnails when asked) and replaces the folder's
// Slide.html as a whole; a failed write leaves the earlier page untouched.
// A failure is shown as the numbered report message, except for a folder
// that has gone away, which ends the command silently.
// The page takes the design's page style; language is that of the modern
// page's words.
SlideBuildResult writeSlidePage(const QString &folder, bool deleteOldThumbs, BuildView &view, const Clock &clock,
                                const DesignValues &design, PageLanguage language = PageLanguage::Japanese);
