// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/contrast.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr ColorValue Black = 0x000000;
constexpr ColorValue White = 0xFFFFFF;
// Shades tried between the colour and black or white.
constexpr int Steps = 64;

int channel(ColorValue color, int shift)
{
    return int((color >> shift) & 0xFF);
}

double linear(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(ColorValue color)
{
    return 0.2126 * linear(channel(color, 0)) + 0.7152 * linear(channel(color, 8)) +
           0.0722 * linear(channel(color, 16));
}

// The colour a fraction of the way (0 to 1) towards target.
ColorValue mixed(ColorValue color, ColorValue target, double fraction)
{
    ColorValue result = 0;
    for (const int shift : {0, 8, 16}) {
        const int from = channel(color, shift);
        const int value = int(std::lround(from + (channel(target, shift) - from) * fraction));
        result |= ColorValue(value) << shift;
    }
    return result;
}

double worst(ColorValue text, std::initializer_list<ColorValue> backgrounds)
{
    double lowest = 21;
    for (const ColorValue background : backgrounds)
        lowest = std::min(lowest, Contrast::ratio(text, background));
    return lowest;
}

} // namespace

namespace Contrast {

double ratio(ColorValue first, ColorValue second)
{
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

ColorValue readable(ColorValue text, std::initializer_list<ColorValue> backgrounds, double minimum)
{
    if (worst(text, backgrounds) >= minimum)
        return text;
    double darkest = 1;
    for (const ColorValue background : backgrounds)
        darkest = std::min(darkest, luminance(background));
    // Text on light backgrounds goes darker, on dark ones lighter.
    const ColorValue target = darkest > 0.18 ? Black : White;
    for (int step = 1; step <= Steps; ++step) {
        const ColorValue shade = mixed(text, target, double(step) / Steps);
        if (worst(shade, backgrounds) >= minimum)
            return shade;
    }
    return worst(Black, backgrounds) >= worst(White, backgrounds) ? Black : White;
}

} // namespace Contrast
