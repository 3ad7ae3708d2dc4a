// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"
#include "platform/messageboxes.h"


// Message boxes titled with the program title, over the active window.
class WidgetMessageBoxes : public MessageBoxes
{
public:
    explicit WidgetMessageBoxes(QString title);
    Answer show(const QString &text, Buttons buttons, Icon icon) override;

private:
    QString m_title;
};

class WidgetCommonDialogs : public CommonDialogs
{
public:
    std::optional<QString> openExistingFile(const QString &title, const QString &filter) override;
    std::optional<QColor> pickColor(const QColor &initial) override;
};
