// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the controls laid out for the window's size, its stored place, and
// the picture on the whole screen.
#include "main_window/form1.h"

#include "slide/slideshow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

namespace {

// The client area as designed, in twips.
constexpr int ClientWidth = 10050;
constexpr int ClientHeight = 7590;
// The control column starts here; the viewer box's top left corner, in twips.
constexpr int ColumnLeft = 8136;
constexpr int ViewerLeft = 120;
constexpr int ViewerTop = 480;
// The least room the viewer keeps, and the least height of the folder and
// file lists, in pixels.
constexpr QSize SmallestViewer(160, 120);
constexpr int ShortestList = 48;

QSize designedSize()
{
    return QSize(pixels(ClientWidth), pixels(ClientHeight));
}

QSize designedViewer(const QSize &twips)
{
    return QSize(pixels(twips.width()), pixels(twips.height()));
}

} // namespace

// Takes the controls' places as createControls put them: those right of the
// viewer form the column, which keeps its layout at the right edge.
void Form1::recordDesign()
{
    const QSize designed = designedSize();
    resize(designed);
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control == image1 || control == FullScreenBack)
            continue;
        const QRect place = control->geometry();
        if (place.left() < pixels(ColumnLeft)) {
            m_leftControls.append({control, place});
            continue;
        }
        m_columnControls.append(control);
        m_column.add(place, control == Dir1 || control == File1 ? ShortestList : place.height());
    }
    // Smaller than designed, the viewer gives up its room first; the column,
    // beside it, its spacing and then its lists' height.
    const QSize viewer = designedViewer(DesignedViewerBox);
    setMinimumSize(designed.width() - viewer.width() + SmallestViewer.width(),
                   qMax(m_column.shortest(), designed.height() - viewer.height() + SmallestViewer.height()));
}

// The stored size (nothing stored: as designed) and place, kept whole on the
// screen: a place saved with a larger or another screen, or at another
// scale, would leave controls out of reach.
void Form1::placeWindow(const QRectF &twips)
{
    const QSize designed = designedSize();
    resize(twips.width() > 0 ? pixels(twips.width()) : designed.width(),
           twips.height() > 0 ? pixels(twips.height()) : designed.height());
    move(pixels(twips.left()), pixels(twips.top()));
    WindowPlace::keepOnScreen(*this);
}

QRect Form1::normalPlace() const
{
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return QRect(pos(), size());
    const QRect normal = normalGeometry();
    return QRect(normal.topLeft() - m_frameOffset, normal.size());
}

QSizeF Form1::viewerBoxTwips() const
{
    if (m_fullScreen)
        return QSizeF(size()) * TwipsPerPixel;
    const QSize spare = size() - designedSize();
    return QSizeF(DesignedViewerBox) + QSizeF(spare) * TwipsPerPixel;
}

// At the designed size every control is where it was designed. Otherwise the
// column moves with the right edge, the viewer, the path line and the status
// line take the width, and the lines under the viewer keep to the bottom.
void Form1::Form_Resize()
{
    const QSize spare = size() - designedSize();
    const QList<QRect> column = m_column.fitted(height());
    for (qsizetype i = 0; i < m_columnControls.size(); ++i)
        m_columnControls[i]->setGeometry(column[i].translated(spare.width(), 0));
    const int viewerBottom = pixels(ViewerTop + DesignedViewerBox.height());
    for (const auto &[control, designed] : std::as_const(m_leftControls)) {
        QRect place = designed;
        if (designed.top() >= viewerBottom)
            place.translate(0, spare.height());
        if (control == Text5 || control == Label3)
            place.setWidth(designed.width() + spare.width());
        // The long commands size the progress bar.
        if (control == HScrollBar)
            control->move(place.topLeft());
        else
            control->setGeometry(place);
    }
    FullScreenBack->setGeometry(rect());
    refitViewer();
}

// Full screen centres the picture; the window shows it at the viewer's corner.
void Form1::placeImage1()
{
    if (m_fullScreen)
        image1->move((width() - image1->width()) / 2, (height() - image1->height()) / 2);
    else
        image1->move(pixels(ViewerLeft), pixels(ViewerTop));
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        m_frameOffset = geometry().topLeft() - pos();
}

// The window system may end full screen by itself.
void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_fullScreen && !(windowState() & Qt::WindowFullScreen))
        leaveFullScreen();
}

void Form1::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QRect viewer = m_fullScreen ? rect()
                                      : QRect(QPoint(pixels(ViewerLeft), pixels(ViewerTop)),
                                              (viewerBoxTwips() / TwipsPerPixel).toSize());
    if (viewer.contains(event->position().toPoint()))
        image1_DblClick();
    else
        QWidget::mouseDoubleClickEvent(event);
}

void Form1::image1_DblClick()
{
    if (m_fullScreen)
        leaveFullScreen();
    else
        enterFullScreen();
}

void Form1::connectFullScreenKeys()
{
    auto *f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(f11, &QShortcut::activated, this, [this] { fullScreenKey(Qt::Key_F11); });
    for (int key : {Qt::Key_Escape, Qt::Key_F5, Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp,
                    Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setEnabled(false);
        connect(shortcut, &QShortcut::activated, this, [this, key] { fullScreenKey(key); });
        m_fullScreenKeys.append(shortcut);
    }
}

// Shows the selected picture, or the list's first, when none is on show
// (a slide show between its pictures shows its own next).
void Form1::enterFullScreen()
{
    if (m_fullScreen)
        return;
    m_stateBeforeFullScreen = windowState() & Qt::WindowMaximized;
    m_fullScreen = true;
    for (QShortcut *key : std::as_const(m_fullScreenKeys))
        key->setEnabled(true);
    FullScreenBack->show();
    FullScreenBack->raise();
    image1->raise();
    showFullScreen();
    Form_Resize();
    if (m_slideShow->isRunning() || (image1->isVisibleTo(this) && !image1->pixmap().isNull()))
        return;
    if (isJpegName(file1FileName()))
        File1_Click();
    else
        showJpegFrom(0, 1);
}

void Form1::leaveFullScreen()
{
    if (!m_fullScreen)
        return;
    m_fullScreen = false;
    for (QShortcut *key : std::as_const(m_fullScreenKeys))
        key->setEnabled(false);
    FullScreenBack->hide();
    image1->lower();
    setWindowState(m_stateBeforeFullScreen);
    Form_Resize();
}

void Form1::fullScreenKey(int key)
{
    switch (key) {
    case Qt::Key_F11:
        image1_DblClick();
        break;
    case Qt::Key_Escape:
        if (m_slideShow->isRunning())
            cmdSlideStop_Click();
        leaveFullScreen();
        break;
    case Qt::Key_F5:
        if (!m_slideShow->isRunning())
            cmdSlideShow_Click();
        break;
    case Qt::Key_Home:
        showJpegFrom(0, 1);
        break;
    case Qt::Key_End:
        showJpegFrom(File1->count() - 1, -1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        showJpegFrom(File1->currentRow() - 1, -1);
        break;
    default:
        showJpegFrom(File1->currentRow() + 1, 1);
    }
}

// Selects the first JPEG name from a row on, going by step; selecting it
// shows it as a click does. Past either end nothing changes.
void Form1::showJpegFrom(int row, int step)
{
    for (int r = row; r >= 0 && r < File1->count(); r += step) {
        if (isJpegName(File1->item(r)->text())) {
            File1->setCurrentRow(r);
            return;
        }
    }
}
