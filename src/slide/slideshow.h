// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class Clock;

// One pass of the slide show through a folder's listing as it stood at the
// start. It offers the names one at a time, keeps a shown picture on show
// for the interval and counts its seconds on a timer, so the window's
// handlers run one after another, never inside the show.
class SlideShow : public QObject
{
    Q_OBJECT

public:
    explicit SlideShow(const Clock &clock, QObject *parent = nullptr);

    // Seconds per picture for a slider position: the right end is the fastest.
    static int intervalFor(int sliderPosition);
    static int sliderPositionFor(int interval);

    bool isRunning() const { return m_running; }
    int interval() const { return m_interval; }
    // Takes effect at once, also on the picture on show.
    void setInterval(int seconds);

    // Starts with the first name of the folder's listing.
    void start(const QString &folder);
    // The answer to pictureDue(): the name was shown, so the show waits on it.
    void pictureShown();
    // Ends the running show: slideEnded(), then finished().
    void stop();
    // Ends the running show with no further signal: the window is going away.
    void abandon();

signals:
    // The next listed name's turn; a window that shows it calls pictureShown().
    void pictureDue(const QString &folder, const QString &name);
    // The picture on show is in its second `second` of `interval`.
    void secondShown(int second, int interval);
    // A name's turn is over, whether it was shown or passed over.
    void slideEnded();
    void finished();

private:
    void showNext();
    void tick();
    void finish();

    const Clock &m_clock;
    QTimer m_timer;
    QString m_folder;
    QStringList m_names;
    qsizetype m_next = 0;
    int m_interval = 0;
    bool m_running = false;
    bool m_shown = false;
    qint64 m_slideStartMs = 0;
};
