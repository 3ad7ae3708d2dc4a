// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/buildview.h"
#include "album/reductioncommand.h"

#include <QString>
#include <QStringList>

// The window of a long command, on a terminal: when stderr is a terminal, a
// progress line there naming the phase and its counts ("thumbnails 12/50");
// messages on stderr, interrupts as stop requests, and the old-pages question answered by an option or,
// on a terminal, by the user. Quiet: errors only.
class TerminalView : public BuildView
{
public:
    enum class OldPages { Ask, Delete, Keep };

    TerminalView(OldPages oldPages, bool quiet);
    ~TerminalView() override;

    void clearViewer() override {}
    void showProgress(bool visible) override;
    void setProgress(BuildPhase, int, int) override {}
    void setProgressCount(BuildPhase phase, int done, int total, const QString &detail) override;
    void setStatus(const QString &text) override { m_status = text; }
    QString status() const override { return m_status; }
    // Each warning once, though the album and the slide page both prepare.
    void warn(const QString &text) override;
    void showWaiting(const QString &text) override;
    void refreshFileList() override {}
    void setBusy(bool) override {}
    bool askDeleteOldPages(const QString &question) override;
    void showMessage(const QString &text, MessageBoxes::Icon icon) override;
    // Ctrl+C, SIGTERM or SIGHUP since the command began.
    bool stopRequested() const override;

    // One line on stderr for every image that got no thumbnail, with the reason.
    void reportNotMade(const QList<NotMadeThumbnail> &images);

private:
    void clearLine();

    const OldPages m_oldPages;
    const bool m_quiet;
    const bool m_lineOnTerminal;
    bool m_drawn = false;
    QString m_status;
    QStringList m_warnings;
};
