// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/colortext.h"

#include "platform/failure.h"

#include <algorithm>

QString colorToHtml(ColorValue color)
{
    const auto hex = [](unsigned component) {
        return QStringLiteral("%1").arg(component & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    };
    return QLatin1Char('#') + hex(color) + hex(color >> 8) + hex(color >> 16);
}

static unsigned hexPair(const QString &text, int position)
{
    const QString pair = text.mid(position, 2);
    bool ok = false;
    const unsigned value = pair.toUInt(&ok, 16);
    // toUInt would accept blanks and signs around the digits; a pair is digits only.
    const bool digitsOnly = std::all_of(pair.begin(), pair.end(), [](QChar c) {
        return c.isDigit() || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
    });
    if (pair.isEmpty() || !ok || !digitsOnly)
        throw Failure(FailureCode::TypeMismatch, text);
    return value;
}

ColorValue htmlToColor(const QString &text)
{
    return hexPair(text, 1) + 256 * hexPair(text, 3) + 65536 * hexPair(text, 5);
}

QColor toQColor(ColorValue color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

ColorValue fromQColor(const QColor &color)
{
    return ColorValue(color.red()) + 256u * ColorValue(color.green()) + 65536u * ColorValue(color.blue());
}
