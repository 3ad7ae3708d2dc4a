// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/guardedpicture.h"

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>

// A dropped picture for the preview. Album images are JPEG files; opening
// fails with 76 when the folder is missing, 53 when the file is, 75 when it
// cannot be read, 481 when it is no JPEG picture, and 50003 when it is too
// large to show.
class PreviewPicture
{
public:
    explicit PreviewPicture(const QString &path);

    // The picture's size in pixels as shown, upright.
    QSize naturalSize() const { return m_picture.naturalSize(); }

    // The picture decoded at the given upright size, and no larger; picture
    // data that cannot be decoded fails with 50003.
    QImage decode(const QSize &shown);

private:
    GuardedPicture m_picture;
};

// The preview's fit (JPEGSizeSet): the album's fit-to-box rule with the
// preview's box. Sizes in twips.
namespace PreviewFit {
inline constexpr int BoxWidth = 1836;
inline constexpr int BoxHeight = 1356;
QSizeF shownSize(const QSizeF &natural);
} // namespace PreviewFit
