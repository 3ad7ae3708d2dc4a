// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the picture viewer, its size box and path line, and the scale boxes.
#include "main_window/form1.h"

#include "album/guardedpicture.h"
#include "album/htmltext.h"
#include "forms/palettecolors.h"
#include "main_window/form1texts.h"
#include "main_window/forms.h"
#include "platform/clipboard.h"
#include "platform/failure.h"
#include "platform/messageboxes.h"
#include "settings/optionsmodel.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

using namespace PaletteColors;

namespace {

// The fixed area a picture is stretched to in the designed viewer, in twips;
// it grows and shrinks with the viewer, proportions kept.
constexpr double FixedWidth = 5120;
constexpr double FixedHeight = 3840;

} // namespace

// Only JPEG content counts as a picture, whatever the name says; the size is
// upright, as the orientation turns the picture.
void Form1::loadImage2(const QString &path)
{
    Image2 = GuardedPicture(path).naturalSize() * TwipsPerPixel;
}

// A fitted side shorter than half a pixel (a panorama) still shows one pixel.
void Form1::setImage1Size(double widthTwips, double heightTwips)
{
    m_image1Twips = QSizeF(widthTwips, heightTwips);
    image1->resize(
        QSize(qRound(widthTwips / TwipsPerPixel), qRound(heightTwips / TwipsPerPixel)).expandedTo(QSize(1, 1)));
    placeImage1();
}

void Form1::SizeViewer()
{
    m_viewerFits = Check4->isChecked();
    sizeImage1();
}

// Full screen always fits the picture to the screen.
void Form1::sizeImage1()
{
    if (m_viewerFits || m_fullScreen) {
        fitImage1ToViewerBox();
        return;
    }
    const QSizeF box = viewerBoxTwips();
    const double scale = qMin(box.width() / DesignedViewerBox.width(), box.height() / DesignedViewerBox.height());
    setImage1Size(FixedWidth * scale, FixedHeight * scale);
}

void Form1::fitImage1ToViewerBox()
{
    const QSizeF box = viewerBoxTwips();
    m_fit.naturalWidth = Image2.width();
    m_fit.naturalHeight = Image2.height();
    m_fit.boxWidth = qRound(box.width());
    m_fit.boxHeight = qRound(box.height());
    const FitResult fitted = fitToBox(m_fit);
    setImage1Size(fitted.width, fitted.height);
}

// The picture on show drawn again at image1's present size; the path line
// and the clipboard stay as they are.
void Form1::refitViewer()
{
    if (!image1->isVisibleTo(this) || image1->pixmap().isNull()) {
        placeImage1();
        return;
    }
    try {
        sizeImage1();
        drawImage1();
    } catch (const Failure &) {
        ViewClear(); // the file changed or went away since it was shown
    }
}

// Decodes only as many pixels as the viewer shows, at the screen's own
// resolution where the window is scaled.
void Form1::drawImage1()
{
    const qreal ratio = image1->devicePixelRatioF();
    QImage picture = GuardedPicture(m_currentFile).decode(image1->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    image1->setPixmap(QPixmap::fromImage(picture));
    image1->show();
    Text6->setText(HtmlText::wholeNumber(m_image1Twips.width() / TwipsPerPixel) + QStringLiteral("×") +
                   HtmlText::wholeNumber(m_image1Twips.height() / TwipsPerPixel));
}

void Form1::JPGView()
{
    drawImage1();

    if (m_forms.optionsModel().imageToClipboard()) {
        setTextColor(Text5, Qt::blue);
        Text5->setText(imageTag());
        m_services.clipboard.clear();
        m_services.clipboard.setText(Text5->text());
    } else {
        setTextColor(Text5, Qt::black);
        Text5->setText(m_currentFile);
    }
}

// The link-and-image tag of the shown picture, sized into the album's
// thumbnail box; a picture that fits the box gets empty size numbers.
QString Form1::imageTag()
{
    const QSize box = m_forms.designModel().thumbnailBox();
    FitState tag;
    tag.naturalWidth = qRound(m_image1Twips.width());
    tag.naturalHeight = qRound(m_image1Twips.height());
    tag.boxWidth = box.width();
    tag.boxHeight = box.height();
    const FitResult fitted = fitToBox(tag);
    const QString width = fitted.stretch ? HtmlText::wholeNumber(fitted.width) : QString();
    const QString height = fitted.stretch ? HtmlText::wholeNumber(fitted.height) : QString();
    const QString name = HtmlText::urlAttribute(QFileInfo(m_currentFile).fileName());
    return QStringLiteral("<A HREF=\"%1\"><IMG SRC=\"%1\" WIDTH=%2 HEIGHT=%3 BORDER=0></A>").arg(name, width, height);
}

void Form1::ViewClear()
{
    image1->hide();
    image1->clear();
    Text5->clear();
    Text6->clear();
    Label3->clear();
    Label1->clear();
}

void Form1::showSelectedPicture()
{
    ViewClear();
    takeFileKind();
    if (!fileKindIsJpeg())
        return;
    // Always measured afresh: the last measured picture may be another one,
    // such as the last slide of a slide show.
    loadImage2(m_currentFile);
    SizeViewer();
    JPGView();
}

void Form1::Check4_Click()
{
    try {
        showSelectedPicture();
    } catch (const Failure &failure) {
        ViewClear();
        switch (failure.code()) {
        case FailureCode::FileNotFound:
            m_services.messages.show(Messages::pictureMissing());
            break;
        case FailureCode::InvalidPicture:
            m_services.messages.show(Messages::badPictureFormat());
            break;
        default:
            m_services.messages.show(Messages::reportNumber(failure.code()));
        }
    }
}

void Form1::Check5_Click()
{
    if (Check5->isChecked())
        showThumbnailBox(m_forms.designModel().thumbnailBox());
    else
        Check5->setText(QStringLiteral("Adjust"));
}

void Form1::showThumbnailBox(const QSize &box)
{
    Check5->setText(QStringLiteral("Adjust W %1X H %2").arg(box.width()).arg(box.height()));
}
