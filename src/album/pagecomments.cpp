// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pagecomments.h"

#include "album/htmltext.h"
#include "platform/listing.h"
#include "platform/paths.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

namespace {

const QLatin1String StartOpen("<!S");
const QLatin1String EndOpen("<!E");
const QLatin1Char MarkerClose('>');

// The page as text: UTF-8, or Shift_JIS when it is not valid UTF-8.
std::optional<QString> pageText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder shiftJis("Shift_JIS");
    if (!shiftJis.isValid())
        return std::nullopt;
    text = shiftJis(bytes);
    if (shiftJis.hasError())
        return std::nullopt;
    return text;
}

} // namespace

PageComments PageComments::read(const QString &folder)
{
    PageComments comments;
    for (const QString &name : Listing::files(folder, {QStringLiteral("Album*.html")})) {
        QFile page(Paths::join(folder, name));
        if (page.open(QIODevice::ReadOnly))
            comments.addPage(page.readAll());
    }
    return comments;
}

void PageComments::addPage(const QByteArray &bytes)
{
    const std::optional<QString> text = pageText(bytes);
    if (!text)
        return;
    // Marker keys never hold ">" (it is written as a character reference),
    // so a start marker ends at the first ">". Only the first block of an
    // image in a page is its comment block.
    QSet<QString> seen;
    qsizetype pos = 0;
    while ((pos = text->indexOf(StartOpen, pos)) >= 0) {
        const qsizetype keyStart = pos + StartOpen.size();
        const qsizetype keyEnd = text->indexOf(MarkerClose, keyStart);
        if (keyEnd < 0)
            return;
        const QString key = text->mid(keyStart, keyEnd - keyStart);
        const QString endMarker = EndOpen + key + MarkerClose;
        const qsizetype end = text->indexOf(endMarker, keyEnd + 1);
        if (end < 0) {
            pos = keyEnd + 1;
            continue;
        }
        if (!seen.contains(key)) {
            seen.insert(key);
            m_byMarkerKey.insert(key, text->mid(keyEnd + 1, end - keyEnd - 1));
        }
        pos = end + endMarker.size();
    }
}

QByteArray PageComments::comment(const QString &imageName) const
{
    return m_byMarkerKey.value(HtmlText::markerKey(imageName)).toUtf8();
}
