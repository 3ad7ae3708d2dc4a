// SPDX-License-Identifier: GPL-3.0-or-later
#include "slide/slidepage.h"

#include "album/htmltext.h"
#include "album/pagelines.h"

namespace {

// The link cells stand six to a table row.
constexpr int CellsPerRow = 6;

// One character in a single-quoted script string. "<", ">" and "&" are
// escaped too, so the page text never holds "</SCRIPT>" or a reference.
QString scriptEscape(QChar c)
{
    const char16_t code = c.unicode();
    if (code == u'\'' || code == u'\\')
        return QString(QLatin1Char('\\')) + c;
    if (code == u'<' || code == u'>' || code == u'&' || code < 0x20 || code == 0x7F)
        return QStringLiteral("\\x") + QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    if (code == 0x2028 || code == 0x2029)
        return QStringLiteral("\\u") + QString::number(code, 16);
    return c;
}

void head(PageLines &out)
{
    out.line(QStringLiteral("<!Velmo SlideAlbum HtmlFormat,Designed by Kelvane >"));
    out.line(QStringLiteral("<HTML>"));
    out.line(QStringLiteral("<HEAD>"));
    out.metaLines();
    out.line(QStringLiteral("<TITLE>ZevovUdezu</TITLE>"));
    out.line(QStringLiteral("</HEAD>"));
    out.line(QStringLiteral("<BODY TEXT=\"#ffffff\" BGColor=\"#000000\" LINK=\"#00ff00\" VLINK =\"#ffff00\">"));
}

// Preloads every picture and swaps the large one on demand.
void script(PageLines &out, const QStringList &names)
{
    out.line(QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">"));
    out.line(QStringLiteral("//イメージの事前読み込み"));
    out.line(QStringLiteral("if(navigator.appVersion.charAt(0)>=3)"));
    out.line(QStringLiteral("{"));
    out.line(QStringLiteral("movimg=new Array()"));
    for (int i = 0; i < names.size(); ++i)
        out.line(QStringLiteral("movimg[%1] = new Image();movimg[%1].src='").arg(i) + SlidePage::scriptUrl(names[i]) +
                 QStringLiteral("';"));
    out.line(QStringLiteral("};"));
    out.line(QString());
    out.line(QStringLiteral("//画像書き換え"));
    out.line(QStringLiteral("function changImg1(imgNoA,imgNoB)"));
    out.line(QStringLiteral("{"));
    out.line(QStringLiteral("  if(navigator.appVersion.charAt(0)>=3)"));
    out.line(QStringLiteral("  {"));
    out.line(QStringLiteral("  document.images[imgNoA].src=movimg[imgNoB].src;"));
    out.line(QStringLiteral("  };"));
    out.line(QStringLiteral("};"));
    out.line(QStringLiteral("</SCRIPT>"));
    out.line(QStringLiteral("</HEAD>"));
    out.line(QStringLiteral("<BODY>"));
}

void linkCell(PageLines &out, int index, const QString &name)
{
    out.line(QStringLiteral("        <TD WIDTH=\"20%\" BGCOLOR=\"#A00000\"><CENTER>"));
    out.line(QStringLiteral("        <A HREF=\"javascript:function voi(){};voi()\" onMouseOver=\"changImg1(0,%1)\">")
                 .arg(index));
    out.line(QStringLiteral("        <FONT COLOR=\"YELLOW\"><B>") + HtmlText::text(name) +
             QStringLiteral("</A></B></FONT>"));
    out.line(QStringLiteral("        </CENTER></TD>"));
    if (index % CellsPerRow == CellsPerRow - 1) {
        out.line(QStringLiteral("    </TR>"));
        out.line(QString());
        out.line(QStringLiteral("    <TR>"));
    }
}

void linkTable(PageLines &out, const QStringList &names)
{
    out.line(QStringLiteral("<TABLE WIDTH=\"50\" BORDER=\"0\" CELLSPACING=\"2\" CELLPADDING=\"2\">"));
    out.line(QStringLiteral("    <TR>"));
    for (int i = 0; i < names.size(); ++i)
        linkCell(out, i, names[i]);
    out.line(QStringLiteral("    </TR>"));
    out.line(QStringLiteral("</TABLE>"));
}

} // namespace

namespace SlidePage {

QString fileName()
{
    return QStringLiteral("Slide.html");
}

QString scriptString(const QString &text)
{
    QString escaped;
    for (const QChar c : text)
        escaped += scriptEscape(c);
    return escaped;
}

QString scriptUrl(const QString &name)
{
    return scriptString(HtmlText::urlPath(name));
}

QByteArray page(const DesignValues &design, const QStringList &names, const QDate &updated)
{
    PageLines out;
    head(out);
    script(out, names);
    out.indented(QStringLiteral("<P ALIGN=\"RIGHT\">"));
    out.line(QStringLiteral("<!s>LastUpdate ") + HtmlText::updateDate(updated) + QStringLiteral("<!e>"));
    out.line(QStringLiteral("<CENTER>"));
    out.line(QStringLiteral("<FONT SIZE=6>") + design.title + QStringLiteral("</FONT><BR>"));
    out.line(QStringLiteral("<HR>"));
    linkTable(out, names);
    out.line(QStringLiteral("<HR>"));
    // The large picture starts as the last image; an empty folder leaves it empty.
    const QString largePicture = names.isEmpty() ? QString() : HtmlText::urlAttribute(names.last());
    out.line(QStringLiteral("<CENTER><TABLE BORDER=3><TR><TD><IMG SRC=\"") + largePicture +
             QStringLiteral("\"></TR></TD></TABLE></center><P>"));
    out.line(QStringLiteral("</TABLE></CENTER>"));
    out.indented(QStringLiteral("<P ALIGN=\"CENTER\">"));
    out.line(QStringLiteral("<font size=5>") + design.footer + QStringLiteral("</font><br>"));
    out.line(QStringLiteral("</BODY>"));
    out.line(QStringLiteral("</HTML>"));
    return out.bytes();
}

} // namespace SlidePage
