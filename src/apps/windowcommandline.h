// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <optional>

// The command line of a window program: --help, --version and at most one
// path. Help and version are answered on the terminal before the window
// system is started, so they work without a display too.
class WindowCommandLine
{
public:
    enum ExitCode { PathProblem = 1, BadCommandLine = 2 };

    WindowCommandLine(const QString &program, const QString &description);

    // Lets the program take one path (shown in the help as syntax).
    void allowPath(const QString &name, const QString &description, const QString &syntax);

    // Run before the application object exists: answers --help and
    // --version, and refuses an unknown option (exit BadCommandLine), on the
    // terminal and without a display; returns when the window may start (the
    // window system's own options are left for read()).
    void answerBeforeWindow(int &argc, char **argv);

    // The given path (empty when none), read from the arguments the
    // application object left after taking its own options. A mistake is
    // reported on standard error and gives no value.
    std::optional<QString> read(const QStringList &arguments);

    // Reports a problem on standard error, after the program's name.
    void report(const QString &problem) const;

private:
    // No more paths than the program takes; reports a mistake.
    bool hasFittingArguments() const;

    QString m_program;
    QCommandLineParser m_parser;
    bool m_takesPath = false;
};
