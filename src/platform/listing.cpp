// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/listing.h"

#include <QDir>

namespace Listing {

QStringList files(const QString &folder, const QStringList &nameFilters)
{
    QDir dir(folder);
    dir.setNameFilters(nameFilters);
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name);
    return dir.entryList();
}

QStringList folders(const QString &folder)
{
    QDir dir(folder);
    dir.setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

} // namespace Listing
