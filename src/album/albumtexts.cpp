// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumtexts.h"

#include <QStringList>

namespace AlbumText {

QString pagesWritten(int imageCount, int pageCount)
{
    return QStringLiteral("%1 枚の画像で %2 種類のｻﾑﾈｲﾙHTMLを作成しました。").arg(imageCount).arg(pageCount);
}

QString pagesNotWritten(const QStringList &pages)
{
    return QStringLiteral("%1 個のﾍﾟｰｼﾞを書き込めませんでした: %2")
        .arg(pages.size())
        .arg(pages.join(QStringLiteral(", ")));
}

} // namespace AlbumText
