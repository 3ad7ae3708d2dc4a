// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/reductioncommand.h"

#include "album/albumbuild.h"
#include "album/albumtexts.h"
#include "album/buildview.h"
#include "album/reductionrecord.h"
#include "album/reductionrunner.h"
#include "lang/failuretext.h"
#include "platform/failure.h"
#include "platform/paths.h"

#include <QMutex>
#include <QMutexLocker>

#include <limits>
#include <map>
#include <memory>
#include <vector>

namespace {

// Counts every image once, as its result arrives.
class Tally
{
public:
    explicit Tally(const ImageList &images)
        : m_images(images)
        , m_results(size_t(images.count()), NoResult)
    {}

    int done() const { return m_done; }
    const ThumbnailCounts &counts() const { return m_counts; }

    void add(int index, int result)
    {
        m_results[size_t(index)] = result;
        ++m_done;
        if (result == 0)
            ++m_counts.made;
        else if (result == ThumbnailUpToDate)
            ++m_counts.upToDate;
    }

    // The counts with the images not made in album order; when the command
    // ended early, every image without a result counts as not made (code 0).
    ThumbnailCounts finish(bool ended)
    {
        for (int i = 0; i < m_images.count(); ++i) {
            const int result = m_results[size_t(i)];
            if (result == NoResult ? ended : result != 0 && result != ThumbnailUpToDate)
                m_counts.notMade.append({m_images.names.at(i), result == NoResult ? 0 : result});
        }
        return m_counts;
    }

private:
    static constexpr int NoResult = std::numeric_limits<int>::min();

    const ImageList &m_images;
    std::vector<int> m_results;
    ThumbnailCounts m_counts;
    int m_done = 0;
};

void reduceImages(const ImageList &images, int scale, Thumbnails thumbnails, BuildView &view,
                  const ReductionEntry &entry, Tally &tally)
{
    view.showProgress(true);
    view.setProgress(BuildPhase::Thumbnails, 0, images.count());
    view.setStatus(AlbumText::reductionStart());
    if (images.count() == 0)
        return;

    int advanced = 0;
    const auto advance = [&view, &advanced, &images] {
        view.setProgress(BuildPhase::Thumbnails, ++advanced, images.count());
        view.refreshFileList();
    };
    if (scale == 1) {
        for (int i = 0; i < images.count(); ++i)
            advance();
        return;
    }
    const auto imageDone = [&](int index, int result) {
        tally.add(index, result);
        view.stopIfRequested();
        const ThumbnailCounts &counts = tally.counts();
        view.setProgressCount(
            BuildPhase::Thumbnails, tally.done(), images.count(),
            AlbumText::thumbnailCounts(counts.made, counts.upToDate, tally.done() - counts.made - counts.upToDate));
        advance();
    };
    ReductionJob job{images.folder, images.names, scale};
    if (thumbnails == Thumbnails::KeepCurrent)
        job.isCurrent = thumbnailIsCurrent;
    // An image whose reduction fails keeps no new "s_" file; its page then
    // shows the full image instead (see the album build).
    runReductions(job, entry(), imageDone);
}

void finish(BuildView &view)
{
    view.setStatus(AlbumText::reductionEnd());
    view.setStatus(QString());
    view.showProgress(false);
    view.setBusy(false);
    view.refreshFileList();
}

void report(const Failure &failure, BuildView &view)
{
    switch (failure.code()) {
    case FailureCode::InvalidCall:
    case FailureCode::TypeMismatch:
        return;
    case FailureCode::DllLoad:
        view.showMessage(AlbumText::libraryNotLoadable(), MessageBoxes::Icon::Exclamation);
        return;
    case FailureCode::BadFileName:
        view.showMessage(AlbumText::targetNotFound(), MessageBoxes::Icon::Exclamation);
        return;
    default:
        view.showMessage(FailureText::reportErrorNumber(failure.code()), MessageBoxes::Icon::None);
    }
}

ReduceFn installedEntryPoint()
{
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<ReductionLibrary>> libraries;
    const QString path = Paths::reductionLibrary();
    ReductionLibrary *library = nullptr;
    {
        QMutexLocker lock(&mutex);
        std::unique_ptr<ReductionLibrary> &loaded = libraries[path];
        if (!loaded)
            loaded = std::make_unique<ReductionLibrary>(path);
        library = loaded.get();
    }
    return library->entryPoint();
}

} // namespace

ReductionEntry installedReductionLibrary()
{
    return installedEntryPoint;
}

ReductionResult reduceFolder(const AlbumOptions &options, BuildView &view, const ReductionEntry &entry,
                             Thumbnails thumbnails)
{
    ReductionResult result{prepareFolder(options.folder, options.deleteOldThumbnails, view), {}};
    Tally tally(result.images);
    try {
        reduceImages(result.images, options.reductionScale, thumbnails, view, entry, tally);
        finish(view);
        result.thumbnails = tally.finish(false);
    } catch (const Failure &failure) {
        report(failure, view);
        result.thumbnails = tally.finish(true);
    } catch (const CommandStopped &) {
        view.setStatus(AlbumText::interrupted());
        result.thumbnails = tally.finish(true);
        result.stopped = true;
    }
    return result;
}
