// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/twips.h"

#include <QFont>
#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

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

// The designed size of a face, or less in half points down to the smallest
// readable size, so that a line of it fits a control's height in pixels:
// the design's fonts stand in for ones with smaller line spacing.
QFont fittedFace(const char *family, double points, int height);

// Gives a new control its design name, and its window when one is given.
template <typename W> W *named(W *widget, const char *name, QWidget *parent = nullptr)
{
    if (parent)
        widget->setParent(parent);
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

// Puts a new control on its window under its design name.
template <typename W> W *place(W *widget, const char *name, const QRect &geometry, QWidget *parent)
{
    named(widget, name, parent)->setGeometry(geometry);
    return widget;
}

template <typename W> W *place(QWidget *parent, const char *name, const QRect &geometry)
{
    return place(new W, name, geometry, parent);
}

QLabel *label(const char *name, const QString &text, QWidget *parent);
QLabel *label(const char *name, const QString &text, const QRect &geometry, QWidget *parent);
QPushButton *button(const char *name, const char *caption, const QRect &geometry, QWidget *parent);
QCheckBox *checkBox(const char *name, const char *caption, const QRect &geometry, QWidget *parent);
// A control's tool tip, which screen readers also read as its description,
// and its accessible name when it shows no caption of its own (empty: the
// caption names it).
void describe(QWidget *control, const QString &name, const QString &tip);
// A frameless, read-only line in the buttons' colour that takes no focus,
// its font fitted to its height.
QLineEdit *infoLine(const char *name, const QRect &geometry, QWidget *parent);
// A sunken horizontal line, and a sunken box.
QFrame *sunkenLine(const char *name, QWidget *parent);
QFrame *sunkenBox(const char *name, QWidget *parent);

} // namespace WindowBuild
