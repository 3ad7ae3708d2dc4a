// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

// A colour value holds red in its low byte: red + 256 × green + 65536 × blue.
using ColorValue = quint32;

// "#RRGGBB" with upper-case digits.
QString colorToHtml(ColorValue color);

// Reads characters 2–3, 4–5 and 6–7 as red, green and blue hexadecimal pairs
// (the first character is not examined; a pair takes what characters exist at
// its places). A pair with no character or a non-hexadecimal one fails with 13.
ColorValue htmlToColor(const QString &text);

QColor toQColor(ColorValue color);
ColorValue fromQColor(const QColor &color);
