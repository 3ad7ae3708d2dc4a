// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/reductioncommand.h"

#include "album/albumbuild.h"
#include "album/albumtexts.h"
#include "album/buildview.h"
#include "album/reductionrunner.h"
#include "lang/failuretext.h"
#include "platform/failure.h"
#include "platform/paths.h"
#include "settings/settingsstore.h"

#include <QMutex>
#include <QMutexLocker>

#include <map>
#include <memory>

namespace {

// 2, 4 or 8 when the setting reads as one of them; 0 (no thumbnails) for any
// other number. A setting that is not a number fails with 13.
int denominatorOf(const QString &setting)
{
    bool ok = false;
    const double value = setting.trimmed().toDouble(&ok);
    if (!ok)
        throw Failure(FailureCode::TypeMismatch, setting);
    for (const int denominator : {2, 4, 8}) {
        if (value == denominator)
            return denominator;
    }
    return 0;
}

void reduceImages(const ImageList &images, const QString &setting, BuildView &view, const ReductionEntry &entry)
{
    view.showProgress(true);
    view.setProgressWidth(0);
    view.setStatus(AlbumText::ReductionStart);
    if (images.count() == 0)
        return;

    const double step = 8000.0 / images.count();
    const auto imageDone = [&view, step](int /*index*/, int /*result*/) {
        view.setProgressWidth(view.progressWidth() + step);
        view.refreshFileList();
    };
    const int denominator = denominatorOf(setting);
    if (denominator == 0) {
        for (int i = 0; i < images.count(); ++i)
            imageDone(i, 0);
        return;
    }
    // An image whose reduction fails keeps no "s_" file; its page then shows
    // the full image instead (see the album build).
    runReductions(ReductionJob{images.folder, images.names, denominator}, entry(), imageDone);
}

void finish(BuildView &view)
{
    view.setStatus(AlbumText::ReductionEnd);
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
        view.showMessage(AlbumText::LibraryNotLoadable, MessageBoxes::Icon::Exclamation);
        return;
    case FailureCode::BadFileName:
        view.showMessage(AlbumText::TargetNotFound, MessageBoxes::Icon::Exclamation);
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

ImageList cmdRdctJPEG_Click(AlbumControls &controls, SettingsStore &store, BuildView &view, const ReductionEntry &entry)
{
    controls.TXTJPEGReduction = store.read(Keys::JPEGReduction, controls.TXTJPEGReduction);
    ImageList images = PrepareFolder(controls.folder, controls.CheckWarningJPG, view);
    try {
        reduceImages(images, controls.TXTJPEGReduction, view, entry);
        finish(view);
    } catch (const Failure &failure) {
        report(failure, view);
    }
    return images;
}
