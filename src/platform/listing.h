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
// Moves a file to the desktop's trash; deletes it where there is no trash.
bool moveToTrash(const QString &path);
} // namespace Listing
