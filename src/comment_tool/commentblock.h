// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/pagecomments.h"

#include <QByteArray>
#include <QString>

#include <optional>

// An album page held as bytes, with the comment block of one image located
// in it by the album's one block reader (PageBlocks). The page's encoding is
// the one it declares. Everything outside the block is kept byte for byte.
class CommentBlock
{
public:
    enum class State {
        Absent,  // the page holds no block for the name
        Broken,  // a start marker, but no end marker after it
        Present, // both markers, in order
    };
    // Whether a present block's comment may be edited.
    enum class Editing {
        Editable,
        TooLarge,    // over EditLimit bytes
        NotPageText, // bytes that are no text of the page's encoding
    };

    // The largest comment that is edited, in the page's bytes, whether read
    // from the page or about to be written into it.
    static constexpr qsizetype EditLimit = 1024 * 1024;

    CommentBlock(QByteArray page, const QString &imageName);

    State state() const { return m_state; }
    PageEncoding encoding() const { return m_encoding; }
    // Only for a present block. A comment is text of the page's encoding
    // when its bytes decode, and the text encodes back to the same bytes:
    // any other comment (UTF-8 in a page that declares Shift_JIS) would be
    // rewritten as something else, so it is carried as it stands and never
    // edited.
    Editing editing() const;

    // The comment as the edit field holds it: decoded, line breaks as "\n".
    // Empty unless the block is present.
    QString comment() const;
    // The block's bytes as they stand in the page.
    QByteArray bytes() const { return m_page.mid(m_begin, m_end - m_begin); }

    // The comment as it will stand in the page: no marker text, which would
    // split the page into other blocks (PageBlocks::withoutMarkers).
    static QString writable(const QString &comment) { return PageBlocks::withoutMarkers(comment); }
    // The page with the block holding writable(comment), encoded in the
    // page's encoding and with the page's CR LF line breaks; nothing when
    // that comment would be over EditLimit bytes. Only for a present block.
    std::optional<QByteArray> withComment(const QString &comment) const;
    // The page as it was read.
    const QByteArray &page() const { return m_page; }

private:
    QByteArray m_page;
    PageEncoding m_encoding;
    State m_state = State::Absent;
    qsizetype m_begin = 0; // first byte of the comment
    qsizetype m_end = 0;   // first byte of the end marker
};
