// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/previewpicture.h"

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
    const float width = float(natural.width());
    const float height = float(natural.height());
    float ratio = 1;
    if (height >= BoxHeight) {
        ratio = BoxHeight / height;
        if (width * ratio >= BoxWidth)
            ratio = BoxWidth / width;
    } else if (width >= BoxWidth) {
        ratio = BoxWidth / width;
    }
    return QSizeF(ratio * width, ratio * height);
}

} // namespace PreviewFit
