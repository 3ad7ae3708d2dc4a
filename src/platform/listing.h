// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Folder listings as the programs see them: no hidden names, in name order
// without regard to letter case (names equal but for case: upper case
// first). An entry counts by what it finally is, symlinks followed, and is
// only looked at, never opened: a FIFO, device or socket is never listed, so
// nothing downstream ever opens one and blocks.
namespace Listing {
struct FileListing
{
    QStringList names;
    // Matching names that are not valid UTF-8, shown with their other bytes
    // as "\xNN": no path built from a QString could open them.
    QStringList unreadableNames;
};

// The regular files of the folder whose names match one of nameFilters
// ("*" and "?", letter case ignored; no filter: every name).
FileListing scanFiles(const QString &folder, const QStringList &nameFilters = {});
QStringList files(const QString &folder, const QStringList &nameFilters = {});
// Subfolders.
QStringList folders(const QString &folder);
// Moves a file to the desktop's trash, making the trash folders where they
// are missing (trash.cpp). False, with the file left where it was, when the
// file is gone or no trash can take it.
bool moveToTrash(const QString &path);
} // namespace Listing
