// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/frmdesign.h"
#include "main_window/palettecolors.h"

#include "platform/dialogs.h"
#include "platform/messageboxes.h"
#include "settings/settingsstore.h"

#include <QButtonGroup>
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

namespace {

namespace Text {
const QString Pattern1 = QStringLiteral("Design 1");
const QString Pattern2 = QStringLiteral("Design 2");
const QString Pattern3 = QStringLiteral("Default Color");
const QString TitleTip = QStringLiteral("タイトルを書き変えることが可能です。");
const QString FooterTip = QStringLiteral("フッタを書き変えることが可能です。");
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
const QString ProgramFilter = QStringLiteral("プログラムファイル (*)");
const QString ModeSet1 = QStringLiteral("1");
const QString ModeSet2 = QStringLiteral("2");
const QString ModePreset = QStringLiteral("3");
const QString InitialColorMode = QStringLiteral("Text1");
} // namespace Text

const QColor SizeFieldBackground = QColor(192, 192, 192);
// A size bar gives every step of its range a pixel, so it can be dragged to
// a size; squeezed by the layout it was a few pixels of groove.
constexpr int SizeBarLength = DesignSize::Maximum - DesignSize::Minimum;
const QColor SizeFieldText = Qt::blue;

template <typename Widget, typename... Args> Widget *named(const char *name, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QFrame *guideLine(const char *name, QWidget *parent)
{
    auto *line = named<QFrame>(name, parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setMinimumWidth(16);
    return line;
}

QFrame *frameShape(const char *name, QWidget *parent)
{
    auto *shape = named<QFrame>(name, parent);
    shape->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return shape;
}

} // namespace

frmDesign::frmDesign(SettingsStore &store, Services services, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmDesign"));
    setWindowTitle(QString());
    createControls();
    createLayout();
    connectControls();
}

frmDesign::~frmDesign() = default;

void frmDesign::createControls()
{
    ColorPattern1 = named<QRadioButton>("ColorPattern1", Text::Pattern1);
    ColorPattern2 = named<QRadioButton>("ColorPattern2", Text::Pattern2);
    ColorPattern3 = named<QRadioButton>("ColorPattern3", Text::Pattern3);
    ColorPattern3->setChecked(true);
    auto *patterns = new QButtonGroup(this);
    for (QRadioButton *pattern : {ColorPattern1, ColorPattern2, ColorPattern3})
        patterns->addButton(pattern);

    const DesignValues initial;
    TXTAlbumTitle = named<QLineEdit>("TXTAlbumTitle", initial.TXTAlbumTitle);
    TXTAlbumTitle->setToolTip(Text::TitleTip);
    TXTAlbumFooter = named<QLineEdit>("TXTAlbumFooter", initial.TXTAlbumFooter);
    TXTAlbumFooter->setToolTip(Text::FooterTip);

    lblTXTLabelColor = named<QLabel>("lblTXTLabelColor", Text::LabelSample);
    FormColor = named<QFrame>("FormColor");
    setBackgroundColor(FormColor, fromQColor(Qt::white));
    lblTXTBGLinkColor = named<QLabel>("lblTXTBGLinkColor", Text::LinkSample);
    lblTXTBGVLinkColor = named<QLabel>("lblTXTBGVLinkColor", Text::VLinkSample);
    lblTXTBGTXTColor = named<QLabel>("lblTXTBGTXTColor", Text::DataSample);

    cmdTitle = named<QPushButton>("cmdTitle", Text::TitleButton);
    cmdColor = named<QPushButton>("cmdColor", Text::ColorButton);
    cmdBGColor = named<QPushButton>("cmdBGColor", Text::BGColorButton);
    cmdFormColor = named<QPushButton>("cmdFormColor", Text::FormColorButton);
    cmdLabelColor = named<QPushButton>("cmdLabelColor", Text::LabelColorButton);
    cmdLinkColor = named<QPushButton>("cmdLinkColor", Text::LinkColorButton);
    cmdVLinkColor = named<QPushButton>("cmdVLinkColor", Text::VLinkColorButton);

    HScroll1 = named<QScrollBar>("HScroll1", Qt::Horizontal);
    VScroll1 = named<QScrollBar>("VScroll1", Qt::Vertical);
    for (QScrollBar *bar : {HScroll1, VScroll1}) {
        bar->setRange(DesignSize::Minimum, DesignSize::Maximum);
        bar->setSingleStep(1);
    }
    HScroll1->setMinimumWidth(SizeBarLength);
    VScroll1->setMinimumHeight(SizeBarLength);
    HScroll1->setValue(DesignSize::InitialWidthBar);
    VScroll1->setValue(DesignSize::InitialHeightBar);
    TXTIMGWidth = named<QLineEdit>("TXTIMGWidth", initial.TXTIMGWidth);
    TXTIMGHeight = named<QLineEdit>("TXTIMGHeight", initial.TXTIMGHeight);
    for (QLineEdit *size : {TXTIMGWidth, TXTIMGHeight}) {
        setBackgroundColor(size, fromQColor(SizeFieldBackground));
        setTextColor(size, fromQColor(SizeFieldText));
    }

    cmdExit = named<QPushButton>("cmdExit", Text::Ok);
    cmdExit->setDefault(true);
    cmdIniRead = named<QPushButton>("cmdIniRead", Text::IniRead, this);
    cmdIniWrite = named<QPushButton>("cmdIniWrite", Text::IniWrite, this);

    Line1 = guideLine("Line1", this);
    Line2 = guideLine("Line2", this);
    Line3 = guideLine("Line3", this);
    Line4 = guideLine("Line4", this);
    Line5 = guideLine("Line5", this);
    Shape1 = frameShape("Shape1", this);
    Shape2 = frameShape("Shape2", this);

    TXTColorMode = named<QLineEdit>("TXTColorMode", Text::InitialColorMode, this);
    TXTBGColor = named<QLineEdit>("TXTBGColor", initial.TXTBGColor, this);
    TXTBGColorSub = named<QLineEdit>("TXTBGColorSub", initial.TXTBGColorSub, this);
    TitleColor = named<QLineEdit>("TitleColor", initial.TitleColor, this);
    TXTBGLinkColor = named<QLineEdit>("TXTBGLinkColor", initial.TXTBGLinkColor, this);
    TXTBGVLinkColor = named<QLineEdit>("TXTBGVLinkColor", initial.TXTBGVLinkColor, this);
    TXTLabelColor = named<QLineEdit>("TXTLabelColor", initial.TXTLabelColor, this);
    TXTLabelTXTColor = named<QLineEdit>("TXTLabelTXTColor", initial.TXTLabelTXTColor, this);
    TXTLabelTXTColorSub = named<QLineEdit>("TXTLabelTXTColorSub", initial.TXTLabelTXTColorSub, this);
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
    sizes->addWidget(cmdExit, 3, 0, 1, 2);

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
    TXTColorMode->setText(m_store.read(Keys::ColorMode, TXTColorMode->text()));
    const QString mode = TXTColorMode->text();
    if (mode == Text::ModeSet1)
        ColorPattern1->setChecked(true);
    else if (mode == Text::ModeSet2)
        ColorPattern2->setChecked(true);
    else
        ColorPattern3->setChecked(true);
    LoadColorSet();

    HScroll1->setValue(DesignSize::barValue(TXTIMGWidth->text(), DesignSize::InitialWidthBar));
    VScroll1->setValue(DesignSize::barValue(TXTIMGHeight->text(), DesignSize::InitialHeightBar));
    // A stored size the load had to replace is replaced in the store too,
    // so that it is reported once and not at every start.
    for (const auto &[key, field] :
         {std::pair{Keys::IMGWidth, TXTIMGWidth}, std::pair{Keys::IMGHeight, TXTIMGHeight}}) {
        const std::optional<QString> stored = m_store.stored(key);
        if (stored && *stored != field->text())
            m_store.write(key, field->text());
    }
}

std::array<frmDesign::DesignField, 12> frmDesign::designFields() const
{
    return {{
        {&DesignValues::TXTAlbumTitle, TXTAlbumTitle},
        {&DesignValues::TXTAlbumFooter, TXTAlbumFooter},
        {&DesignValues::TXTBGColor, TXTBGColor},
        {&DesignValues::TXTBGColorSub, TXTBGColorSub},
        {&DesignValues::TitleColor, TitleColor},
        {&DesignValues::TXTBGLinkColor, TXTBGLinkColor},
        {&DesignValues::TXTBGVLinkColor, TXTBGVLinkColor},
        {&DesignValues::TXTLabelColor, TXTLabelColor},
        {&DesignValues::TXTLabelTXTColor, TXTLabelTXTColor},
        {&DesignValues::TXTLabelTXTColorSub, TXTLabelTXTColorSub},
        {&DesignValues::TXTIMGHeight, TXTIMGHeight},
        {&DesignValues::TXTIMGWidth, TXTIMGWidth},
    }};
}

DesignValues frmDesign::CopyDesignValues() const
{
    DesignValues values;
    for (const DesignField &design : designFields())
        values.*design.value = design.field->text();
    return values;
}

void frmDesign::setDesignValues(const DesignValues &values)
{
    for (const DesignField &design : designFields())
        design.field->setText(values.*design.value);
}

QString frmDesign::imageWidthText() const
{
    return TXTIMGWidth->text();
}

QString frmDesign::imageHeightText() const
{
    return TXTIMGHeight->text();
}

std::optional<QString> frmDesign::openProgramFile(const QString &title)
{
    return m_services.dialogs.openExistingFile(title, Text::ProgramFilter);
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

void frmDesign::selectColorMode(const QString &mode)
{
    TXTColorMode->setText(mode);
    m_store.write(Keys::ColorMode, mode);
    LoadColorSet();
}

void frmDesign::cmdExit_Click()
{
    if (!acceptSizeFields())
        return;
    SaveColorSet();
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
