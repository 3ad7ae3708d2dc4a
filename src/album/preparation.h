// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class BuildView;
class FolderLock;

// The JPEG images of one folder in album order.
struct ImageList
{
    QString folder;
    QStringList names;

    int count() const { return int(names.size()); }
};

// The last three characters of the name, upper-cased, are "JPG" or "PEG".
bool isJpegName(const QString &name);
// A JPEG name that begins with exactly "s_": the form of a reduced copy. In a
// folder it is one when its photo (the name without "s_") lies beside it or
// when it carries the reduction library's record (a thumbnail whose photo was
// deleted); otherwise it is a photo of its own.
bool isThumbnailName(const QString &name);
// The name of an image's reduced copy: "s_" + name.
QString thumbnailName(const QString &imageName);

// Takes the folder's lock for a command, saying on the view when it has to
// wait for another writer; a stop asked for while waiting ends the wait and
// throws CommandStopped.
void lockFolder(FolderLock &lock, BuildView &view);

// The folder's JPEG images in album order, as the preparation pass finds
// them and with the same warnings, but with nothing changed.
QStringList folderImages(const QString &folder, BuildView &view);
// The preparation pass: lists the folder's regular files once, keeps the JPEG
// images that are not thumbnails, deletes the thumbnails when
// deleteThumbnails is set, and sorts the images by name
// without regard to letter case (names equal but for case keep their listing
// order). JPEG names that are not valid UTF-8 are left out with a warning
// that names them. Leaves the progress bar shown and the busy pointer on.
ImageList prepareFolder(const QString &folder, bool deleteThumbnails, BuildView &view);
