// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumsettings.h"

#include "settings/optionsmodel.h"

AlbumOptions albumOptions(const QString &folder, const OptionsModel &options, const DesignValues &design)
{
    AlbumOptions album;
    album.folder = folder;
    album.rowWidth = options.rowWidth();
    album.photosPerPage = options.photosPerPage();
    album.reductionScale = options.reductionScale();
    album.thumbnailBox = DesignSize::box(design);
    album.askBeforeDeletingOldPages = options.askBeforeDeletingOldPages();
    album.deleteOldThumbnails = options.deleteOldThumbnails();
    album.linksOpenNewWindow = options.linksOpenNewWindow();
    album.shotDates = options.shotDates();
    album.captionsFromPhotos = options.captionsFromPhotos();
    album.pageLanguage = options.english() ? PageLanguage::English : PageLanguage::Japanese;
    return album;
}
