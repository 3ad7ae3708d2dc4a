// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pagecomments.h"

#include "album/htmltext.h"
#include "album/pageformat.h"
#include "album/replacedall.h"
#include "platform/folderfiles.h"
#include "platform/listing.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

const QByteArray StartOpen(PageFormat::StartOpen);
const QByteArray EndOpen(PageFormat::EndOpen);
const QByteArray EscapedStart(PageFormat::EscapedStart);
const QByteArray EscapedEnd(PageFormat::EscapedEnd);
using PageFormat::MarkerClose;

qsizetype endMarkerSize(const QByteArray &key)
{
    return EndOpen.size() + key.size() + 1;
}

// Where a marker's opening ("<!S", "<!E") next stands at or after from; -1
// when nowhere. It looks for the "<" alone, as fast as memchr(): indexOf()
// with a needle this short hashes every byte, which on a page of 60 MB
// takes longer than reading it.
qsizetype indexOfOpen(QByteArrayView page, QByteArrayView open, qsizetype from = 0)
{
    for (qsizetype at = page.indexOf('<', from); at >= 0; at = page.indexOf('<', at + 1)) {
        if (page.sliced(at).startsWith(open))
            return at;
    }
    return -1;
}

// Hashes of byte strings as polynomials modulo the prime 2^61 - 1, in a base
// drawn at random once per run, so that no page can be made whose keys
// collide on purpose. The hash of a stretch of the page follows from the
// hashes of the page up to either end of it.
class PolynomialHash
{
public:
    quint64 appended(quint64 hash, char byte) const { return reduced(multiplied(hash, m_base) + quint8(byte) + 1); }

    quint64 of(QByteArrayView bytes) const
    {
        quint64 hash = 0;
        for (const char byte : bytes)
            hash = appended(hash, byte);
        return hash;
    }

    // The hash of the length bytes before a point, from the hashes of all
    // the bytes up to their start and up to the point.
    quint64 between(quint64 toStart, quint64 toEnd, qsizetype length) const
    {
        return reduced(toEnd + Prime - multiplied(toStart, power(length)));
    }

private:
    static constexpr quint64 Prime = (quint64(1) << 61) - 1;

    static quint64 reduced(quint64 value) { return value >= Prime ? value - Prime : value; }

    static quint64 multiplied(quint64 a, quint64 b)
    {
        const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
        return reduced(quint64(product & Prime) + quint64(product >> 61));
    }

    quint64 power(qsizetype exponent) const
    {
        quint64 result = 1;
        for (quint64 factor = m_base; exponent > 0; exponent >>= 1, factor = multiplied(factor, factor)) {
            if (exponent & 1)
                result = multiplied(result, factor);
        }
        return result;
    }

    static quint64 drawnBase()
    {
        static const quint64 base = QRandomGenerator::system()->generate64() % (Prime - 512) + 256;
        return base;
    }

    quint64 m_base = drawnBase();
};

// Every end marker of a page by its key, found in one pass, so that a start
// marker without an end costs a lookup instead of a search through the rest
// of the page: a page of many broken blocks reads in time linear in its size.
// Keys that share their bytes ("<!E<!Ea>" holds the keys "<!Ea" and "a")
// cost nothing more, as each hash follows from one running hash.
class EndMarkers
{
public:
    explicit EndMarkers(const QByteArray &page);
    // The first end marker of the key at or after from, as indexOf() finds
    // it; -1 when there is none. Keys read up to the first ">" hold none.
    qsizetype find(const QByteArray &key, qsizetype from) const;

private:
    using Slot = std::pair<qsizetype, quint64>; // the key's length and hash

    // Adds the keys of the end markers from the one at first up to the next
    // ">"; returns where that stands, -1 when nowhere.
    qsizetype addKeysUpToClose(qsizetype first);

    const QByteArray &m_page;
    PolynomialHash m_hash;
    QHash<Slot, QList<qsizetype>> m_markers; // in page order
};

EndMarkers::EndMarkers(const QByteArray &page)
    : m_page(page)
{
    for (qsizetype at = indexOfOpen(page, EndOpen); at >= 0;) {
        const qsizetype close = addKeysUpToClose(at);
        at = close < 0 ? -1 : indexOfOpen(page, EndOpen, close + 1);
    }
}

qsizetype EndMarkers::addKeysUpToClose(qsizetype first)
{
    // The keys of the marker at first and of every further one before the
    // next ">" all end there: each hash follows from the running hash of the
    // bytes since the first key's start, taken at each key's start.
    QList<std::pair<qsizetype, quint64>> open{{first, 0}};
    quint64 hash = 0;
    const QByteArrayView bytes(m_page);
    for (qsizetype i = first + EndOpen.size(); i < bytes.size(); ++i) {
        if (bytes[i] == MarkerClose) {
            for (const auto &[marker, toKey] : std::as_const(open)) {
                const qsizetype length = i - marker - EndOpen.size();
                m_markers[{length, m_hash.between(toKey, hash, length)}].append(marker);
            }
            return i;
        }
        hash = m_hash.appended(hash, bytes[i]);
        if (bytes.first(i + 1).endsWith(EndOpen))
            open.append({i + 1 - EndOpen.size(), hash});
    }
    return -1; // no ">" after them: none of these markers ends a block
}

qsizetype EndMarkers::find(const QByteArray &key, qsizetype from) const
{
    const auto markers = m_markers.constFind({key.size(), m_hash.of(key)});
    if (markers == m_markers.constEnd())
        return -1;
    // Equal hashes of unequal keys are only ever a chance: the bytes decide.
    for (auto at = std::lower_bound(markers->begin(), markers->end(), from); at != markers->end(); ++at) {
        if (QByteArrayView(m_page).sliced(*at + EndOpen.size(), key.size()) == key)
            return *at;
    }
    return -1;
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
        const std::optional<QByteArray> afterEnd = keyPartAt(page, block.end + endMarkerSize(block.key));
        if (!afterStart || afterStart != afterEnd || block.begin + afterStart->size() + 1 > block.end)
            return;
        block.key += MarkerClose + *afterStart;
        block.begin += afterStart->size() + 1;
    }
}

} // namespace

namespace PageBlocks {

QList<Block> read(const QByteArray &page)
{
    const EndMarkers endMarkers(page);
    QList<Block> blocks;
    qsizetype position = 0;
    while ((position = indexOfOpen(page, StartOpen, position)) >= 0) {
        const qsizetype keyStart = position + StartOpen.size();
        const qsizetype keyEnd = page.indexOf(MarkerClose, keyStart);
        if (keyEnd < 0)
            break;
        Block block{page.mid(keyStart, keyEnd - keyStart), keyEnd + 1, keyEnd + 1, false};
        const qsizetype end = endMarkers.find(block.key, block.begin);
        if (end < 0) {
            block.broken = true;
            position = block.begin;
        } else {
            block.end = end;
            widenRawKey(page, block);
            position = end + endMarkerSize(block.key);
        }
        blocks.append(block);
    }
    return blocks;
}

QList<QByteArray> keysOf(const QString &imageName, PageEncoding encoding)
{
    QList<QByteArray> keys;
    for (const QString &key : {HtmlText::markerKey(imageName), imageName}) {
        const std::optional<QByteArray> bytes = PageFormat::encodeExactly(key, encoding);
        if (bytes && !keys.contains(*bytes))
            keys.append(*bytes);
    }
    return keys;
}

std::optional<Block> find(const QByteArray &page, const QString &imageName)
{
    const QList<Block> blocks = read(page);
    for (const QByteArray &key : keysOf(imageName, PageFormat::declaredEncoding(page))) {
        for (const Block &block : blocks) {
            if (block.key == key)
                return block;
        }
    }
    return std::nullopt;
}

QString withoutMarkers(const QString &comment)
{
    const auto text = [](const QByteArray &bytes) { return QLatin1StringView(bytes); };
    return replacedAll(replacedAll(comment, text(StartOpen), text(EscapedStart)), text(EndOpen), text(EscapedEnd));
}

QByteArray withoutMarkers(const QByteArray &comment)
{
    return replacedAll(replacedAll(comment, QByteArrayView(StartOpen), QByteArrayView(EscapedStart)),
                       QByteArrayView(EndOpen), QByteArrayView(EscapedEnd));
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
    const PageEncoding encoding = PageFormat::declaredEncoding(bytes);
    QHash<QString, QByteArray> page;
    for (const PageBlocks::Block &block : PageBlocks::read(bytes)) {
        const std::optional<QString> key = PageFormat::decodeExactly(block.key, encoding);
        if (block.broken || !key || page.contains(*key))
            continue;
        const QByteArray raw = block.comment(bytes);
        const std::optional<QString> text = PageFormat::decodeExactly(raw, encoding);
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
