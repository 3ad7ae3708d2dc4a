// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmoalbum_terminalview.h"

#include "album/albumtexts.h"
#include "platform/interrupts.h"
#include "platform/terminal.h"
#include "rdctjpeg/rdctjpeg.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int BarCells = 10;

QString translated(const char *japanese)
{
    return QCoreApplication::translate("TerminalView", japanese);
}

void printLine(const QString &text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

// Why the reduction library made no thumbnail, by its return code.
QString reason(int code)
{
    switch (code) {
    case RDCTJPEG_E_NOT_REGULAR:
        return translated(QT_TRANSLATE_NOOP("TerminalView", "通常のファイルではありません"));
    case RDCTJPEG_E_OPEN:
        return translated(QT_TRANSLATE_NOOP("TerminalView", "読めません"));
    case RDCTJPEG_E_DECODE:
        return translated(QT_TRANSLATE_NOOP("TerminalView", "JPEG画像ではないか、壊れています"));
    case RDCTJPEG_E_TOO_LARGE:
        return translated(QT_TRANSLATE_NOOP("TerminalView", "大きすぎます"));
    case RDCTJPEG_E_TOO_MANY_SCANS:
        return translated(QT_TRANSLATE_NOOP("TerminalView", "スキャンが多すぎます"));
    case RDCTJPEG_E_WRITE:
        return translated(QT_TRANSLATE_NOOP("TerminalView", "縮小画像を書き込めません"));
    case 0:
        return translated(QT_TRANSLATE_NOOP("TerminalView", "その前に縮小処理が終わりました"));
    default:
        return translated(QT_TRANSLATE_NOOP("TerminalView", "縮小処理がコード %1 で失敗しました")).arg(code);
    }
}

} // namespace

TerminalView::TerminalView(OldPages oldPages, bool quiet)
    : m_oldPages(oldPages)
    , m_quiet(quiet)
    , m_lineOnTerminal(!quiet && Terminal::errorRedraws())
{}

TerminalView::~TerminalView()
{
    clearLine();
}

void TerminalView::showProgress(bool visible)
{
    if (!visible)
        clearLine();
}

// "[##        ]  24% thumbnails 12/50: 12 made, 0 up to date",
// drawn over itself; the count of the last item gives exactly 100%.
void TerminalView::setProgressCount(BuildPhase phase, int done, int total, const QString &detail)
{
    if (!m_lineOnTerminal || total <= 0)
        return;
    const int percent = int(qint64(done) * 100 / total);
    const int filled = percent * BarCells / 100;
    QString line = QStringLiteral("\r[%1%2] %3% %4 %5/%6")
                       .arg(QString(filled, QLatin1Char('#')), QString(BarCells - filled, QLatin1Char(' ')))
                       .arg(percent, 3)
                       .arg(phase == BuildPhase::Thumbnails ? AlbumText::thumbnailsPhase() : AlbumText::pagesPhase())
                       .arg(done)
                       .arg(total);
    if (!detail.isEmpty())
        line += QStringLiteral(": ") + detail;
    // Shorter than the terminal, to be drawn over; the carriage return takes no column.
    line.truncate(Terminal::errorColumns());
    std::fputs((line + QStringLiteral("\033[K")).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    m_drawn = true;
}

void TerminalView::clearLine()
{
    if (!m_drawn)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_drawn = false;
}

bool TerminalView::askDeleteOldPages(const QString &question)
{
    switch (m_oldPages) {
    case OldPages::Delete:
        return true;
    case OldPages::Keep:
        return false;
    case OldPages::Ask:
        break;
    }
    clearLine();
    if (!Terminal::inputIsTerminal()) {
        if (!m_quiet)
            printLine(QStringLiteral("velmo-album: ") +
                      translated(QT_TRANSLATE_NOOP("TerminalView",
                                                   "古いアルバムページを残しました"
                                                   "（確認する端末がありません。--yes か --keep を使って下さい）")));
        return false;
    }
    std::fputs((question + QLatin1Char(' ') + translated(QT_TRANSLATE_NOOP("TerminalView", "[y/N]")) + QLatin1Char(' '))
                   .toLocal8Bit()
                   .constData(),
               stderr);
    std::fflush(stderr);
    const QString answer = Terminal::readInputLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

bool TerminalView::stopRequested() const
{
    return Interrupts::caughtSignal() != 0;
}

void TerminalView::warn(const QString &text)
{
    if (m_warnings.contains(text))
        return;
    m_warnings.append(text);
    showMessage(text, MessageBoxes::Icon::Exclamation);
}

void TerminalView::showWaiting(const QString &text)
{
    showMessage(text, MessageBoxes::Icon::None);
}

void TerminalView::showMessage(const QString &text, MessageBoxes::Icon)
{
    clearLine();
    printLine(QStringLiteral("velmo-album: ") + text);
}

void TerminalView::reportNotMade(const QList<NotMadeThumbnail> &images)
{
    clearLine();
    for (const NotMadeThumbnail &image : images)
        printLine(QStringLiteral("velmo-album: ") +
                  translated(QT_TRANSLATE_NOOP("TerminalView", "%1 の縮小画像を作れません: %2"))
                      .arg(image.name, reason(image.code)));
}
