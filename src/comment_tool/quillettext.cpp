// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/quillettext.h"

#include <QCoreApplication>

#include "comment_tool/commentblock.h"
#include "comment_tool/commentdrop.h"
#include "lang/failuretext.h"
#include "platform/failure.h"

#include <QCoreApplication>
#include <QUrlQuery>

namespace {

const QString DownloadAddress = QStringLiteral("https://velmo.example.org/download/");
const QString AuthorMail = QStringLiteral("quillet@velmo.example.org");
const QString MailSubject = QStringLiteral("「コメントヴェルモ」バグ報告.意見など");

QString translated(const char *japanese)
{
    return QCoreApplication::translate("QuilletText", japanese);
}

// Quillet's messages end in "E=" and the failure number.
QString withCode(const char *japanese, int code)
{
    return translated(japanese) + QString::number(code);
}

} // namespace

namespace QuilletVersion {

QString text()
{
    return QStringLiteral("%1.%2").arg(Major).arg(Minor);
}

} // namespace QuilletVersion

namespace QuilletText {

QString programTitle()
{
    return QStringLiteral("Velmo");
}

QString windowBanner()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "Quillet - コメントヴェルモ"));
}

QString versionCaption()
{
    return programTitle() + QStringLiteral(" Ver") + QuilletVersion::text();
}

QString aboutText()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText",
                                        "Quillet Ver%1\nコメントヴェルモ\n"
                                        "アルバムページの画像をドロップして、コメントを書き込みます。\n%2"))
        .arg(QuilletVersion::text(), downloadPage().toString());
}

QString foundPage(const QString &pageName)
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "%1を検出しました。")).arg(pageName);
}

QString noBlock(const QString &imageName)
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "%1はアルバムにありません。")).arg(imageName);
}

QString position(qsizetype index, qsizetype count)
{
    return QStringLiteral("%1 / %2").arg(index + 1).arg(count);
}

QString firstImage()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "最初の画像です。"));
}

QString lastImage()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "最後の画像です。"));
}

QString noAlbum()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "アルバムファイルがありません。画像をドロップ下さい。"));
}

QString markersEscaped()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "「<!」を「&lt;!」で書き込みました。"));
}

QString intoPhotoCaption()
{
    return QCoreApplication::translate("QuilletText", "写真にも");
}

QString intoPhotoTip()
{
    return QCoreApplication::translate("QuilletText", "コメントを写真の説明 (XMP・EXIF) にも書き込みます。");
}

QString photoNotWritten(const QString &imageName)
{
    return QCoreApplication::translate("QuilletText", "写真には書き込めませんでした: %1").arg(imageName);
}

QString waitingForBuild()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "アルバム作成の終了を待っています…"));
}

QString unwrittenQuestion()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "コメントが書き込まれていません。書き込みますか？\n"
                                                       "はい: 書込み　いいえ: 破棄　キャンセル: 戻る"));
}

QString previewTip()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "このエリアに画像をドロップ下さい。\n"
                                                       "PageDown/PageUp, Alt+→/←: 次/前の画像"));
}

QString commentTip()
{
    return translated(QT_TRANSLATE_NOOP("QuilletText", "コメントを入力下さい。\n"
                                                       "Ctrl+Enter: 書込みして次の画像へ\n"
                                                       "PageDown/PageUp, Alt+→/←: 次/前の画像"));
}

QUrl downloadPage()
{
    return QUrl(DownloadAddress);
}

QUrl mailLink()
{
    QUrl link(QStringLiteral("mailto:") + AuthorMail);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), MailSubject);
    link.setQuery(query);
    return link;
}

QString dropFailure(int code)
{
    switch (code) {
    case FailureCode::FileNotFound:
        return withCode(QT_TRANSLATE_NOOP("QuilletText", "ヴェルモの画像ファイルをドロップ下さい。E="), code);
    case FailureCode::PathNotFound:
        return withCode(QT_TRANSLATE_NOOP("QuilletText", "旧タイプのアルバムファイルです。E="), code);
    case FailureCode::NoTextData:
        return withCode(QT_TRANSLATE_NOOP("QuilletText", "未対応の形式です。E="), code);
    case FailureCode::InvalidPicture:
        return withCode(QT_TRANSLATE_NOOP("QuilletText", "ドロップした情報が不正です。E="), code);
    case FailureCode::BadPictureData:
        return withCode(QT_TRANSLATE_NOOP("QuilletText", "データ形式が不正です。E="), code);
    default:
        return FailureText::reportErrorNumber(code);
    }
}

bool dropFailureCloses(int code)
{
    return code != FailureCode::FileNotFound && code != FailureCode::PathNotFound && code != FailureCode::NoTextData;
}

QString writeFailure(int code)
{
    switch (code) {
    case FailureCode::PathFileAccess:
        return withCode(QT_TRANSLATE_NOOP("QuilletText", "対象ファイルが見つかりません。E="), code);
    case FailureCode::MarkersMissing:
        return withCode(
            QT_TRANSLATE_NOOP("QuilletText", "コメントの位置が見つかりません。ページが変更されています。E="), code);
    case FailureCode::ChangedElsewhere:
        return withCode(QT_TRANSLATE_NOOP("QuilletText", "コメントが他で変更されています。ドロップし直して下さい。E="),
                        code);
    case FailureCode::PageNotWritable:
        return withCode(
            QT_TRANSLATE_NOOP("QuilletText", "アルバムファイルに書き込めません（書込み禁止かディスクが一杯です）。E="),
            code);
    case FailureCode::PageNotRegularFile:
        return withCode(QT_TRANSLATE_NOOP("QuilletText",
                                          "アルバムファイルがリンクか通常のファイルでないため、書き込みません。"
                                          "アルバムを作成し直して下さい。E="),
                        code);
    case FailureCode::CommentTooLarge:
        return translated(
                   QT_TRANSLATE_NOOP("QuilletText",
                                     "コメントが大きすぎるため編集できません（%1 MBまで）。ページはそのままです。E=%2"))
            .arg(CommentBlock::EditLimit / (1024 * 1024))
            .arg(code);
    case FailureCode::CommentNotPageText:
        return withCode(QT_TRANSLATE_NOOP("QuilletText",
                                          "コメントの文字コードがページの宣言と合わないため編集できません。"
                                          "ページはそのままです。アルバムを作成し直して下さい。E="),
                        code);
    default:
        return FailureText::reportErrorNumber(code);
    }
}

QString startFailure(int code)
{
    return withCode(QT_TRANSLATE_NOOP("QuilletText", "ヴェルモを起動できません。E="), code);
}

} // namespace QuilletText
