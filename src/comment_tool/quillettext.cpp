// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/quillettext.h"

#include "lang/failuretext.h"
#include "platform/failure.h"

#include <QUrlQuery>

namespace {

const QString DownloadAddress = QStringLiteral("https://velmo.example.org/download/");
const QString AuthorMail = QStringLiteral("quillet@velmo.example.org");
const QString MailSubject = QStringLiteral("「コメントヴェルモ」バグ報告.意見など");

QString withCode(const QString &message, int code)
{
    return message + QString::number(code);
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
    return QStringLiteral("Quillet - コメントヴェルモ");
}

QString versionCaption()
{
    return programTitle() + QStringLiteral(" Ver") + QuilletVersion::text();
}

QString aboutText()
{
    return QStringLiteral("Quillet Ver%1\nコメントヴェルモ\n"
                          "アルバムページの画像をドロップして、コメントを書き込みます。\n%2")
        .arg(QuilletVersion::text(), downloadPage().toString());
}

QString foundPage(const QString &pageName)
{
    return pageName + QStringLiteral("を検出しました。");
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
        return withCode(QStringLiteral("ヴェルモの画像ファイルをドロップ下さい。E="), code);
    case FailureCode::PathNotFound:
        return withCode(QStringLiteral("旧タイプのアルバムファイルです。E="), code);
    case FailureCode::NoTextData:
        return withCode(QStringLiteral("未対応の形式です。E="), code);
    case FailureCode::InvalidPicture:
        return withCode(QStringLiteral("ドロップした情報が不正です。E="), code);
    case FailureCode::BadPictureData:
        return withCode(QStringLiteral("データ形式が不正です。E="), code);
    default:
        return withCode(FailureText::ReportErrorNumber, code);
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
        return withCode(QStringLiteral("対象ファイルが見つかりません。E="), code);
    case FailureCode::MarkersMissing:
        return withCode(QStringLiteral("コメントの位置が見つかりません。ページが変更されています。E="), code);
    default:
        return withCode(FailureText::ReportErrorNumber, code);
    }
}

QString startFailure(int code)
{
    return withCode(QStringLiteral("ヴェルモを起動できません。E="), code);
}

} // namespace QuilletText
