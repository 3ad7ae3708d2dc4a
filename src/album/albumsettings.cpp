// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumsettings.h"

#include "settings/settingsstore.h"

namespace {
// Photos per page when the setting is 0 (no limit).
constexpr int UnlimitedPhotosPerPage = 999;
} // namespace

AlbumControls storedAlbumControls(const SettingsStore &store, AlbumControls controls)
{
    controls.CheckWarningHtml = store.isOn(Keys::CheckWarningHtml, controls.CheckWarningHtml);
    controls.CheckWarningJPG = store.isOn(Keys::CheckWarningJPG, controls.CheckWarningJPG);
    controls.CheckTARGET = store.isOn(Keys::CheckTARGET, controls.CheckTARGET);
    controls.photosPerPage = photosPerPageOf(store, controls);
    return controls;
}

int photosPerPageOf(const SettingsStore &store, const AlbumControls &controls)
{
    const std::optional<int> photos = store.whole(Keys::PhotoPiece, controls.TXTApage);
    if (!photos)
        return controls.photosPerPage;
    return *photos > 0 ? *photos : UnlimitedPhotosPerPage;
}
