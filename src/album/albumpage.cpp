// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumpage.h"
#include "album/pageformat.h"

#include "album/htmltext.h"
#include "album/modernpage.h"
#include "album/pagelines.h"

namespace {

QString quoted(const QString &value)
{
    return QLatin1Char('"') + value + QLatin1Char('"');
}

QString pageLink(int page, const char *label)
{
    return QStringLiteral("| <A HREF=%1>%2</A>").arg(quoted(PageFormat::pageFileName(page)), QLatin1String(label));
}

void navigation(PageLines &out, const AlbumPageInfo &info)
{
    if (info.page > 1)
        out.indented(pageLink(info.page - 1, "BACK"));
    if (info.morePages)
        out.indented(pageLink(info.page + 1, "NEXT"));
    out.indented(QStringLiteral("| </P>"));
}

QString imageLink(const AlbumSlot &slot, bool targetBlank)
{
    QString link = QStringLiteral("<a href=") + quoted(HtmlText::urlAttribute(slot.name));
    if (targetBlank)
        link += QStringLiteral(" target=") + quoted(QStringLiteral("_blank"));
    return link + QLatin1Char('>');
}

void labelCell(PageLines &out, const DesignValues &design, const AlbumSlot &slot)
{
    out.indented(QStringLiteral("<td align=\"center\" bgcolor=%1><table border=0 width=290>")
                     .arg(quoted(design.labelBackground)));
    out.indented(
        QStringLiteral("<tr><td align=\"Left\"><Font Size =\"+2\" color =%1><b> ").arg(quoted(design.labelText)));
    out.line(HtmlText::text(slot.name) + QStringLiteral("</b></font></td>"));
    out.indented(QStringLiteral("<td align=\"center\"><Font Size =\"+1\" color =%1></td></tr>")
                     .arg(quoted(design.labelSubText)));
    out.indented(QStringLiteral("</table></td>"));
    out.line(QString());
}

void imageCell(PageLines &out, const DesignValues &design, const AlbumSlot &slot, bool targetBlank)
{
    out.indented(QStringLiteral("<td align=\"center\" bgcolor=%1><table border=0 width=280><tr><td align=\"center\">")
                     .arg(quoted(design.cellBackground)));
    out.indented(imageLink(slot, targetBlank));
    out.indented(QStringLiteral("<IMG src=%1 height=%2 Width = %3 border=0>")
                     .arg(quoted(HtmlText::urlAttribute(slot.source)), quoted(slot.height), quoted(slot.width)));
    out.indented(QStringLiteral("</a></td>"));
    out.indented(QStringLiteral("<td align=\"Left\" valign =\"Top\"><b>"));
    out.indented(imageLink(slot, targetBlank) + HtmlText::text(slot.name) + QStringLiteral("</a>"));
    out.indented(QStringLiteral("</b><div align=\"left\">"));
    out.indented(QStringLiteral("<i>Size<br> %1 <br></i>").arg(slot.size));
    out.indented(QStringLiteral("<i>Date<br>%1<br></i>").arg(HtmlText::fileDate(slot.modified)));
    out.indentedBytes((QStringLiteral("<i>") + HtmlText::startMarker(slot.name)).toUtf8() + slot.comment +
                      (HtmlText::endMarker(slot.name) + QStringLiteral("<br></i>")).toUtf8());
    out.indented(QStringLiteral("</div></td></tr></table></td>"));
    out.line(QString());
}

} // namespace

namespace AlbumPage {

QByteArray head(const DesignValues &design, const AlbumPageInfo &info)
{
    PageLines out;
    out.line(QStringLiteral("<!Velmo Ver2.5 HtmlFormat,Designed by Kelvane >"));
    out.line(QStringLiteral("<HTML>"));
    out.line(QStringLiteral("<HEAD>"));
    out.metaLines();
    out.indented(QStringLiteral("<TITLE>") + design.title + QStringLiteral("</TITLE>"));
    out.line(QStringLiteral("</HEAD>"));
    out.indented(QStringLiteral("<BODY BGCOLOR=%1 text=%2 link=%3 vlink=%4>")
                     .arg(quoted(design.pageBackground), quoted(design.pageText), quoted(design.link),
                          quoted(design.visitedLink)));
    out.indented(QStringLiteral("<P ALIGN=\"RIGHT\">"));
    out.indented(QStringLiteral("<!s>LastUpdate "));
    out.indented(HtmlText::updateDate(info.updated));
    out.indented(QStringLiteral("<!e>"));
    out.indented(
        QStringLiteral("Pages %1/%2<BR>").arg(HtmlText::threeDigits(info.page), HtmlText::threeDigits(info.total)));
    out.indented(QStringLiteral("| <A HREF=%1>HOME</A>").arg(quoted(PageFormat::homePageName())));
    navigation(out, info);
    out.line(QStringLiteral("<font size=6>") + design.title + QStringLiteral("</font><br>"));
    return out.bytes();
}

QByteArray rowTable(const DesignValues &design, const AlbumRow &row, bool targetBlank)
{
    PageLines out;
    if (row.isEmpty())
        return {};
    out.line(QStringLiteral("<!") + QString(49, QLatin1Char('-')) + QStringLiteral(">"));
    out.indented(QStringLiteral("<table border=2 width=290 cellpadding=0>"));
    out.line(QStringLiteral("<tr>"));
    for (const AlbumSlot &slot : row)
        labelCell(out, design, slot);
    out.line(QStringLiteral("</tr>"));
    out.line(QStringLiteral("<tr>"));
    for (const AlbumSlot &slot : row)
        imageCell(out, design, slot, targetBlank);
    out.line(QStringLiteral("</TR>"));
    out.line(QStringLiteral("</TABLE>"));
    return out.bytes();
}

QByteArray foot(const DesignValues &design, const AlbumPageInfo &info)
{
    PageLines out;
    out.line(QStringLiteral("<font size=5>") + design.footer + QStringLiteral("</font><br>"));
    navigation(out, info);
    out.line(QStringLiteral("</P>"));
    out.line(QStringLiteral("</BODY>"));
    out.line(QStringLiteral("</HTML>"));
    return out.bytes();
}

QByteArray page(const DesignValues &design, const AlbumPageInfo &info, const QList<AlbumRow> &rows)
{
    QByteArray bytes = head(design, info);
    for (const AlbumRow &row : rows)
        bytes += rowTable(design, row, info.targetBlank);
    return bytes + foot(design, info);
}

QByteArray inStyle(const DesignValues &design, const AlbumPageInfo &info, const QList<AlbumRow> &rows)
{
    return design.pageStyle == PageStyle::Modern ? ModernPage::page(design, info, rows) : page(design, info, rows);
}

} // namespace AlbumPage
