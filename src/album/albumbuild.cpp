// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumbuild.h"

#include "album/albumpage.h"
#include "album/albumtexts.h"
#include "album/buildview.h"
#include "album/htmltext.h"
#include "album/pagecomments.h"
#include "album/pageformat.h"
#include "album/pagesetwriter.h"
#include "album/preparation.h"
#include "album/thumbnailsize.h"
#include "metadata/photometadata.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/folderlock.h"
#include "platform/listing.h"
#include "platform/paths.h"

#include <QFileInfo>

#include <array>

namespace {

// Photos per page when the setting is 0 (no limit).
constexpr int UnlimitedPhotosPerPage = 999;

QStringList pageNames(int pageCount)
{
    QStringList names;
    for (int page = 1; page <= pageCount; ++page)
        names.append(PageFormat::pageFileName(page));
    return names;
}

// The folder's album pages other than the pageCount pages of the new set.
QStringList obsoletePages(const QString &folder, int pageCount)
{
    const QStringList written = pageNames(pageCount);
    QStringList obsolete = Listing::files(folder, {PageFormat::pagePattern()});
    obsolete.removeIf([&written](const QString &name) { return written.contains(name); });
    return obsolete;
}

// Writes the pages of one build: the page loop and the row procedure.
class PageWriter
{
public:
    struct Layout
    {
        int rowWidth = 0;
        int photosPerPage = 0;
        bool thumbnailMode = false;
        QSet<QString> withoutThumbnail; // images whose thumbnail could not be made
    };

    PageWriter(const ImageList &images, const AlbumOptions &options, const DesignValues &design, Layout layout,
               BuildView &view, const Clock &clock, const PageComments &comments)
        : m_images(images)
        , m_options(options)
        , m_design(design)
        , m_layout(layout)
        , m_view(view)
        , m_clock(clock)
        , m_comments(comments)
        , m_pages(images.folder)
        , m_homeExists(QFileInfo(Paths::join(images.folder, PageFormat::homePageName())).isFile())
    {}

    // Writes every page and puts them in place as one set, removing the
    // other old pages when deleteOld is set; fills the page count, unwritten
    // pages and carried comments of result. When any page fails, no page is
    // put in place and no old page is removed.
    void run(AlbumBuildResult &result, bool deleteOld)
    {
        m_result = &result;
        for (int page = 1;; ++page) {
            writePage(page);
            if (m_images.count() <= page * m_layout.photosPerPage) {
                result.pageCount = page;
                break;
            }
        }
        const QStringList obsolete = deleteOld ? obsoletePages(m_images.folder, result.pageCount) : QStringList();
        m_view.stopIfRequested(); // the last moment the earlier set can stay
        if (!m_pages.commit(obsolete) && result.unwrittenPages.isEmpty())
            result.unwrittenPages = pageNames(result.pageCount);
    }

private:
    void writePage(int page)
    {
        m_onPage = 0;
        QList<AlbumRow> rows;
        for (bool pageEnds = false; !pageEnds;) {
            AlbumRow row = nextRow(pageEnds);
            if (!row.isEmpty())
                rows.append(row);
        }
        const AlbumPageInfo info{page,
                                 totalPages(),
                                 m_images.count() > page * m_layout.photosPerPage,
                                 m_options.linksOpenNewWindow,
                                 m_clock.now().date(),
                                 m_homeExists,
                                 m_options.pageLanguage};
        m_view.stopIfRequested();
        const QString name = PageFormat::pageFileName(page);
        if (!m_pages.add(name, AlbumPage::inStyle(m_design, info, rows)))
            m_result->unwrittenPages.append(name);
        m_view.setProgressCount(BuildPhase::Pages, page, totalPages());
    }

    int totalPages() const { return (m_images.count() + m_layout.photosPerPage - 1) / m_layout.photosPerPage; }

    bool pageFull() const { return m_onPage == m_layout.photosPerPage; }

    // Takes the next image into the slot; false when the images are exhausted.
    bool take(int slot)
    {
        if (m_next >= m_images.count())
            return false;
        gather(m_slots[slot], m_images.names.at(m_next++));
        return true;
    }

    // The row procedure: up to rowWidth slots, stopping at a full page or the
    // last image. pageEnds is set when the page can take no further row.
    AlbumRow nextRow(bool &pageEnds)
    {
        AlbumRow row;
        bool ended = !take(0);
        if (!ended) {
            row.append(m_slots[0]);
            for (int slot = 1; slot < m_layout.rowWidth && !ended; ++slot) {
                ended = pageFull() || !take(slot);
                if (!ended)
                    row.append(m_slots[slot]);
            }
        }
        pageEnds = ended || pageFull();
        return row;
    }

    // Fills a slot for image name. A fact that cannot be read leaves what the
    // slot held before.
    void gather(AlbumSlot &slot, const QString &name)
    {
        const QString path = Paths::join(m_images.folder, name);
        if (m_options.sizeThumbnailsByBox) {
            try {
                const ThumbnailSize size = measureThumbnail(path, m_options.thumbnailBox, m_fit);
                slot.height = size.height;
                slot.width = size.width;
            } catch (const Failure &) {
            }
        } else {
            const DesignValues designTime;
            slot.height = designTime.boxHeight;
            slot.width = designTime.boxWidth;
        }
        slot.name = name;
        slot.source = thumbnailSource(name);
        // Only the modern page gives each picture its own size.
        if (m_design.pageStyle == PageStyle::Modern) {
            slot.pixels = pictureSize(Paths::join(m_images.folder, slot.source));
            slot.photoPixels = slot.source == name ? QSize() : pictureSize(path);
        }
        const QFileInfo file(path);
        if (file.exists()) {
            slot.size = file.size();
            slot.modified = file.lastModified();
        }
        slot.comment = m_comments.comment(name);
        if (!slot.comment.isEmpty())
            ++m_result->carriedComments;
        takeMetadata(slot, PhotoMetadataReader::read(path));
        m_view.setProgress(BuildPhase::Pages, ++m_placed, m_images.count());
        ++m_onPage;
    }

    // What the photo says of itself: its shot date and, for an empty
    // comment, its caption, where the options ask for them.
    void takeMetadata(AlbumSlot &slot, const PhotoMetadata &metadata)
    {
        if (metadata.hasLocation)
            ++m_result->photosWithLocation;
        if (m_options.shotDates && metadata.shot)
            slot.modified = *metadata.shot;
        if (m_options.captionsFromPhotos && slot.comment.isEmpty())
            slot.comment = HtmlText::comment(metadata.caption);
    }

    // In thumbnail mode the reduced copy, unless its reduction failed: then
    // the full image, so that the page never shows a missing or stale picture.
    QString thumbnailSource(const QString &name) const
    {
        if (!m_layout.thumbnailMode || m_layout.withoutThumbnail.contains(name))
            return name;
        const QString thumbnail = thumbnailName(name);
        return QFileInfo(Paths::join(m_images.folder, thumbnail)).isFile() ? thumbnail : name;
    }

    const ImageList &m_images;
    const AlbumOptions &m_options;
    const DesignValues &m_design;
    const Layout m_layout;
    BuildView &m_view;
    const Clock &m_clock;
    const PageComments &m_comments;
    PageSetWriter m_pages;
    const bool m_homeExists;
    AlbumBuildResult *m_result = nullptr;
    std::array<AlbumSlot, 3> m_slots;
    FitState m_fit;
    int m_next = 0;
    int m_onPage = 0;
    int m_placed = 0;
};

// The pages written (or not), and in thumbnail mode what became of the thumbnails.
QString finalStatus(const AlbumBuildResult &result)
{
    QString status = result.unwrittenPages.isEmpty() ? AlbumText::pagesWritten(result.imageCount, result.pageCount)
                                                     : AlbumText::pagesNotWritten(result.unwrittenPages);
    if (result.thumbnailMode) {
        const ThumbnailCounts &counts = result.thumbnails;
        status +=
            QLatin1Char(' ') + AlbumText::thumbnailOutcome(counts.made, counts.upToDate, int(counts.notMade.size()));
    }
    return status;
}

void build(AlbumBuildResult &result, const AlbumOptions &options, const DesignValues &design, BuildView &view,
           const Clock &clock, const ReductionEntry &reduction)
{
    PageWriter::Layout layout;
    layout.rowWidth = options.rowWidth;
    layout.photosPerPage = options.photosPerPage > 0 ? options.photosPerPage : UnlimitedPhotosPerPage;

    // One build per folder at a time: a second one, from this window,
    // another Velmo or velmo-album, waits here for the first to end.
    FolderLock lock(options.folder);
    lockFolder(lock, view);
    const bool recovered = PageSetWriter::recover(
        options.folder, [&view](const QString &setAside) { view.warn(AlbumText::journalRefused(setAside)); });

    layout.thumbnailMode = Paths::isRegularFile(Paths::reductionLibrary()) && options.reductionScale != 1;
    result.thumbnailMode = layout.thumbnailMode;
    ImageList images;
    if (layout.thumbnailMode) {
        const ReductionResult reduced = reduceFolder(
            options, view, reduction, options.remakeThumbnails ? Thumbnails::RemakeAll : Thumbnails::KeepCurrent);
        images = reduced.images;
        result.thumbnails = reduced.thumbnails;
        for (const NotMadeThumbnail &image : reduced.thumbnails.notMade)
            layout.withoutThumbnail.insert(image.name);
    } else {
        images = prepareFolder(options.folder, options.deleteOldThumbnails, view);
    }
    view.stopIfRequested();
    result.imageCount = images.count();

    if (images.count() > 0) {
        view.showProgress(true);
        view.setProgress(BuildPhase::Pages, 0, images.count());
        view.setStatus(AlbumText::buildingPages());
        if (recovered) {
            // Comments are taken before the old pages are deleted or overwritten.
            const PageComments comments = PageComments::read(images.folder);
            const bool deleteOld =
                !options.askBeforeDeletingOldPages || view.askDeleteOldPages(AlbumText::deleteOldPages());
            PageWriter(images, options, design, layout, view, clock, comments).run(result, deleteOld);
        } else {
            // A stopped build's set that cannot be finished keeps its journal
            // and temporaries, which hold comments: nothing may be written.
            result.unwrittenPages = pageNames((images.count() + layout.photosPerPage - 1) / layout.photosPerPage);
        }
        view.refreshFileList();
        view.setStatus(finalStatus(result));
        if (result.photosWithLocation > 0)
            view.warn(AlbumText::photosWithLocation(result.photosWithLocation));
    }
}

} // namespace

AlbumBuildResult buildAlbum(const AlbumOptions &options, const DesignValues &design, BuildView &view,
                            const Clock &clock, const ReductionEntry &reduction)
{
    view.clearViewer();
    AlbumBuildResult result;
    try {
        build(result, options, design, view, clock, reduction);
    } catch (const CommandStopped &) {
        result.interrupted = true;
        view.refreshFileList();
        view.setStatus(AlbumText::interrupted());
    }
    view.showProgress(false);
    view.setBusy(false);
    return result;
}
