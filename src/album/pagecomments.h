// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/pageformat.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The comment blocks of album pages, read the one way that both the comment
// tool and the rebuild's comment carry use. Everything here works on the
// page's bytes alone: no files, no state.
namespace PageBlocks {

// One comment block: the key between "<!S" and ">", and where its comment
// lies. A broken block has a start marker and no matching end marker after
// it; its comment range is empty.
struct Block
{
    QByteArray key;
    qsizetype begin = 0; // first byte after the start marker
    qsizetype end = 0;   // first byte of the end marker
    bool broken = false;

    QByteArray comment(const QByteArray &page) const { return page.mid(begin, end - begin); }
};

// The blocks of a page in page order. Each start marker is closed by the
// first end marker of the same key after it, and the search for the next
// start marker goes on after that end marker, so a start marker inside
// another block's comment is comment text, not a block. A key ends at the
// first ">", unless both markers go on with the same text up to a further
// ">" on their line: an older page wrote a name holding ">" raw.
QList<Block> read(const QByteArray &page);

// The keys an image's markers may carry, in the page's encoding: the name as
// the page writer escapes it, then, for an older page that wrote names raw,
// the name itself when that differs. Empty when the encoding cannot hold
// the name.
QList<QByteArray> keysOf(const QString &imageName, PageEncoding encoding);

// The first block of the image in page order, by keysOf(); nothing when the
// page holds none.
std::optional<Block> find(const QByteArray &page, const QString &imageName);

// Comment text as the page may hold it: the "<" of every "<!S" and "<!E"
// written as "&lt;", which the browser shows as the same text, so that no
// comment can ever be read as a marker. Works alike on text and bytes.
QString withoutMarkers(const QString &comment);
QByteArray withoutMarkers(const QByteArray &comment);

} // namespace PageBlocks

// The comments that the album pages of a folder hold between their comment
// markers, so that a rebuild can put them back.
class PageComments
{
public:
    // Reads every Album*.html page of the folder, in name order; where pages
    // disagree about an image, the last page wins, as in the comment tool.
    static PageComments read(const QString &folder);

    // Takes the comments of one page's bytes.
    void addPage(const QByteArray &bytes);

    // The comment of the image as UTF-8, with no marker text in it; a comment
    // that does not decode in its page's encoding comes back byte for byte.
    // Empty when no page holds one.
    QByteArray comment(const QString &imageName) const;

private:
    // Comments by the key as its page wrote it, decoded.
    QHash<QString, QByteArray> m_byKey;
};
