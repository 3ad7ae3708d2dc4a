// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// How file names and values are put into generated pages. A name made only of
// letters, digits, inner blanks, "._-()" and Japanese passes through every
// function here unchanged.
namespace HtmlText {
// The run of blanks that starts every indented line of the album and slide
// pages; nothing reads it back.
inline constexpr char Indent[] = "        ";

// A file name as a relative URL: "%", "#", "?", the backslash, control
// characters and blanks at either end percent-encoded so the browser takes
// them as part of the name, and "./" in front of a name with a ":" so that
// no part of it reads as a scheme. No other character is touched.
QString urlPath(const QString &name);
// A file name as an href or src value: urlPath(), then the HTML specials as
// character references.
QString urlAttribute(const QString &name);
// A file name as page text.
QString text(const QString &name);
// A file name as a URL in a srcset list: urlPath() with blanks and commas
// percent-encoded too, as they separate the list's entries; then the HTML
// specials as character references.
QString srcsetUrl(const QString &name);
// A file name as the text of an attribute (an alt text).
QString attribute(const QString &name);
// What a reader sees of a piece of the user's markup (a title, a comment),
// as the text of an attribute or a title element: tags dropped, white space
// run together, and quotes and angle brackets as character references.
// References the markup holds stand as they are.
QString markupAsAttribute(const QString &markup);
// A file name as the key inside the comment markers "<!S…>" and "<!E…>"; the
// comment tool builds its markers with the same function.
QString markerKey(const QString &name);
// The name a marker key stands for: markerKey() undone, and a key that an
// older page wrote raw left as it is.
QString nameOfMarkerKey(const QString &key);
QString startMarker(const QString &name);
QString endMarker(const QString &name);

// Plain text (a photo's caption) as a comment block holds it: the HTML
// specials as character references, so that no text can become markup or a
// marker, and line breaks as the page's CR LF.
QByteArray comment(const QString &plain);

// A comment as the edit field holds it, as the plain text a browser shows:
// the character references "&lt;", "&gt;", "&quot;", "&amp;" and "&#N;"
// decoded. What comment() writes comes back as it was.
QString plainText(const QString &comment);

// "yyyy/MM/dd", the update date of a page.
QString updateDate(const QDate &date);
// "yyyy/MM/dd H:mm:ss", or the date alone at exactly midnight.
QString fileDate(const QDateTime &modified);
// A number as the "####" format writes it: rounded half away from zero,
// no leading zeros, empty text for zero.
QString wholeNumber(double value);
// At least three digits with leading zeros.
QString threeDigits(int number);
} // namespace HtmlText
