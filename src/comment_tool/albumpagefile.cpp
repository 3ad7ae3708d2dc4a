// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/albumpagefile.h"

#include "platform/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace AlbumPageFile {

bool isAlbumPageName(const QString &name)
{
    return name.startsWith(QLatin1String("Album")) && name.right(4).toUpper() == QLatin1String("HTML");
}

QByteArray read(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        throw Failure(FailureCode::PathFileAccess, path);
    return file.readAll();
}

void write(const QString &path, const QByteArray &bytes)
{
    // The new page takes the old one's place by a rename, which the folder
    // allows even for a page the user made read-only: that page stays.
    if (!QFileInfo(path).isWritable())
        throw Failure(FailureCode::PathFileAccess, path);
    QSaveFile file(path);
    // commit() does not see a failure of its own final flush (a full disk
    // would put a cut page in place), so the bytes are flushed first.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw Failure(FailureCode::PathFileAccess, path);
}

} // namespace AlbumPageFile
