// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Starting other programs without waiting for them.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // Starts the program named by a program field, with the given arguments.
    // A field that is not an existing file is split like a shell command line,
    // so "firefox --new-window" works. Throws Failure(53) when nothing starts.
    virtual void start(const QString &programField, const QStringList &arguments = {}) = 0;
};

// Opening a document or address with the desktop's program for it.
class ShellOpener
{
public:
    virtual ~ShellOpener() = default;
    virtual void open(const QUrl &target) = 0;
};
