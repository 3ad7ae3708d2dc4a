// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/frmoptions.h"

#include "forms/labelclicks.h"
#include "forms/windowbuild.h"
#include "lang/programinfo.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/paths.h"
#include "settings/optionsmodel.h"
#include "settings/settingvalue.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace WindowBuild;

namespace {

namespace Text {
const QString ReductionMissing = QStringLiteral("NOT Find RdctJPEG.dll");
// The titles of the three browse dialogs.
const char *const BrowseBrowser = QT_TRANSLATE_NOOP("frmOptions", "ブラウザの実行ファイルの指定");
const char *const BrowseFtp = QT_TRANSLATE_NOOP("frmOptions", "ＦＴＰの実行ファイルの指定");
const char *const BrowseEditor = QT_TRANSLATE_NOOP("frmOptions", "エディタの実行ファイルの指定");
} // namespace Text

// A field's text follows the model without disturbing the cursor of an
// edit that put it there.
void showText(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

} // namespace

frmOptions::frmOptions(OptionsModel &model, Services services, QWidget *parent)
    : QDialog(parent)
    , m_model(model)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmOptions"));
    createControls();
    createLayout();
    connectControls();
    retranslateUi();
}

// The title, tool tips and control names of the installed language; the
// captions are the caption tables' (SetLanguageCaptions).
void frmOptions::retranslateUi()
{
    // "Options", fifteen ideographic spaces, and the dialog's notice.
    setWindowTitle(tr("Options　　　　　　　　　　　　　　　Velmo の設定"));
    describe(TXTDIRbrowser, tr("ブラウザ"), tr("使用するブラウザの場所をフルパスで記入下さい。"));
    describe(TXTDIRftp, tr("コメントツール"), tr("使用するFTPの場所をフルパスで記入下さい。"));
    describe(TXTDIRediter, tr("エディタ"), tr("使用するエディタの場所をフルパスで記入下さい。"));
    describe(cmdReset, {}, tr("起動するアプリの設定をデフォルトに戻します。"));
    describe(Label7, {}, tr("ボタンで起動できるアプリの場所を指示します。"));
    describe(CheckWarning, {}, tr("「JpgDelete」ボタンを押した時確認ＢＯＸを表示します。"));
    describe(CheckEnglish, {}, tr("ボタンやメニューの表示を切り替えます。"));
    describe(Label12, {}, tr("ｻﾑﾈｲﾙ画像の表示枚数を設定します。"));
    describe(TXTApage, tr("アルバム1ページの画像数"), tr("「0」に設定すると無制限になります。"));
    describe(VScroll1, tr("アルバム1ページの画像数"), tr("「0」に設定すると無制限になります。"));
    const QString rowTip = tr("サムネイルアルバムの列数を指定します。");
    for (QWidget *rowControl : {static_cast<QWidget *>(Label11), static_cast<QWidget *>(Option1),
                                static_cast<QWidget *>(Option2), static_cast<QWidget *>(Option3)})
        describe(rowControl, {}, rowTip);
    const QString reductionTip = tr("アルバムの画像を縮小します。");
    for (QWidget *reduction :
         {static_cast<QWidget *>(Label13), static_cast<QWidget *>(Label14), static_cast<QWidget *>(Frame1)})
        describe(reduction, {}, reductionTip);
    describe(Command5, {}, tr("設定を保存し、オプションウィンドを閉じます。"));
    const QString mailTip = tr("作者宛メールは、ここをクリック。");
    describe(lblDisclaimer, {}, mailTip);
    describe(lblLegalCopyright, {}, mailTip);
    describe(picIcon, tr("ヴェルモのアイコン"), tr("ヴェルモのダウンロードエリアを起動"));
    lblTitle->setText(ProgramInfo::title());
    lblDisclaimer->setText(ProgramInfo::comments());
}

void frmOptions::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

frmOptions::~frmOptions() = default;

void frmOptions::createControls()
{
    TXTDIRbrowser = named(new QLineEdit, "TXTDIRbrowser", this);
    TXTDIRftp = named(new QLineEdit, "TXTDIRftp", this);
    TXTDIRediter = named(new QLineEdit, "TXTDIRediter", this);
    cmdBrowse1 = named(new QPushButton(QStringLiteral("Browse")), "cmdBrowse1", this);
    cmdBrowse2 = named(new QPushButton(QStringLiteral("Browse")), "cmdBrowse2", this);
    cmdBrowse3 = named(new QPushButton(QStringLiteral("Browse")), "cmdBrowse3", this);
    cmdReset = named(new QPushButton(QStringLiteral("Reset")), "cmdReset", this);
    Label7 = label("Label7", QStringLiteral("ProgramLocations"), this);
    Label8 = label("Label8", QStringLiteral("Browser"), this);
    Label9 = label("Label9", QStringLiteral("Reserve"), this);
    Label15 = label("Label15", QStringLiteral("Editer"), this);

    CheckWarning = named(new QCheckBox(QStringLiteral("JpgDelete Warning MesBox")), "CheckWarning", this);
    CheckWarningHtml = named(new QCheckBox(QStringLiteral("Album###.html Delete MesBox")), "CheckWarningHtml", this);
    CheckWarningJPG = named(new QCheckBox(QStringLiteral("s_@@@@@.jpg Delete MesBox")), "CheckWarningJPG", this);
    CheckClipBoard = named(new QCheckBox(QStringLiteral("ImageClipBoard")), "CheckClipBoard", this);
    CheckTARGET = named(new QCheckBox(QStringLiteral("LinkTarget NewWindow")), "CheckTARGET", this);
    CheckEnglish = named(new QCheckBox(QStringLiteral("English/Japanese Mode")), "CheckEnglish", this);
    CheckShotDate = named(new QCheckBox(QStringLiteral("Date: when shot (Exif)")), "CheckShotDate", this);
    CheckPhotoCaptions = named(new QCheckBox(QStringLiteral("Captions from photos")), "CheckPhotoCaptions", this);
    CheckCommentsIntoPhotos =
        named(new QCheckBox(QStringLiteral("Comments into photos")), "CheckCommentsIntoPhotos", this);
    QPalette green = CheckEnglish->palette();
    green.setColor(QPalette::WindowText, Qt::darkGreen);
    CheckEnglish->setPalette(green);

    Label12 = label("Label12", QStringLiteral("Photo"), this);
    TXTApage = named(new QLineEdit, "TXTApage", this);
    TXTApage->setEnabled(false);
    TXTApage->setMaximumWidth(48);
    VScroll1 = named(new QScrollBar(Qt::Vertical), "VScroll1", this);
    VScroll1->setRange(0, 24);
    VScroll1->setValue(SettingValue::initialWhole(Keys::PhotoPiece));
    VScroll1->setSingleStep(1);
    VScroll1->setFixedHeight(40);

    Label11 = label("Label11", QStringLiteral("Album Line Seting"), this);
    Option1 = named(new QRadioButton(QStringLiteral("1")), "Option1", this);
    Option2 = named(new QRadioButton(QStringLiteral("2")), "Option2", this);
    Option3 = named(new QRadioButton(QStringLiteral("3")), "Option3", this);
    auto *rows = new QButtonGroup(this);
    for (QRadioButton *option : {Option1, Option2, Option3})
        rows->addButton(option);

    Label13 = label("Label13", QStringLiteral("JPEG Reduction"), this);
    Label14 = label("Label14", QStringLiteral("Scale 1/"), this);
    Frame1 = named(new QFrame, "Frame1", this);
    Frame1->setFrameShape(QFrame::StyledPanel);
    Option4 = named(new QRadioButton(QStringLiteral("1")), "Option4", Frame1);
    Option5 = named(new QRadioButton(QStringLiteral("2")), "Option5", Frame1);
    Option6 = named(new QRadioButton(QStringLiteral("4")), "Option6", Frame1);
    Option7 = named(new QRadioButton(QStringLiteral("8")), "Option7", Frame1);
    auto *scales = new QButtonGroup(this);
    for (QRadioButton *option : {Option4, Option5, Option6, Option7})
        scales->addButton(option);
    Label16 = label("Label16", Text::ReductionMissing, this);
    QPalette red = Label16->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label16->setPalette(red);

    cmdRegstSave = named(new QPushButton(QStringLiteral("SaveRegst")), "cmdRegstSave", this);
    cmdRegstDel = named(new QPushButton(QStringLiteral("DeleteRegst")), "cmdRegstDel", this);
    cmdRegstGet = named(new QPushButton(QStringLiteral("GetRegst")), "cmdRegstGet", this);
    cmdRegstGet->hide();
    cmdHelp = named(new QPushButton(QStringLiteral("ReadMe")), "cmdHelp", this);
    cmdHelp->hide();
    Command5 = named(new QPushButton(QStringLiteral("OK")), "Command5", this);
    Command5->setDefault(true);

    lblTitle = label("lblTitle", QString(), this);
    lblVersion = label("lblVersion", QString(), this);
    lblDisclaimer = label("lblDisclaimer", QString(), this);
    lblDisclaimer->setWordWrap(true);
    lblLegalCopyright = label("lblLegalCopyright", QString(), this);
    picIcon = label("picIcon", QString(), this);
    picIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    for (QLabel *link : {lblTitle, lblDisclaimer, lblLegalCopyright, picIcon})
        link->setCursor(Qt::PointingHandCursor);
    auto *clicks = new LabelClicks(QEvent::MouseButtonRelease, this);
    clicks->watch(picIcon, [this] { picIcon_Click(); });
    clicks->watch(lblTitle, [this] { lblTitle_Click(); });
    clicks->watch(lblLegalCopyright, [this] { lblLegalCopyright_Click(); });
    clicks->watch(lblDisclaimer, [this] { lblDisclaimer_Click(); });
}

void frmOptions::createLayout()
{
    auto *programs = new QGridLayout;
    programs->addWidget(Label7, 0, 0, 1, 2);
    programs->addWidget(cmdReset, 0, 3);
    const std::tuple<QLabel *, QLineEdit *, QPushButton *> programRows[] = {
        {Label8, TXTDIRbrowser, cmdBrowse1}, {Label9, TXTDIRftp, cmdBrowse2}, {Label15, TXTDIRediter, cmdBrowse3}};
    int row = 1;
    for (const auto &[title, field, browseButton] : programRows) {
        programs->addWidget(title, row, 0);
        programs->addWidget(field, row, 1, 1, 2);
        programs->addWidget(browseButton, row, 3);
        ++row;
    }
    programs->setColumnStretch(1, 1);

    auto *switches = new QVBoxLayout;
    for (QCheckBox *box : {CheckWarning, CheckWarningHtml, CheckWarningJPG, CheckClipBoard, CheckTARGET, CheckEnglish,
                           CheckShotDate, CheckPhotoCaptions, CheckCommentsIntoPhotos})
        switches->addWidget(box);

    auto *photos = new QHBoxLayout;
    photos->addWidget(Label12);
    photos->addWidget(TXTApage);
    photos->addWidget(VScroll1);
    photos->addStretch();
    auto *albumRows = new QHBoxLayout;
    albumRows->addWidget(Label11);
    for (QRadioButton *option : {Option1, Option2, Option3})
        albumRows->addWidget(option);
    albumRows->addStretch();
    auto *scaleButtons = new QHBoxLayout(Frame1);
    scaleButtons->addWidget(Label14);
    for (QRadioButton *option : {Option4, Option5, Option6, Option7})
        scaleButtons->addWidget(option);
    auto *reduction = new QHBoxLayout;
    reduction->addWidget(Label13);
    reduction->addWidget(Frame1);
    reduction->addWidget(Label16);
    reduction->addStretch();

    auto *about = new QGridLayout;
    about->addWidget(picIcon, 0, 0, 2, 1);
    about->addWidget(lblTitle, 0, 1);
    about->addWidget(lblVersion, 1, 1);
    about->addWidget(lblDisclaimer, 2, 0, 1, 2);
    about->addWidget(lblLegalCopyright, 3, 0, 1, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdRegstSave);
    buttons->addWidget(cmdRegstDel);
    buttons->addStretch();
    buttons->addWidget(Command5);

    auto *page = new QVBoxLayout(this);
    page->addLayout(programs);
    page->addWidget(sunkenLine("Line2", this));
    page->addLayout(switches);
    page->addLayout(photos);
    page->addLayout(albumRows);
    page->addLayout(reduction);
    page->addWidget(sunkenLine("Line5", this));
    page->addLayout(about);
    page->addLayout(buttons);
}

void frmOptions::connectControls()
{
    connect(cmdRegstGet, &QPushButton::clicked, this, &frmOptions::cmdRegstGet_Click);
    connect(cmdRegstSave, &QPushButton::clicked, this, &frmOptions::cmdRegstSave_Click);
    connect(cmdRegstDel, &QPushButton::clicked, this, &frmOptions::cmdRegstDel_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmOptions::cmdReset_Click);
    connect(Command5, &QPushButton::clicked, this, &frmOptions::Command5_Click);
    connect(cmdBrowse1, &QPushButton::clicked, this, &frmOptions::cmdBrowse1_Click);
    connect(cmdBrowse2, &QPushButton::clicked, this, &frmOptions::cmdBrowse2_Click);
    connect(cmdBrowse3, &QPushButton::clicked, this, &frmOptions::cmdBrowse3_Click);
    connectSwitch(CheckWarning, &frmOptions::CheckWarning_Click);
    connectSwitch(CheckWarningHtml, &frmOptions::CheckWarningHtml_Click);
    connectSwitch(CheckWarningJPG, &frmOptions::CheckWarningJPG_Click);
    connectSwitch(CheckTARGET, &frmOptions::CheckTARGET_Click);
    connectSwitch(CheckClipBoard, &frmOptions::CheckClipBoard_Click);
    connectSwitch(CheckEnglish, &frmOptions::CheckEnglish_Click);
    connectSwitch(CheckShotDate, &frmOptions::CheckShotDate_Click);
    connectSwitch(CheckPhotoCaptions, &frmOptions::CheckPhotoCaptions_Click);
    connectSwitch(CheckCommentsIntoPhotos, &frmOptions::CheckCommentsIntoPhotos_Click);
    connectChoice(Option1, &OptionsModel::setRowWidth, 1);
    connectChoice(Option2, &OptionsModel::setRowWidth, 2);
    connectChoice(Option3, &OptionsModel::setRowWidth, 3);
    connectChoice(Option4, &OptionsModel::setReductionScale, 1);
    connectChoice(Option5, &OptionsModel::setReductionScale, 2);
    connectChoice(Option6, &OptionsModel::setReductionScale, 4);
    connectChoice(Option7, &OptionsModel::setReductionScale, 8);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmOptions::VScroll1_Change);
    connectProgram(TXTDIRbrowser, &OptionsModel::setBrowser);
    connectProgram(TXTDIRftp, &OptionsModel::setCommentTool);
    connectProgram(TXTDIRediter, &OptionsModel::setEditor);
    connect(&m_model, &OptionsModel::changed, this, &frmOptions::showPrograms);
}

// A box's handler runs whenever its state changes, by a click or from code.
void frmOptions::connectSwitch(QCheckBox *box, void (frmOptions::*handler)())
{
    connect(box, &QCheckBox::toggled, this, handler);
}

// A row or scale button sets its value when it becomes the selected one.
void frmOptions::connectChoice(QRadioButton *option, void (OptionsModel::*choose)(int), int value)
{
    OptionsModel *model = &m_model;
    connect(option, &QRadioButton::toggled, this, [model, choose, value](bool selected) {
        if (selected)
            (model->*choose)(value);
    });
}

void frmOptions::connectProgram(QLineEdit *field, void (OptionsModel::*set)(const QString &))
{
    OptionsModel *model = &m_model;
    connect(field, &QLineEdit::textChanged, this, [model, set](const QString &path) { (model->*set)(path); });
}

void frmOptions::showPrograms()
{
    showText(TXTDIRbrowser, m_model.browser());
    showText(TXTDIRftp, m_model.commentTool());
    showText(TXTDIRediter, m_model.editor());
    showText(TXTApage, QString::number(m_model.photosPerPage()));
}

void frmOptions::Form_Load()
{
    cmdRegstGet_Click();
    CheckEnglish_Click();
    lblVersion->setText(ProgramInfo::versionLine());
    lblLegalCopyright->setText(ProgramInfo::legalCopyright());
    if (Paths::isRegularFile(Paths::reductionLibrary()))
        Label16->clear();
}

void frmOptions::selectChoice(int value, std::initializer_list<std::pair<int, QRadioButton *>> choices)
{
    for (const auto &[choice, option] : choices) {
        if (value == choice)
            option->setChecked(true);
    }
}

void frmOptions::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    cmdRegstSave_Click();
    emit unloaded();
}

void frmOptions::done(int result)
{
    QDialog::done(result);
    Form_Unload();
}

void frmOptions::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        Form_Unload();
}

// The dialog's load step: the controls show the options.
void frmOptions::cmdRegstGet_Click()
{
    showPrograms();
    CheckWarning->setChecked(m_model.askBeforeDeletingImage());
    CheckWarningHtml->setChecked(m_model.askBeforeDeletingOldPages());
    CheckWarningJPG->setChecked(m_model.deleteOldThumbnails());
    CheckEnglish->setChecked(m_model.english());
    CheckClipBoard->setChecked(m_model.imageToClipboard());
    CheckTARGET->setChecked(m_model.linksOpenNewWindow());
    CheckShotDate->setChecked(m_model.shotDates());
    CheckPhotoCaptions->setChecked(m_model.captionsFromPhotos());
    CheckCommentsIntoPhotos->setChecked(m_model.commentsIntoPhotos());
    selectChoice(m_model.rowWidth(), {{1, Option1}, {2, Option2}, {3, Option3}});
    selectChoice(m_model.reductionScale(), {{1, Option4}, {2, Option5}, {4, Option6}, {8, Option7}});
}

void frmOptions::cmdRegstSave_Click()
{
    m_model.save();
}

// Deletes the stored settings and ends the program; closing the windows
// stores the dialog's values and the window's place again.
void frmOptions::cmdRegstDel_Click()
{
    m_model.deleteStored();
    close();
    emit settingsDeleted();
}

void frmOptions::cmdReset_Click()
{
    m_model.resetPrograms();
}

void frmOptions::Command5_Click()
{
    cmdRegstSave_Click();
    close();
}

std::optional<QString> frmOptions::browse(const char *title)
{
    // Linux programs have no ".exe": every file is offered.
    return m_services.dialogs.openExistingFile(tr(title), tr("プログラムファイル (*)"));
}

void frmOptions::cmdBrowse1_Click()
{
    if (const std::optional<QString> chosen = browse(Text::BrowseBrowser))
        m_model.setBrowser(*chosen);
}
void frmOptions::cmdBrowse2_Click()
{
    if (const std::optional<QString> chosen = browse(Text::BrowseFtp))
        m_model.setCommentTool(*chosen);
}
void frmOptions::cmdBrowse3_Click()
{
    if (const std::optional<QString> chosen = browse(Text::BrowseEditor))
        m_model.setEditor(*chosen);
}

void frmOptions::CheckWarning_Click()
{
    m_model.setAskBeforeDeletingImage(CheckWarning->isChecked());
}

void frmOptions::CheckWarningHtml_Click()
{
    m_model.setAskBeforeDeletingOldPages(CheckWarningHtml->isChecked());
}

void frmOptions::CheckWarningJPG_Click()
{
    m_model.setDeleteOldThumbnails(CheckWarningJPG->isChecked());
}

void frmOptions::CheckTARGET_Click()
{
    m_model.setLinksOpenNewWindow(CheckTARGET->isChecked());
}

void frmOptions::CheckClipBoard_Click()
{
    m_model.setImageToClipboard(CheckClipBoard->isChecked());
}

void frmOptions::CheckShotDate_Click()
{
    m_model.setShotDates(CheckShotDate->isChecked());
}

void frmOptions::CheckPhotoCaptions_Click()
{
    m_model.setCaptionsFromPhotos(CheckPhotoCaptions->isChecked());
}

void frmOptions::CheckCommentsIntoPhotos_Click()
{
    m_model.setCommentsIntoPhotos(CheckCommentsIntoPhotos->isChecked());
}

void frmOptions::CheckEnglish_Click()
{
    m_model.setEnglish(CheckEnglish->isChecked());
    emit languageChosen();
}

void frmOptions::VScroll1_Change()
{
    m_model.setPhotosPerPage(VScroll1->value());
}

void frmOptions::picIcon_Click()
{
    m_services.shell.open(ProgramInfo::downloadPage());
}
void frmOptions::lblTitle_Click()
{
    m_services.shell.open(ProgramInfo::downloadPage());
}
void frmOptions::lblLegalCopyright_Click()
{
    m_services.shell.open(ProgramInfo::mailToAuthor());
}
void frmOptions::lblDisclaimer_Click()
{
    m_services.shell.open(ProgramInfo::mailToAuthor());
}
