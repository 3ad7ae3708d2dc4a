// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/droplocation.h"

#include "platform/failure.h"
#include "platform/paths.h"

#include <QMimeData>
#include <QUrl>

namespace {

const QString ThumbnailPrefix = QStringLiteral("s_");
const QString UriListFormat = QStringLiteral("text/uri-list");

// The first entry of a uri-list; lines starting with "#" are comments.
QString firstUri(const QByteArray &list)
{
    for (const QByteArray &line : list.split('\n')) {
        const QByteArray entry = line.trimmed();
        if (!entry.isEmpty() && !entry.startsWith('#'))
            return QString::fromUtf8(entry);
    }
    return {};
}

} // namespace

QString DropLocation::path() const
{
    return Paths::join(folder, name);
}

bool DropLocation::isThumbnail() const
{
    return name.startsWith(ThumbnailPrefix);
}

DropLocation DropLocation::photo() const
{
    return {folder, name.mid(ThumbnailPrefix.size())};
}

namespace DropText {

QString fromMimeData(const QMimeData &data)
{
    if (data.hasFormat(UriListFormat))
        return firstUri(data.data(UriListFormat));
    if (data.hasText())
        return data.text();
    throw Failure(FailureCode::NoTextData);
}

QString localPath(const QString &text)
{
    const QString location = text.trimmed();
    const QUrl url(location);
    if (url.isLocalFile())
        return url.toLocalFile();
    if (url.scheme().isEmpty())
        return location;
    QString rest = location.mid(url.scheme().size() + 1);
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    return rest;
}

std::optional<DropLocation> locate(const QString &text)
{
    const QString path = localPath(text);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return std::nullopt;
    return DropLocation{slash == 0 ? QStringLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

} // namespace DropText
