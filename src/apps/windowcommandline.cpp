// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowcommandline.h"

#include <QCoreApplication>

#include <cstdio>
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

} // namespace

WindowCommandLine::WindowCommandLine(const QString &program, const QString &description)
    : m_program(program)
{
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
    m_parser.addVersionOption();
}

void WindowCommandLine::allowPath(const QString &name, const QString &description, const QString &syntax)
{
    m_parser.addPositionalArgument(name, description, syntax);
    m_takesPath = true;
}

void WindowCommandLine::answerHelpAndVersion(int &argc, char **argv)
{
    if (!asksForHelpOrVersion(argc, argv))
        return;
    const QCoreApplication terminal(argc, argv);
    // Help and version end the program here. The window system's own options
    // (-platform ...) fail this parse: they are read once the window
    // system's application object has taken them.
    if (m_parser.parse(QCoreApplication::arguments()))
        m_parser.process(QCoreApplication::arguments());
}

std::optional<QString> WindowCommandLine::read(const QStringList &arguments)
{
    if (!m_parser.parse(arguments)) {
        report(m_parser.errorText());
        return std::nullopt;
    }
    // Sound options: --help, --help-all and --version are answered here and end the program.
    m_parser.process(arguments);
    if (m_parser.positionalArguments().size() > (m_takesPath ? 1 : 0)) {
        report(m_takesPath ? QStringLiteral("one path at most (see --help)")
                           : QStringLiteral("no argument expected (see --help)"));
        return std::nullopt;
    }
    return m_parser.positionalArguments().value(0);
}

void WindowCommandLine::report(const QString &problem) const
{
    const QString line = m_program + QStringLiteral(": ") + problem + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
}
