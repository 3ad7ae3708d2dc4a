// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgetservices.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

// The window a box or dialog belongs to: the active one, or while a long
// command keeps the window system from activating anything, the first
// window on screen, so the box stands over it rather than anywhere.
static QWidget *ownerWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.begin(), windows.end(), [](const QWidget *window) {
        return window->isVisible() && window->isWindow() && !(window->windowType() == Qt::Popup);
    });
    return shown == windows.end() ? nullptr : *shown;
}

WidgetMessageBoxes::WidgetMessageBoxes(QString title)
    : m_title(std::move(title))
{
}

MessageBoxes::Answer WidgetMessageBoxes::show(const QString &text, Buttons buttons, Icon icon)
{
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, m_title, text,
                    QMessageBox::NoButton, ownerWindow());
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

std::optional<QString> WidgetCommonDialogs::openExistingFile(const QString &title, const QString &filter)
{
    const QString chosen = QFileDialog::getOpenFileName(ownerWindow(), title, QString(), filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QColor> WidgetCommonDialogs::pickColor(const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, ownerWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
