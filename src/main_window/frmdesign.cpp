// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/frmdesign.h"
#include "forms/palettecolors.h"
#include "forms/windowbuild.h"

#include "platform/dialogs.h"
#include "platform/messageboxes.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace PaletteColors;
using namespace WindowBuild;

namespace {

namespace Text {
const QString Pattern1 = QStringLiteral("Design 1");
const QString Pattern2 = QStringLiteral("Design 2");
const QString Pattern3 = QStringLiteral("Default Color");
const QString LabelSample = QStringLiteral("TitleColor");
const QString LinkSample = QStringLiteral("LinkColor");
const QString VLinkSample = QStringLiteral("VLinkColoror");
const QString DataSample = QStringLiteral("Data");
const QString TitleButton = QStringLiteral("TextColor");
const QString ColorButton = QStringLiteral("Color");
const QString BGColorButton = QStringLiteral("BG Color");
const QString FormColorButton = QStringLiteral("FormColor");
const QString LabelColorButton = QStringLiteral("LabelColor");
const QString LinkColorButton = QStringLiteral("LinkColor");
const QString VLinkColorButton = QStringLiteral("VLinkColor");
const QString Ok = QStringLiteral("OK");
const QString IniRead = QStringLiteral("IniRead");
const QString IniWrite = QStringLiteral("IniWrite");
const QString ModeSet1 = QStringLiteral("1");
const QString ModeSet2 = QStringLiteral("2");
const QString ModePreset = QStringLiteral("3");
QString classicPages()
{
    return QCoreApplication::translate("frmDesign", "従来のページ");
}
QString modernPages()
{
    return QCoreApplication::translate("frmDesign", "モダンなページ");
}
QString pageStyleTip()
{
    return QCoreApplication::translate(
        "frmDesign",
        "アルバムとスライドのページの形式です。モダンなページはスマホでも読みやすく、画面の幅に合わせて並びます。");
}
} // namespace Text

const QColor SizeFieldBackground = QColor(192, 192, 192);
// A size bar gives every step of its range a pixel, so it can be dragged to
// a size; squeezed by the layout it was a few pixels of groove.
constexpr int SizeBarLength = DesignSize::Maximum - DesignSize::Minimum;
const QColor SizeFieldText = Qt::blue;

// A guide line of the preview, long enough to be seen between its element
// and its button.
QFrame *guideLine(const char *name, QWidget *parent)
{
    QFrame *line = sunkenLine(name, parent);
    line->setMinimumWidth(16);
    return line;
}

} // namespace

frmDesign::frmDesign(DesignModel &model, Services services, QWidget *parent)
    : QDialog(parent)
    , m_model(model)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmDesign"));
    setWindowTitle(QString());
    createControls();
    createLayout();
    connectControls();
    retranslateUi();
}

frmDesign::~frmDesign() = default;

void frmDesign::retranslateUi()
{
    describe(TXTAlbumTitle, tr("アルバムのタイトル"), tr("タイトルを書き変えることが可能です。"));
    describe(TXTAlbumFooter, tr("アルバムのフッタ"), tr("フッタを書き変えることが可能です。"));
    describe(HScroll1, tr("サムネイルの幅"), {});
    describe(VScroll1, tr("サムネイルの高さ"), {});
    OptionClassic->setText(Text::classicPages());
    OptionModern->setText(Text::modernPages());
    for (QRadioButton *style : {OptionClassic, OptionModern})
        describe(style, {}, Text::pageStyleTip());
}

void frmDesign::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void frmDesign::createControls()
{
    ColorPattern1 = named(new QRadioButton(Text::Pattern1), "ColorPattern1");
    ColorPattern2 = named(new QRadioButton(Text::Pattern2), "ColorPattern2");
    ColorPattern3 = named(new QRadioButton(Text::Pattern3), "ColorPattern3");
    ColorPattern3->setChecked(true);
    auto *patterns = new QButtonGroup(this);
    for (QRadioButton *pattern : {ColorPattern1, ColorPattern2, ColorPattern3})
        patterns->addButton(pattern);

    const DesignValues initial;
    TXTAlbumTitle = named(new QLineEdit(initial.title), "TXTAlbumTitle");
    TXTAlbumFooter = named(new QLineEdit(initial.footer), "TXTAlbumFooter");

    lblTXTLabelColor = named(new QLabel(Text::LabelSample), "lblTXTLabelColor");
    FormColor = named(new QFrame(), "FormColor");
    setBackgroundColor(FormColor, fromQColor(Qt::white));
    lblTXTBGLinkColor = named(new QLabel(Text::LinkSample), "lblTXTBGLinkColor");
    lblTXTBGVLinkColor = named(new QLabel(Text::VLinkSample), "lblTXTBGVLinkColor");
    lblTXTBGTXTColor = named(new QLabel(Text::DataSample), "lblTXTBGTXTColor");

    cmdTitle = named(new QPushButton(Text::TitleButton), "cmdTitle");
    cmdColor = named(new QPushButton(Text::ColorButton), "cmdColor");
    cmdBGColor = named(new QPushButton(Text::BGColorButton), "cmdBGColor");
    cmdFormColor = named(new QPushButton(Text::FormColorButton), "cmdFormColor");
    cmdLabelColor = named(new QPushButton(Text::LabelColorButton), "cmdLabelColor");
    cmdLinkColor = named(new QPushButton(Text::LinkColorButton), "cmdLinkColor");
    cmdVLinkColor = named(new QPushButton(Text::VLinkColorButton), "cmdVLinkColor");

    HScroll1 = named(new QScrollBar(Qt::Horizontal), "HScroll1");
    VScroll1 = named(new QScrollBar(Qt::Vertical), "VScroll1");
    for (QScrollBar *bar : {HScroll1, VScroll1}) {
        bar->setRange(DesignSize::Minimum, DesignSize::Maximum);
        bar->setSingleStep(1);
    }
    HScroll1->setMinimumWidth(SizeBarLength);
    VScroll1->setMinimumHeight(SizeBarLength);
    HScroll1->setValue(DesignSize::InitialWidthBar);
    VScroll1->setValue(DesignSize::InitialHeightBar);
    TXTIMGWidth = named(new QLineEdit(initial.boxWidth), "TXTIMGWidth");
    TXTIMGHeight = named(new QLineEdit(initial.boxHeight), "TXTIMGHeight");
    for (QLineEdit *size : {TXTIMGWidth, TXTIMGHeight}) {
        setBackgroundColor(size, fromQColor(SizeFieldBackground));
        setTextColor(size, fromQColor(SizeFieldText));
    }

    OptionClassic = named(new QRadioButton, "OptionClassic");
    OptionModern = named(new QRadioButton, "OptionModern");
    OptionClassic->setChecked(true);
    auto *styles = new QButtonGroup(this);
    for (QRadioButton *style : {OptionClassic, OptionModern})
        styles->addButton(style);

    cmdExit = named(new QPushButton(Text::Ok), "cmdExit");
    cmdExit->setDefault(true);
    cmdIniRead = named(new QPushButton(Text::IniRead), "cmdIniRead", this);
    cmdIniWrite = named(new QPushButton(Text::IniWrite), "cmdIniWrite", this);

    Line1 = guideLine("Line1", this);
    Line2 = guideLine("Line2", this);
    Line3 = guideLine("Line3", this);
    Line4 = guideLine("Line4", this);
    Line5 = guideLine("Line5", this);
    Shape1 = sunkenBox("Shape1", this);
    Shape2 = sunkenBox("Shape2", this);

    TXTColorMode = named(new QLineEdit(QString::fromLatin1(Keys::ColorMode.fallback)), "TXTColorMode", this);
    TXTBGColor = named(new QLineEdit(initial.pageBackground), "TXTBGColor", this);
    TXTBGColorSub = named(new QLineEdit(initial.cellBackground), "TXTBGColorSub", this);
    TitleColor = named(new QLineEdit(initial.pageText), "TitleColor", this);
    TXTBGLinkColor = named(new QLineEdit(initial.link), "TXTBGLinkColor", this);
    TXTBGVLinkColor = named(new QLineEdit(initial.visitedLink), "TXTBGVLinkColor", this);
    TXTLabelColor = named(new QLineEdit(initial.labelBackground), "TXTLabelColor", this);
    TXTLabelTXTColor = named(new QLineEdit(initial.labelText), "TXTLabelTXTColor", this);
    TXTLabelTXTColorSub = named(new QLineEdit(initial.labelSubText), "TXTLabelTXTColorSub", this);
    for (QWidget *hidden :
         Widgets{cmdIniRead, cmdIniWrite, TXTColorMode, TXTBGColor, TXTBGColorSub, TitleColor, TXTBGLinkColor,
                 TXTBGVLinkColor, TXTLabelColor, TXTLabelTXTColor, TXTLabelTXTColorSub})
        hidden->hide();

    setBackgroundColor(this, fromQColor(Qt::white));
}

// The preview stands in the left frame: pattern buttons, title, label band,
// cell area with its three samples, footer. Each colour button sits to the
// right of the element it colours, a guide line leading to it. The size bars
// and OK stand in the right frame.
void frmDesign::createLayout()
{
    auto *patterns = new QHBoxLayout;
    for (QRadioButton *pattern : {ColorPattern1, ColorPattern2, ColorPattern3})
        patterns->addWidget(pattern);

    auto *cellSamples = new QVBoxLayout(FormColor);
    for (QLabel *sample : {lblTXTBGLinkColor, lblTXTBGVLinkColor, lblTXTBGTXTColor})
        cellSamples->addWidget(sample);

    auto *preview = new QGridLayout(Shape1);
    preview->addLayout(patterns, 0, 0, 1, 4);
    preview->addWidget(TXTAlbumTitle, 1, 0);
    preview->addWidget(Line1, 1, 1);
    preview->addWidget(cmdTitle, 1, 2);
    preview->addWidget(cmdBGColor, 1, 3);
    preview->addWidget(lblTXTLabelColor, 2, 0);
    preview->addWidget(Line2, 2, 1);
    preview->addWidget(cmdColor, 2, 2);
    preview->addWidget(cmdLabelColor, 2, 3);
    preview->addWidget(FormColor, 3, 0, 3, 1);
    preview->addWidget(Line3, 3, 1);
    preview->addWidget(cmdFormColor, 3, 2);
    preview->addWidget(Line4, 4, 1);
    preview->addWidget(cmdLinkColor, 4, 2);
    preview->addWidget(Line5, 5, 1);
    preview->addWidget(cmdVLinkColor, 5, 2);
    preview->addWidget(TXTAlbumFooter, 6, 0, 1, 4);

    auto *sizes = new QGridLayout(Shape2);
    sizes->addWidget(HScroll1, 0, 0);
    sizes->addWidget(TXTIMGWidth, 0, 1);
    sizes->addWidget(VScroll1, 1, 0, 2, 1, Qt::AlignHCenter);
    sizes->addWidget(TXTIMGHeight, 1, 1);
    sizes->setRowStretch(2, 1);
    sizes->addWidget(OptionClassic, 3, 0, 1, 2);
    sizes->addWidget(OptionModern, 4, 0, 1, 2);
    sizes->addWidget(cmdExit, 5, 0, 1, 2);

    auto *dialog = new QHBoxLayout(this);
    dialog->addWidget(Shape1, 1);
    dialog->addWidget(Shape2);
}

void frmDesign::connectControls()
{
    // Pattern buttons and bars run their procedures on every change, whether
    // a person or the program made it.
    const auto onSelected = [this](QRadioButton *pattern, void (frmDesign::*procedure)()) {
        connect(pattern, &QRadioButton::toggled, this, [this, procedure](bool selected) {
            if (selected)
                (this->*procedure)();
        });
    };
    onSelected(ColorPattern1, &frmDesign::ColorPattern1_Click);
    onSelected(ColorPattern2, &frmDesign::ColorPattern2_Click);
    onSelected(ColorPattern3, &frmDesign::ColorPattern3_Click);
    onSelected(OptionClassic, &frmDesign::OptionClassic_Click);
    onSelected(OptionModern, &frmDesign::OptionModern_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmDesign::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmDesign::VScroll1_Change);

    connect(cmdExit, &QPushButton::clicked, this, &frmDesign::cmdExit_Click);
    connect(cmdTitle, &QPushButton::clicked, this, &frmDesign::cmdTitle_Click);
    connect(cmdColor, &QPushButton::clicked, this, &frmDesign::cmdColor_Click);
    connect(cmdBGColor, &QPushButton::clicked, this, &frmDesign::cmdBGColor_Click);
    connect(cmdFormColor, &QPushButton::clicked, this, &frmDesign::cmdFormColor_Click);
    connect(cmdLabelColor, &QPushButton::clicked, this, &frmDesign::cmdLabelColor_Click);
    connect(cmdLinkColor, &QPushButton::clicked, this, &frmDesign::cmdLinkColor_Click);
    connect(cmdVLinkColor, &QPushButton::clicked, this, &frmDesign::cmdVLinkColor_Click);
    connect(cmdIniRead, &QPushButton::clicked, this, &frmDesign::cmdIniRead_Click);
    connect(cmdIniWrite, &QPushButton::clicked, this, &frmDesign::cmdIniWrite_Click);
}

void frmDesign::Form_Load()
{
    setDesignValues(m_model.values());
    TXTColorMode->setText(m_model.colorMode());
    const QString mode = TXTColorMode->text();
    if (mode == Text::ModeSet1)
        ColorPattern1->setChecked(true);
    else if (mode == Text::ModeSet2)
        ColorPattern2->setChecked(true);
    else
        ColorPattern3->setChecked(true);
    loadColorSet();
    (m_model.values().pageStyle == PageStyle::Modern ? OptionModern : OptionClassic)->setChecked(true);

    HScroll1->setValue(DesignSize::barValue(TXTIMGWidth->text(), DesignSize::InitialWidthBar));
    VScroll1->setValue(DesignSize::barValue(TXTIMGHeight->text(), DesignSize::InitialHeightBar));
}

std::array<frmDesign::DesignField, 12> frmDesign::designFields() const
{
    return {{
        {&DesignValues::title, TXTAlbumTitle},
        {&DesignValues::footer, TXTAlbumFooter},
        {&DesignValues::pageBackground, TXTBGColor},
        {&DesignValues::cellBackground, TXTBGColorSub},
        {&DesignValues::pageText, TitleColor},
        {&DesignValues::link, TXTBGLinkColor},
        {&DesignValues::visitedLink, TXTBGVLinkColor},
        {&DesignValues::labelBackground, TXTLabelColor},
        {&DesignValues::labelText, TXTLabelTXTColor},
        {&DesignValues::labelSubText, TXTLabelTXTColorSub},
        {&DesignValues::boxHeight, TXTIMGHeight},
        {&DesignValues::boxWidth, TXTIMGWidth},
    }};
}

DesignValues frmDesign::CopyDesignValues() const
{
    DesignValues values;
    for (const DesignField &design : designFields())
        values.*design.value = design.field->text();
    values.pageStyle = OptionModern->isChecked() ? PageStyle::Modern : PageStyle::Classic;
    return values;
}

void frmDesign::setDesignValues(const DesignValues &values)
{
    for (const DesignField &design : designFields())
        design.field->setText(values.*design.value);
}

void frmDesign::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdExit->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmDesign::ColorPattern1_Click()
{
    selectColorMode(Text::ModeSet1);
}

void frmDesign::ColorPattern2_Click()
{
    selectColorMode(Text::ModeSet2);
}

void frmDesign::ColorPattern3_Click()
{
    selectColorMode(Text::ModePreset);
}

void frmDesign::OptionClassic_Click()
{
    m_model.setPageStyle(PageStyle::Classic);
}

void frmDesign::OptionModern_Click()
{
    m_model.setPageStyle(PageStyle::Modern);
}

void frmDesign::selectColorMode(const QString &mode)
{
    TXTColorMode->setText(mode);
    m_model.setColorMode(mode);
    loadColorSet();
}

void frmDesign::cmdExit_Click()
{
    if (!acceptSizeFields())
        return;
    saveColorSet();
    accept();
}

// OK stores only sizes the bars could show: a typed size in full-width
// digits is rewritten in ASCII; any other text is refused with a message,
// and the dialog stays open on that field.
bool frmDesign::acceptSizeFields()
{
    for (const auto &[side, field] :
         {std::pair{DesignSize::Side::Width, TXTIMGWidth}, std::pair{DesignSize::Side::Height, TXTIMGHeight}}) {
        const std::optional<int> size = DesignSize::side(field->text());
        if (!size) {
            m_services.messages.show(DesignSize::refused(side, field->text()), MessageBoxes::Buttons::Ok,
                                     MessageBoxes::Icon::Exclamation);
            field->setFocus();
            field->selectAll();
            return false;
        }
        field->setText(QString::number(*size));
    }
    return true;
}
