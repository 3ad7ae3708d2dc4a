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

// The box a picture is fitted into, and the fixed area it is stretched to,
// in twips.
constexpr int ViewerBoxWidth = 7884;
constexpr int ViewerBoxHeight = 6000;
constexpr int FixedWidth = 5120;
constexpr int FixedHeight = 3840;

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
}

void Form1::SizeViewer()
{
    if (Check4->isChecked())
        fitImage1ToViewerBox();
    else
        setImage1Size(FixedWidth, FixedHeight);
}

void Form1::fitImage1ToViewerBox()
{
    m_fit.naturalWidth = Image2.width();
    m_fit.naturalHeight = Image2.height();
    m_fit.boxWidth = ViewerBoxWidth;
    m_fit.boxHeight = ViewerBoxHeight;
    const FitResult fitted = fitToBox(m_fit);
    setImage1Size(fitted.width, fitted.height);
}

// Decodes only as many pixels as the viewer shows.
void Form1::JPGView()
{
    image1->setPixmap(QPixmap::fromImage(GuardedPicture(m_currentFile).decode(image1->size())));
    image1->show();

    if (m_forms.optionsModel().imageToClipboard()) {
        setTextColor(Text5, Qt::blue);
        Text5->setText(imageTag());
        m_services.clipboard.clear();
        m_services.clipboard.setText(Text5->text());
    } else {
        setTextColor(Text5, Qt::black);
        Text5->setText(m_currentFile);
    }
    Text6->setText(HtmlText::wholeNumber(m_image1Twips.width() / TwipsPerPixel) + QStringLiteral("×") +
                   HtmlText::wholeNumber(m_image1Twips.height() / TwipsPerPixel));
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
