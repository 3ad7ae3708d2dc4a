// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messageboxes.h"

#include <QString>

// Thrown at a safe point of a long folder command whose view asked it to
// stop; whatever the command holds is put back on the way out.
struct CommandStopped
{
};

// The phases of a long folder command, as its progress reports them.
enum class BuildPhase { Preparing, Thumbnails, Pages };

// What the long folder commands (album build, reduction, slide page) do to
// the window while they run. The main window implements it with its
// controls; velmo-album on the terminal. None of these may run other events.
class BuildView
{
public:
    virtual ~BuildView() = default;

    // Empties the viewer and the image list of the window.
    virtual void clearViewer() = 0;
    virtual void showProgress(bool visible) = 0;
    // How far a phase is, in items; the view decides what to show of it.
    // Preparing: done images found (total 0); Thumbnails: done of total
    // images reduced; Pages: done of total images placed on pages.
    virtual void setProgress(BuildPhase phase, int done, int total) = 0;
    // done of total thumbnails or pages, with what became of them so far;
    // the terminal shows it, the window only its bar.
    virtual void setProgressCount(BuildPhase phase, int done, int total, const QString &detail = {})
    {
        Q_UNUSED(phase);
        Q_UNUSED(done);
        Q_UNUSED(total);
        Q_UNUSED(detail);
    }
    virtual void setStatus(const QString &text) = 0;
    virtual QString status() const = 0;
    // Something the command left out; it stays in view (terminal, status
    // line) after the command's own status texts.
    virtual void warn(const QString &text) = 0;
    // Shown while the command waits for another writer of the folder to end.
    virtual void showWaiting(const QString &text) = 0;
    virtual void refreshFileList() = 0;
    virtual void setBusy(bool busy) = 0;
    // "Delete the old album pages first?" — true for Yes.
    virtual bool askDeleteOldPages(const QString &question) = 0;
    // A message box of a failing command.
    virtual void showMessage(const QString &text, MessageBoxes::Icon icon) = 0;
    // Whether the user asked the command to stop (an interrupt, the window
    // closed); the command stops at its next safe point.
    virtual bool stopRequested() const { return false; }
    void stopIfRequested() const
    {
        if (stopRequested())
            throw CommandStopped{};
    }
};
