// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumtexts.h"

#include <QCoreApplication>
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

QString journalRefused(const QString &setAside)
{
    return QStringLiteral(
               "ページ書き換えの記録が正しくないため従わず、%1 に移しました。ほかのファイルは変えていません。")
        .arg(setAside);
}

QString picturesLeftOut(const QStringList &names)
{
    return QStringLiteral("%1 個の画像を除きました (名前が UTF-8 ではありません): %2")
        .arg(names.size())
        .arg(names.join(QStringLiteral(", ")));
}

QString styleOptionHelp()
{
    return QCoreApplication::translate(
        "AlbumText", "保存されているページ形式の代わりに STYLE (classic か modern) でページを書きます。");
}

QString styleRefused()
{
    return QCoreApplication::translate("AlbumText", "--style には classic か modern を指定して下さい。");
}

QString thumbnailCounts(int made, int upToDate, int notMade)
{
    const QString counts = QStringLiteral("%1 made, %2 up to date").arg(made).arg(upToDate);
    return notMade > 0 ? counts + QStringLiteral(", %1 not made").arg(notMade) : counts;
}

QString thumbnailOutcome(int made, int upToDate, int notMade)
{
    return ThumbnailsPhase + QStringLiteral(": ") + thumbnailCounts(made, upToDate, notMade);
}

} // namespace AlbumText
