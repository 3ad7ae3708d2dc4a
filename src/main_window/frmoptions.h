// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <QDialog>
#include <initializer_list>
#include <optional>
#include <utility>

class OptionsModel;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The options dialog: program locations, confirmation switches, language,
// clipboard and link-target switches, thumbnails per page and per row, and
// the reduction scale. Its controls edit the options model: each switch and
// choice is stored as it is clicked, the rest on every save. The dialog
// knows nothing of the main window, which reads the model.
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    frmOptions(OptionsModel &model, Services services, QWidget *parent = nullptr);
    ~frmOptions() override;

    // Fills the controls from the model and applies the captions. The owner
    // calls it once, right after construction.
    void Form_Load();
    // Title, tool tips and control names in the installed language.
    void retranslateUi();
    // Saves the values and announces the unload; runs once, however the
    // dialog closes.
    void Form_Unload();

    void cmdRegstGet_Click();
    void cmdRegstSave_Click();
    void cmdRegstDel_Click();
    void cmdReset_Click();
    void Command5_Click();
    void cmdBrowse1_Click();
    void cmdBrowse2_Click();
    void cmdBrowse3_Click();
    void picIcon_Click();
    void lblTitle_Click();
    void lblLegalCopyright_Click();
    void lblDisclaimer_Click();

    QLineEdit *TXTDIRbrowser;
    QLineEdit *TXTDIRftp;
    QLineEdit *TXTDIRediter;
    QPushButton *cmdBrowse1;
    QPushButton *cmdBrowse2;
    QPushButton *cmdBrowse3;
    QPushButton *cmdReset;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QLabel *Label15;
    QCheckBox *CheckWarning;
    QCheckBox *CheckWarningHtml;
    QCheckBox *CheckWarningJPG;
    QCheckBox *CheckClipBoard;
    QCheckBox *CheckTARGET;
    QCheckBox *CheckEnglish;
    // What the photos themselves say: shot dates, their captions for empty
    // comments, Quillet's comments written into them.
    QCheckBox *CheckShotDate;
    QCheckBox *CheckPhotoCaptions;
    QCheckBox *CheckCommentsIntoPhotos;
    QLabel *Label12;
    QLineEdit *TXTApage;
    QScrollBar *VScroll1;
    QLabel *Label11;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QLabel *Label13;
    QLabel *Label14;
    QFrame *Frame1;
    QRadioButton *Option4;
    QRadioButton *Option5;
    QRadioButton *Option6;
    QRadioButton *Option7;
    QLabel *Label16;
    QPushButton *cmdRegstSave;
    QPushButton *cmdRegstDel;
    QPushButton *cmdRegstGet;
    QPushButton *cmdHelp;
    QPushButton *Command5;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDisclaimer;
    QLabel *lblLegalCopyright;
    QLabel *picIcon;

    // Closing by OK, Escape or the close box also unloads.
    void done(int result) override;

signals:
    // The dialog has saved and closed; its owner forgets it.
    void unloaded();
    // The stored settings are deleted; the program ends.
    void settingsDeleted();
    // CheckEnglish chose the captions' language.
    void languageChosen();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createLayout();
    void connectControls();
    void connectSwitch(QCheckBox *box, void (frmOptions::*handler)());
    void connectChoice(QRadioButton *option, void (OptionsModel::*choose)(int), int value);
    void connectProgram(QLineEdit *field, void (OptionsModel::*set)(const QString &));
    void selectChoice(int value, std::initializer_list<std::pair<int, QRadioButton *>> choices);
    void showPrograms();
    std::optional<QString> browse(const char *title);

    void CheckWarning_Click();
    void CheckWarningHtml_Click();
    void CheckWarningJPG_Click();
    void CheckTARGET_Click();
    void CheckClipBoard_Click();
    void CheckEnglish_Click();
    void CheckShotDate_Click();
    void CheckPhotoCaptions_Click();
    void CheckCommentsIntoPhotos_Click();
    void VScroll1_Change();

    OptionsModel &m_model;
    Services m_services;
    bool m_unloaded = false;
};
