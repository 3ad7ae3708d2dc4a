// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowcommandline.h"

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

WindowCommandLine::WindowCommandLine(const QString &program, const QString &description)
    : m_program(program)
{
    m_parser.setApplicationDescription(description);
    // "-platform" is one option, as the window system reads it, not -p -l ...
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addHelpOption();
    m_parser.addVersionOption();
}

void WindowCommandLine::allowPath(const QString &name, const QString &description, const QString &syntax)
{
    m_parser.addPositionalArgument(name, description, syntax);
    m_takesPath = true;
}

void WindowCommandLine::answerBeforeWindow(int &argc, char **argv)
{
    const QCoreApplication terminal(argc, argv);
    // Help and version end the program here, and so does an option that
    // neither the program nor the window system knows: none of them needs a
    // display. The window system's own options (-platform ...) fail this
    // parse; they are read once its application object has taken them.
    if (m_parser.parse(QCoreApplication::arguments())) {
        if (asksForHelpOrVersion(argc, argv))
            m_parser.process(QCoreApplication::arguments());
        if (!hasFittingArguments())
            std::exit(BadCommandLine);
        return;
    }
    const QStringList unknown = m_parser.unknownOptionNames();
    if (unknown.isEmpty() || !std::all_of(unknown.cbegin(), unknown.cend(), isWindowSystemOption)) {
        report(m_parser.errorText());
        std::exit(BadCommandLine);
    }
}

std::optional<QString> WindowCommandLine::read(const QStringList &arguments)
{
    if (!m_parser.parse(arguments)) {
        report(m_parser.errorText());
        return std::nullopt;
    }
    // Sound options: --help, --help-all and --version are answered here and end the program.
    m_parser.process(arguments);
    if (!hasFittingArguments())
        return std::nullopt;
    return m_parser.positionalArguments().value(0);
}

bool WindowCommandLine::hasFittingArguments() const
{
    if (m_parser.positionalArguments().size() <= (m_takesPath ? 1 : 0))
        return true;
    report(m_takesPath ? QStringLiteral("one path at most (see --help)")
                       : QStringLiteral("no argument expected (see --help)"));
    return false;
}

void WindowCommandLine::report(const QString &problem) const
{
    const QString line = m_program + QStringLiteral(": ") + problem + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
}
