// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/htmltext.h"

#include "album/pageformat.h"

#include "album/replacedall.h"

#include <QRegularExpression>

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

static QString percentEncoded(QChar c)
{
    return QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
}

// Characters the browser would read as more than part of the name: "%", "#"
// and "?" start an escape, a fragment and a query; a backslash counts as "/"
// in file URLs; tabs and line breaks are dropped anywhere and blanks at the
// ends are stripped.
static bool needsPercent(const QString &name, qsizetype i)
{
    const QChar c = name.at(i);
    if (c == QLatin1Char(' '))
        return i == 0 || i == name.size() - 1;
    return c == QLatin1Char('%') || c == QLatin1Char('#') || c == QLatin1Char('?') || c == QLatin1Char('\\') ||
           c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// A relative URL whose first segment holds a ":" would be read as a scheme
// ("javascript:", "png:"); starting it with "./" keeps it a path to the file.
static bool readsAsScheme(const QString &url)
{
    const qsizetype colon = url.indexOf(QLatin1Char(':'));
    return colon >= 0 && !url.left(colon).contains(QLatin1Char('/'));
}

QString urlPath(const QString &name)
{
    QString value;
    value.reserve(name.size() + 2);
    for (qsizetype i = 0; i < name.size(); ++i)
        value += needsPercent(name, i) ? percentEncoded(name.at(i)) : QString(name.at(i));
    return readsAsScheme(value) ? QStringLiteral("./") + value : value;
}

QString urlAttribute(const QString &name)
{
    return escapeMarkup(urlPath(name), true);
}

QString text(const QString &name)
{
    return escapeMarkup(name, false);
}

QString srcsetUrl(const QString &name)
{
    QString url = urlPath(name);
    url.replace(QLatin1Char(' '), percentEncoded(QLatin1Char(' ')));
    url.replace(QLatin1Char(','), percentEncoded(QLatin1Char(',')));
    return escapeMarkup(url, true);
}

QString attribute(const QString &name)
{
    return escapeMarkup(name, true);
}

QString markupAsAttribute(const QString &markup)
{
    static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
    QString text = QString(markup).remove(tag).simplified();
    text.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    text.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    return text.replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

QString markerKey(const QString &name)
{
    return attribute(name);
}

QString nameOfMarkerKey(const QString &key)
{
    // "&amp;" last, so that "&amp;lt;" stands for "&lt;" and not for "<".
    QString name = replacedAll(key, QLatin1StringView("&quot;"), QLatin1StringView("\""));
    name = replacedAll(name, QLatin1StringView("&lt;"), QLatin1StringView("<"));
    name = replacedAll(name, QLatin1StringView("&gt;"), QLatin1StringView(">"));
    return replacedAll(name, QLatin1StringView("&amp;"), QLatin1StringView("&"));
}

QString startMarker(const QString &name)
{
    return QLatin1String(PageFormat::StartOpen) + markerKey(name) + QLatin1Char(PageFormat::MarkerClose);
}

QString endMarker(const QString &name)
{
    return QLatin1String(PageFormat::EndOpen) + markerKey(name) + QLatin1Char(PageFormat::MarkerClose);
}

QByteArray comment(const QString &plain)
{
    return replacedAll(escapeMarkup(plain, false), QLatin1StringView("\n"), QLatin1StringView("\r\n")).toUtf8();
}

QString plainText(const QString &comment)
{
    static const QRegularExpression reference(QStringLiteral("&(lt|gt|quot|amp|#([0-9]{1,7}));"));
    QString plain;
    plain.reserve(comment.size());
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = reference.globalMatch(comment); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        plain += QStringView(comment).sliced(from, match.capturedStart() - from);
        from = match.capturedEnd();
        const QString name = match.captured(1);
        const char32_t code = match.captured(2).toUInt();
        if (name == QLatin1String("lt"))
            plain += QLatin1Char('<');
        else if (name == QLatin1String("gt"))
            plain += QLatin1Char('>');
        else if (name == QLatin1String("quot"))
            plain += QLatin1Char('"');
        else if (name == QLatin1String("amp"))
            plain += QLatin1Char('&');
        else if (code > 0 && code <= 0x10FFFF && !QChar::isSurrogate(code))
            plain += QString::fromUcs4(&code, 1);
        else
            plain += match.captured(0);
    }
    plain += QStringView(comment).sliced(from);
    return plain;
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
