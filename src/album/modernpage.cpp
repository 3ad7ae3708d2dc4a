// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/modernpage.h"

#include "album/htmltext.h"
#include "album/pageformat.h"
#include "design/contrast.h"
#include "platform/failure.h"

namespace {

// Page numbers shown on either side of the current page; the first and the
// last page are always shown.
constexpr int NearbyPages = 2;
// A photo's box is at least this wide (rem) where the screen allows, and at
// most MaximumBox, so that a wide screen shows the design's row width.
constexpr int MinimumBox = 20;
constexpr int MaximumBox = 24;
constexpr int Gap = 1;

ColorValue colorOf(const QString &text, const QString &designTime)
{
    try {
        return htmlToColor(text);
    } catch (const Failure &) {
        return htmlToColor(designTime);
    }
}

QString quoted(const QString &value)
{
    return QLatin1Char('"') + value + QLatin1Char('"');
}

QString word(const char *text)
{
    return QString::fromUtf8(text);
}

QString pageLink(int page, const QString &text, const char *rel = nullptr)
{
    QString link = QStringLiteral("<a href=") + quoted(PageFormat::pageFileName(page));
    if (rel)
        link += QStringLiteral(" rel=") + quoted(QLatin1String(rel));
    return link + QLatin1Char('>') + text + QStringLiteral("</a>");
}

// Home, previous, the page numbers around this one, next; nothing at all
// for a lone page without a home page.
QStringList navigationLinks(const AlbumPageInfo &info, const PageWords &words)
{
    QStringList links;
    if (info.homeExists)
        links.append(QStringLiteral("<a href=") + quoted(PageFormat::homePageName()) + QLatin1Char('>') +
                     word(words.home) + QStringLiteral("</a>"));
    if (info.total < 2)
        return links;
    if (info.page > 1)
        links.append(pageLink(info.page - 1, word(words.previousPage), "prev"));
    for (int page = 1; page <= info.total; ++page) {
        if (page == info.page)
            links.append(QStringLiteral("<span aria-current=\"page\">%1</span>").arg(page));
        else if (page == 1 || page == info.total || qAbs(page - info.page) <= NearbyPages)
            links.append(pageLink(page, QString::number(page)));
        else if (qAbs(page - info.page) == NearbyPages + 1)
            links.append(QStringLiteral("<span aria-hidden=\"true\">…</span>"));
    }
    if (info.morePages)
        links.append(pageLink(info.page + 1, word(words.nextPage), "next"));
    return links;
}

void styleSheet(PageLines &out, const ModernPalette &colors, int rowWidth)
{
    const int maximum = rowWidth * MaximumBox + (rowWidth - 1) * Gap + 2;
    out.line(QStringLiteral("<style>"));
    out.line(QStringLiteral("*{box-sizing:border-box}"));
    out.line(QStringLiteral("body{margin:0;background:%1;color:%2;font:1rem/1.5 sans-serif}")
                 .arg(colors.background, colors.text));
    out.line(QStringLiteral("a{color:%1}a:visited{color:%2}").arg(colors.link, colors.visitedLink));
    out.line(QStringLiteral("header,main,footer{max-width:%1rem;margin:0 auto;padding:0 1rem}").arg(maximum));
    out.line(QStringLiteral("h1{font-size:1.75rem;margin:.5rem 0;overflow-wrap:anywhere}"));
    out.line(QStringLiteral(".nav{display:flex;flex-wrap:wrap;gap:.25rem;margin:.5rem 0}"));
    out.line(QStringLiteral(".nav a,.nav span{display:inline-flex;align-items:center;justify-content:center;"
                            "min-width:48px;min-height:48px;padding:0 .75rem}"));
    out.line(QStringLiteral(".nav [aria-current]{font-weight:bold;border:2px solid}"));
    out.line(QStringLiteral(".grid{display:grid;gap:%1rem;grid-template-columns:"
                            "repeat(auto-fill,minmax(min(100%,%2rem),1fr));list-style:none;margin:0;padding:0}")
                 .arg(Gap)
                 .arg(MinimumBox));
    out.line(QStringLiteral(".photo{background:%1;color:%2}").arg(colors.card, colors.cardText));
    out.line(QStringLiteral(".photo h2{margin:0;padding:.5rem .75rem;font-size:1.125rem;background:%1;color:%2;"
                            "overflow-wrap:anywhere}")
                 .arg(colors.label, colors.labelText));
    out.line(QStringLiteral(".photo h2 a{display:block;color:inherit}"));
    out.line(QStringLiteral(".photo img{display:block;max-width:100%;height:auto;margin:.5rem auto}"));
    out.line(QStringLiteral(".photo dl{display:grid;grid-template-columns:auto 1fr;gap:0 .75rem;margin:.5rem .75rem}"));
    out.line(QStringLiteral(".photo dd{margin:0}.comment{margin:0 .75rem .75rem;overflow-wrap:anywhere}"));
    out.line(QStringLiteral("</style>"));
}

QString linkOpen(const AlbumSlot &slot, bool targetBlank)
{
    QString link = QStringLiteral("<a href=") + quoted(HtmlText::urlAttribute(slot.name));
    if (targetBlank)
        link += QStringLiteral(" target=\"_blank\" rel=\"noopener\"");
    return link + QLatin1Char('>');
}

// The comment as a reader sees it, else the name.
QString altText(const AlbumSlot &slot)
{
    const std::optional<QString> comment = PageFormat::decodeExactly(slot.comment, PageEncoding::Utf8);
    const QString text = comment ? HtmlText::markupAsAttribute(*comment) : QString();
    return text.isEmpty() ? HtmlText::attribute(slot.name) : text;
}

// The picture's own size, so that nothing moves when it arrives; the box
// size when it could not be read. A reduced copy comes with the full image
// as its larger form: the browser takes the full image only where the copy
// would look coarse on the screen (a small photo on a phone).
QString sizeAttributes(const AlbumSlot &slot)
{
    if (slot.pixels.isValid() && slot.photoPixels.isValid() && slot.photoPixels.width() > slot.pixels.width()) {
        const QString thumbnailWidth = QString::number(slot.pixels.width());
        return QStringLiteral(" srcset=\"%1 %2w, %3 %4w\" sizes=\"min(%2px, 100vw - 2rem, %5rem)\"")
                   .arg(HtmlText::srcsetUrl(slot.source), thumbnailWidth, HtmlText::srcsetUrl(slot.name),
                        QString::number(slot.photoPixels.width()), QString::number(MaximumBox)) +
               QStringLiteral(" width=\"%1\" height=\"%2\"").arg(slot.pixels.width()).arg(slot.pixels.height());
    }
    if (slot.pixels.isValid())
        return QStringLiteral(" width=\"%1\" height=\"%2\"").arg(slot.pixels.width()).arg(slot.pixels.height());
    if (slot.width.isEmpty() || slot.height.isEmpty())
        return {};
    return QStringLiteral(" width=%1 height=%2").arg(quoted(slot.width), quoted(slot.height));
}

// Photos of the first row come at once, the first before anything else;
// the others only when the reader scrolls near them.
QString loading(int index, int firstRow)
{
    if (index == 0)
        return QStringLiteral(" fetchpriority=\"high\"");
    return index < firstRow ? QString() : QStringLiteral(" loading=\"lazy\"");
}

void photo(PageLines &out, const AlbumSlot &slot, const AlbumPageInfo &info, const QString &loadingAttributes)
{
    const PageWords &words = PageWords::of(info.language);
    out.line(QStringLiteral("<li class=\"photo\">"));
    out.line(QStringLiteral("<h2>") + linkOpen(slot, info.targetBlank) + HtmlText::text(slot.name) +
             QStringLiteral("</a></h2>"));
    out.line(linkOpen(slot, info.targetBlank) + QStringLiteral("<img src=") +
             quoted(HtmlText::urlAttribute(slot.source)) + QStringLiteral(" alt=") + quoted(altText(slot)) +
             sizeAttributes(slot) + loadingAttributes + QStringLiteral(" decoding=\"async\"></a>"));
    out.line(QStringLiteral("<dl><dt>%1</dt><dd>%2 %3</dd><dt>%4</dt><dd>%5</dd></dl>")
                 .arg(word(words.size))
                 .arg(slot.size)
                 .arg(word(words.bytes), word(words.date), HtmlText::fileDate(slot.modified)));
    out.lineBytes((QStringLiteral("<div class=\"comment\">") + HtmlText::startMarker(slot.name)).toUtf8() +
                  slot.comment + (HtmlText::endMarker(slot.name) + QStringLiteral("</div>")).toUtf8());
    out.line(QStringLiteral("</li>"));
}

} // namespace

ModernPalette ModernPalette::of(const DesignValues &design)
{
    const DesignValues designTime;
    const auto color = [&design, &designTime](QString DesignValues::*field) {
        return colorOf(design.*field, designTime.*field);
    };
    const ColorValue background = color(&DesignValues::pageBackground);
    const ColorValue card = color(&DesignValues::cellBackground);
    const ColorValue label = color(&DesignValues::labelBackground);
    const auto readable = [](ColorValue text, std::initializer_list<ColorValue> on) {
        return colorToHtml(Contrast::readable(text, on));
    };
    return {colorToHtml(background),
            readable(color(&DesignValues::pageText), {background}),
            readable(color(&DesignValues::link), {background, card}),
            readable(color(&DesignValues::visitedLink), {background, card}),
            colorToHtml(card),
            readable(color(&DesignValues::pageText), {card}),
            colorToHtml(label),
            readable(color(&DesignValues::labelText), {label})};
}

namespace ModernPage {

void openHead(PageLines &out, const PageWords &words, const QString &title, const QString &description)
{
    out.line(QStringLiteral("<!DOCTYPE html>"));
    out.line(QStringLiteral("<html lang=\"%1\">").arg(QLatin1String(words.lang)));
    out.line(QStringLiteral("<head>"));
    out.line(QStringLiteral("<meta charset=\"UTF-8\">"));
    out.line(QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"));
    out.line(QStringLiteral("<title>") + HtmlText::markupAsAttribute(title) + QStringLiteral("</title>"));
    out.line(QStringLiteral("<meta name=\"description\" content=") + quoted(description) + QLatin1Char('>'));
    // No icon to fetch: a missing one would be an error on the console.
    out.line(QStringLiteral("<link rel=\"icon\" href=\"data:,\">"));
}

QString updatedLine(const PageWords &words, const QDate &updated)
{
    return QStringLiteral("<p>%1 <time datetime=\"%2\">%3</time></p>")
        .arg(word(words.updated), updated.toString(Qt::ISODate), HtmlText::updateDate(updated));
}

QByteArray page(const DesignValues &design, const AlbumPageInfo &info, const QList<AlbumRow> &rows)
{
    const PageWords &words = PageWords::of(info.language);
    int photos = 0;
    for (const AlbumRow &row : rows)
        photos += int(row.size());
    const int rowWidth = rows.isEmpty() ? 1 : int(rows.first().size());
    const QString description = word(words.description)
                                    .arg(HtmlText::markupAsAttribute(design.title), QString::number(info.page),
                                         QString::number(info.total), QString::number(photos));
    PageLines out;
    openHead(out, words, design.title, description);
    styleSheet(out, ModernPalette::of(design), rowWidth);
    out.line(QStringLiteral("</head>"));
    out.line(QStringLiteral("<body>"));
    out.line(QStringLiteral("<header>"));
    out.line(QStringLiteral("<h1>") + design.title + QStringLiteral("</h1>"));
    out.line(updatedLine(words, info.updated));
    const QStringList links = navigationLinks(info, words);
    if (!links.isEmpty())
        out.line(QStringLiteral("<nav class=\"nav\" aria-label=\"%1\">").arg(word(words.pages)) +
                 links.join(QString()) + QStringLiteral("</nav>"));
    out.line(QStringLiteral("</header>"));
    out.line(QStringLiteral("<main>"));
    out.line(QStringLiteral("<ul class=\"grid\">"));
    int index = 0;
    for (const AlbumRow &row : rows) {
        for (const AlbumSlot &slot : row) {
            photo(out, slot, info, loading(index, rowWidth));
            ++index;
        }
    }
    out.line(QStringLiteral("</ul>"));
    out.line(QStringLiteral("</main>"));
    out.line(QStringLiteral("<footer>"));
    out.line(QStringLiteral("<p>") + design.footer + QStringLiteral("</p>"));
    if (!links.isEmpty())
        out.line(QStringLiteral("<div class=\"nav\">") + links.join(QString()) + QStringLiteral("</div>"));
    out.line(QStringLiteral("</footer>"));
    out.line(QStringLiteral("</body>"));
    out.line(QStringLiteral("</html>"));
    return out.bytes();
}

} // namespace ModernPage
