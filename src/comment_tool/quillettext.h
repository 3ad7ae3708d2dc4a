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

QUrl downloadPage();
QUrl mailLink(); // mailto: with the bug-report subject

// The message for a failure of a drop, and whether the tool then closes.
QString dropFailure(int code);
bool dropFailureCloses(int code);
// The message for a failure of the write-back.
QString writeFailure(int code);
// The message when the main program does not start.
QString startFailure(int code);
} // namespace QuilletText
