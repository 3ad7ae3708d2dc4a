// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/preparation.h"

#include "album/albumtexts.h"
#include "album/buildview.h"
#include "platform/listing.h"
#include "platform/paths.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace {
const QString ThumbnailPrefix = QStringLiteral("s_");
} // namespace

bool isJpegName(const QString &name)
{
    if (name.size() < 3)
        return false;
    const QString ending = name.right(3).toUpper();
    return ending == QLatin1String("JPG") || ending == QLatin1String("PEG");
}

bool isThumbnailName(const QString &name)
{
    return isJpegName(name) && name.startsWith(ThumbnailPrefix, Qt::CaseSensitive);
}

QString thumbnailName(const QString &imageName)
{
    return ThumbnailPrefix + imageName;
}

namespace {

struct SortedListing
{
    QStringList images; // in album order
    QStringList thumbnails;
};

// Sorts listed names into images and thumbnails. An "s_" name whose photo is
// not listed is a photo itself: deleting it would lose an original.
SortedListing sortListing(const QStringList &listed)
{
    SortedListing sorted;
    const QSet<QString> present(listed.begin(), listed.end());
    for (const QString &name : listed) {
        if (isThumbnailName(name) && present.contains(name.mid(ThumbnailPrefix.size())))
            sorted.thumbnails.append(name);
        else if (isJpegName(name))
            sorted.images.append(name);
    }
    std::stable_sort(sorted.images.begin(), sorted.images.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return sorted;
}

// JPEG names the listing could not take (not valid UTF-8) are named, never
// dropped without a word.
void warnUnreadable(const QStringList &names, BuildView &view)
{
    QStringList pictures;
    std::copy_if(names.begin(), names.end(), std::back_inserter(pictures), isJpegName);
    if (!pictures.isEmpty())
        view.warn(AlbumText::picturesLeftOut(pictures));
}

} // namespace

QStringList folderImages(const QString &folder, BuildView &view)
{
    const Listing::FileListing listed = Listing::scanFiles(folder);
    warnUnreadable(listed.unreadableNames, view);
    return sortListing(listed.names).images;
}

ImageList PrepareFolder(const QString &folder, bool deleteThumbnails, BuildView &view)
{
    view.showProgress(true);
    view.setStatus(AlbumText::PrepareStart);

    const Listing::FileListing listed = Listing::scanFiles(folder);
    view.setBusy(true);
    warnUnreadable(listed.unreadableNames, view);
    const SortedListing sorted = sortListing(listed.names);
    if (deleteThumbnails) {
        for (const QString &name : sorted.thumbnails)
            QFile::remove(Paths::join(folder, name)); // one that stays is left alone
    }
    const ImageList images{folder, sorted.images};
    view.setProgress(BuildPhase::Preparing, images.count(), 0);

    view.setStatus(AlbumText::PrepareEnd);
    return images;
}
