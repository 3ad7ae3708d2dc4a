// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QHash>
#include <QObject>
#include <functional>

class QMouseEvent;
class QWidget;

// Labels and pictures have no click signal: this filter runs a handler when
// a watched control gets the one kind of mouse event it was made for. The
// event still reaches the control.
class LabelClicks : public QObject
{
public:
    using Handler = std::function<void(const QMouseEvent &)>;

    // `kind`: QEvent::MouseButtonPress, MouseButtonRelease or MouseButtonDblClick.
    LabelClicks(QEvent::Type kind, QObject *parent);

    void watch(QWidget *control, Handler handler);
    void watch(QWidget *control, std::function<void()> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QEvent::Type m_kind;
    QHash<const QObject *, Handler> m_handlers;
};
