// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The termination requests a long command answers by stopping at its next
// safe point instead of dying in the middle of a write: SIGINT (Ctrl+C),
// SIGTERM and SIGHUP. The handler only notes the signal; the command asks.
// A second request while the first is being answered ends the process at
// once, as it would without the handlers (the page set stays whole anyway).
namespace Interrupts {
// Notes termination requests from now on, until restoreDefaults().
void catchRequests();
void restoreDefaults();
// The signal of the first request caught; 0 while there was none.
int caughtSignal();
// What a process stopped by the caught signal exits with: 128 + its number
// (130 for SIGINT, 143 for SIGTERM, 129 for SIGHUP).
int exitStatus();
// Waits until the descriptor has something to read (or its end); false when
// a request came first, also one that came just before the wait.
bool waitForInput(int fd);
} // namespace Interrupts
