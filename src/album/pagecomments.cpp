// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pagecomments.h"

#include "album/htmltext.h"
#include "album/pageformat.h"
#include "platform/folderfiles.h"
#include "platform/listing.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char ShiftJisName[] = "Shift_JIS";
const QByteArray StartOpen("<!S");
const QByteArray EndOpen("<!E");
const QByteArray EscapedOpen("&lt;!");
constexpr char MarkerClose = '>';

QByteArray endMarker(const QByteArray &key)
{
    return EndOpen + key + MarkerClose;
}

// The text of a key part after a marker: up to the next ">" on the same
// line, with no "<" in it; nothing when there is none.
std::optional<QByteArray> keyPartAt(const QByteArray &page, qsizetype from)
{
    for (qsizetype i = from; i < page.size(); ++i) {
        const char c = page.at(i);
        if (c == MarkerClose)
            return page.mid(from, i - from);
        if (c == '<' || c == '\r' || c == '\n')
            break;
    }
    return std::nullopt;
}

// An older page wrote names raw, so "a>b.jpg" stands as "<!Sa>b.jpg>" and
// "<!Ea>b.jpg>". Read to the first ">", the key is "a" and both markers are
// followed by the same "b.jpg>": while they are, the key takes it in.
void widenRawKey(const QByteArray &page, PageBlocks::Block &block)
{
    for (;;) {
        const std::optional<QByteArray> afterStart = keyPartAt(page, block.begin);
        const std::optional<QByteArray> afterEnd = keyPartAt(page, block.end + endMarker(block.key).size());
        if (!afterStart || afterStart != afterEnd || block.begin + afterStart->size() + 1 > block.end)
            return;
        block.key += MarkerClose + *afterStart;
        block.begin += afterStart->size() + 1;
    }
}

QStringDecoder decoderFor(PageEncoding encoding)
{
    return encoding == PageEncoding::Utf8 ? QStringDecoder(QStringDecoder::Utf8) : QStringDecoder(ShiftJisName);
}

} // namespace

namespace PageBlocks {

QString decode(const QByteArray &bytes, PageEncoding encoding)
{
    return decoderFor(encoding).decode(bytes);
}

std::optional<QString> decodeExactly(const QByteArray &bytes, PageEncoding encoding)
{
    QStringDecoder decoder = decoderFor(encoding);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QByteArray> encodeExactly(const QString &text, PageEncoding encoding)
{
    if (encoding == PageEncoding::Utf8)
        return text.toUtf8();
    QStringEncoder encoder(ShiftJisName);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

PageEncoding declaredEncoding(const QByteArray &page)
{
    // The declaration stands in the head, before the first comment block.
    const qsizetype headEnd = page.indexOf(StartOpen);
    const QByteArray head = (headEnd < 0 ? page : page.left(headEnd)).toLower();
    const QByteArray charset("charset=");
    const qsizetype at = head.indexOf(charset);
    if (at < 0)
        return PageEncoding::ShiftJis;
    QByteArray value = head.mid(at + charset.size(), 8);
    while (value.startsWith('"') || value.startsWith('\'') || value.startsWith(' '))
        value.remove(0, 1);
    return value.startsWith("utf-8") || value.startsWith("utf8") ? PageEncoding::Utf8 : PageEncoding::ShiftJis;
}

QList<Block> read(const QByteArray &page)
{
    QList<Block> blocks;
    qsizetype position = 0;
    while ((position = page.indexOf(StartOpen, position)) >= 0) {
        const qsizetype keyStart = position + StartOpen.size();
        const qsizetype keyEnd = page.indexOf(MarkerClose, keyStart);
        if (keyEnd < 0)
            break;
        Block block{page.mid(keyStart, keyEnd - keyStart), keyEnd + 1, keyEnd + 1, false};
        const qsizetype end = page.indexOf(endMarker(block.key), block.begin);
        if (end < 0) {
            block.broken = true;
            position = block.begin;
        } else {
            block.end = end;
            widenRawKey(page, block);
            position = end + endMarker(block.key).size();
        }
        blocks.append(block);
    }
    return blocks;
}

QList<QByteArray> keysOf(const QString &imageName, PageEncoding encoding)
{
    QList<QByteArray> keys;
    for (const QString &key : {HtmlText::markerKey(imageName), imageName}) {
        const std::optional<QByteArray> bytes = encodeExactly(key, encoding);
        if (bytes && !keys.contains(*bytes))
            keys.append(*bytes);
    }
    return keys;
}

std::optional<Block> find(const QByteArray &page, const QString &imageName)
{
    const QList<Block> blocks = read(page);
    for (const QByteArray &key : keysOf(imageName, declaredEncoding(page))) {
        for (const Block &block : blocks) {
            if (block.key == key)
                return block;
        }
    }
    return std::nullopt;
}

QString withoutMarkers(QString comment)
{
    comment.replace(QLatin1String("<!S"), QLatin1String("&lt;!S"));
    comment.replace(QLatin1String("<!E"), QLatin1String("&lt;!E"));
    return comment;
}

QByteArray withoutMarkers(QByteArray comment)
{
    comment.replace(StartOpen, EscapedOpen + 'S');
    comment.replace(EndOpen, EscapedOpen + 'E');
    return comment;
}

} // namespace PageBlocks

PageComments PageComments::read(const QString &folder)
{
    PageComments comments;
    // A page that is a link is not read: what it points to is no page of
    // this folder.
    const FolderFiles files(folder);
    for (const QString &name : Listing::files(folder, {PageFormat::pagePattern()})) {
        if (const std::optional<QByteArray> page = files.read(name))
            comments.addPage(*page);
    }
    return comments;
}

void PageComments::addPage(const QByteArray &bytes)
{
    const PageEncoding encoding = PageBlocks::declaredEncoding(bytes);
    QHash<QString, QByteArray> page;
    for (const PageBlocks::Block &block : PageBlocks::read(bytes)) {
        const std::optional<QString> key = PageBlocks::decodeExactly(block.key, encoding);
        if (block.broken || !key || page.contains(*key))
            continue;
        const QByteArray raw = block.comment(bytes);
        const std::optional<QString> text = PageBlocks::decodeExactly(raw, encoding);
        page.insert(*key, PageBlocks::withoutMarkers(text ? text->toUtf8() : raw));
    }
    m_byKey.insert(page);
}

QByteArray PageComments::comment(const QString &imageName) const
{
    for (const QString &key : {HtmlText::markerKey(imageName), imageName}) {
        const auto found = m_byKey.constFind(key);
        if (found != m_byKey.constEnd())
            return *found;
    }
    return {};
}
