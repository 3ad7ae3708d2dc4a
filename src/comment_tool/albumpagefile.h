// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The album pages of a folder as the comment tool reads and rewrites them.
// Only a regular file of the folder itself is a page to edit: a link is
// never read for editing nor written through, wherever it points.
namespace AlbumPageFile {
// The page is a regular file itself, not a link or any other entry.
bool isRegularFile(const QString &path);

// The whole page as bytes. A page that cannot be read as a regular file of
// its folder (an empty path, a link, a page larger than FolderFiles reads)
// fails with 75.
QByteArray read(const QString &path);

// The page as a browser shows it, for finding its blocks: a link is read
// where it points, within the same size as read(). Nothing when it cannot be
// read.
std::optional<QByteArray> readShown(const QString &path);

// Replaces the page whole. The bytes go to a hidden temporary of the folder,
// named as the album build names its own, and take the page's place by a
// rename only once they stand on disk, with the page's permissions: any
// failure (75) leaves the page as it was. A kill leaves at most the
// temporary, which the next album build or write-back removes. A page that
// is not writable (read-only) or not a regular file fails with 75 and stays,
// and so does what a link points to. stopHere is FolderFiles' own (tests).
void write(const QString &path, const QByteArray &bytes, std::function<bool()> stopHere = {});
} // namespace AlbumPageFile
