// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/failuretext.h"
#include "lang/programinfo.h"

#include <QCoreApplication>
#include <QString>

// The main window's message texts and file list patterns. The texts are the
// Japanese sources of the catalogue, shown in the installed language.
namespace Messages {
inline QString translated(const char *japanese)
{
    return QCoreApplication::translate("Form1", japanese);
}
inline QString folderGone()
{
    return translated(QT_TRANSLATE_NOOP("Form1", "前回終了時のデレクトリが存在しません。"));
}
inline QString driveNotReady()
{
    return translated(QT_TRANSLATE_NOOP("Form1", "ﾄﾞﾗｲﾌﾞの準備ができていません。ﾄﾞﾗｲﾌﾞにﾃﾞｨｽｸを挿入してください。"));
}
inline QString applicationError()
{
    return translated(QT_TRANSLATE_NOOP("Form1", "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰです。"));
}
inline QString notAPicture()
{
    return translated(QT_TRANSLATE_NOOP("Form1", "画像ファイルでは、ありません。"));
}
inline QString badPictureData()
{
    return translated(QT_TRANSLATE_NOOP("Form1", "ファイルサイズが不正です。"));
}
inline QString pictureMissing()
{
    return translated(QT_TRANSLATE_NOOP("Form1", "ファイルが見つかりません。"));
}
inline QString badPictureFormat()
{
    return translated(QT_TRANSLATE_NOOP("Form1", "ファイル形式が不正です。"));
}
// The status line of a file that has gone: its source, for the window to
// show it again in another language.
inline constexpr const char *FileNotFoundStatus = QT_TRANSLATE_NOOP("Form1", "File Not Find");

// "Please report the error number": the fixed text ends in an ideographic space.
inline QString reportNumber(int code)
{
    return FailureText::reportErrorNumber(code);
}
// The same, addressed to the maker's contact.
inline QString reportToContact(int code)
{
    return translated(QT_TRANSLATE_NOOP("Form1", "%1まで、%2")).arg(ProgramInfo::contact(), reportNumber(code));
}
} // namespace Messages

// File1's name patterns: JPEG images while no filter box is checked.
namespace Patterns {
inline constexpr char Jpeg[] = "*.jpg;*.jpe";
inline constexpr char Album[] = "Album*.html;Slide.html";
inline constexpr char Text[] = "*.txt";
inline constexpr char Html[] = "*.htm*";
} // namespace Patterns
