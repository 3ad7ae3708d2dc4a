// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/albumbuild.h"

class SettingsStore;

// The album build's controls as a freshly started main window holds them:
// its start-up reads the two confirmation switches and the photos per page,
// the options dialog's load the link-target switch. The window's start-up
// and velmo-album both take them from here; absent or unreadable keys keep
// what controls holds.
AlbumControls storedAlbumControls(const SettingsStore &store, AlbumControls controls);

// The photos per page a build uses: "PhotoPiece" (or the text of TXTApage
// when it is absent), 0 or less for no limit; when neither is a number,
// the previous count.
int photosPerPageOf(const SettingsStore &store, const AlbumControls &controls);
