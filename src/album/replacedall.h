// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The text with every occurrence of before replaced by after, left to right,
// in one pass. QString::replace() and QByteArray::replace() move the rest of
// the text once for every batch of matches they collect, which on a comment
// of a megabyte with a line break on every line grows with the square of its
// size. Works on QString with QLatin1StringView patterns and on QByteArray
// with QByteArrayView patterns alike.
template <typename Text, typename Pattern>
Text replacedAll(const Text &text, const Pattern &before, const Pattern &after)
{
    Q_ASSERT(!before.isEmpty());
    qsizetype at = text.indexOf(before);
    if (at < 0)
        return text;
    Text replaced;
    replaced.reserve(text.size());
    qsizetype from = 0;
    for (; at >= 0; at = text.indexOf(before, from)) {
        replaced.append(text.sliced(from, at - from));
        replaced.append(after);
        from = at + before.size();
    }
    replaced.append(text.sliced(from));
    return replaced;
}
