// SPDX-License-Identifier: GPL-3.0-or-later
// The design dialog's colours: the colour buttons, the size bars, the colour
// sets and the preview painted from them.
#include "forms/palettecolors.h"
#include "main_window/frmdesign.h"

#include "platform/dialogs.h"
#include "platform/messageboxes.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace PaletteColors;

void frmDesign::pickColor(QLineEdit *field, const QColor &start, const std::function<void(ColorValue)> &paint)
{
    const std::optional<QColor> picked = m_services.dialogs.pickColor(start);
    if (picked)
        paint(fromQColor(*picked));
    field->setText(colorToHtml(fromQColor(picked.value_or(start))));
}

void frmDesign::cmdTitle_Click()
{
    pickColor(TitleColor, textColor(TXTAlbumTitle), [this](ColorValue color) { PaintPageText(color); });
}

void frmDesign::cmdColor_Click()
{
    pickColor(TXTLabelColor, backgroundColor(lblTXTLabelColor),
              [this](ColorValue color) { setBackgroundColor(lblTXTLabelColor, color); });
}

void frmDesign::cmdBGColor_Click()
{
    pickColor(TXTBGColor, backgroundColor(this), [this](ColorValue color) { PaintPageBackground(color); });
}

void frmDesign::cmdFormColor_Click()
{
    pickColor(TXTBGColorSub, backgroundColor(FormColor), [this](ColorValue color) { PaintCellBackground(color); });
}

void frmDesign::cmdLabelColor_Click()
{
    pickColor(TXTLabelTXTColor, textColor(lblTXTLabelColor),
              [this](ColorValue color) { setTextColor(lblTXTLabelColor, color); });
}

void frmDesign::cmdLinkColor_Click()
{
    pickColor(TXTBGLinkColor, textColor(lblTXTBGLinkColor),
              [this](ColorValue color) { setTextColor(lblTXTBGLinkColor, color); });
}

void frmDesign::cmdVLinkColor_Click()
{
    pickColor(TXTBGVLinkColor, textColor(lblTXTBGVLinkColor),
              [this](ColorValue color) { setTextColor(lblTXTBGVLinkColor, color); });
}

// A bar's size is the model's at once, and the main window shows the box.
void frmDesign::HScroll1_Change()
{
    TXTIMGWidth->setText(QString::number(HScroll1->value()));
    m_model.setBoxWidth(HScroll1->value());
}

void frmDesign::VScroll1_Change()
{
    TXTIMGHeight->setText(QString::number(VScroll1->value()));
    m_model.setBoxHeight(VScroll1->value());
}

void frmDesign::cmdIniRead_Click()
{
    loadColorSet();
}

void frmDesign::cmdIniWrite_Click()
{
    saveColorSet();
}

void frmDesign::loadColorSet()
{
    DesignValues values = CopyDesignValues();
    const ColorButtons buttons = m_model.loadColorSet(values);
    setDesignValues(values);
    if (buttons == ColorButtons::Show)
        ShowColorButtons();
    else if (buttons == ColorButtons::Hide)
        HideColorButtons();
    paintPreview(previewColors(values));
}

void frmDesign::saveColorSet()
{
    m_model.save(CopyDesignValues());
}

void frmDesign::paintPreview(const PreviewColors &colors)
{
    PaintPageBackground(colors.pageBackground);
    PaintCellBackground(colors.cellBackground);
    PaintPageText(colors.pageText);
    setTextColor(lblTXTBGLinkColor, colors.link);
    setTextColor(lblTXTBGVLinkColor, colors.visitedLink);
    setBackgroundColor(lblTXTLabelColor, colors.labelBackground);
    setTextColor(lblTXTLabelColor, colors.labelText);
}

void frmDesign::PaintPageBackground(ColorValue color)
{
    for (QWidget *element : Widgets{this, TXTAlbumTitle, TXTAlbumFooter, ColorPattern1, ColorPattern2, ColorPattern3})
        setBackgroundColor(element, color);
}

void frmDesign::PaintCellBackground(ColorValue color)
{
    for (QWidget *element : Widgets{lblTXTBGLinkColor, lblTXTBGVLinkColor, lblTXTBGTXTColor, FormColor})
        setBackgroundColor(element, color);
}

void frmDesign::PaintPageText(ColorValue color)
{
    for (QWidget *element :
         Widgets{TXTAlbumTitle, TXTAlbumFooter, lblTXTBGTXTColor, ColorPattern1, ColorPattern2, ColorPattern3})
        setTextColor(element, color);
}

void frmDesign::ShowColorButtons()
{
    setColorButtonsVisible(true);
}

void frmDesign::HideColorButtons()
{
    setColorButtonsVisible(false);
}

void frmDesign::setColorButtonsVisible(bool visible)
{
    for (QWidget *control : Widgets{Line1, Line2, Line3, Line4, Line5, cmdTitle, cmdColor, cmdBGColor, cmdFormColor,
                                    cmdLabelColor, cmdLinkColor, cmdVLinkColor})
        control->setVisible(visible);
}
