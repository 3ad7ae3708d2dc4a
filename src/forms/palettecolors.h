// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/colortext.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <concepts>

// A control's colours are its palette's colours in the roles the widget
// draws its text and its background with.
namespace PaletteColors {

inline QColor textColor(const QWidget *widget)
{
    return widget->palette().color(widget->foregroundRole());
}

inline QColor backgroundColor(const QWidget *widget)
{
    return widget->palette().color(widget->backgroundRole());
}

inline void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), color);
    widget->setPalette(palette);
}

// Only a ColorValue itself: Qt::blue would otherwise convert to a number.
template <std::same_as<ColorValue> Value> void setTextColor(QWidget *widget, Value color)
{
    setTextColor(widget, toQColor(color));
}

inline void setBackgroundColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template <std::same_as<ColorValue> Value> void setBackgroundColor(QWidget *widget, Value color)
{
    setBackgroundColor(widget, toQColor(color));
}

} // namespace PaletteColors
