// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/commentblock.h"

#include "album/replacedall.h"

#include <optional>

namespace {

const QLatin1StringView PageLineBreak("\r\n");
const QLatin1StringView FieldLineBreak("\n");

bool isOneCharacter(QStringView text)
{
    return text.size() == 1 || (text.size() == 2 && text.front().isHighSurrogate());
}

// The middle of a text of two characters or more, never inside a surrogate
// pair: both halves hold at least one character.
qsizetype middleOf(QStringView text)
{
    const qsizetype half = text.size() / 2;
    return text.at(half).isLowSurrogate() && text.at(half - 1).isHighSurrogate() ? half + 1 : half;
}

// Appends the text in the page's encoding. A character that the encoding
// cannot hold (Shift_JIS has no emoji) becomes a numeric character reference,
// so the browser still shows it rather than a question mark. A piece that
// fails is halved until the failing characters stand alone, so that a few of
// them in a long comment cost a few encodings of pieces, not one encoding per
// character. False, and stopped, once the bytes cannot stay within limit:
// each UTF-16 unit of the text takes at least one byte.
bool appendEncoded(QByteArray &bytes, QStringView text, PageEncoding encoding, qsizetype limit)
{
    if (bytes.size() + text.size() > limit)
        return false;
    // An encoder that has failed once reports it for good: each piece takes
    // a new one.
    QStringEncoder encoder = PageFormat::encoderFor(encoding);
    const QByteArray encoded = encoder.encode(text);
    if (encoder.hasError() && !isOneCharacter(text)) {
        const qsizetype middle = middleOf(text);
        return appendEncoded(bytes, text.first(middle), encoding, limit) &&
               appendEncoded(bytes, text.sliced(middle), encoding, limit);
    }
    bytes += encoder.hasError() ? "&#" + QByteArray::number(text.toUcs4().value(0)) + ';' : encoded;
    return bytes.size() <= limit;
}

} // namespace

CommentBlock::CommentBlock(QByteArray page, const QString &imageName)
    : m_page(std::move(page))
    , m_encoding(PageFormat::declaredEncoding(m_page))
{
    const std::optional<PageBlocks::Block> block = PageBlocks::find(m_page, imageName);
    if (!block)
        return;
    m_begin = block->begin;
    m_end = block->end;
    m_state = block->broken ? State::Broken : State::Present;
}

QString CommentBlock::comment() const
{
    if (m_state != State::Present)
        return {};
    return replacedAll(PageFormat::decode(bytes(), m_encoding), PageLineBreak, FieldLineBreak);
}

CommentBlock::Editing CommentBlock::editing() const
{
    Q_ASSERT(m_state == State::Present);
    if (m_end - m_begin > EditLimit)
        return Editing::TooLarge;
    const QByteArray comment = bytes();
    const std::optional<QString> text = PageFormat::decodeExactly(comment, m_encoding);
    return text && PageFormat::encodeExactly(*text, m_encoding) == comment ? Editing::Editable : Editing::NotPageText;
}

std::optional<QByteArray> CommentBlock::withComment(const QString &comment) const
{
    Q_ASSERT(m_state == State::Present);
    QByteArray encoded;
    if (!appendEncoded(encoded, replacedAll(writable(comment), FieldLineBreak, PageLineBreak), m_encoding, EditLimit))
        return std::nullopt;
    return m_page.left(m_begin) + encoded + m_page.mid(m_end);
}
