// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Positions and sizes are kept in twips, as the windows were designed; one
// logical pixel is 15 twips (96 dpi). Stored window positions stay twips.
inline constexpr int TwipsPerPixel = 15;

// A length in twips as whole logical pixels.
inline int pixels(double twips)
{
    return qRound(twips / TwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}
