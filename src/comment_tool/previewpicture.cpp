// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/previewpicture.h"

#include "platform/failure.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QByteArray AlbumImageFormat = QByteArrayLiteral("jpeg");
}

PreviewPicture::PreviewPicture(const QString &path)
{
    const QFileInfo file(path);
    if (!file.dir().exists())
        throw Failure(FailureCode::PathNotFound, path);
    if (!file.isFile())
        throw Failure(FailureCode::FileNotFound, path);
    // The content decides the format, so a PNG named .jpg is no album image.
    m_reader.setFileName(path);
    m_reader.setDecideFormatFromContent(true);
    m_reader.setAutoTransform(true);
    if (!m_reader.canRead()) {
        const bool unreadable = m_reader.error() == QImageReader::DeviceError;
        throw Failure(unreadable ? FailureCode::PathFileAccess : FailureCode::InvalidPicture, path);
    }
    if (m_reader.format() != AlbumImageFormat)
        throw Failure(FailureCode::InvalidPicture, path);
    const QSize stored = m_reader.size();
    if (stored.isEmpty())
        throw Failure(FailureCode::BadPictureData, path);
    m_turned = m_reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    m_natural = m_turned ? stored.transposed() : stored;
}

QImage PreviewPicture::decode(const QSize &shown)
{
    const QSize upright = shown.expandedTo(QSize(1, 1));
    m_reader.setScaledSize(m_turned ? upright.transposed() : upright);
    const QImage image = m_reader.read();
    if (image.isNull())
        throw Failure(FailureCode::BadPictureData, m_reader.fileName());
    return image;
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
