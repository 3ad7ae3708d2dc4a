// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/launcher.h"

#include <QElapsedTimer>

// The real services that need no widgets.
class ProcessLauncher : public Launcher
{
public:
    void start(const QString &programField, const QStringList &arguments = {}) override;
};

class DesktopShellOpener : public ShellOpener
{
public:
    void open(const QUrl &target) override;
};

class SystemClipboard : public Clipboard
{
public:
    void clear() override;
    void setText(const QString &text) override;
    QString text() const override;
};

class SystemClock : public Clock
{
public:
    SystemClock();
    QDateTime now() const override;
    qint64 monotonicMs() const override;
    void arm(QTimer &timer, qint64 ms) const override;

private:
    QElapsedTimer m_timer;
};
