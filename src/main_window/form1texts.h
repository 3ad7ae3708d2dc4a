// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/failuretext.h"
#include "lang/programinfo.h"

#include <QString>

// The main window's message texts and file list patterns.
namespace Messages {
inline const QString FolderGone = QStringLiteral("前回終了時のデレクトリが存在しません。");
inline const QString DriveNotReady = QStringLiteral("ﾄﾞﾗｲﾌﾞの準備ができていません。ﾄﾞﾗｲﾌﾞにﾃﾞｨｽｸを挿入してください。");
inline const QString ApplicationError = QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰです。");
inline const QString NotAPicture = QStringLiteral("画像ファイルでは、ありません。");
inline const QString BadPictureData = QStringLiteral("ファイルサイズが不正です。");
inline const QString FileNotFoundStatus = QStringLiteral("File Not Find");
inline const QString PictureMissing = QStringLiteral("ファイルが見つかりません。");
inline const QString BadPictureFormat = QStringLiteral("ファイル形式が不正です。");

// "Please report the error number": the fixed text ends in an ideographic space.
inline QString reportNumber(int code)
{
    return FailureText::reportErrorNumber(code);
}
// The same, addressed to the maker's contact.
inline QString reportToContact(int code)
{
    return ProgramInfo::contact() + QStringLiteral("まで、") + FailureText::reportErrorNumber(code);
}
} // namespace Messages

// File1's name patterns: JPEG images while no filter box is checked.
namespace Patterns {
inline constexpr char Jpeg[] = "*.jpg;*.jpe";
inline constexpr char Album[] = "Album*.html;Slide.html";
inline constexpr char Text[] = "*.txt";
inline constexpr char Html[] = "*.htm*";
} // namespace Patterns
