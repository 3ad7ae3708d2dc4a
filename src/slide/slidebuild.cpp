// SPDX-License-Identifier: GPL-3.0-or-later
#include "slide/slidebuild.h"

#include "album/albumtexts.h"
#include "album/buildview.h"
#include "album/pageformat.h"
#include "album/preparation.h"
#include "lang/failuretext.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/folderfiles.h"
#include "platform/folderlock.h"
#include "platform/paths.h"
#include "slide/modernslidepage.h"
#include "slide/slidepage.h"

#include <QFileInfo>

namespace {

// Writes the whole page or nothing: the earlier page stays until the new one
// is complete. A link of the page's name is replaced, never written through.
void writePage(const QString &folder, const QByteArray &bytes)
{
    FolderFiles files(folder);
    if (files.replace(SlidePage::fileName(), bytes, PageFormat::TemporaryPrefix))
        return;
    const bool folderGone = !QFileInfo(folder).isDir();
    throw Failure(folderGone ? FailureCode::PathNotFound : FailureCode::PathFileAccess,
                  Paths::join(folder, SlidePage::fileName()));
}

// The window as every end of the command leaves it.
void restoreView(BuildView &view)
{
    view.setStatus(QString());
    view.showProgress(false);
    view.setBusy(false);
}

} // namespace

SlideBuildResult writeSlidePage(const QString &folder, bool deleteOldThumbs, BuildView &view, const Clock &clock,
                                const DesignValues &design, PageLanguage language)
{
    // The preparation may delete thumbnails that an album build beside it uses.
    FolderLock lock(folder);
    SlideBuildResult result;
    try {
        lockFolder(lock, view);
        view.refreshFileList();
        const ImageList images = prepareFolder(folder, deleteOldThumbs, view);
        result.imageCount = images.count();
        view.stopIfRequested();
        const QDate today = clock.now().date();
        writePage(images.folder, design.pageStyle == PageStyle::Modern
                                     ? ModernSlidePage::page(design, images.names, today, language)
                                     : SlidePage::page(design, images.names, today));
        restoreView(view);
    } catch (const Failure &failure) {
        restoreView(view);
        result.failureCode = failure.code();
        if (failure.code() != FailureCode::PathNotFound)
            view.showMessage(FailureText::reportErrorNumber(failure.code()), MessageBoxes::Icon::None);
    } catch (const CommandStopped &) {
        restoreView(view);
        view.setStatus(AlbumText::interrupted());
        result.interrupted = true;
    }
    return result;
}
