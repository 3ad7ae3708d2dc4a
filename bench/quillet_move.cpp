// SPDX-License-Identifier: GPL-3.0-or-later
// The time of one Page Down in Quillet on a large album: the window, offscreen,
// moves from the first photo to the last, each move a full load (index check,
// page read, comment, preview decode). Built and run by bench/quillet_move.
#include "../tests/album/recordingview.h"
#include "album/albumbuild.h"
#include "comment_tool/albumindex.h"
#include "comment_tool/commentdrop.h"
#include "comment_window/frmmain.h"
#include "platform/fakes.h"
#include "platform/paths.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <ctime>

// Processor time of this thread in ms: on a machine shared with other work
// the wall time of a move mostly measures the wait for a core.
static double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

static void report(const char *what, QList<double> times, int count, const QSize &size)
{
    std::sort(times.begin(), times.end());
    std::printf("%s, %lld over %d photos of %dx%d: median %.1f ms, 95%% %.1f ms, max %.1f ms\n", what,
                qlonglong(times.size()), count, size.width(), size.height(), times.at(times.size() / 2),
                times.at(times.size() * 95 / 100), times.last());
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.value(1);
    const int count = args.value(2, QStringLiteral("1000")).toInt();
    const QSize size(args.value(3, QStringLiteral("4000")).toInt(), args.value(4, QStringLiteral("3000")).toInt());

    SettingsStore store(Paths::join(folder, QStringLiteral("Velmo.conf")));
    const QString photos = Paths::join(folder, QStringLiteral("album"));
    if (!QFile::exists(Paths::join(photos, QStringLiteral("Album001.html")))) {
        QImage picture(size, QImage::Format_RGB32);
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), QLinearGradient(0, 0, size.width(), size.height()));
        for (int y = 0; y < size.height(); y += 37)
            painter.fillRect(0, y, size.width(), 9, QColor::fromHsv(y % 360, 200, 200));
        painter.end();
        const QString first = Paths::join(photos, QStringLiteral("IMG_0001.JPG"));
        picture.save(first, "JPEG", 85);
        for (int i = 2; i <= count; ++i)
            QFile::link(first, Paths::join(photos, QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0'))));
        AlbumControls controls;
        controls.folder = photos;
        controls.Check5 = false;
        RecordingView view;
        FakeClock clock;
        buildAlbum(controls, store, view, clock, [] { return DesignValues{}; });
    }
    store.write(Keys::Path, photos);

    FakeServices fakes;
    frmMain window(fakes.services(), store);
    window.show();
    QList<double> moves;
    QList<double> cpu;
    QElapsedTimer timer;
    window.moveBy(1);
    for (int i = 1; i < count; ++i) {
        timer.start();
        const double start = cpuMs();
        window.moveBy(1);
        app.processEvents();
        moves.append(timer.nsecsElapsed() / 1e6);
        cpu.append(cpuMs() - start);
    }
    report("window moves, wall time", moves, count, size);
    report("window moves, processor time", cpu, count, size);

    // Ctrl+Enter back through the album from the start: each step writes a
    // page, so the index reads that page again.
    auto *comment = window.findChild<QPlainTextEdit *>(QStringLiteral("txtComment"));
    QList<double> writes;
    QList<double> writesCpu;
    for (int i = 1; i < count; ++i)
        window.moveBy(-1);
    for (int i = 1; i < count; ++i) {
        comment->setPlainText(QStringLiteral("写真 %1 (%2)").arg(i).arg(QDateTime::currentMSecsSinceEpoch()));
        timer.start();
        const double start = cpuMs();
        window.writeAndGoOn();
        app.processEvents();
        writes.append(timer.nsecsElapsed() / 1e6);
        writesCpu.append(cpuMs() - start);
    }
    report("write and go on, wall time", writes, count, size);
    report("write and go on, processor time", writesCpu, count, size);

    // The part without the window: index check, page read and comment.
    AlbumIndex index;
    index.refresh(photos);
    QList<double> locates;
    for (const QString &name : index.images()) {
        timer.start();
        CommentDrop::locate({photos, name}, index);
        locates.append(timer.nsecsElapsed() / 1e6);
    }
    report("comment lookups", locates, count, size);
    return fakes.messages.shown.isEmpty() ? 0 : 1;
}
