// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/albumindex.h"

#include "album/pagecomments.h"
#include "comment_tool/albumpagefile.h"
#include "platform/listing.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// The image name a marker key stands for: keys hold the name with the HTML
// specials as character references, or, on older pages, the name itself.
QString imageNameOf(const QByteArray &key, PageEncoding encoding)
{
    QStringDecoder decoder =
        encoding == PageEncoding::Utf8 ? QStringDecoder(QStringDecoder::Utf8) : QStringDecoder("Shift_JIS");
    QString name = decoder.decode(key);
    if (decoder.hasError())
        return {};
    name.replace(QLatin1String("&quot;"), QLatin1String("\""));
    name.replace(QLatin1String("&lt;"), QLatin1String("<"));
    name.replace(QLatin1String("&gt;"), QLatin1String(">"));
    name.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return name;
}

} // namespace

QList<AlbumIndex::Stamp> AlbumIndex::stampsOf(const QString &folder)
{
    QList<Stamp> stamps;
    for (const QString &name : Listing::files(folder, {QStringLiteral("Album*")})) {
        if (!AlbumPageFile::isAlbumPageName(name))
            continue;
        const QFileInfo page(Paths::join(folder, name));
        stamps.append({name, page.size(), page.lastModified()});
    }
    return stamps;
}

void AlbumIndex::refresh(const QString &folder)
{
    QList<Stamp> stamps = stampsOf(folder);
    if (folder != m_folder || stamps != m_stamps)
        build(folder, std::move(stamps));
}

void AlbumIndex::build(const QString &folder, QList<Stamp> stamps)
{
    m_folder = folder;
    m_stamps = std::move(stamps);
    m_pages.clear();
    m_images.clear();
    m_positions.clear();
    m_holders.clear();
    m_firstImages.clear();
    ++m_builds;
    for (const Stamp &stamp : std::as_const(m_stamps)) {
        const int page = int(m_pages.size());
        m_pages.append(Paths::join(folder, stamp.name));
        QFile file(m_pages.last());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const PageEncoding encoding = PageBlocks::declaredEncoding(bytes);
        QString first;
        for (const PageBlocks::Block &block : PageBlocks::read(bytes)) {
            const QString name = imageNameOf(block.key, encoding);
            if (name.isEmpty())
                continue;
            if (first.isEmpty())
                first = name;
            auto known = m_positions.constFind(name);
            if (known == m_positions.constEnd()) {
                known = m_positions.insert(name, m_images.size());
                m_images.append(name);
                m_holders.append(QList<Holder>());
            }
            QList<Holder> &holders = m_holders[*known];
            if (holders.isEmpty() || holders.last().page != page)
                holders.append({page, block.broken});
        }
        m_firstImages.append(first);
    }
}

QList<AlbumIndex::Holder> AlbumIndex::holders(const QString &imageName) const
{
    const qsizetype at = position(imageName);
    return at < 0 ? QList<Holder>() : m_holders.at(at);
}

QString AlbumIndex::firstImageOf(const QString &pageName) const
{
    const qsizetype at = m_pages.indexOf(Paths::join(m_folder, pageName));
    return at < 0 ? QString() : m_firstImages.at(at);
}
