// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/pagewords.h"
#include "design/designvalues.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>

// One image of an album page.
struct AlbumSlot
{
    QString name;       // file name as listed
    QString source;     // thumbnail source: "s_" + name in thumbnail mode, else name
    QString height;     // thumbnail height text, "####" form
    QString width;      // thumbnail width text
    qint64 size = 0;    // file length in bytes
    QDateTime modified; // last modification, local time
    QByteArray comment; // bytes between the comment markers, as carried (empty on a new page)
    QSize pixels;       // the thumbnail source's own size; invalid when it cannot be read
    QSize photoPixels;  // the full image's, when the source is a reduced copy
};

using AlbumRow = QList<AlbumSlot>; // one to three slots

// The page number, the total and the navigation of one page.
struct AlbumPageInfo
{
    int page = 1;
    int total = 1;
    bool morePages = false;
    bool targetBlank = false; // image and name links open a new window
    QDate updated;
    bool homeExists = false; // the folder holds index.html
    PageLanguage language = PageLanguage::Japanese;
};

// Classic album pages are UTF-8 text with CR LF after every line.
namespace AlbumPage {
QByteArray head(const DesignValues &design, const AlbumPageInfo &info);
QByteArray rowTable(const DesignValues &design, const AlbumRow &row, bool targetBlank);
QByteArray foot(const DesignValues &design, const AlbumPageInfo &info);
QByteArray page(const DesignValues &design, const AlbumPageInfo &info, const QList<AlbumRow> &rows);

// The page in the design's page style: this classic page or the modern one.
QByteArray inStyle(const DesignValues &design, const AlbumPageInfo &info, const QList<AlbumRow> &rows);
} // namespace AlbumPage
