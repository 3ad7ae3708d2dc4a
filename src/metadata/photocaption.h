// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writing a caption into a photo, where other programs read it: XMP
// dc:description (x-default), EXIF ImageDescription and, only where the
// photo already has IPTC, its Caption-Abstract. The picture data (from the
// first scan to the end) stays byte for byte; anything else would not be
// written.
namespace PhotoCaption {
enum class Result {
    Unchanged,  // the photo already carries the caption, or it is empty
    Written,    // the photo carries it now
    NotWritten, // the photo could not be changed; it is as it was
};

struct Rewrite
{
    Result result = Result::NotWritten;
    QByteArray photo; // the new photo, when Written
};

// The photo's bytes with the caption in. An empty caption never erases what
// the photo says.
Rewrite withCaption(const QByteArray &photo, const QString &caption);

// Rewrites the photo file whole: a temporary of the folder named by
// temporaryPrefix, flushed, then renamed over it, keeping its permissions
// and modification time. A photo that is read-only, no regular file, too
// large to read, or on a full disk is left as it was (NotWritten). The
// caller holds the folder's lock.
Result write(const QString &path, const QString &caption, const QString &temporaryPrefix);
} // namespace PhotoCaption
