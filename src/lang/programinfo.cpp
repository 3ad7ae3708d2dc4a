// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/programinfo.h"

#include <QCoreApplication>
#include <QUrlQuery>

namespace ProgramInfo {

namespace {
constexpr char MailAddress[] = "velmo-bugs@velmo.example.org";
constexpr char MailSubject[] = "「ヴェルモ」バグ報告.意見等";
} // namespace

QString title()
{
    return QCoreApplication::translate("ProgramInfo", "ヴェルモ/Velmo");
}

QString shortName()
{
    return QStringLiteral("Velmo %1.%2").arg(VELMO_VERSION_MAJOR).arg(VELMO_VERSION_MINOR);
}

QString versionLine()
{
    return QStringLiteral("for Windows95/98 Version %1.%2.%3")
        .arg(VELMO_VERSION_MAJOR)
        .arg(VELMO_VERSION_MINOR)
        .arg(VELMO_VERSION_PATCH);
}

QString aboutText()
{
    return title() + QLatin1Char(' ') + versionLine();
}

QString tryHelp()
{
    return QCoreApplication::translate("CommandLine", "使い方は --help で表示します。");
}

QString windowExitCodes()
{
    return QCoreApplication::translate("CommandLine", "終了コード: 0 正常終了、1 指定のパスを開けない、"
                                                      "2 コマンドラインの誤り。");
}

QString makerNotice()
{
    return QStringLiteral("© Velmo authors  ");
}

QString contact()
{
    return QString::fromLatin1(MailAddress);
}

QString comments()
{
    return QCoreApplication::translate(
        "ProgramInfo",
        "このソフトウェアは無保証です。使用によって生じたいかなる損害についても作者は責任を負いません。");
}

QString legalCopyright()
{
    return QStringLiteral("Copyright (C) The Velmo authors, GPL-3.0-or-later");
}

QUrl downloadPage()
{
    return QUrl(QStringLiteral("https://velmo.example.org/download/"));
}

QUrl mailToAuthor()
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(QString::fromLatin1(MailAddress));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QString::fromUtf8(MailSubject));
    url.setQuery(query);
    return url;
}

} // namespace ProgramInfo
