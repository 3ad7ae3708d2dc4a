// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The encodings an album page comes in: UTF-8 (Velmo's own pages) or
// Shift_JIS (pages written by older Windows builds).
enum class PageEncoding { Utf8, ShiftJis };

// UTF-8 when the bytes are valid UTF-8, else Shift_JIS.
PageEncoding detectPageEncoding(const QByteArray &page);

// An album page held as bytes, with the comment block of one image located
// in it: the bytes between the first start marker "<!S" + name + ">" and the
// first end marker "<!E" + name + ">". Everything outside the block is kept
// byte for byte.
class CommentBlock
{
public:
    enum class State {
        Absent,  // the page holds no start marker for the name
        Broken,  // a start marker, but no end marker after it
        Present, // both markers, in order
    };

    CommentBlock(QByteArray page, const QString &imageName);

    State state() const { return m_state; }
    PageEncoding encoding() const { return m_encoding; }

    // The comment as the edit field holds it: decoded, line breaks as "\n".
    // Empty unless the block is present.
    QString comment() const;

    // The page with the comment replaced, encoded in the page's encoding and
    // with the page's CR LF line breaks. Only for a present block.
    QByteArray withComment(const QString &comment) const;
    // The page as it was read.
    const QByteArray &page() const { return m_page; }

private:
    QByteArray m_page;
    PageEncoding m_encoding;
    State m_state = State::Absent;
    qsizetype m_begin = 0; // first byte of the comment
    qsizetype m_end = 0;   // first byte of the end marker
};
