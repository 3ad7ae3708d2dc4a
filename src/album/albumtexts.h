// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The status lines and messages of the album build, the preparation pass and
// the reduction command, in the installed language (Japanese as the window
// shows them, or the catalogue's English).
namespace AlbumText {
QString prepareStart();  // "前処理開始．．．．"
QString prepareEnd();    // "前処理終了"
QString buildingPages(); // "アルバムＨＴＭＬ作成中．．．．"
// Another build, slide page or comment write-back has the folder.
QString waitingForFolder();
QString deleteOldPages(); // the question before old pages are deleted
QString reductionStart();
QString reductionEnd();
QString libraryNotLoadable();
QString targetNotFound();
// A command stopped on the user's request (an interrupt, the window closed).
QString interrupted();

// "25 枚の画像で 5 種類のｻﾑﾈｲﾙHTMLを作成しました。"
QString pagesWritten(int imageCount, int pageCount);
// "1 個のﾍﾟｰｼﾞを書き込めませんでした: Album002.html"
QString pagesNotWritten(const QStringList &pages);
// A page set journal in the folder that no build wrote was not followed.
QString journalRefused(const QString &setAside);
// "3 枚の写真に撮影場所が入っています。アルバムからその写真へリンクしています。"
QString photosWithLocation(int count);
// "1 個の画像を除きました (名前が UTF-8 ではありません): caf\xE9.jpg"
QString picturesLeftOut(const QStringList &names);

// The phases a progress count names.
QString thumbnailsPhase();
QString pagesPhase();
// "12 made, 988 up to date", and ", 3 not made" when some could not be made.
QString thumbnailCounts(int made, int upToDate, int notMade);
// The end of the final status in thumbnail mode:
// "thumbnails: 12 made, 988 up to date".
QString thumbnailOutcome(int made, int upToDate, int notMade);
} // namespace AlbumText
