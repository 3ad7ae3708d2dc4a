// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminal.h"

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

int errorColumns()
{
    winsize size = {};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

} // namespace Terminal
