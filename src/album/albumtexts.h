// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The status lines and messages of the album build, the preparation pass and
// the reduction command, exactly as the window shows them.
namespace AlbumText {
inline const QString PrepareStart = QStringLiteral("前処理開始．．．．");
inline const QString PrepareEnd = QStringLiteral("前処理終了");
inline const QString BuildingPages = QStringLiteral("アルバムＨＴＭＬ作成中．．．．");
// Another build, slide page or comment write-back has the folder.
inline const QString WaitingForFolder =
    QStringLiteral("このフォルダは他の処理が使用中です。終わるまで待ちます．．．．");
inline const QString DeleteOldPages = QStringLiteral("ディレクトリ内の Albumファイルを削除後処理します。");
inline const QString ReductionStart = QStringLiteral("画像縮少処理開始．．．");
inline const QString ReductionEnd = QStringLiteral("画像縮少処理終了");

inline const QString LibraryNotLoadable = QStringLiteral("RdoctJPEG.dllファイルが見つかりません");
inline const QString TargetNotFound = QStringLiteral("対象ファイルが見つかりません");

// "25 枚の画像で 5 種類のｻﾑﾈｲﾙHTMLを作成しました。"
QString pagesWritten(int imageCount, int pageCount);
// "1 個のﾍﾟｰｼﾞを書き込めませんでした: Album002.html"
QString pagesNotWritten(const QStringList &pages);
// A page set journal in the folder that no build wrote was not followed.
QString journalRefused(const QString &setAside);
// "1 個の画像を除きました (名前が UTF-8 ではありません): caf\xE9.jpg"
QString picturesLeftOut(const QStringList &names);

// velmo-album's --style option: its help and the refusal of another word.
QString styleOptionHelp();
QString styleRefused();

// The phases a progress count names.
inline const QString ThumbnailsPhase = QStringLiteral("thumbnails");
inline const QString PagesPhase = QStringLiteral("pages");
// "12 made, 988 up to date", and ", 3 not made" when some could not be made.
QString thumbnailCounts(int made, int upToDate, int notMade);
// The end of the final status in thumbnail mode:
// "thumbnails: 12 made, 988 up to date".
QString thumbnailOutcome(int made, int upToDate, int notMade);
} // namespace AlbumText
