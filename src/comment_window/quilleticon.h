// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// Quillet's icon, painted as data/icons/quillet.svg draws it (the desktop
// uses the SVG; the program paints its own copy).
QIcon quilletIcon();
