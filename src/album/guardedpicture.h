// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>

// What a picture file's header says, read without decoding anything: the
// format is taken from the content, not the name. An empty format when the
// file holds no readable picture.
struct PictureHeader
{
    QByteArray format;
    QSize stored; // as the pixels are stored
    QImageIOHandler::Transformations orientation;
    bool unreadable = false; // the file could not be read at all

    // The size as a viewer shows it: a quarter turn swaps the sides.
    QSize upright() const;
};

PictureHeader readPictureHeader(const QString &path);

// A JPEG picture opened for showing in a window, with bounds on what a file
// may cost: the header is read first, a picture of more pixels than the
// reduction library takes is refused, and the decoder may take no more
// memory than a window can spare, so a small file declaring a huge picture
// is refused at once instead of filling the memory.
//
// Opening fails with 53 when the file is missing, 75 when it cannot be read,
// 481 when it is no JPEG picture, and 50003 when its header is damaged or the
// picture is too large.
class GuardedPicture
{
public:
    explicit GuardedPicture(const QString &path);

    // The picture's pixel size as shown, upright.
    QSize naturalSize() const { return m_header.upright(); }

    // The picture decoded by libjpeg at the smallest scale that is not
    // smaller than shown (upright, at least 1 pixel each side), then scaled
    // to exactly that size and turned upright. Fails with 50003 when the
    // decoder would need too much memory or reports damaged picture data
    // (a cut file, a garbled scan, too many scans).
    QImage decode(const QSize &shown) const;

private:
    QString m_path;
    PictureHeader m_header;
};
