// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_window/quilleticon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int DesignSize = 32; // the SVG's view box

void paintIcon(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    painter.setBrush(QColor(0xFF, 0xFF, 0xC0));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);

    painter.setPen(QPen(QColor(0x00, 0x00, 0x80), 1.5));
    painter.setBrush(QColor(0xC0, 0xFF, 0xFF));
    painter.drawRect(QRectF(4, 9, 17, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x00, 0x00, 0x80));
    painter.drawPolygon(QPolygonF({{6, 21}, {10, 15}, {13, 19}, {15, 17}, {19, 21}}));
    painter.setBrush(QColor(0xC0, 0x00, 0x00));
    painter.drawEllipse(QPointF(16, 13), 1.8, 1.8);

    QPainterPath quill(QPointF(29, 3));
    quill.cubicTo(22, 5, 17, 11, 14, 21);
    quill.cubicTo(19, 17, 24, 12, 29, 3);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.8));
    painter.drawPath(quill);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 21), QPointF(12, 28));
}

QPixmap iconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(qreal(size) / DesignSize, qreal(size) / DesignSize);
    paintIcon(painter);
    return pixmap;
}

} // namespace

QIcon quilletIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(iconPixmap(size));
    return icon;
}
