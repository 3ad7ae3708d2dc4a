// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgetservices.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

// A program window or dialog on screen. Tool tips, menus and drag images are
// top-level too, but short-lived: a box owned by one vanishes with it.
static bool canOwn(const QWidget *window)
{
    const Qt::WindowType type = window->windowType();
    return window->isVisible() && !window->isMinimized() && (type == Qt::Window || type == Qt::Dialog);
}

// The window a box or dialog belongs to: the active one, or, while nothing of
// the program is active (a drop from another program, a long command, no
// window manager at all), the first program window on screen, so the box
// stands over it rather than anywhere.
static QWidget *ownerWindow()
{
    QWidget *active = QApplication::activeWindow();
    if (active && canOwn(active))
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.begin(), windows.end(), canOwn);
    return shown == windows.end() ? nullptr : *shown;
}

WidgetMessageBoxes::WidgetMessageBoxes(Title title)
    : m_title(std::move(title))
{}

MessageBoxes::Answer WidgetMessageBoxes::show(const QString &text, Buttons buttons, Icon icon)
{
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, m_title(), text,
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
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
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
