// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the slide show. It runs inside cmdSlideShow's click and waits by
// letting pending events run, so Stop, the slider and the lists stay live.
#include "main_window/form1.h"

#include "album/preparation.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {

// The slider's right end is the fastest show: interval = 21 − position.
constexpr int SliderSum = 21;
// Between events the wait sleeps; this tick wakes it to look at the clock,
// often enough for the seconds label and the end of the interval.
constexpr int WakeIntervalMs = 100;
constexpr qint64 MsPerSecond = 1000;

const QString SecondsSuffix = QStringLiteral(" sec ");

} // namespace

// Shows one listed name if it is a JPEG picture that is not a thumbnail;
// false when nothing was shown.
bool Form1::showSlide(const QString &folder, const QString &name)
{
    m_fileKind = name.right(3);
    JPEGXJPG();
    if (isThumbnailName(name))
        return false;
    m_currentFile = Paths::join(folder, name);
    if (!fileKindIsJpeg())
        return false;
    try {
        loadImage2(m_currentFile);
        // Every slide is fitted into the viewer box, whatever "OriginalScale" says.
        fitImage1ToViewerBox();
        JPGView();
    } catch (const Failure &) {
        return false;
    }
    return true;
}

// Keeps the shown slide for the interval, read afresh on every pass so a
// slider move takes effect at once, while pending events run. Each pass
// sleeps until an event arrives, so the show leaves the processor idle.
// Returns early when Stop clears the flag or the window closes.
void Form1::waitSlide()
{
    QTimer wake;
    wake.start(WakeIntervalMs);
    const qint64 start = m_services.clock.monotonicMs();
    while (m_services.clock.monotonicMs() - start < m_slideInterval * MsPerSecond) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (m_closing)
            return;
        const qint64 shownSeconds = (m_services.clock.monotonicMs() - start) / MsPerSecond;
        Label1->setText(QString::number(shownSeconds + 1) + QLatin1Char('/') + QString::number(m_slideInterval) +
                        SecondsSuffix);
        if (!m_slideShowFlag)
            return;
    }
}

void Form1::Slider1_Change()
{
    m_slideInterval = SliderSum - Slider1->value();
    Label1->setText(QString::number(m_slideInterval) + SecondsSuffix);
}

void Form1::Slider1_GotFocus()
{
    Slider1_Change();
}

void Form1::Slider1_LostFocus()
{
    Label1->clear();
}

void Form1::cmdSlideStop_Click()
{
    m_slideShowFlag = false;
}

// Passes once through a snapshot of File1's folder as it stood at the start,
// so a folder command run during the show does not disturb it. A JPEG name
// that does not load as a picture is passed over.
void Form1::cmdSlideShow_Click()
{
    const QList<QWidget *> locked = {cmdJPGDEL, cmdAlbum, cmdOption, cmdFTP, cmdMSIE, cmdNOTE,
                                     cmdDesign, Check1,   Check2,    Check3, Check4,  Check5};
    for (QWidget *control : locked)
        control->setEnabled(false);
    m_slideShowFlag = true;
    cmdSlideShow->hide();
    cmdSlideStop->show();
    Slider1_Change();

    const QString folder = file1Path();
    const QStringList names = Listing::files(folder);
    for (const QString &name : names) {
        if (showSlide(folder, name)) {
            waitSlide();
            if (m_closing)
                return;
        }
        ViewClear();
        if (!m_slideShowFlag)
            break;
    }

    ViewClear();
    for (QWidget *control : locked)
        control->setEnabled(true);
    cmdSlideShow->show();
    cmdSlideStop->hide();
    m_store.write(Keys::SelStart, QString::number(SliderSum - m_slideInterval));
}
