// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/designmodel.h"
#include "platform/services.h"

#include <QDialog>
#include <array>
#include <functional>
#include <initializer_list>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The design dialog: pattern buttons, title and footer, colour buttons with a
// live preview, and the thumbnail box size. It edits the design model: a
// pattern choice and a size bar set it at once, the other fields on OK.
//
// Every control carries its design name as object name, so tests and the
// main window find them with findChild.
class frmDesign : public QDialog
{
    Q_OBJECT

public:
    frmDesign(DesignModel &model, Services services, QWidget *parent = nullptr);
    ~frmDesign() override;

    // Shows the model's mode, colour set and sizes. The owner calls it once,
    // right after construction and after connecting signals.
    void Form_Load();
    // The tool tips and field names in the installed language.
    void retranslateUi();

    // The texts of the twelve design fields as they stand now, OK or not.
    DesignValues CopyDesignValues() const;

protected:
    void changeEvent(QEvent *event) override;
    // Escape presses OK, as the dialog's cancel button is OK itself.
    void keyPressEvent(QKeyEvent *event) override;

private:
    using Widgets = std::initializer_list<QWidget *>;
    void createControls();
    void createLayout();
    void connectControls();

    void ColorPattern1_Click();
    void ColorPattern2_Click();
    void ColorPattern3_Click();
    void selectColorMode(const QString &mode);
    void cmdExit_Click();
    bool acceptSizeFields();
    void cmdTitle_Click();
    void cmdColor_Click();
    void cmdBGColor_Click();
    void cmdFormColor_Click();
    void cmdLabelColor_Click();
    void cmdLinkColor_Click();
    void cmdVLinkColor_Click();
    void HScroll1_Change();
    void VScroll1_Change();
    void OptionClassic_Click();
    void OptionModern_Click();
    void cmdIniRead_Click();
    void cmdIniWrite_Click();

    // The steps every colour button runs: the colour dialog starts on the
    // element's colour, a pick repaints the preview, and the field always
    // receives the dialog's colour in its normalised text.
    void pickColor(QLineEdit *field, const QColor &start, const std::function<void(ColorValue)> &paint);

    // The twelve design fields with the design value each one holds.
    struct DesignField
    {
        QString DesignValues::*value;
        QLineEdit *field;
    };
    std::array<DesignField, 12> designFields() const;
    void setDesignValues(const DesignValues &values);

    void loadColorSet();
    void saveColorSet();
    void paintPreview(const PreviewColors &colors);
    void PaintPageBackground(ColorValue color);
    void PaintCellBackground(ColorValue color);
    void PaintPageText(ColorValue color);
    void ShowColorButtons();
    void HideColorButtons();
    void setColorButtonsVisible(bool visible);

    DesignModel &m_model;
    Services m_services;

    QRadioButton *ColorPattern1;
    QRadioButton *ColorPattern2;
    QRadioButton *ColorPattern3;
    QLineEdit *TXTAlbumTitle;
    QLineEdit *TXTAlbumFooter;
    QLabel *lblTXTLabelColor;
    QFrame *FormColor;
    QLabel *lblTXTBGLinkColor;
    QLabel *lblTXTBGVLinkColor;
    QLabel *lblTXTBGTXTColor;
    QPushButton *cmdTitle;
    QPushButton *cmdColor;
    QPushButton *cmdBGColor;
    QPushButton *cmdFormColor;
    QPushButton *cmdLabelColor;
    QPushButton *cmdLinkColor;
    QPushButton *cmdVLinkColor;
    QScrollBar *HScroll1;
    QScrollBar *VScroll1;
    QLineEdit *TXTIMGWidth;
    QLineEdit *TXTIMGHeight;
    // The page style, beside the design: the classic pages or modern ones.
    QRadioButton *OptionClassic;
    QRadioButton *OptionModern;
    QPushButton *cmdExit;
    QPushButton *cmdIniRead;
    QPushButton *cmdIniWrite;
    QFrame *Line1;
    QFrame *Line2;
    QFrame *Line3;
    QFrame *Line4;
    QFrame *Line5;
    QFrame *Shape1;
    QFrame *Shape2;

    // Hidden design fields.
    QLineEdit *TXTColorMode;
    QLineEdit *TXTBGColor;
    QLineEdit *TXTBGColorSub;
    QLineEdit *TitleColor;
    QLineEdit *TXTBGLinkColor;
    QLineEdit *TXTBGVLinkColor;
    QLineEdit *TXTLabelColor;
    QLineEdit *TXTLabelTXTColor;
    QLineEdit *TXTLabelTXTColorSub;
};
