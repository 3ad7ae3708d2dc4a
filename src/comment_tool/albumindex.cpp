// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/albumindex.h"
#include "album/pageformat.h"

#include "album/htmltext.h"
#include "album/pagecomments.h"
#include "comment_tool/albumpagefile.h"
#include "platform/listing.h"
#include "platform/paths.h"

#include <QFileInfo>

namespace {

// The image name a marker key stands for: keys hold the name with the HTML
// specials as character references, or, on older pages, the name itself.
QString imageNameOf(const QByteArray &key, PageEncoding encoding)
{
    const std::optional<QString> name = PageFormat::decodeExactly(key, encoding);
    return name ? HtmlText::nameOfMarkerKey(*name) : QString();
}

} // namespace

QList<AlbumIndex::Stamp> AlbumIndex::stampsOf(const QString &folder)
{
    QList<Stamp> stamps;
    for (const QString &name : Listing::files(folder, {QStringLiteral("Album*")})) {
        if (!PageFormat::isCommentToolPageName(name))
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

// The image names of one page's blocks in page order, with whether each is broken.
QList<AlbumIndex::PageBlock> AlbumIndex::readPage(const QString &path)
{
    ++m_pagesRead;
    // A page that is a link is indexed where it points, so that a drop on
    // its images finds it and is told that it is not written.
    const QByteArray bytes = AlbumPageFile::readShown(path).value_or(QByteArray());
    const PageEncoding encoding = PageFormat::declaredEncoding(bytes);
    QList<PageBlock> blocks;
    for (const PageBlocks::Block &block : PageBlocks::read(bytes)) {
        const QString name = imageNameOf(block.key, encoding);
        if (!name.isEmpty())
            blocks.append({name, block.broken});
    }
    return blocks;
}

void AlbumIndex::build(const QString &folder, QList<Stamp> stamps)
{
    // A page keeps its blocks while its stamp stays: a write-back or an
    // album build re-reads only the pages it changed.
    if (folder != m_folder)
        m_read.clear();
    QHash<QString, ReadPage> read;
    for (const Stamp &stamp : std::as_const(stamps)) {
        const auto known = m_read.constFind(stamp.name);
        read.insert(stamp.name, known != m_read.constEnd() && known->stamp == stamp
                                    ? *known
                                    : ReadPage{stamp, readPage(Paths::join(folder, stamp.name))});
    }
    m_read = std::move(read);
    m_folder = folder;
    m_stamps = std::move(stamps);
    m_pages.clear();
    m_images.clear();
    m_positions.clear();
    m_holders.clear();
    m_firstImages.clear();
    for (const Stamp &stamp : std::as_const(m_stamps)) {
        const int page = int(m_pages.size());
        m_pages.append(Paths::join(folder, stamp.name));
        const QList<PageBlock> &blocks = m_read.value(stamp.name).blocks;
        m_firstImages.append(blocks.isEmpty() ? QString() : blocks.first().name);
        for (const PageBlock &block : blocks) {
            auto known = m_positions.constFind(block.name);
            if (known == m_positions.constEnd()) {
                known = m_positions.insert(block.name, m_images.size());
                m_images.append(block.name);
                m_holders.append(QList<Holder>());
            }
            QList<Holder> &holders = m_holders[*known];
            if (holders.isEmpty() || holders.last().page != page)
                holders.append({page, block.broken});
        }
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
