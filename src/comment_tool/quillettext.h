// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

// Quillet's version record.
namespace QuilletVersion {
inline constexpr int Major = 0;
inline constexpr int Minor = 1;
QString text(); // "0.1"
} // namespace QuilletVersion

// Every text Quillet shows or sends, in one place.
namespace QuilletText {
QString programTitle();   // "Velmo": the title of every message box
QString windowBanner();   // the window's caption
QString versionCaption(); // "Velmo Ver0.1"
QString aboutText();
QString foundPage(const QString &pageName); // "<page>を検出しました。"
// A drop whose image no album page of its folder holds.
QString noBlock(const QString &imageName);
// The place of the shown image in its album: "12 / 240".
QString position(qsizetype index, qsizetype count);
QString firstImage(); // nothing before it
QString lastImage();  // nothing after it
QString noAlbum();    // a move with no album to move in
// A write-back that wrote marker text in the comment as "&lt;!".
QString markersEscaped();
// The switch that also writes the comment into the photo, and its tip.
QString intoPhotoCaption();
QString intoPhotoTip();
// A write-back whose comment could not go into the photo (read-only, full
// disk); the page was written.
QString photoNotWritten(const QString &imageName);
// A write-back waiting for an album build of the folder to end.
QString waitingForBuild();
// Asked before leaving a comment that was edited and not written.
QString unwrittenQuestion();
// The tool tips of the preview and the comment field, with the keys.
QString previewTip();
QString commentTip();

QUrl downloadPage();
QUrl mailLink(); // mailto: with the bug-report subject

// The message for a failure of a drop, and whether the tool then closes.
QString dropFailure(int code);
bool dropFailureCloses(int code);
// The message for a failure of the write-back; also shown when a drop finds
// a comment that it refuses to edit.
QString writeFailure(int code);
// The message when the main program does not start.
QString startFailure(int code);
} // namespace QuilletText
