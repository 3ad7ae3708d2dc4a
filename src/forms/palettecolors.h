// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/colortext.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

// A preview element's colours are its palette's colours in the roles the
// widget draws its text and its background with.
namespace PaletteColors {

inline QColor textColor(const QWidget *widget)
{
    return widget->palette().color(widget->foregroundRole());
}

inline QColor backgroundColor(const QWidget *widget)
{
    return widget->palette().color(widget->backgroundRole());
}

inline void setTextColor(QWidget *widget, ColorValue color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), toQColor(color));
    widget->setPalette(palette);
}

inline void setBackgroundColor(QWidget *widget, ColorValue color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), toQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace PaletteColors
