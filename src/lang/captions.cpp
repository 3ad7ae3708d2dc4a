// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/captions.h"

#include "platform/paths.h"

#include <QCoreApplication>

namespace Captions {

namespace {

// The catalogue context of every caption.
constexpr char Context[] = "Captions";

// The frmOptions rows first, then Form1's; the last four rows are the
// captions that depend on other state.
constexpr Row Rows[] = {
    {"Label7", QT_TRANSLATE_NOOP("Captions", "起動ｱﾌﾟﾘｹｰｼｮﾝ")},
    {"Label8", QT_TRANSLATE_NOOP("Captions", "ﾌﾞﾗｳｻﾞ")},
    {"Label15", QT_TRANSLATE_NOOP("Captions", "ｴﾃﾞｨﾀ")},
    {"Label13", QT_TRANSLATE_NOOP("Captions", "画像縮小")},
    {"Label14", QT_TRANSLATE_NOOP("Captions", "ｽｹｰﾙ 1/")},
    {"cmdHelp", QT_TRANSLATE_NOOP("Captions", "説明")},
    {"cmdRegstDel", QT_TRANSLATE_NOOP("Captions", "ﾚｼﾞｽﾄﾘ削除")},
    {"cmdReset", QT_TRANSLATE_NOOP("Captions", "リセット")},
    {"cmdRegstSave", QT_TRANSLATE_NOOP("Captions", "ﾚｼﾞｽﾄﾘ保存")},
    {"Label11", QT_TRANSLATE_NOOP("Captions", "表示列数")},
    {"Command5", QT_TRANSLATE_NOOP("Captions", "更　新")},
    {"CheckWarning", QT_TRANSLATE_NOOP("Captions", "JPG削除時確認ﾎﾞﾀﾝを表示")},
    {"CheckWarningHtml", QT_TRANSLATE_NOOP("Captions", "ｱﾙﾊﾞﾑ削除時確認ﾎﾞﾀﾝを表示")},
    {"CheckWarningJPG", QT_TRANSLATE_NOOP("Captions", "縮小画像を削除後ｱﾙﾊﾞﾑ作成")},
    {"CheckClipBoard", QT_TRANSLATE_NOOP("Captions", "ｲﾒｰｼﾞをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ")},
    // The language box always offers the other language: its English caption is "日本語表示".
    {"CheckEnglish", QT_TRANSLATE_NOOP("Captions", "English Mode")},
    {"CheckTARGET", QT_TRANSLATE_NOOP("Captions", "画像を別ｳｲﾝﾄﾞで表示")},
    {"CheckShotDate", QT_TRANSLATE_NOOP("Captions", "日付は撮影日時(Exif)")},
    {"CheckPhotoCaptions", QT_TRANSLATE_NOOP("Captions", "空のｺﾒﾝﾄに写真の説明を入れる")},
    {"CheckCommentsIntoPhotos", QT_TRANSLATE_NOOP("Captions", "ｺﾒﾝﾄを写真にも書込む")},

    {"cmdMSIE", QT_TRANSLATE_NOOP("Captions", "ﾌﾞﾗｳｻﾞ")},
    {"cmdNOTE", QT_TRANSLATE_NOOP("Captions", "ｴﾃﾞｨﾀ")},
    {"cmdOption", QT_TRANSLATE_NOOP("Captions", "ｵﾌﾟｼｮﾝ")},
    {"cmdSlideShow", QT_TRANSLATE_NOOP("Captions", "ｽﾗｲﾄﾞｼｮｰ")},
    {"cmd_quit", QT_TRANSLATE_NOOP("Captions", "終　了")},
    {"Check4", QT_TRANSLATE_NOOP("Captions", "スケール調整")},

    {"cmdFTP", QT_TRANSLATE_NOOP("Captions", "ｺﾒﾝﾄ")},
    {"cmdFTP", QT_TRANSLATE_NOOP("Captions", "予備")},
    {"cmdJPGDEL", QT_TRANSLATE_NOOP("Captions", "削除(JPG)")},
    {"cmdAlbum", QT_TRANSLATE_NOOP("Captions", "ｱﾙﾊﾞﾑ作成")},
};

constexpr std::size_t OptionsRowCount = 20;
constexpr std::size_t Form1RowCount = 6;
const Row &CommentToolPresent = Rows[OptionsRowCount + Form1RowCount];
const Row &CommentToolAbsent = Rows[OptionsRowCount + Form1RowCount + 1];
const Row &DeleteButton = Rows[OptionsRowCount + Form1RowCount + 2];
const Row &AlbumButton = Rows[OptionsRowCount + Form1RowCount + 3];

// The mark on a button whose command asks for confirmation first.
constexpr char ConfirmationMark = '*';

QString marked(const Row &row, bool warning)
{
    QString caption = row.text();
    if (warning)
        caption += QLatin1Char(ConfirmationMark);
    return caption;
}

} // namespace

QString Row::text() const
{
    return QCoreApplication::translate(Context, japanese);
}

std::span<const Row> optionsRows()
{
    return std::span(Rows).first(OptionsRowCount);
}
std::span<const Row> form1Rows()
{
    return std::span(Rows).subspan(OptionsRowCount, Form1RowCount);
}
std::span<const Row> allRows()
{
    return Rows;
}

QString commentTool(bool present)
{
    return (present ? CommentToolPresent : CommentToolAbsent).text();
}

QString deleteButton(bool warning)
{
    return marked(DeleteButton, warning);
}
QString albumButton(bool warning)
{
    return marked(AlbumButton, warning);
}

bool commentToolPresent()
{
    return Paths::isRegularFile(Paths::commentTool());
}

} // namespace Captions
