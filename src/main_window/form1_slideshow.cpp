// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the slide show's buttons, slider and interval label. The show itself
// runs on its own timer (SlideShow); the window shows what it offers.
#include "main_window/form1.h"

#include "album/preparation.h"
#include "platform/failure.h"
#include "platform/paths.h"
#include "settings/settingsstore.h"
#include "slide/slideshow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

const QString SecondsSuffix = QStringLiteral(" sec ");

// The buttons and boxes a running show disables; the lists, the slider, the
// slide page and Exit stay usable.
QList<QWidget *> lockedDuringShow(Form1 &form)
{
    return {form.cmdJPGDEL, form.cmdAlbum, form.cmdOption, form.cmdFTP, form.cmdMSIE, form.cmdNOTE,
            form.cmdDesign, form.Check1,   form.Check2,    form.Check3, form.Check4,  form.Check5};
}

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
        m_viewerFits = true;
        sizeImage1();
        JPGView();
    } catch (const Failure &) {
        return false;
    }
    return true;
}

void Form1::connectSlideShow()
{
    connect(m_slideShow, &SlideShow::pictureDue, this, [this](const QString &folder, const QString &name) {
        if (showSlide(folder, name))
            m_slideShow->pictureShown();
    });
    connect(m_slideShow, &SlideShow::secondShown, this, [this](int second, int interval) {
        Label1->setText(QString::number(second) + QLatin1Char('/') + QString::number(interval) + SecondsSuffix);
    });
    connect(m_slideShow, &SlideShow::slideEnded, this, &Form1::ViewClear);
    connect(m_slideShow, &SlideShow::finished, this, &Form1::slideShowFinished);
}

void Form1::Slider1_Change()
{
    m_slideShow->setInterval(SlideShow::intervalFor(Slider1->value()));
    Label1->setText(QString::number(m_slideShow->interval()) + SecondsSuffix);
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
    m_slideShow->stop();
}

// Passes once through a snapshot of File1's folder as it stood at the start,
// so a folder command run during the show does not disturb it. A JPEG name
// that does not load as a picture is passed over.
void Form1::cmdSlideShow_Click()
{
    for (QWidget *control : lockedDuringShow(*this))
        control->setEnabled(false);
    cmdSlideShow->hide();
    cmdSlideStop->show();
    Slider1_Change();
    m_slideShow->start(file1Path());
}

void Form1::slideShowFinished()
{
    ViewClear();
    for (QWidget *control : lockedDuringShow(*this))
        control->setEnabled(true);
    cmdSlideShow->show();
    cmdSlideStop->hide();
    m_store.write(Keys::SelStart, QString::number(SlideShow::sliderPositionFor(m_slideShow->interval())));
}
