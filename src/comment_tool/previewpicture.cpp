// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/previewpicture.h"

#include "album/fittobox.h"
#include "platform/failure.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A drop from an album whose folder is gone fails before the file is looked at.
const QString &inExistingFolder(const QString &path)
{
    if (!QFileInfo(path).dir().exists())
        throw Failure(FailureCode::PathNotFound, path);
    return path;
}

} // namespace

PreviewPicture::PreviewPicture(const QString &path)
    : m_picture(inExistingFolder(path))
{}

QImage PreviewPicture::decode(const QSize &shown)
{
    return m_picture.decode(shown);
}

namespace PreviewFit {

QSizeF shownSize(const QSizeF &natural)
{
    FitState fit;
    fit.naturalWidth = qRound(natural.width());
    fit.naturalHeight = qRound(natural.height());
    fit.boxWidth = BoxWidth;
    fit.boxHeight = BoxHeight;
    const FitResult fitted = fitToBox(fit);
    return {fitted.width, fitted.height};
}

} // namespace PreviewFit
