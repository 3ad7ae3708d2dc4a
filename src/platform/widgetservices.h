// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/desktopservices.h"
#include "platform/dialogs.h"
#include "platform/messageboxes.h"
#include "platform/services.h"

#include <functional>

// Message boxes titled with the program title, over the active window. The
// title is asked for each box, so it follows the interface language.
class WidgetMessageBoxes : public MessageBoxes
{
public:
    using Title = std::function<QString()>;
    explicit WidgetMessageBoxes(Title title);
    Answer show(const QString &text, Buttons buttons, Icon icon) override;

private:
    Title m_title;
};

class WidgetCommonDialogs : public CommonDialogs
{
public:
    std::optional<QString> openExistingFile(const QString &title, const QString &filter) override;
    std::optional<QColor> pickColor(const QColor &initial) override;
};

// Every real service of a windowed program, ready to hand to its windows.
class RealServices
{
public:
    // Message boxes carry the program's title.
    explicit RealServices(WidgetMessageBoxes::Title messageTitle)
        : m_messages(std::move(messageTitle))
    {}
    Services services() { return {m_messages, m_launcher, m_shell, m_dialogs, m_clipboard, m_clock}; }

private:
    WidgetMessageBoxes m_messages;
    ProcessLauncher m_launcher;
    DesktopShellOpener m_shell;
    WidgetCommonDialogs m_dialogs;
    SystemClipboard m_clipboard;
    SystemClock m_clock;
};
