// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the controls, start-up, shut-down and the about message.
#include "main_window/form1.h"

#include "forms/labelclicks.h"
#include "forms/palettecolors.h"
#include "forms/windowbuild.h"
#include "lang/programinfo.h"
#include "lang/translation.h"
#include "main_window/form1texts.h"
#include "main_window/forms.h"
#include "main_window/setlanguagecaptions.h"
#include "platform/failure.h"
#include "platform/interrupts.h"
#include "platform/messageboxes.h"
#include "platform/paths.h"
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"
#include "slide/slideshow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

using namespace PaletteColors;
using namespace WindowBuild;

namespace {

// Pixels left above and below a filter box's check mark.
constexpr int FilterBoxMargin = 2;

// The folder a start path opens: the folder itself or the photo's folder;
// none without a path, so the stored one is used.
QString folderOf(const QFileInfo &start)
{
    if (start.filePath().isEmpty())
        return {};
    return QDir::cleanPath(start.isDir() ? start.absoluteFilePath() : start.absolutePath());
}

} // namespace

Form1::Form1(Forms &forms, SettingsStore &store, Services services)
    : m_forms(forms)
    , m_store(store)
    , m_services(services)
    , m_slideShow(new SlideShow(services.clock, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ImageViewer Velmo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/velmo.svg")));
    setFont(faceOf(Gothic, 10.5));
    createControls();
    recordDesign();
    // The lists open on the home folder until Form_Load moves them.
    fillDrive1();
    const QString startFolder = Paths::homeFolder();
    selectDrive1For(startFolder);
    m_file1Pattern = QString::fromLatin1(Patterns::Jpeg);
    setDir1Path(startFolder);
    connectControls();
    retranslateUi();
}

void Form1::retranslateUi()
{
    describe(image1, tr("表示中の画像"), {});
    describe(Check4, {}, tr("チェックマークを入れると縦横倍率がオリジナルの画像の倍率になります。"));
    describe(Text6, tr("画像の幅と高さ"), {});
    describe(Text5, tr("ファイルの場所"), {});
    describe(Label3, tr("状態"), {});
    describe(Drive1, tr("ドライブ"), {});
    describe(Dir1, tr("フォルダ"), {});
    describe(File1, tr("ファイル"), {});
    describe(cmdJPGDEL, {}, tr("選択されたJPG形式のファイルを削除します。"));
    describe(Check2, {}, tr("ＴＸＴ形式のファイルをリストに追加します。"));
    describe(Check3, {}, tr("ＨＴＭＬ形式のファイルをリストに追加します。"));
    describe(Check1, tr("アルバムファイルを表示"), {});
    describe(cmdAlbum, {}, tr("JPG画像を編集してサムネイル形式のＨＴＭＬファイルを作成します。"));
    describe(cmdDesign, tr("デザイン"), tr("アルバムのデザインを変更します。"));
    describe(Check5, {}, tr("縦横比率設定を設定します。"));
    describe(cmdMSIE, {}, tr("ブラウザが起動します。"));
    describe(cmdOption, {}, tr("設定用オプション画面を開きます。"));
    describe(cmdNOTE, {}, tr("エディタが起動します。"));
    describe(cmdFTP, {}, tr("コメントヴェルモを起動します。"));
    describe(cmdSlideShow, {}, tr("画像の自動送り機能を開始します。"));
    describe(cmdSlideStop, {}, tr("スライドショーを停止します。"));
    describe(cmdOMAKE, tr("スライドHTML作成"),
             tr("スライド形式のHTMLを作成します（ローカルドライブで使用することを推奨）。"));
    describe(Slider1, tr("スライドショーの間隔"), {});
    describe(cmd_quit, {}, tr("プログラムを閉じます。"));
    // A status line of the catalogue that nothing has replaced follows the language.
    if (m_statusSource && Label3->text() == m_statusShown)
        showStatus(m_statusSource);
}

void Form1::showStatus(const char *source)
{
    m_statusSource = source;
    m_statusShown = tr(source);
    Label3->setText(m_statusShown);
}

// The store outlives the window; its problems no longer come here.
Form1::~Form1()
{
    m_store.setProblemReporter({});
}

void Form1::createControls()
{
    image1 = label("image1", QString(), twipsRect(120, 480, 7884, 6360), this);
    image1->setScaledContents(true);
    image1->hide();
    Check4 = checkBox("Check4", "OriginalScale", twipsRect(120, 0, 1695, 252), this);
    Check4->setChecked(true);
    Text6 = infoLine("Text6", twipsRect(120, 240, 1332, 195), this);
    Text5 = infoLine("Text5", twipsRect(1560, 300, 6372, 156), this);
    Label3 = label("Label3", QStringLiteral(" "), twipsRect(96, 6864, 7452, 300), this);
    setTextColor(Label3, Qt::blue);
    HScrollBar = place(new QFrame, "HScrollBar", twipsRect(96, 7104, 8004, 204), this);
    HScrollBar->setAutoFillBackground(true);
    QPalette blue = HScrollBar->palette();
    blue.setColor(QPalette::Window, Qt::blue);
    HScrollBar->setPalette(blue);
    HScrollBar->hide();
    Label2 = label("Label2", QString(), twipsRect(0, 7320, 3372, 252), this);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(faceOf(Comic, 6));
    setTextColor(Label2, Qt::darkBlue);
    lbl_タイトル = label("lbl_タイトル", QString(), twipsRect(8160, 0, 1575, 375), this);
    lbl_タイトル->setFont(faceOf(Comic, 13.5, true));
    setTextColor(lbl_タイトル, Qt::red);
    auto *titlePress = new LabelClicks(QEvent::MouseButtonPress, this);
    titlePress->watch(lbl_タイトル, [this](const QMouseEvent &press) { lbl_タイトル_MouseDown(press.modifiers()); });

    Drive1 = place(new QComboBox, "Drive1", twipsRect(8160, 360, 1812, 312), this);
    Dir1 = place(new QListWidget, "Dir1", twipsRect(8160, 720, 1812, 1512), this);
    File1 = place(new QListWidget, "File1", twipsRect(8160, 2280, 1812, 1560), this);
    File1->installEventFilter(this);
    File1->viewport()->installEventFilter(this);
    for (QWidget *list : {static_cast<QWidget *>(Drive1), static_cast<QWidget *>(Dir1), static_cast<QWidget *>(File1)})
        list->setFont(faceOf(PGothic, 9));

    cmdJPGDEL = button("cmdJPGDEL", "JpgDelete", twipsRect(8160, 3936, 1812, 372), this);
    Check2 = checkBox("Check2", "TXT", twipsRect(8160, 4320, 612, 180), this);
    Check3 = checkBox("Check3", "HTML", twipsRect(8736, 4320, 732, 180), this);
    Check1 = checkBox("Check1", "ALB", twipsRect(9480, 4320, 612, 180), this);
    for (QCheckBox *filter : {Check1, Check2, Check3}) {
        filter->setFont(fittedFace(PGothic, 6.5, filter->height()));
        // The style's box is taller than these designed 12 pixels: a smaller
        // one is drawn whole instead of clipped.
        filter->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }")
                                  .arg(filter->height() - FilterBoxMargin));
    }
    cmdAlbum = button("cmdAlbum", "Album", twipsRect(8160, 4512, 1455, 492), this);
    cmdDesign = button("cmdDesign", "><", twipsRect(9600, 4512, 396, 492), this);
    Check5 = checkBox("Check5", "Adjust", twipsRect(8160, 4992, 1932, 252), this);
    Check5->setChecked(true);
    // Proportional and a little smaller, so "Adjust W 135X H 100" fits the box.
    Check5->setFont(faceOf(PGothic, 7.5));
    cmdMSIE = button("cmdMSIE", "Browser", twipsRect(8160, 5280, 852, 372), this);
    cmdOption = button("cmdOption", "Options", twipsRect(9120, 5280, 852, 372), this);
    cmdNOTE = button("cmdNOTE", "Editer", twipsRect(8160, 5664, 852, 372), this);
    cmdFTP = button("cmdFTP", "Comment", twipsRect(9120, 5664, 852, 372), this);
    cmdSlideShow = button("cmdSlideShow", "SlideShow", twipsRect(8160, 6120, 1455, 372), this);
    cmdSlideStop = button("cmdSlideStop", "Stop", twipsRect(8160, 6120, 1815, 372), this);
    cmdSlideStop->hide();
    cmdOMAKE = button("cmdOMAKE", "S", twipsRect(9600, 6120, 375, 375), this);
    Label1 = label("Label1", QStringLiteral(" "), twipsRect(8880, 6480, 1092, 252), this);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Slider1 = place(new QSlider(Qt::Horizontal), "Slider1", twipsRect(8136, 6720, 1956, 372), this);
    Slider1->setRange(1, 20);
    Slider1->setValue(11);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(5);
    Slider1->installEventFilter(this);
    cmd_quit = button("cmd_quit", "Exit", twipsRect(8160, 7200, 1812, 372), this);
    for (QPushButton *command : findChildren<QPushButton *>())
        command->setFont(faceOf(PGothic, 9));
    QFont bold = cmd_quit->font();
    bold.setBold(true);
    cmd_quit->setFont(bold);

    FullScreenBack = named(new QWidget, "FullScreenBack", this);
    setBackgroundColor(FullScreenBack, Qt::black);
    FullScreenBack->hide();
}

void Form1::connectControls()
{
    connect(Drive1, &QComboBox::activated, this, &Form1::Drive1_Change);
    connect(Dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        try {
            setDir1Path(item->data(Qt::UserRole).toString());
        } catch (const Failure &failure) {
            m_services.messages.show(Messages::reportNumber(failure.code()));
        }
    });
    connect(File1, &QListWidget::itemSelectionChanged, this, &Form1::File1_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &Form1::File1_DblClick);
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &Form1::Check2_Click);
    connect(Check3, &QCheckBox::toggled, this, &Form1::Check3_Click);
    connect(Check4, &QCheckBox::toggled, this, &Form1::Check4_Click);
    connect(Check5, &QCheckBox::toggled, this, &Form1::Check5_Click);
    connect(cmdJPGDEL, &QPushButton::clicked, this, &Form1::cmdJPGDEL_Click);
    connect(cmdAlbum, &QPushButton::clicked, this, &Form1::cmdAlbum_Click);
    connect(cmdDesign, &QPushButton::clicked, this, &Form1::cmdDesign_Click);
    connect(cmdMSIE, &QPushButton::clicked, this, &Form1::cmdMSIE_Click);
    connect(cmdOption, &QPushButton::clicked, this, &Form1::cmdOption_Click);
    connect(cmdNOTE, &QPushButton::clicked, this, &Form1::cmdNOTE_Click);
    connect(cmdFTP, &QPushButton::clicked, this, &Form1::cmdFTP_Click);
    connect(cmdSlideShow, &QPushButton::clicked, this, &Form1::cmdSlideShow_Click);
    connect(cmdSlideStop, &QPushButton::clicked, this, &Form1::cmdSlideStop_Click);
    connect(cmdOMAKE, &QPushButton::clicked, this, &Form1::cmdOMAKE_Click);
    connect(Slider1, &QSlider::valueChanged, this, &Form1::Slider1_Change);
    connect(cmd_quit, &QPushButton::clicked, this, &Form1::cmd_quit_Click);
    connectSlideShow();
    connectFullScreenKeys();
}

void Form1::Form_Load(const QString &startPath)
{
    const QFileInfo start(startPath);
    // Settings that cannot be saved or read are told in a box, once each.
    m_store.setProblemReporter([this](const QString &text) {
        m_services.messages.show(text, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
    });
    m_forms.loadModels();
    // The start-up's own messages already speak the chosen language.
    Translation::use(m_forms.optionsModel().english());
    retranslateUi();
    try {
        runLoadSteps(folderOf(start));
    } catch (const Failure &failure) {
        m_services.messages.show(Messages::reportNumber(failure.code()));
    }
    // A start-up stopped before its show step still leaves the window open,
    // with the values it has so far.
    if (!isVisible())
        show();
    if (start.isFile())
        selectStartPhoto(start.fileName());
}

// Selects the photo in the file list and shows it, as a click on its name
// does; a file the list does not show (not a JPEG name) leaves the folder alone.
void Form1::selectStartPhoto(const QString &name)
{
    const QList<QListWidgetItem *> found = File1->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    File1->setFocus();
    File1->setCurrentItem(found.first());
}

// Runs a step that moves to the start folder; a folder that has gone away is
// reported and the start-up goes on.
template <typename Step> static void folderStep(MessageBoxes &messages, Step step)
{
    try {
        step();
    } catch (const Failure &failure) {
        if (failure.code() != FailureCode::PathNotFound)
            throw;
        messages.show(Messages::folderGone());
    }
}

void Form1::runLoadSteps(const QString &givenFolder)
{
    // Stored values are read typed: a text that is no number counts as
    // absent, so a hand-edited store never stops the start-up.
    const QRectF place(m_store.twips(Keys::Left), m_store.twips(Keys::Top), m_store.twips(Keys::Width),
                       m_store.twips(Keys::Height));
    const QString startFolder = givenFolder.isEmpty() ? m_store.read(Keys::Path, Paths::homeFolder()) : givenFolder;
    folderStep(m_services.messages, [&] {
        if (!QDir::setCurrent(startFolder))
            throw Failure(QDir(startFolder).exists() ? FailureCode::PathFileAccess : FailureCode::PathNotFound,
                          startFolder);
    });
    selectDrive1For(startFolder);
    folderStep(m_services.messages, [&] { setFile1Path(startFolder); });
    folderStep(m_services.messages, [&] { setDir1Path(startFolder); });
    placeWindow(place);
    show();
    WindowPlace::keepOnScreen(*this); // again, now that the frame is known
    setWindowState(Qt::WindowNoState);

    const int selStart = m_store.whole(Keys::SelStart, 0);
    Slider1->setValue(selStart == 0 ? 11 : selStart);
    Slider1->setRange(1, 20);

    lbl_タイトル->setText(ProgramInfo::shortName());
    Label2->setText(ProgramInfo::makerNotice() + ProgramInfo::contact());
    m_forms.options(); // loaded hidden, as the language box is set
    SetLanguageCaptions(m_forms);
    m_forms.optionsModel().setCommentTool(m_commentToolPresent ? Paths::commentTool() : Paths::defaultFtpClient());
}

int Form1::photosPerPage() const
{
    return m_forms.optionsModel().photosPerPage();
}

// The place of the window when neither maximised nor full screen: the
// frame's corner and the client size, as the next start restores them.
void Form1::saveWindowPlace()
{
    const QRect place = normalPlace();
    m_store.write(Keys::Top, QString::number(place.y() * TwipsPerPixel));
    m_store.write(Keys::Left, QString::number(place.x() * TwipsPerPixel));
    m_store.write(Keys::Width, QString::number(place.width() * TwipsPerPixel));
    m_store.write(Keys::Height, QString::number(place.height() * TwipsPerPixel));
    m_store.write(Keys::Path, m_file1Path);
}

void Form1::Form_QueryUnload()
{
    saveWindowPlace();
    m_forms.closeDialogs();
}

// Closing runs the shut-down steps (closeEvent) and ends the program.
void Form1::cmd_quit_Click()
{
    saveWindowPlace();
    close();
}

void Form1::beginCommand()
{
    m_commandRunning = true;
    m_closeAsked = false;
    Interrupts::catchRequests();
}

void Form1::endCommand()
{
    m_commandRunning = false;
    const int status = Interrupts::exitStatus();
    Interrupts::restoreDefaults();
    if (!m_closeAsked && status == 0)
        return;
    // After the command's handler has returned, as a close would come.
    QMetaObject::invokeMethod(
        this,
        [this, status] {
            close();
            if (status != 0)
                QCoreApplication::exit(status);
        },
        Qt::QueuedConnection);
}

bool Form1::commandStopAsked() const
{
    return m_closeAsked || Interrupts::caughtSignal() != 0;
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_commandRunning) {
        m_closeAsked = true;
        event->ignore();
        return;
    }
    // A running slide show ends here, nothing restored and nothing saved.
    m_slideShow->abandon();
    m_closing = true;
    Form_QueryUnload();
    event->accept();
    QCoreApplication::quit();
}

void Form1::lbl_タイトル_MouseDown(Qt::KeyboardModifiers shift)
{
    const Qt::KeyboardModifiers keys = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (keys == Qt::NoModifier || keys == (Qt::ShiftModifier | Qt::ControlModifier))
        m_services.messages.show(ProgramInfo::aboutText());
}

// The window losing or regaining its activation (another program, a message
// box) moves no focus between its controls.
static bool focusMoved(const QEvent *event)
{
    return static_cast<const QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (watched == File1->viewport())
            File1_MouseDown(*static_cast<QMouseEvent *>(event));
        break;
    case QEvent::FocusIn:
        if (watched == Slider1 && focusMoved(event))
            Slider1_GotFocus();
        break;
    case QEvent::FocusOut:
        if (!focusMoved(event))
            break;
        if (watched == Slider1)
            Slider1_LostFocus();
        else if (watched == File1)
            File1_LostFocus();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
