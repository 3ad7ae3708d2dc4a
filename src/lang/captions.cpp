// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/captions.h"

#include "platform/paths.h"

namespace Captions {

namespace {

constexpr Row OptionsRows[] = {
    {"Label7", "起動ｱﾌﾟﾘｹｰｼｮﾝ", "ProgramLocations"},
    {"Label8", "ﾌﾞﾗｳｻﾞ", "Browser"},
    {"Label15", "ｴﾃﾞｨﾀ", "Editer"},
    {"Label13", "画像縮小", "JPEG Reduction"},
    {"Label14", "ｽｹｰﾙ 1/", "Scale 1/"},
    {"cmdHelp", "説明", "ReadMe"},
    {"cmdRegstDel", "ﾚｼﾞｽﾄﾘ削除", "DeleteRegst"},
    {"cmdReset", "リセット", "Reset"},
    {"cmdRegstSave", "ﾚｼﾞｽﾄﾘ保存", "SaveRegst"},
    {"Label11", "表示列数", "Album Line Seting"},
    {"Command5", "更　新", "O K"},
    {"CheckWarning", "JPG削除時確認ﾎﾞﾀﾝを表示", "JpgDelete Warning MesBox"},
    {"CheckWarningHtml", "ｱﾙﾊﾞﾑ削除時確認ﾎﾞﾀﾝを表示", "Album###.html Delete MesBox"},
    {"CheckWarningJPG", "縮小画像を削除後ｱﾙﾊﾞﾑ作成", "s_@@@@@.jpg Delete MesBox"},
    {"CheckClipBoard", "ｲﾒｰｼﾞをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", "ImageClipBoard"},
    // The language box always offers the other language.
    {"CheckEnglish", "English Mode", "日本語表示"},
    {"CheckTARGET", "画像を別ｳｲﾝﾄﾞで表示", "LinkTarget NewWindow"},
    {"CheckShotDate", "日付は撮影日時(Exif)", "Date: when shot (Exif)"},
    {"CheckPhotoCaptions", "空のｺﾒﾝﾄに写真の説明を入れる", "Captions from photos"},
    {"CheckCommentsIntoPhotos", "ｺﾒﾝﾄを写真にも書込む", "Comments into photos"},
};

constexpr Row Form1Rows[] = {
    {"cmdMSIE", "ﾌﾞﾗｳｻﾞ", "Browser"},   {"cmdNOTE", "ｴﾃﾞｨﾀ", "Editer"},
    {"cmdOption", "ｵﾌﾟｼｮﾝ", "Options"}, {"cmdSlideShow", "ｽﾗｲﾄﾞｼｮｰ", "SlideShow"},
    {"cmd_quit", "終　了", "Exit"},     {"Check4", "スケール調整", "OriginalScale"},
};

constexpr Row CommentToolPresent{"cmdFTP", "ｺﾒﾝﾄ", "Comment"};
constexpr Row CommentToolAbsent{"cmdFTP", "予備", "Reserve"};
constexpr Row DeleteButton{"cmdJPGDEL", "削除(JPG)", "JpgDelete"};
constexpr Row AlbumButton{"cmdAlbum", "ｱﾙﾊﾞﾑ作成", "Album"};

// The mark on a button whose command asks for confirmation first.
constexpr char ConfirmationMark = '*';

QString marked(const Row &row, bool warning, Language language)
{
    QString caption = row.text(language);
    if (warning)
        caption += QLatin1Char(ConfirmationMark);
    return caption;
}

} // namespace

QString Row::text(Language language) const
{
    return QString::fromUtf8(language == Language::English ? english : japanese);
}

std::span<const Row> optionsRows()
{
    return OptionsRows;
}
std::span<const Row> form1Rows()
{
    return Form1Rows;
}

QString commentTool(bool present, Language language)
{
    return (present ? CommentToolPresent : CommentToolAbsent).text(language);
}

QString deleteButton(bool warning, Language language)
{
    return marked(DeleteButton, warning, language);
}
QString albumButton(bool warning, Language language)
{
    return marked(AlbumButton, warning, language);
}

bool commentToolPresent()
{
    return Paths::isRegularFile(Paths::commentTool());
}

} // namespace Captions
