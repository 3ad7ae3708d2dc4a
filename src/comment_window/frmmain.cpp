// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_window/frmmain.h"

#include "comment_tool/droplocation.h"
#include "comment_tool/filedatetime.h"
#include "comment_tool/previewpicture.h"
#include "comment_tool/quillettext.h"
#include "comment_window/quilleticon.h"
#include "forms/labelclicks.h"
#include "forms/palettecolors.h"
#include "forms/windowbuild.h"
#include "forms/windowplace.h"
#include "lang/translation.h"
#include "platform/failure.h"
#include "platform/launcher.h"
#include "platform/messageboxes.h"
#include "platform/paths.h"
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <memory>

using namespace PaletteColors;
using namespace WindowBuild;

namespace {

constexpr int ClientWidth = 5244;
constexpr int ClientHeight = 2880;
// The tool opens this far right of and below Velmo's stored position.
constexpr int StartLeftOffset = 1000;
constexpr int StartTopOffset = 3000;
constexpr int CommentWidth = 3660;
constexpr int CollapsedHeight = 300;
constexpr int ExpandedHeight = 650;
const QRect PreviewBox = twipsRect(288, 672, int(PreviewFit::BoxWidth), int(PreviewFit::BoxHeight));

constexpr int FontPoints = 9;

enum Style { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

QFont styledFont(const char *family, int style)
{
    QFont font = faceOf(family, FontPoints, style & Bold);
    font.setItalic(style & Italic);
    font.setUnderline(style & Underline);
    return font;
}

QFont proportionalFont(int style = Plain)
{
    return styledFont(PGothic, style);
}

QFont fixedFont(int style = Plain)
{
    return styledFont(Gothic, style);
}

// The comment field's: Japanese and Latin need no shaping, and skipping it
// takes a third off laying out a comment of a megabyte.
QFont commentFont()
{
    QFont font = fixedFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void paint(QWidget *control, const QColor &text, const QColor &back = QColor())
{
    setTextColor(control, text);
    if (back.isValid())
        setBackgroundColor(control, back);
}

QFrame *filledRectangle(QWidget *parent, const char *name, const QRect &geometry, const QColor &fill)
{
    auto *shape = place<QFrame>(parent, name, geometry);
    paint(shape, fill, fill);
    return shape;
}

const QColor TitleStrip(0x40, 0x40, 0x40);
const QColor InfoPanel(0xC0, 0xFF, 0xFF);
const QColor InfoText(0x00, 0x00, 0x80);
const QColor LinkText(0xC0, 0x00, 0x00);

// Longer than any line of the comment field, in characters.
constexpr qsizetype LongWord = 256;

// Qt lays a word that does not fit on a line out again for every line it
// breaks it over, which grows with the square of its length: a comment of
// one such run (a pasted address, a line of symbols) of a hundred kilobytes
// takes seconds to show. A comment holding a longer run than LongWord
// without a place to break a line is wrapped anywhere instead.
bool holdsLongWord(const QString &comment)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, comment);
    for (qsizetype previous = 0, at = 0; (at = breaks.toNextBoundary()) >= 0; previous = at) {
        if (at - previous > LongWord)
            return true;
    }
    return false;
}

// The drop's data outlives the drag: the handler runs after it has ended.
std::shared_ptr<QMimeData> copyOf(const QMimeData &data)
{
    auto copy = std::make_shared<QMimeData>();
    for (const QString &format : data.formats())
        copy->setData(format, data.data(format));
    return copy;
}

} // namespace

frmMain::frmMain(Services services, SettingsStore &store, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_store(store)
{
    setObjectName(QStringLiteral("frmMain"));
    setFixedSize(pixels(ClientWidth), pixels(ClientHeight));
    setFont(fixedFont());
    setWindowIcon(quilletIcon());
    setAcceptDrops(true);
    createControls();
    retranslateUi();
    connectEvents();
    Form_Load();
}

void frmMain::createControls()
{
    // Created bottom to top: the panels lie behind everything, the hint over
    // the preview.
    Shape3 = filledRectangle(this, "Shape3", twipsRect(96, 96, 3948, 2124), QColor(0xFF, 0xFF, 0xC0));
    Shape1 = filledRectangle(this, "Shape1", twipsRect(192, 192, 3756, 396), TitleStrip);
    Shape2 = filledRectangle(this, "Shape2", twipsRect(192, 576, 3756, 1548), InfoPanel);

    lblfilename1 = label("lblfilename1", QStringLiteral("CommenVelmo"), twipsRect(288, 288, 3564, 204), this);
    lblfilename1->setFont(proportionalFont(Bold | Italic));
    paint(lblfilename1, QColor(0x80, 0xFF, 0x80), TitleStrip);

    Image1 = place<QLabel>(this, "Image1", PreviewBox);
    Image1->setScaledContents(true);

    lblDMsg = label("lblDMsg", QString(), twipsRect(480, 1248, 1452, 204), this);
    lblDMsg->setFont(proportionalFont());
    lblDMsg->setAlignment(Qt::AlignCenter);
    lblDMsg->setAutoFillBackground(true);

    lblfilename2 = label("lblfilename2", QString(), twipsRect(2208, 672, 1548, 204), this);
    lblfilename2->setFont(fixedFont(Bold | Underline));
    lblSize = label("lblSize", QStringLiteral("Size"), twipsRect(2208, 960, 1548, 204), this);
    lblSize->setFont(fixedFont(Italic));
    lblFileSize = label("lblFileSize", QString(), twipsRect(2208, 1248, 1548, 204), this);
    lblFileSize->setFont(fixedFont());
    lblDate = label("lblDate", QStringLiteral("Date"), twipsRect(2208, 1536, 1548, 204), this);
    lblDate->setFont(fixedFont(Italic));
    lblLastWrite = label("lblLastWrite", QString(), twipsRect(2208, 1824, 1548, 204), this);
    lblLastWrite->setFont(fixedFont());
    for (QLabel *info : {lblfilename2, lblSize, lblFileSize, lblDate, lblLastWrite})
        paint(info, InfoText, InfoPanel);

    txtComment = place<QPlainTextEdit>(this, "txtComment", twipsRect(96, 2208, CommentWidth, CollapsedHeight));
    txtComment->setFont(commentFont());
    txtComment->setTabChangesFocus(true);
    // Only the preview takes drops; a drag over the field is the window's.
    txtComment->setAcceptDrops(false);
    cmdSizeUP = place<QCheckBox>(this, "cmdSizeUP", twipsRect(3828, 2256, 204, 204));
    lblMes = label("lblMes", QString(), twipsRect(96, 2496, 3948, 300), this);
    lblMes->setFont(fixedFont());
    paint(lblMes, QColor(0x00, 0x00, 0xC0));
    // The enlarged comment field covers the message line.
    txtComment->raise();

    Picture1 = place<QLabel>(this, "Picture1", twipsRect(4128, 192, 396, 396));
    Picture1->setPixmap(windowIcon().pixmap(Picture1->size()));
    Picture1->setAlignment(Qt::AlignCenter);
    paint(Picture1, Qt::black, QColor(0xC0, 0xC0, 0xC0));

    lblName = label("lblName", QStringLiteral("Tarvex"), twipsRect(4512, 192, 684, 204), this);
    lblName->setFont(proportionalFont(Bold | Italic));
    lblTitle1 = label("lblTitle1", QStringLiteral("omment"), twipsRect(4512, 384, 684, 204), this);
    lblTitle1->setFont(proportionalFont(Bold | Italic));
    lblTitle = label("lblTitle", QStringLiteral("Velmo Ver0.1"), twipsRect(4128, 576, 1140, 204), this);
    lblTitle->setFont(proportionalFont(Italic));
    lblTitle->setAlignment(Qt::AlignCenter);
    for (QLabel *link : {lblName, lblTitle1, lblTitle})
        paint(link, LinkText);
    for (QLabel *link : {lblName, lblTitle1, Picture1})
        link->setCursor(Qt::PointingHandCursor);

    cmdVelmo = place<QPushButton>(this, "cmdVelmo", twipsRect(4128, 864, 1068, 300));
    cmdVelmo->setText(QStringLiteral("Velmo"));
    chkIntoPhoto = place<QCheckBox>(this, "chkIntoPhoto", twipsRect(4128, 1260, 1068, 300));
    chkIntoPhoto->setText(QuilletText::intoPhotoCaption());
    chkIntoPhoto->setFont(proportionalFont());
    chkIntoPhoto->setChecked(m_store.isOn(Keys::CommentsIntoPhotos, false));
    cmdEnter = place<QPushButton>(this, "cmdEnter", twipsRect(4128, 1632, 1068, 876));
    cmdEnter->setFont(proportionalFont());
    cmdQuit = place<QPushButton>(this, "cmdQuit", twipsRect(4128, 2496, 1068, 300));
    cmdQuit->setFont(proportionalFont());
}

void frmMain::retranslateUi()
{
    setWindowTitle(QuilletText::windowBanner());
    lblDMsg->setText(tr("ここにドロップ下さい"));
    cmdEnter->setText(tr("書込み"));
    cmdQuit->setText(tr("終了"));
    const QString dropHere = QuilletText::previewTip();
    const QString downloadLink = tr("ヴェルモの最新ダウンロードエリアへのリンクです。");
    describe(Image1, tr("画像のプレビュー"), dropHere);
    describe(lblDMsg, {}, dropHere);
    describe(txtComment, tr("コメント"), QuilletText::commentTip());
    describe(cmdSizeUP, tr("コメント欄を広げる"), tr("コメントの入力ボックスの幅を広げます。"));
    describe(Picture1, tr("作者宛メール"), tr("作者宛メールが起動します。"));
    describe(lblName, {}, downloadLink);
    describe(lblTitle1, {}, downloadLink);
    describe(lblTitle, {}, tr("バージョン情報です。"));
    describe(cmdVelmo, {}, tr("コメントヴェルモを閉じてヴェルモを起動します。"));
    chkIntoPhoto->setText(QuilletText::intoPhotoCaption());
    describe(chkIntoPhoto, {}, QuilletText::intoPhotoTip());
    describe(cmdEnter, {}, tr("コメントをアルバムファイルに書き込みます。"));
    describe(cmdQuit, {}, tr("コメントヴェルモを終了します。"));
    describe(lblMes, tr("メッセージ"), {});
    if (m_message)
        lblMes->setText(m_message());
}

void frmMain::say(std::function<QString()> message)
{
    m_message = std::move(message);
    lblMes->setText(m_message ? m_message() : QString());
}

void frmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void frmMain::connectEvents()
{
    // toggled fires only on a change, from a click or from code alike.
    connect(cmdSizeUP, &QCheckBox::toggled, this, &frmMain::cmdSizeUP_Click);
    connect(chkIntoPhoto, &QCheckBox::toggled, this, &frmMain::chkIntoPhoto_Click);
    connect(cmdEnter, &QPushButton::clicked, this, &frmMain::cmdEnter_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    connect(cmdVelmo, &QPushButton::clicked, this, &frmMain::cmdVelmo_Click);
    auto *doubleClicks = new LabelClicks(QEvent::MouseButtonDblClick, this);
    doubleClicks->watch(lblTitle, [this] { lblTitle_DblClick(); });
    doubleClicks->watch(lblName, [this] { lblName_DblClick(); });
    doubleClicks->watch(lblTitle1, [this] { lblTitle1_DblClick(); });
    doubleClicks->watch(Picture1, [this] { Picture1_DblClick(); });
    // The field would take the moving keys for its own scrolling.
    txtComment->installEventFilter(this);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtComment && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

void frmMain::Form_Load()
{
    const double top = m_store.twips(Keys::Top) + StartTopOffset;
    const double left = m_store.twips(Keys::Left) + StartLeftOffset;
    move(pixels(left), pixels(top));
    WindowPlace::keepOnScreen(*this);
    lblTitle->setText(QuilletText::versionCaption());
    // Quillet speaks the language Velmo's options chose.
    Translation::use(englishChosen(m_store));
    retranslateUi();
}

// Again once shown, now that the frame is known: a position stored with a
// larger screen, or at another scale, must not leave the tool out of reach.
void frmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    WindowPlace::keepOnScreen(*this);
}

bool frmMain::acceptsDrop(const QPoint &position, const QMimeData *offered) const
{
    return PreviewBox.contains(position) && offersLocation(offered);
}

bool frmMain::offersLocation(const QMimeData *offered)
{
    return offered->hasUrls() || offered->hasText();
}

// A drag enters the window wherever it crosses its edge; it is taken in so
// that the moves follow, and only the preview area accepts the drop.
void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (offersLocation(event->mimeData()))
        event->acceptProposedAction();
}

void frmMain::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptsDrop(event->position().toPoint(), event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void frmMain::dropEvent(QDropEvent *event)
{
    if (!acceptsDrop(event->position().toPoint(), event->mimeData()))
        return;
    event->acceptProposedAction();
    // The drag source waits until the drop returns; the handler may show a
    // message box, so it runs after the drop has ended.
    const std::shared_ptr<QMimeData> copy = copyOf(*event->mimeData());
    QMetaObject::invokeMethod(
        this, [this, copy] { Image1_OLEDragDrop(copy.get()); }, Qt::QueuedConnection);
}

void frmMain::Image1_OLEDragDrop(const QMimeData *Data)
{
    try {
        const std::optional<DropLocation> dropped = DropText::locate(DropText::fromMimeData(*Data));
        if (dropped && !leaveComment())
            return;
        say({});
        raise();
        activateWindow();
        lblDMsg->hide();
        collapseComment();
        if (dropped)
            load(*dropped);
    } catch (const Failure &failure) {
        m_services.messages.show(QuilletText::dropFailure(failure.code()));
        if (QuilletText::dropFailureCloses(failure.code()))
            cmdQuit_Click();
    }
}

// Shows the image and its comment as a drop of the location does. Until the
// block is found there is nothing to write to; a comment that is refused
// stays out of the field, which is then read only.
void frmMain::load(const DropLocation &location)
{
    m_source = {};
    txtComment->clear();
    txtComment->setReadOnly(false);
    const CommentSource source = CommentDrop::locate(location, m_index);
    showImage(source.photo);
    if (!source.broken.isEmpty()) {
        say([page = QFileInfo(source.broken).fileName()] { return QuilletText::foundPage(page); });
        throw Failure(FailureCode::InvalidCall, source.broken);
    }
    if (!source.found()) {
        say([name = source.photo.name] { return QuilletText::noBlock(name); });
        return;
    }
    m_source = source;
    say([position = QuilletText::position(m_index.position(source.photo.name), m_index.images().size()),
         page = QFileInfo(source.target).fileName()] {
        return position + QStringLiteral("  ") + QuilletText::foundPage(page);
    });
    if (source.editable()) {
        showComment(source.comment);
        return;
    }
    txtComment->setReadOnly(true);
    m_services.messages.show(QuilletText::writeFailure(source.refused));
}

void frmMain::showImage(const DropLocation &location)
{
    m_imagePath = location.path();
    m_imageName = location.name;
    Image1->hide();
    PreviewPicture picture(m_imagePath);
    m_pictureSize = picture.naturalSize();
    JPEGSizeSet();
    Image1->setPixmap(QPixmap::fromImage(picture.decode(Image1->size())));
    Image1->show();

    lblFileSize->setText(QString::number(QFileInfo(m_imagePath).size()));
    lblfilename1->setText(m_imageName);
    lblfilename2->setText(m_imageName);
    lblLastWrite->setText(
        fileDateTimeText(photoDate(m_imagePath, OptionsModel::isShotDateSource(m_store.read(Keys::DateSource)))));
}

// A comment always shows from its first line, whatever the last one scrolled to.
void frmMain::showComment(const QString &comment)
{
    txtComment->setWordWrapMode(holdsLongWord(comment) ? QTextOption::WrapAnywhere
                                                       : QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtComment->setPlainText(comment);
    // A laid out line drops its glyphs, and then every paint and every move
    // of the cursor shapes its whole line again: on a comment of one long
    // line, as slow as laying it out. Short lines are cheap to shape again
    // and get a layout only once they are shown.
    for (QTextBlock block = txtComment->document()->begin(); block.isValid(); block = block.next()) {
        if (block.length() > LongWord)
            block.layout()->setCacheEnabled(true);
    }
    txtComment->moveCursor(QTextCursor::Start);
    txtComment->verticalScrollBar()->setValue(0);
}

void frmMain::JPEGSizeSet()
{
    const QSizeF shown = PreviewFit::shownSize(QSizeF(m_pictureSize) * TwipsPerPixel);
    Image1->resize(qMax(1, pixels(shown.width())), qMax(1, pixels(shown.height())));
}

void frmMain::collapseComment()
{
    txtComment->resize(pixels(CommentWidth), pixels(CollapsedHeight));
    cmdSizeUP->setChecked(false);
}

void frmMain::cmdSizeUP_Click()
{
    txtComment->resize(pixels(CommentWidth), pixels(cmdSizeUP->isChecked() ? ExpandedHeight : CollapsedHeight));
}

void frmMain::cmdQuit_Click()
{
    close();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (leaveComment())
        event->accept();
    else
        event->ignore();
}

void frmMain::cmdVelmo_Click()
{
    if (!leaveComment())
        return;
    try {
        m_services.launcher.start(Paths::mainProgram());
    } catch (const Failure &failure) {
        m_services.messages.show(QuilletText::startFailure(failure.code()));
        return;
    }
    cmdQuit_Click();
}

void frmMain::lblTitle_DblClick()
{
    m_services.messages.show(QuilletText::aboutText());
}

void frmMain::lblName_DblClick()
{
    OpenDownloadPage();
}

void frmMain::lblTitle1_DblClick()
{
    OpenDownloadPage();
}

void frmMain::Picture1_DblClick()
{
    OpenMailLink();
}

void frmMain::OpenDownloadPage()
{
    m_services.shell.open(QuilletText::downloadPage());
}

void frmMain::OpenMailLink()
{
    m_services.shell.open(QuilletText::mailLink());
}
