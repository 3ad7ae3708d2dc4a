// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/preparation.h"

#include "album/albumtexts.h"
#include "album/buildview.h"
#include "album/reductionrecord.h"
#include "platform/folderlock.h"
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
// not listed is a thumbnail only when the reduction library made it (its
// record says so); else it is a photo itself, and deleting it would lose an
// original. Only those few files are opened.
SortedListing sortListing(const QString &folder, const QStringList &listed)
{
    SortedListing sorted;
    const QSet<QString> present(listed.begin(), listed.end());
    const auto isThumbnail = [&](const QString &name) {
        return isThumbnailName(name) && (present.contains(name.mid(ThumbnailPrefix.size())) ||
                                         carriesReductionRecord(QFile::encodeName(Paths::join(folder, name))));
    };
    for (const QString &name : listed) {
        if (isThumbnail(name))
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

void lockFolder(FolderLock &lock, BuildView &view)
{
    lock.lock([&view] { view.showWaiting(AlbumText::waitingForFolder()); }, [&view] { return view.stopRequested(); });
    view.stopIfRequested();
}

QStringList folderImages(const QString &folder, BuildView &view)
{
    const Listing::FileListing listed = Listing::scanFiles(folder);
    warnUnreadable(listed.unreadableNames, view);
    return sortListing(folder, listed.names).images;
}

ImageList prepareFolder(const QString &folder, bool deleteThumbnails, BuildView &view)
{
    view.showProgress(true);
    view.setStatus(AlbumText::prepareStart());

    const Listing::FileListing listed = Listing::scanFiles(folder);
    view.setBusy(true);
    warnUnreadable(listed.unreadableNames, view);
    const SortedListing sorted = sortListing(folder, listed.names);
    if (deleteThumbnails) {
        for (const QString &name : sorted.thumbnails)
            QFile::remove(Paths::join(folder, name)); // one that stays is left alone
    }
    const ImageList images{folder, sorted.images};
    view.setProgress(BuildPhase::Preparing, images.count(), 0);

    view.setStatus(AlbumText::prepareEnd());
    return images;
}
