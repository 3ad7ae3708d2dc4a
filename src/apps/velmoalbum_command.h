// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// velmo-album [options] FOLDER: builds the album pages of FOLDER with the
// user's stored options and design, as the window's Album button would, and
// with --slide the slide page as its "S" button would (alone, unless --album
// asks for the album too).
// Returns the exit code: 0 done, 1 the album could not be (fully) written,
// 2 bad command line.
int runVelmoAlbum(const QStringList &arguments);
