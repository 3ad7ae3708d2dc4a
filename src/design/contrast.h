// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/colortext.h"

#include <initializer_list>

// Text colours that can be read: the contrast of two colours as the web's
// accessibility guidelines measure it, and a colour moved towards black or
// white until it reaches a contrast.
namespace Contrast {
// The guidelines' level AA for body text.
inline constexpr double ReadableText = 4.5;

// (L1 + 0.05) / (L2 + 0.05) of the lighter and the darker colour's relative
// luminance: 1 for equal colours, 21 for black on white.
double ratio(ColorValue first, ColorValue second);

// The colour itself when it stands out from every background by at least
// minimum; otherwise the colour darkened (or lightened, when the backgrounds
// are dark) by the least step that does. Where no shade of the colour
// reaches it on all backgrounds, black or white, whichever does better.
ColorValue readable(ColorValue text, std::initializer_list<ColorValue> backgrounds, double minimum = ReadableText);
} // namespace Contrast
