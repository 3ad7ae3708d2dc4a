// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/twips.h"

#include <QFont>
#include <QWidget>

// Helpers for windows laid out control by control, in twips.
namespace WindowBuild {

// The design's fonts on Linux: IPAGothic and IPAPGothic for the fixed and
// proportional Japanese gothic faces, Comic Neue for the title labels.
inline constexpr char Gothic[] = "IPAGothic";
inline constexpr char PGothic[] = "IPAPGothic";
inline constexpr char Comic[] = "Comic Neue";

inline QFont faceOf(const char *family, double points, bool bold = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Puts a new control on its window under its design name.
template <typename W> W *place(W *widget, const char *name, const QRect &geometry, QWidget *parent)
{
    widget->setParent(parent);
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(geometry);
    return widget;
}

template <typename W> W *place(QWidget *parent, const char *name, const QRect &geometry)
{
    return place(new W, name, geometry, parent);
}

} // namespace WindowBuild
