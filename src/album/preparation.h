// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class BuildView;

// The JPEG images of one folder in album order.
struct ImageList
{
    QString folder;
    QStringList names;

    int count() const { return int(names.size()); }
};

// The last three characters of the name, upper-cased, are "JPG" or "PEG".
bool isJpegName(const QString &name);
// A JPEG name that begins with exactly "s_": a reduced copy, never an image.
bool isThumbnailName(const QString &name);
// The name of an image's reduced copy: "s_" + name.
QString thumbnailName(const QString &imageName);

// The preparation pass: lists the folder's regular files once, keeps the JPEG
// images that are not thumbnails, deletes the thumbnails when
// deleteThumbnails is set (CheckWarningJPG), and sorts the images by name
// without regard to letter case (names equal but for case keep their listing
// order). Leaves the progress bar shown and the busy pointer on.
ImageList PrepareFolder(const QString &folder, bool deleteThumbnails, BuildView &view);
