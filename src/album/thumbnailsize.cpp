// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/thumbnailsize.h"

#include "album/guardedpicture.h"
#include "album/htmltext.h"
#include "platform/failure.h"

QSize pictureSize(const QString &path)
{
    return readPictureHeader(path).upright();
}

ThumbnailSize measureThumbnail(const QString &path, const QSize &box, FitState &state)
{
    const QSize pixels = pictureSize(path);
    if (pixels.isValid()) {
        state.naturalWidth = pixels.width() * TwipsPerPixel;
        state.naturalHeight = pixels.height() * TwipsPerPixel;
    }
    state.boxWidth = box.width();
    state.boxHeight = box.height();

    // The box is in page pixels while the natural size is in twips, so a
    // picture that fits the box in pixels is shown at its own pixel size.
    const int ownWidth = state.naturalWidth / TwipsPerPixel;
    const int ownHeight = state.naturalHeight / TwipsPerPixel;
    if (ownWidth <= state.boxWidth && ownHeight <= state.boxHeight) {
        if (ownWidth == 0 || ownHeight == 0)
            throw Failure(FailureCode::DivisionByZero, path);
        return {QString::number(ownHeight), QString::number(ownWidth)};
    }
    // Larger than the box in pixels means larger in twips too, so this fit
    // always scales: its sizes are fit ratio × natural size.
    const FitResult fitted = fitToBox(state);
    return {HtmlText::wholeNumber(fitted.height), HtmlText::wholeNumber(fitted.width)};
}
