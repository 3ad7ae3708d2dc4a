// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/preparation.h"
#include "album/reductionlibrary.h"

#include <functional>

struct AlbumControls;
class BuildView;
class SettingsStore;

// Gives the reduction library's entry point, loading the library on first
// use. Throws Failure: FileNotFound, DllLoad or EntryPointNotFound.
using ReductionEntry = std::function<ReduceFn()>;

// The installed library, P/lib/velmo/RdctJPEG.so. Each path is loaded once
// and stays loaded for the life of the program; safe from any thread.
ReductionEntry installedReductionLibrary();

// The reduction command of the main window's hidden button: reads
// "JPEGReduction" into TXTJPEGReduction, runs the preparation pass and writes
// "s_" + name, reduced by the setting's denominator (2, 4 or 8), beside every
// image, in album order on every core. A failure ends the command with the
// message its number calls for (none for 5 and 13), leaving the progress bar
// and the busy pointer for the caller. Returns the preparation pass's images.
ImageList cmdRdctJPEG_Click(AlbumControls &controls, SettingsStore &store, BuildView &view,
                            const ReductionEntry &entry = installedReductionLibrary());
