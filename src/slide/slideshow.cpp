// SPDX-License-Identifier: GPL-3.0-or-later
#include "slide/slideshow.h"

#include "platform/clock.h"
#include "platform/listing.h"

#include <algorithm>

namespace {

// interval = SliderSum − slider position, so positions 1 to 20 give 20 to 1 seconds.
constexpr int SliderSum = 21;
constexpr qint64 MsPerSecond = 1000;

} // namespace

SlideShow::SlideShow(const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SlideShow::tick);
}

int SlideShow::intervalFor(int sliderPosition)
{
    return SliderSum - sliderPosition;
}

int SlideShow::sliderPositionFor(int interval)
{
    return SliderSum - interval;
}

void SlideShow::setInterval(int seconds)
{
    if (seconds == m_interval)
        return;
    m_interval = seconds;
    // The picture on show is looked at again with the new interval.
    if (m_timer.isActive())
        m_clock.arm(m_timer, 0);
}

void SlideShow::start(const QString &folder)
{
    if (m_running)
        return;
    m_folder = folder;
    m_names = Listing::files(folder);
    m_next = 0;
    m_running = true;
    showNext();
}

void SlideShow::pictureShown()
{
    m_shown = true;
}

void SlideShow::stop()
{
    if (!m_running)
        return;
    m_timer.stop();
    emit slideEnded();
    finish();
}

void SlideShow::abandon()
{
    m_timer.stop();
    m_running = false;
}

// Offers names until one is shown; a name passed over ends its turn at once.
void SlideShow::showNext()
{
    while (m_running && m_next < m_names.size()) {
        m_shown = false;
        emit pictureDue(m_folder, m_names.at(m_next++));
        if (!m_running)
            return;
        if (m_shown) {
            m_slideStartMs = m_clock.monotonicMs();
            tick();
            return;
        }
        emit slideEnded();
    }
    if (m_running)
        finish();
}

// Counts the seconds of the picture on show and wakes again at the next
// whole second, or at the end of its interval, which ends its turn.
void SlideShow::tick()
{
    const qint64 shownMs = m_clock.monotonicMs() - m_slideStartMs;
    if (shownMs >= m_interval * MsPerSecond) {
        emit slideEnded();
        showNext();
        return;
    }
    const qint64 second = shownMs / MsPerSecond;
    emit secondShown(int(second) + 1, m_interval);
    // The interval may have moved meanwhile, or Stop been pressed.
    if (m_running)
        m_clock.arm(m_timer, std::min((second + 1) * MsPerSecond, m_interval * MsPerSecond) - shownMs);
}

void SlideShow::finish()
{
    m_running = false;
    emit finished();
}
