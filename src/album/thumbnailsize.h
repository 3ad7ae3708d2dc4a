// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/fittobox.h"
#include "platform/twips.h"

#include <QSize>
#include <QString>

// The thumbnail height and width texts of one album image.
struct ThumbnailSize
{
    QString height;
    QString width;
};

// The picture's pixel size as a viewer shows it, read from the file's header
// only (nothing is decoded): the format is taken from the content, not the
// name, and a quarter-turn orientation swaps width and height. An invalid
// size when the file holds no readable picture.
QSize pictureSize(const QString &path);

// Sizes the thumbnail of the picture at path for the thumbnail box (pixels).
// The natural size goes into state in twips; a picture that cannot be read
// leaves the previous natural size in force. A picture larger than the box
// is fitted by fitToBox; one whose pixel size already fits the box keeps that
// size (it is never enlarged, and the fit ratio of another picture never
// applies to it). Throws Failure DivisionByZero for a natural size of 0.
ThumbnailSize measureThumbnail(const QString &path, const QSize &box, FitState &state);
