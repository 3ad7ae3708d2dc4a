// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MessageBoxes;
class Launcher;
class ShellOpener;
class CommonDialogs;
class Clipboard;
class Clock;

// The operating-system services a window needs, handed in so that tests can
// pass fakes.
struct Services
{
    MessageBoxes &messages;
    Launcher &launcher;
    ShellOpener &shell;
    CommonDialogs &dialogs;
    Clipboard &clipboard;
    Clock &clock;
};
