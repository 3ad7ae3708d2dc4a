// SPDX-License-Identifier: GPL-3.0-or-later
// Quillet on a page whose comment is one long line. "make FOLDER SIZE" writes
// the photo and the page; "measure FOLDER" then times, in a process of its
// own so that its peak memory is Quillet's alone: the comment tool's load
// (index, page read, comment) and write-back of the comment with "+QP" over
// its last three characters, without the window; then the window's drop,
// which shows the comment in the field, "+QW" typed over the same three
// characters and the write button. Built and run by bench/quillet_comment.
#include "album/albumpage.h"
#include "comment_tool/albumindex.h"
#include "comment_tool/commentdrop.h"
#include "comment_window/frmmain.h"
#include "platform/failure.h"
#include "platform/fakes.h"
#include "platform/paths.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/resource.h>

namespace {

const QString PhotoName = QStringLiteral("p.jpg");
const QString PageName = QStringLiteral("Album001.html");

// Processor time of this thread in ms: on a shared machine the wall time
// mostly measures the wait for a core.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void timed(const char *what, const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    const double cpu = cpuMs();
    step();
    std::printf("  %-14s %8.1f ms (processor %8.1f)\n", what, timer.nsecsElapsed() / 1e6, cpuMs() - cpu);
}

// One line of text (PIECE, by default mixed Japanese and English) cut to
// exactly size bytes, no character cut in two.
QByteArray commentOf(qsizetype size)
{
    const QByteArray piece = qEnvironmentVariable("PIECE", QStringLiteral("写真のコメント photo comment ")).toUtf8();
    QByteArray comment = piece.repeated(size / piece.size() + 1).left(size);
    while (!comment.isEmpty() && (comment.back() & 0xC0) == 0x80)
        comment.chop(1);
    if (!comment.isEmpty() && (comment.back() & 0x80))
        comment.chop(1);
    return comment.leftJustified(size, ' ');
}

int make(const QString &folder, qsizetype size)
{
    QImage(640, 480, QImage::Format_RGB32).save(Paths::join(folder, PhotoName), "JPEG", 85);
    AlbumSlot slot;
    slot.name = slot.source = PhotoName;
    slot.height = QStringLiteral("100");
    slot.width = QStringLiteral("135");
    slot.comment = commentOf(size);
    QFile page(Paths::join(folder, PageName));
    return page.open(QIODevice::WriteOnly) && page.write(AlbumPage::page(DesignValues{}, {}, {{slot}})) > 0 ? 0 : 1;
}

// The comment tool alone: what every drop and every write-back costs
// before the window shows anything.
void measureTool(const QString &folder)
{
    AlbumIndex index;
    CommentSource source;
    timed("tool load", [&] { source = CommentDrop::locate({folder, PhotoName}, index); });
    const QString edited = source.comment.chopped(qMin<qsizetype>(3, source.comment.size())) + QStringLiteral("+QP");
    timed("tool write", [&] {
        try {
            CommentDrop::write(source, edited);
        } catch (const Failure &failure) {
            std::printf("  (refused: %d)\n", failure.code());
        }
    });
}

void measureWindow(QApplication &app, const QString &folder)
{
    SettingsStore store(Paths::join(folder, QStringLiteral("Velmo.conf")));
    FakeServices fakes;
    frmMain window(fakes.services(), store);
    window.show();
    app.processEvents();
    QMimeData drop;
    drop.setUrls({QUrl::fromLocalFile(Paths::join(folder, PhotoName))});
    timed("window load", [&] {
        window.Image1_OLEDragDrop(&drop);
        app.processEvents();
    });
    auto *field = window.findChild<QPlainTextEdit *>(QStringLiteral("txtComment"));
    timed("typing", [&] {
        field->moveCursor(QTextCursor::End);
        for (int i = 0; i < 3 && !field->isReadOnly(); ++i)
            field->moveCursor(QTextCursor::Left, QTextCursor::KeepAnchor);
        field->insertPlainText(QStringLiteral("+QW"));
        app.processEvents();
    });
    timed("window write", [&] {
        window.findChild<QPushButton *>(QStringLiteral("cmdEnter"))->click();
        app.processEvents();
    });
    QFile page(Paths::join(folder, PageName));
    const bool written = page.open(QIODevice::ReadOnly) && page.readAll().contains("+QW<!Ep.jpg>");
    std::printf("  %s\n", written ? "written" : "not written");
    for (const QString &said : fakes.messages.texts())
        std::printf("  said: %s\n", qPrintable(said));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.value(2);
    if (args.value(1) == QLatin1String("make"))
        return make(folder, args.value(3).toLongLong());
    measureTool(folder);
    measureWindow(app, folder);
    std::printf("  peak memory    %8ld MB\n", peakMegabytes());
    return 0;
}
