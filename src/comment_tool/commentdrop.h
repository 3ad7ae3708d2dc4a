// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comment_tool/droplocation.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class AlbumIndex;

// What a drop found: the photo, the pages that hold its comment block, the
// comment and the page it will be written to.
struct CommentSource
{
    DropLocation photo;
    QStringList pages; // every album page holding the photo's block, in name order
    QString target;    // the last of them; empty when none holds a whole block
    QString broken;    // a page with the photo's start marker and no end marker
    int refused = 0;   // why the target's comment is not edited (a CommentFailure), or 0
    QString comment;   // the target's comment, as the edit field holds it
    QByteArray block;  // the target's block bytes as loaded, to see changes made elsewhere

    bool found() const { return !target.isEmpty(); }
    bool editable() const { return found() && refused == 0; }
};

namespace CommentDrop {
// The comment of a dropped location. A reduced copy "s_" + name whose own
// name has no block stands for the photo beside it; an album page stands for
// its first image. A target that is no regular file of the folder, or whose
// comment is too large or no text of the page's encoding, is found but
// refused: its comment stays empty. Reads the pages and writes nothing.
CommentSource locate(const DropLocation &dropped, AlbumIndex &index);

// What a write-back did.
struct Written
{
    bool escaped = false;         // marker text in the comment was written as "&lt;!"
    bool photoNotWritten = false; // the comment was to go into the photo too, and could not
};

// Whether a write-back also writes the comment into the photo.
enum class IntoPhoto { No, Yes };

// Writes the comment into the source's target page, holding the folder's
// lock for the read, the compare and the write; onWait runs when an album
// build holds it. The page is left as it was, and a Failure thrown, when
// there is no target (75), when the source was refused (its reason), when
// the target is not in the photo's folder or no longer holds the photo's
// block (MarkersMissing), when it is no longer a regular file
// (PageNotRegularFile), when the block differs from the one loaded
// (ChangedElsewhere), when the comment would be too large (CommentTooLarge),
// or when the page cannot be written (PageNotWritable). On success the
// source holds the comment as written. With IntoPhoto::Yes the comment, as
// plain text, then goes into the photo too (PhotoCaption), under the same
// lock; a photo that cannot be written stays as it was and is reported in
// the result, the page being written all the same.
Written write(CommentSource &source, const QString &comment, const std::function<void()> &onWait = {},
              IntoPhoto intoPhoto = IntoPhoto::No);
} // namespace CommentDrop
