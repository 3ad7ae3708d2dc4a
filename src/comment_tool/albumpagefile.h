// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The album pages of a folder as the comment tool reads and rewrites them.
namespace AlbumPageFile {
// A name that begins with exactly "Album" and whose last four characters,
// upper-cased, are "HTML": Album001.html, Album001.HTML, Album001.shtml.
bool isAlbumPageName(const QString &name);

// The whole page as bytes. A page that cannot be opened (an empty path
// included) fails with 75.
QByteArray read(const QString &path);

// Replaces the page whole. The bytes go to a temporary file that takes the
// page's place only when complete, so a failure (75) leaves the page as it was.
// A page that is not writable (read-only) fails with 75 and stays.
void write(const QString &path, const QByteArray &bytes);
} // namespace AlbumPageFile
