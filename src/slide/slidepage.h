// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/designvalues.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// The slide page: one page of red link cells, one per image, that swap a
// large picture by script. UTF-8 text with CR LF after every line.
namespace SlidePage {
QString fileName(); // "Slide.html"

// The whole page for the images of a folder in album order. Only the title
// and the footer of the design are used; the page's colours are its own.
QByteArray page(const DesignValues &design, const QStringList &names, const QDate &updated);

// Any text inside a single-quoted script string: "\\", "'", "<", ">", "&",
// control characters, U+2028 and U+2029 as script escapes, so that no text
// can end the string or the script element early.
QString scriptString(const QString &text);
// A file name as a URL inside a single-quoted script string: percent-encoded
// as in the album pages' src values, then scriptString().
QString scriptUrl(const QString &name);
} // namespace SlidePage
