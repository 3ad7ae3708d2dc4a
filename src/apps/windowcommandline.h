// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <optional>

// The command line of a window program: --help, --version and at most one
// path. Help and version are answered on the terminal before the window
// system is started, so they work without a display too. Its texts are
// catalogue sources, shown in the language the settings choose.
class WindowCommandLine
{
public:
    enum ExitCode { PathProblem = 1, BadCommandLine = 2 };

    // description: what the program does, a catalogue source of context "CommandLine".
    WindowCommandLine(const QString &program, const char *description);

    // Lets the program take one path (shown in the help as syntax).
    void allowPath(const QString &name, const char *description, const QString &syntax);

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
    // A parser with the options and texts of the installed language.
    QCommandLineParser &parser();
    // No more paths than the program takes; reports a mistake.
    bool hasFittingArguments();
    // A mistake of the command line, with the hint to --help.
    void reportMistake(const QString &problem) const;

    QString m_program;
    const char *m_description;
    QString m_pathName;
    const char *m_pathDescription = nullptr;
    QString m_pathSyntax;
    std::optional<QCommandLineParser> m_parser;
};
