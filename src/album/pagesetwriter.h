// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Writes the pages of one build into their folder so that every page appears
// whole or not at all, as QSaveFile would, without waiting for the disk once
// per page: each page goes to a hidden temporary file whose writing to disk
// starts at once; commit() waits for each to stand on disk, then renames it
// into place. Only the pages are flushed, never other files' pending data.
class PageSetWriter
{
public:
    explicit PageSetWriter(const QString &folder);
    ~PageSetWriter(); // removes the temporaries of pages never committed
    PageSetWriter(const PageSetWriter &) = delete;
    PageSetWriter &operator=(const PageSetWriter &) = delete;

    // Writes a page under a temporary name; false when it cannot be written.
    bool add(const QString &name, const QByteArray &bytes);
    // Puts every added page in place; returns the names that could not be.
    QStringList commit();

private:
    struct Pending
    {
        QString name;
        QString temporary;
    };
    QString m_folder;
    QList<Pending> m_pending;
};
