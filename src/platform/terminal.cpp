// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminal.h"

#include <QString>

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

} // namespace Terminal
