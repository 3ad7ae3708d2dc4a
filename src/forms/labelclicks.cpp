// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/labelclicks.h"

#include <QMouseEvent>
#include <QWidget>

LabelClicks::LabelClicks(QEvent::Type kind, QObject *parent)
    : QObject(parent)
    , m_kind(kind)
{}

void LabelClicks::watch(QWidget *control, Handler handler)
{
    m_handlers.insert(control, std::move(handler));
    control->installEventFilter(this);
}

void LabelClicks::watch(QWidget *control, std::function<void()> handler)
{
    watch(control, [handler = std::move(handler)](const QMouseEvent &) { handler(); });
}

bool LabelClicks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == m_kind) {
        if (const auto handler = m_handlers.constFind(watched); handler != m_handlers.constEnd())
            (*handler)(*static_cast<QMouseEvent *>(event));
    }
    return QObject::eventFilter(watched, event);
}
