// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowcommandline.h"

#include "lang/programinfo.h"
#include "lang/translation.h"
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The options answered without a window system; "--" ends the options.
// (--help-all lists the window system's options, so it needs one.)
bool asksForHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        for (const char *option : {"-h", "--help", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

// The window system's own options, which its application object takes
// (-platform offscreen, -style Fusion, ...); the program's parser knows none.
bool isWindowSystemOption(const QString &name)
{
    static const QStringList options = {QStringLiteral("platform"),
                                        QStringLiteral("platformpluginpath"),
                                        QStringLiteral("platformtheme"),
                                        QStringLiteral("plugin"),
                                        QStringLiteral("qwindowgeometry"),
                                        QStringLiteral("qwindowicon"),
                                        QStringLiteral("qwindowtitle"),
                                        QStringLiteral("reverse"),
                                        QStringLiteral("session"),
                                        QStringLiteral("display"),
                                        QStringLiteral("geometry"),
                                        QStringLiteral("style"),
                                        QStringLiteral("stylesheet"),
                                        QStringLiteral("widgetcount"),
                                        QStringLiteral("name"),
                                        QStringLiteral("title"),
                                        QStringLiteral("visual"),
                                        QStringLiteral("ncols"),
                                        QStringLiteral("cmap"),
                                        QStringLiteral("nograb"),
                                        QStringLiteral("dograb"),
                                        QStringLiteral("qmljsdebugger"),
                                        QStringLiteral("testability")};
    return options.contains(name);
}

} // namespace

WindowCommandLine::WindowCommandLine(const QString &program, const char *description)
    : m_program(program)
    , m_description(description)
{}

void WindowCommandLine::allowPath(const QString &name, const char *description, const QString &syntax)
{
    m_pathName = name;
    m_pathDescription = description;
    m_pathSyntax = syntax;
}

QCommandLineParser &WindowCommandLine::parser()
{
    m_parser.emplace();
    m_parser->setApplicationDescription(QCoreApplication::translate("CommandLine", m_description) +
                                        QStringLiteral("\n\n") + ProgramInfo::windowExitCodes());
    // "-platform" is one option, as the window system reads it, not -p -l ...
    m_parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser->addHelpOption();
    m_parser->addVersionOption();
    if (m_pathDescription)
        m_parser->addPositionalArgument(m_pathName, QCoreApplication::translate("CommandLine", m_pathDescription),
                                        m_pathSyntax);
    return *m_parser;
}

void WindowCommandLine::answerBeforeWindow(int &argc, char **argv)
{
    const QCoreApplication terminal(argc, argv);
    Translation::use(englishChosen(SettingsStore()));
    QCommandLineParser &options = parser();
    // Help and version end the program here, and so does an option that
    // neither the program nor the window system knows: none of them needs a
    // display. The window system's own options (-platform ...) fail this
    // parse; they are read once its application object has taken them.
    if (options.parse(QCoreApplication::arguments())) {
        if (asksForHelpOrVersion(argc, argv))
            options.process(QCoreApplication::arguments());
        if (!hasFittingArguments())
            std::exit(BadCommandLine);
        return;
    }
    const QStringList unknown = options.unknownOptionNames();
    if (unknown.isEmpty() || !std::all_of(unknown.cbegin(), unknown.cend(), isWindowSystemOption)) {
        reportMistake(options.errorText());
        std::exit(BadCommandLine);
    }
}

std::optional<QString> WindowCommandLine::read(const QStringList &arguments)
{
    QCommandLineParser &options = parser();
    if (!options.parse(arguments)) {
        reportMistake(options.errorText());
        return std::nullopt;
    }
    // Sound options: --help, --help-all and --version are answered here and end the program.
    options.process(arguments);
    if (!hasFittingArguments())
        return std::nullopt;
    return options.positionalArguments().value(0);
}

bool WindowCommandLine::hasFittingArguments()
{
    const bool takesPath = m_pathDescription != nullptr;
    if (m_parser->positionalArguments().size() <= (takesPath ? 1 : 0))
        return true;
    reportMistake(takesPath ? QCoreApplication::translate("CommandLine", "パスは一つまでです。")
                            : QCoreApplication::translate("CommandLine", "引数は取りません。"));
    return false;
}

void WindowCommandLine::reportMistake(const QString &problem) const
{
    report(problem + QLatin1Char(' ') + ProgramInfo::tryHelp());
}

void WindowCommandLine::report(const QString &problem) const
{
    const QString line = m_program + QStringLiteral(": ") + problem + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
}
