// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Message boxes as the windows show them: the program's title, the buttons
// and the icon of the message. Tests answer them by script.
class MessageBoxes
{
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Exclamation };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBoxes() = default;
    virtual Answer show(const QString &text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
};
