// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgetservices.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

WidgetMessageBoxes::WidgetMessageBoxes(QString title)
    : m_title(std::move(title))
{
}

MessageBoxes::Answer WidgetMessageBoxes::show(const QString &text, Buttons buttons, Icon icon)
{
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, m_title, text,
                    QMessageBox::NoButton, QApplication::activeWindow());
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
    const QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QColor> WidgetCommonDialogs::pickColor(const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
