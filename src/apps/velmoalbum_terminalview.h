// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/buildview.h"

#include <QString>
#include <QStringList>

#include <cstdio>

// The window of a long command, on a terminal: a progress bar on stderr when
// stderr is a terminal, messages on stderr, and the old-pages question
// answered by an option or, on a terminal, by the user.
class TerminalView : public BuildView
{
public:
    enum class OldPages { Ask, Delete, Keep };

    explicit TerminalView(OldPages oldPages);
    ~TerminalView() override;

    void clearViewer() override {}
    void showProgress(bool visible) override;
    void setProgressWidth(double twips) override;
    double progressWidth() const override { return m_width; }
    void setStatus(const QString &text) override { m_status = text; }
    QString status() const override { return m_status; }
    // Each warning once, though the album and the slide page both prepare.
    void warn(const QString &text) override;
    void showWaiting(const QString &text) override;
    void setAlbumFilter(bool) override {}
    void refreshFileList() override {}
    void setBusy(bool) override {}
    bool askDeleteOldPages(const QString &question) override;
    void showMessage(const QString &text, MessageBoxes::Icon icon) override;

private:
    void drawBar();
    void clearBar();

    const OldPages m_oldPages;
    const bool m_barOnTerminal;
    bool m_visible = false;
    bool m_drawn = false;
    int m_drawnPercent = -1;
    double m_width = 0;
    QString m_status;
    QStringList m_warnings;
};
