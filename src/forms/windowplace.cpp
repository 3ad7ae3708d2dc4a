// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/windowplace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace WindowPlace {

namespace {

// The screen that holds the largest part of a window placed at the rectangle;
// the primary screen when none holds any of it.
const QScreen *screenHolding(const QRect &place)
{
    const QScreen *best = QGuiApplication::primaryScreen();
    qint64 bestArea = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect common = screen->geometry().intersected(place);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

// Spaces between the controls, from the top down to the last control.
struct Gap
{
    int from;
    int to;
};

QList<Gap> gapsBetween(QList<QRect> rects)
{
    std::sort(rects.begin(), rects.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    QList<Gap> gaps;
    int covered = 0;
    for (const QRect &rect : rects) {
        if (rect.top() > covered)
            gaps.append({covered, rect.top()});
        covered = std::max(covered, rect.top() + rect.height());
    }
    return gaps;
}

// Keeps a shown window on the screen once more when the window system has
// put its frame around it: that comes after the window is shown, and a title
// bar may push the window's lower edge off the screen.
class FrameWatch : public QObject
{
public:
    explicit FrameWatch(QWidget &window)
        : QObject(&window)
        , m_window(window)
    {
        setObjectName(Name);
        window.installEventFilter(this);
    }

    static inline const QString Name = QStringLiteral("FrameWatch");

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Resize;
        if (watched == &m_window && placed && m_window.frameGeometry() != m_window.geometry()) {
            m_window.removeEventFilter(this);
            deleteLater();
            keepOnScreen(m_window);
        }
        return false;
    }

private:
    QWidget &m_window;
};

bool framePending(const QWidget &window)
{
    return window.isVisible() && window.frameGeometry() == window.geometry() &&
           !window.findChild<QObject *>(FrameWatch::Name, Qt::FindDirectChildrenOnly);
}

} // namespace

void keepOnScreen(QWidget &window)
{
    if (framePending(window))
        new FrameWatch(window);
    const QScreen *screen = screenHolding(window.frameGeometry());
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.size();
    window.resize(window.size().boundedTo(room.size() - frame));
    QRect place = window.frameGeometry();
    place.moveLeft(std::max(room.left(), std::min(place.left(), room.right() + 1 - place.width())));
    place.moveTop(std::max(room.top(), std::min(place.top(), room.bottom() + 1 - place.height())));
    window.move(place.topLeft());
}

void SqueezableColumn::add(const QRect &designed, int minimum)
{
    m_designed.append(designed);
    m_minimum.append(std::min(minimum, designed.height()));
}

int SqueezableColumn::bottom() const
{
    int lowest = 0;
    for (const QRect &rect : m_designed)
        lowest = std::max(lowest, rect.top() + rect.height());
    return lowest;
}

int SqueezableColumn::shortest() const
{
    int least = bottom();
    for (const Gap &gap : gapsBetween(m_designed))
        least -= gap.to - gap.from;
    for (qsizetype i = 0; i < m_designed.size(); ++i)
        least -= m_designed[i].height() - m_minimum[i];
    return least;
}

// The stretches of the column taken out to fit the height: the gaps
// first, each by the same share, then the lower parts of the controls that
// may shrink, each by the same share of what it may give.
QList<SqueezableColumn::Cut> SqueezableColumn::cuts(int height) const
{
    double needed = std::max(0, bottom() - height);
    QList<Cut> gapCuts;
    QList<Cut> shrinkCuts;
    for (const Gap &gap : gapsBetween(m_designed))
        gapCuts.append({double(gap.from), double(gap.to), double(gap.to - gap.from)});
    for (qsizetype i = 0; i < m_designed.size(); ++i) {
        const QRect &rect = m_designed[i];
        if (m_minimum[i] < rect.height())
            shrinkCuts.append({double(rect.top() + m_minimum[i]), double(rect.top() + rect.height()),
                               double(rect.height() - m_minimum[i])});
    }
    QList<Cut> taken;
    for (QList<Cut> *stage : {&gapCuts, &shrinkCuts}) {
        double room = 0;
        for (const Cut &cut : *stage)
            room += cut.length;
        const double share = room > 0 ? std::min(1.0, needed / room) : 0;
        for (Cut cut : *stage) {
            cut.length *= share;
            taken.append(cut);
        }
        needed -= share * room;
    }
    return taken;
}

QList<QRect> SqueezableColumn::fitted(int height) const
{
    const QList<Cut> taken = cuts(height);
    // Where a designed height lands: less everything taken out above it.
    const auto land = [&taken](double y) {
        double landed = y;
        for (const Cut &cut : taken)
            landed -= cut.length * std::clamp((y - cut.from) / (cut.to - cut.from), 0.0, 1.0);
        return landed;
    };
    QList<QRect> rects;
    for (qsizetype i = 0; i < m_designed.size(); ++i) {
        const QRect &rect = m_designed[i];
        const int top = qRound(land(rect.top()));
        const int newHeight =
            m_minimum[i] < rect.height() ? qRound(land(rect.top() + rect.height())) - top : rect.height();
        rects.append(QRect(rect.left(), top, rect.width(), newHeight));
    }
    return rects;
}

} // namespace WindowPlace
