// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/preparation.h"

#include "album/albumtexts.h"
#include "album/buildview.h"
#include "platform/listing.h"
#include "platform/paths.h"

#include <QFile>

#include <algorithm>

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

ImageList PrepareFolder(const QString &folder, bool deleteThumbnails, BuildView &view)
{
    view.showProgress(true);
    view.setStatus(AlbumText::PrepareStart);

    ImageList images{folder, {}};
    const QStringList listed = Listing::files(folder);
    view.setBusy(true);
    for (const QString &name : listed) {
        if (isThumbnailName(name)) {
            if (deleteThumbnails)
                QFile::remove(Paths::join(folder, name)); // one that stays is left alone
        } else if (isJpegName(name)) {
            images.names.append(name);
            view.setProgressWidth(images.count());
        }
    }
    std::stable_sort(images.names.begin(), images.names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });

    view.setStatus(AlbumText::PrepareEnd);
    return images;
}
