// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The comment blocks of one folder's album pages: which image has a block on
// which page, and the album order of the images (the order of their first
// blocks across Album001, Album002, …). A page is read once and kept while
// its size and modification time stay; only pages that changed are read again.
class AlbumIndex
{
public:
    // A page that holds an image's block, by its place in pages().
    struct Holder
    {
        int page = 0;
        bool broken = false; // a start marker without an end marker
    };

    // Brings the index up to date with the folder's album pages.
    void refresh(const QString &folder);

    const QString &folder() const { return m_folder; }
    // The album pages of the folder, in name order.
    const QStringList &pages() const { return m_pages; }
    // The images in album order.
    const QStringList &images() const { return m_images; }
    // The image's place in album order; -1 when no page holds its block.
    qsizetype position(const QString &imageName) const { return m_positions.value(imageName, -1); }
    // The pages that hold the image's block, in name order.
    QList<Holder> holders(const QString &imageName) const;
    // The first image of the page; empty when it holds none.
    QString firstImageOf(const QString &pageName) const;
    // How many times a page has been read.
    int pagesRead() const { return m_pagesRead; }

private:
    struct Stamp
    {
        QString name;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp &) const = default;
    };
    struct PageBlock
    {
        QString name;
        bool broken = false;
    };
    struct ReadPage
    {
        Stamp stamp;
        QList<PageBlock> blocks;
    };
    static QList<Stamp> stampsOf(const QString &folder);
    QList<PageBlock> readPage(const QString &path);
    void build(const QString &folder, QList<Stamp> stamps);

    QString m_folder;
    QList<Stamp> m_stamps;
    QStringList m_pages;
    QStringList m_images;
    QHash<QString, qsizetype> m_positions;
    // For each image (by its place in m_images): its holders.
    QList<QList<Holder>> m_holders;
    QList<QString> m_firstImages;    // by page
    QHash<QString, ReadPage> m_read; // by page name
    int m_pagesRead = 0;
};
