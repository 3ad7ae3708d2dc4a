// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The comments that the album pages of a folder hold between their comment
// markers, so that a rebuild can put them back. Pages are UTF-8; a page that
// is not valid UTF-8 comes from an older build and is read as Shift_JIS.
class PageComments
{
public:
    // Reads every Album*.html page of the folder, in name order; where pages
    // disagree about an image, the last page wins, as in the comment tool.
    static PageComments read(const QString &folder);

    // The comment of the image as UTF-8; empty when no page holds one.
    QByteArray comment(const QString &imageName) const;

private:
    // Takes the comments of one page's bytes.
    void addPage(const QByteArray &bytes);

    QHash<QString, QString> m_byMarkerKey;
};
