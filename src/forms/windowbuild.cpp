// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/windowbuild.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace WindowBuild {

QFont fittedFace(const char *family, double points, int height)
{
    constexpr double SmallestPoints = 5;
    QFont f = faceOf(family, points);
    while (QFontMetrics(f).height() > height && f.pointSizeF() > SmallestPoints)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    return f;
}

QLabel *label(const char *name, const QString &text, QWidget *parent)
{
    return named(new QLabel(text), name, parent);
}

QLabel *label(const char *name, const QString &text, const QRect &geometry, QWidget *parent)
{
    return place(new QLabel(text), name, geometry, parent);
}

QPushButton *button(const char *name, const char *caption, const QRect &geometry, QWidget *parent)
{
    return place(new QPushButton(QString::fromUtf8(caption)), name, geometry, parent);
}

QCheckBox *checkBox(const char *name, const char *caption, const QRect &geometry, QWidget *parent)
{
    return place(new QCheckBox(QString::fromUtf8(caption)), name, geometry, parent);
}

void describe(QWidget *control, const QString &name, const QString &tip)
{
    if (!name.isEmpty())
        control->setAccessibleName(name);
    control->setToolTip(tip);
    control->setAccessibleDescription(tip);
}

QLineEdit *infoLine(const char *name, const QRect &geometry, QWidget *parent)
{
    auto *line = place(new QLineEdit, name, geometry, parent);
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::NoFocus);
    line->setFrame(false);
    // Frameless, so a line of text has the whole height.
    line->setFont(fittedFace(Gothic, 8, geometry.height()));
    QPalette palette = line->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    line->setPalette(palette);
    return line;
}

QFrame *sunkenLine(const char *name, QWidget *parent)
{
    auto *line = named(new QFrame, name, parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return line;
}

QFrame *sunkenBox(const char *name, QWidget *parent)
{
    auto *box = named(new QFrame, name, parent);
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return box;
}

} // namespace WindowBuild
