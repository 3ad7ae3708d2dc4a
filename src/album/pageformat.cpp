// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pageformat.h"

#include "platform/folderfiles.h"

#include <QRegularExpression>

namespace PageFormat {

const QString TemporaryPrefix = QStringLiteral(".velmo-page-");
const QString JournalName = QStringLiteral(".velmo-pages");
const QString RefusedJournalName = QStringLiteral(".velmo-pages.refused");

QString pagePattern()
{
    return QStringLiteral("Album*.html");
}

bool isBuildPageName(const QString &name)
{
    static const QRegularExpression pattern = QRegularExpression::fromWildcard(pagePattern(), Qt::CaseInsensitive);
    return FolderFiles::isEntryName(name) && pattern.match(name).hasMatch();
}

bool isPageTemporary(const QString &name)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(TemporaryPrefix) + QStringLiteral("[A-Za-z0-9]{6}")));
    return pattern.match(name).hasMatch();
}

} // namespace PageFormat
