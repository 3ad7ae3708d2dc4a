// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/buildview.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// A BuildView that records what a long command did to the window and answers
// the old-pages question from a script (Yes when the script is empty).
class RecordingView : public BuildView
{
public:
    struct Message
    {
        QString text;
        MessageBoxes::Icon icon;
    };

    void clearViewer() override { ++clears; }
    void showProgress(bool visible) override { progressVisible = visible; }
    void setProgress(BuildPhase now, int doneNow, int totalNow) override
    {
        phase = now;
        done = doneNow;
        total = totalNow;
    }
    void setStatus(const QString &text) override { statuses.append(text); }
    QString status() const override { return statuses.value(statuses.size() - 1); }
    void warn(const QString &text) override { warnings.append(text); }
    void showWaiting(const QString &text) override { waits.append(text); }
    void refreshFileList() override { ++refreshes; }
    void setBusy(bool isBusy) override { busy = isBusy; }
    bool askDeleteOldPages(const QString &question) override
    {
        questions.append(question);
        return answers.isEmpty() || answers.dequeue();
    }
    void showMessage(const QString &text, MessageBoxes::Icon icon) override { messages.append({text, icon}); }

    int clears = 0;
    bool progressVisible = false;
    BuildPhase phase = BuildPhase::Preparing;
    int done = 0;
    int total = 0;
    QStringList statuses;
    QStringList warnings;
    QStringList waits;
    int refreshes = 0;
    bool busy = false;
    QStringList questions;
    QQueue<bool> answers;
    QList<Message> messages;
};
