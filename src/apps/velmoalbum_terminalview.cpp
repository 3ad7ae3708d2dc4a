// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmoalbum_terminalview.h"

#include <QTextStream>

#include <algorithm>
#include <string>
#include <unistd.h>

namespace {

constexpr double FullBar = 8000.0;
constexpr int BarCells = 40;

void printLine(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace

TerminalView::TerminalView(OldPages oldPages)
    : m_oldPages(oldPages), m_barOnTerminal(isatty(STDERR_FILENO))
{
}

TerminalView::~TerminalView()
{
    clearBar();
}

void TerminalView::showProgress(bool visible)
{
    m_visible = visible;
    if (visible)
        drawBar();
    else
        clearBar();
}

void TerminalView::setProgressWidth(double twips)
{
    m_width = twips;
    if (m_visible)
        drawBar();
}

// Redraws only when the shown percentage changes.
void TerminalView::drawBar()
{
    if (!m_barOnTerminal)
        return;
    const int percent = int(std::clamp(m_width / FullBar, 0.0, 1.0) * 100);
    if (m_drawn && percent == m_drawnPercent)
        return;
    const int filled = percent * BarCells / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(), std::string(BarCells - filled, ' ').c_str(),
                 percent);
    std::fflush(stderr);
    m_drawn = true;
    m_drawnPercent = percent;
}

void TerminalView::clearBar()
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
    clearBar();
    if (!isatty(STDIN_FILENO)) {
        printLine(QStringLiteral("velmo-album: old album pages kept (no terminal to ask; use --yes or --keep)"));
        return false;
    }
    std::fputs((question + QStringLiteral(" [y/N] ")).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    const QString answer = QTextStream(stdin).readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
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
    clearBar();
    printLine(QStringLiteral("velmo-album: ") + text);
}
