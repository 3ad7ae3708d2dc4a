// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The terminal a command-line program runs on, if any.
namespace Terminal {
// Standard input, or standard error, is a terminal.
bool inputIsTerminal();
bool errorIsTerminal();
// Standard error is a terminal that takes the escape that clears the rest of
// a line: not a "dumb" one, nor one that does not say what it is.
bool errorRedraws();
// Columns of the terminal on standard error; 80 when it does not say.
int errorColumns();
// A line typed on standard input, without its end; empty at the end of the
// input or when an interrupt comes while waiting for it.
QString readInputLine();
} // namespace Terminal
