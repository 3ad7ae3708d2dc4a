// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

class QTimer;

// The wall clock for dates written into pages, and a monotonic clock for waits.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds on a clock that never jumps or wraps.
    virtual qint64 monotonicMs() const = 0;
    // Starts a timer that times out once `ms` milliseconds have passed on this clock.
    virtual void arm(QTimer &timer, qint64 ms) const = 0;
};
