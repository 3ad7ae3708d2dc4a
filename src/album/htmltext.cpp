// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/htmltext.h"

#include <cmath>

namespace HtmlText {

static QString escapeMarkup(QString value, bool quotes)
{
    value.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    value.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    value.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    if (quotes)
        value.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return value;
}

QString urlPath(const QString &name)
{
    QString value = name;
    value.replace(QLatin1Char('%'), QLatin1String("%25"));
    value.replace(QLatin1Char('#'), QLatin1String("%23"));
    value.replace(QLatin1Char('?'), QLatin1String("%3F"));
    return value;
}

QString urlAttribute(const QString &name)
{
    return escapeMarkup(urlPath(name), true);
}

QString text(const QString &name)
{
    return escapeMarkup(name, false);
}

QString markerKey(const QString &name)
{
    return escapeMarkup(name, true);
}

QString startMarker(const QString &name)
{
    return QLatin1String("<!S") + markerKey(name) + QLatin1Char('>');
}

QString endMarker(const QString &name)
{
    return QLatin1String("<!E") + markerKey(name) + QLatin1Char('>');
}

QString updateDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

QString fileDate(const QDateTime &modified)
{
    const QTime time = modified.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return modified.date().toString(QStringLiteral("yyyy/MM/dd"));
    return modified.toString(QStringLiteral("yyyy/MM/dd H:mm:ss"));
}

QString wholeNumber(double value)
{
    const long long rounded = std::llround(value);
    return rounded == 0 ? QString() : QString::number(rounded);
}

QString threeDigits(int number)
{
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

} // namespace HtmlText
