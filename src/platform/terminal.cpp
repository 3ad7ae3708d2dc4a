// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminal.h"

#include "platform/interrupts.h"

#include <QByteArray>

#include <cerrno>
#include <sys/ioctl.h>
#include <unistd.h>

namespace Terminal {

bool inputIsTerminal()
{
    return ::isatty(STDIN_FILENO) == 1;
}

bool errorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

bool errorRedraws()
{
    const QString type = qEnvironmentVariable("TERM");
    return errorIsTerminal() && !type.isEmpty() && type != QLatin1String("dumb");
}

int errorColumns()
{
    winsize size = {};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

QString readInputLine()
{
    constexpr qsizetype LineLimit = 4096;
    QByteArray line;
    while (Interrupts::waitForInput(STDIN_FILENO)) {
        char byte = 0;
        const ssize_t got = ::read(STDIN_FILENO, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || byte == '\n' || line.size() == LineLimit)
            break;
        line.append(byte);
    }
    return QString::fromLocal8Bit(line);
}

} // namespace Terminal
