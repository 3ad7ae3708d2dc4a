// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include <optional>

// The encodings an album page comes in: UTF-8 (Velmo's own pages, which say
// so in their Content-Type line) or Shift_JIS (pages of older Windows builds).
enum class PageEncoding { Utf8, ShiftJis };

// The album page format: which files are album pages, their encoding, how a
// photo's comment block is marked in a page, and the hidden files that
// writers of pages leave while they work. Every reader and writer of pages
// takes these rules from here.
namespace PageFormat {

// UTF-8 when the page's first "charset=" declaration names UTF-8, else
// Shift_JIS. Bytes elsewhere in the page play no part.
PageEncoding declaredEncoding(const QByteArray &page);

// Text and bytes in a page's encoding. decode() puts replacement characters
// where bytes are no text; the exact forms give nothing then, or when a
// character has no place in the encoding.
QString decode(const QByteArray &bytes, PageEncoding encoding);
std::optional<QString> decodeExactly(const QByteArray &bytes, PageEncoding encoding);
std::optional<QByteArray> encodeExactly(const QString &text, PageEncoding encoding);
// An encoder for texts in pieces; its hasError() tells a character that the
// encoding cannot hold.
QStringEncoder encoderFor(PageEncoding encoding);

// A photo's comment block: StartOpen + key + MarkerClose, the comment, then
// EndOpen + key + MarkerClose. A comment holds marker text only escaped.
inline constexpr char StartOpen[] = "<!S";
inline constexpr char EndOpen[] = "<!E";
inline constexpr char MarkerClose = '>';
inline constexpr char EscapedStart[] = "&lt;!S";
inline constexpr char EscapedEnd[] = "&lt;!E";

// The page the album pages' home link leads to: "index.html", the user's own.
QString homePageName();

// The name of the page-th page the build writes: "Album001.html".
QString pageFileName(int page);

// What the build writes and what it replaces: "Album" then anything, ending
// ".html", in any case ("Album001.html", "ALBUM7.HTML").
QString pagePattern();
bool isBuildPageName(const QString &name);
// What the comment tool takes for an album page: a name that begins with
// exactly "Album" and whose last four characters, upper-cased, are "HTML"
// (Album001.html, Album001.HTML, Album001.shtml).
bool isCommentToolPageName(const QString &name);

// Hidden temporaries of pages, Slide.html and the comment tool's write-back:
// TemporaryPrefix and six letters or digits.
extern const QString TemporaryPrefix;
bool isPageTemporary(const QString &name);
// Any temporary that a writer of pages or thumbnails, of this version or an
// earlier one, leaves when it is stopped.
bool isBuildTemporary(const QString &name);

// The journal of a page set being put in place, and where a journal that
// is not followed is set aside.
extern const QString JournalName;
extern const QString RefusedJournalName;

} // namespace PageFormat
