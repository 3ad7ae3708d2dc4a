// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/albumpagefile.h"

#include "album/pageformat.h"
#include "platform/failure.h"
#include "platform/folderfiles.h"

#include <QFileInfo>

namespace AlbumPageFile {

bool isRegularFile(const QString &path)
{
    const QFileInfo page(path);
    return !path.isEmpty() && FolderFiles(page.absolutePath()).isRegularFile(page.fileName());
}

QByteArray read(const QString &path)
{
    const QFileInfo page(path);
    const std::optional<QByteArray> bytes =
        path.isEmpty() ? std::nullopt : FolderFiles(page.absolutePath()).read(page.fileName());
    if (!bytes)
        throw Failure(FailureCode::PathFileAccess, path);
    return *bytes;
}

std::optional<QByteArray> readShown(const QString &path)
{
    const QFileInfo shown(QFileInfo(path).canonicalFilePath());
    if (shown.filePath().isEmpty())
        return std::nullopt;
    return FolderFiles(shown.absolutePath()).read(shown.fileName());
}

void write(const QString &path, const QByteArray &bytes, std::function<bool()> stopHere)
{
    const QFileInfo page(path);
    const QString name = page.fileName();
    FolderFiles files(page.absolutePath(), std::move(stopHere));
    // The new page takes the old one's place by a rename, which the folder
    // allows even for a page the user made read-only: that page stays.
    if (path.isEmpty() || !files.isRegularFile(name) || !page.isWritable())
        throw Failure(FailureCode::PathFileAccess, path);
    if (!files.replace(name, bytes, PageFormat::TemporaryPrefix))
        throw Failure(FailureCode::PathFileAccess, path);
}

} // namespace AlbumPageFile
