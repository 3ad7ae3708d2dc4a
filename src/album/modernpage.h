// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/albumpage.h"
#include "album/pagelines.h"
#include "album/pagewords.h"
#include "design/designvalues.h"

#include <QByteArray>
#include <QString>

// The colours of the modern pages: the design's colours, each text colour
// moved, where needed, until it reads on its background at the contrast the
// web's accessibility guidelines ask for (level AA). A colour text that is
// no colour stands for the design-time colour of its field.
struct ModernPalette
{
    QString background;
    QString text;
    QString link;
    QString visitedLink;
    QString card; // a photo's box
    QString cardText;
    QString label; // the band with a photo's name
    QString labelText;

    static ModernPalette of(const DesignValues &design);
};

// The modern album page: HTML5 in UTF-8 with CR LF after every line, a grid
// of photos that takes one column on a phone and the design's row width on
// a wide screen, the page's words in the interface language. Names, links
// and comment blocks follow the rules of the classic page (HtmlText).
namespace ModernPage {
QByteArray page(const DesignValues &design, const AlbumPageInfo &info, const QList<AlbumRow> &rows);

// The lines every modern page opens with, up to the style element's rules:
// doctype, language, encoding, viewport, title and description.
void openHead(PageLines &out, const PageWords &words, const QString &title, const QString &description);
// "更新日 2026/12/07" with the date marked up as a time.
QString updatedLine(const PageWords &words, const QDate &updated);
} // namespace ModernPage
