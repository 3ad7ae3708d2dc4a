// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumtexts.h"

#include <QCoreApplication>
#include <QStringList>

namespace AlbumText {

namespace {

QString translated(const char *japanese)
{
    return QCoreApplication::translate("AlbumText", japanese);
}

} // namespace

QString prepareStart()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "前処理開始．．．．"));
}

QString prepareEnd()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "前処理終了"));
}

QString buildingPages()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "アルバムＨＴＭＬ作成中．．．．"));
}

QString waitingForFolder()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "このフォルダは他の処理が使用中です。終わるまで待ちます．．．．"));
}

QString deleteOldPages()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "ディレクトリ内の Albumファイルを削除後処理します。"));
}

QString reductionStart()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "画像縮少処理開始．．．"));
}

QString reductionEnd()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "画像縮少処理終了"));
}

QString libraryNotLoadable()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "RdoctJPEG.dllファイルが見つかりません"));
}

QString targetNotFound()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "対象ファイルが見つかりません"));
}

QString interrupted()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "中断しました。"));
}

QString pagesWritten(int imageCount, int pageCount)
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "%1 枚の画像で %2 種類のｻﾑﾈｲﾙHTMLを作成しました。"))
        .arg(imageCount)
        .arg(pageCount);
}

QString photosWithLocation(int count)
{
    return QCoreApplication::translate("AlbumText",
                                       "%1 枚の写真に撮影場所が入っています。アルバムからその写真へリンクしています。")
        .arg(count);
}

QString pagesNotWritten(const QStringList &pages)
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "%1 個のﾍﾟｰｼﾞを書き込めませんでした: %2"))
        .arg(pages.size())
        .arg(pages.join(QStringLiteral(", ")));
}

QString journalRefused(const QString &setAside)
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "ページ書き換えの記録が正しくないため従わず、%1 に移しました。"
                                                     "ほかのファイルは変えていません。"))
        .arg(setAside);
}

QString picturesLeftOut(const QStringList &names)
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "%1 個の画像を除きました (名前が UTF-8 ではありません): %2"))
        .arg(names.size())
        .arg(names.join(QStringLiteral(", ")));
}

QString thumbnailsPhase()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "縮小画像"));
}

QString pagesPhase()
{
    return translated(QT_TRANSLATE_NOOP("AlbumText", "ページ"));
}

QString thumbnailCounts(int made, int upToDate, int notMade)
{
    const QString counts = translated(QT_TRANSLATE_NOOP("AlbumText", "%1 枚作成、%2 枚は最新")).arg(made).arg(upToDate);
    return notMade > 0 ? counts + translated(QT_TRANSLATE_NOOP("AlbumText", "、%1 枚は作成できず")).arg(notMade)
                       : counts;
}

QString thumbnailOutcome(int made, int upToDate, int notMade)
{
    return thumbnailsPhase() + QStringLiteral(": ") + thumbnailCounts(made, upToDate, notMade);
}

} // namespace AlbumText
