// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/commentblock.h"

#include <optional>

namespace {

// The comment in the page's encoding. A character that Shift_JIS cannot hold
// is written as a numeric character reference, so the browser still shows it
// rather than a question mark.
QByteArray encodeComment(const QString &text, PageEncoding encoding)
{
    if (const std::optional<QByteArray> whole = PageBlocks::encodeExactly(text, encoding))
        return *whole;
    QByteArray bytes;
    for (const char32_t code : text.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        const std::optional<QByteArray> encoded = PageBlocks::encodeExactly(character, encoding);
        bytes += encoded ? *encoded : QByteArray("&#") + QByteArray::number(quint32(code)) + ';';
    }
    return bytes;
}

} // namespace

CommentBlock::CommentBlock(QByteArray page, const QString &imageName)
    : m_page(std::move(page))
    , m_encoding(PageBlocks::declaredEncoding(m_page))
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
    QString text = PageBlocks::decode(bytes(), m_encoding);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QByteArray CommentBlock::withComment(const QString &comment) const
{
    Q_ASSERT(m_state == State::Present);
    QString text = writable(comment);
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return m_page.left(m_begin) + encodeComment(text, m_encoding) + m_page.mid(m_end);
}
