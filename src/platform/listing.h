// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Folder listings as the programs see them: ordinary (regular) files only,
// no hidden names, in name order. FIFOs, devices and sockets are never listed,
// so nothing downstream ever opens one.
namespace Listing {
QStringList files(const QString &folder, const QStringList &nameFilters = {});
// Subfolders, hidden ones left out, in name order.
QStringList folders(const QString &folder);
// Moves a file to the desktop's trash, making the trash folders where they
// are missing (trash.cpp). False, with the file left where it was, when the
// file is gone or no trash can take it.
bool moveToTrash(const QString &path);
} // namespace Listing
