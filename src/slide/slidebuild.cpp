// SPDX-License-Identifier: GPL-3.0-or-later
#include "slide/slidebuild.h"

#include "album/albumtexts.h"
#include "album/buildview.h"
#include "album/preparation.h"
#include "lang/failuretext.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/folderlock.h"
#include "platform/paths.h"
#include "slide/slidepage.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

// Writes the whole page or nothing: the earlier page stays until the new one
// is complete.
void writePage(const QString &folder, const QByteArray &bytes)
{
    const QString path = Paths::join(folder, SlidePage::fileName());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return;
    const bool folderGone = !QFileInfo(folder).isDir();
    throw Failure(folderGone ? FailureCode::PathNotFound : FailureCode::PathFileAccess, path);
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
                                const std::function<DesignValues()> &copyDesignValues)
{
    const DesignValues design = copyDesignValues();
    // The preparation may delete thumbnails that an album build beside it uses.
    FolderLock lock(folder);
    lock.lock([&view] { view.showWaiting(AlbumText::WaitingForFolder); });
    SlideBuildResult result;
    try {
        view.refreshFileList();
        const ImageList images = PrepareFolder(folder, deleteOldThumbs, view);
        result.imageCount = images.count();
        writePage(images.folder, SlidePage::page(design, images.names, clock.now().date()));
        view.setAlbumFilter(true);
        restoreView(view);
    } catch (const Failure &failure) {
        restoreView(view);
        result.failureCode = failure.code();
        if (failure.code() != FailureCode::PathNotFound)
            view.showMessage(FailureText::reportErrorNumber(failure.code()), MessageBoxes::Icon::None);
    }
    return result;
}
