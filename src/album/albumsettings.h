// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/albumbuild.h"

class OptionsModel;

// The album build's options for a folder, as the options and the design
// stand: the layout, the reduction scale, the switches and the box.
AlbumOptions albumOptions(const QString &folder, const OptionsModel &options, const DesignValues &design);
