// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comment_tool/albumindex.h"
#include "comment_tool/commentdrop.h"
#include "platform/services.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QKeyEvent;
class QMimeData;
class QPlainTextEdit;
class QPushButton;
class SettingsStore;

// Quillet's window. An image dropped from an album page in the browser leads
// to the page whose comment block carries the image's name; the comment is
// edited here and written back into the page. From there the keys move
// through the album as if each image had been dropped.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    frmMain(Services services, SettingsStore &store, QWidget *parent = nullptr);

    // Event procedures.
    void Form_Load();
    // Texts, tool tips and control names in the installed language.
    void retranslateUi();
    void Image1_OLEDragDrop(const QMimeData *Data);
    void cmdEnter_Click();
    void cmdSizeUP_Click();
    void cmdQuit_Click();
    void cmdVelmo_Click();
    void lblTitle_DblClick();
    void lblName_DblClick();
    void lblTitle1_DblClick();
    void Picture1_DblClick();
    // The keys: the next or previous image of the album (Page Down, Page Up,
    // Alt+Right, Alt+Left), and Ctrl+Enter, which writes without opening
    // the page and goes on to the next image.
    void moveBy(int step);
    void writeAndGoOn();

    // The tool state the drops leave.
    QString imagePath() const { return m_imagePath; }
    QString imageName() const { return m_imageName; }
    QString targetPage() const { return m_source.target; }

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    // Shows a message on lblMes, and again in the new language when it changes.
    void say(std::function<QString()> message);
    void connectEvents();
    void collapseComment();
    bool acceptsDrop(const QPoint &position, const QMimeData *offered) const;
    static bool offersLocation(const QMimeData *offered);
    bool handleKey(const QKeyEvent *key);
    void load(const DropLocation &location);
    void showImage(const DropLocation &location);
    void showComment(const QString &comment);
    void JPEGSizeSet();
    std::optional<CommentDrop::Written> writeComment();
    bool leaveComment();
    void chkIntoPhoto_Click();
    void OpenDownloadPage();
    void OpenMailLink();

    Services m_services;
    SettingsStore &m_store;

    QString m_imagePath;
    QString m_imageName;
    CommentSource m_source;             // what the last drop or move found
    std::function<QString()> m_message; // what lblMes says, in the installed language
    AlbumIndex m_index;                 // of the shown image's folder

    QFrame *Shape3 = nullptr;
    QFrame *Shape1 = nullptr;
    QFrame *Shape2 = nullptr;
    QLabel *lblfilename1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *lblDMsg = nullptr;
    QLabel *lblfilename2 = nullptr;
    QLabel *lblSize = nullptr;
    QLabel *lblFileSize = nullptr;
    QLabel *lblDate = nullptr;
    QLabel *lblLastWrite = nullptr;
    QPlainTextEdit *txtComment = nullptr;
    QCheckBox *cmdSizeUP = nullptr;
    QCheckBox *chkIntoPhoto = nullptr; // the write-back also writes into the photo
    QLabel *lblMes = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *lblName = nullptr;
    QLabel *lblTitle1 = nullptr;
    QLabel *lblTitle = nullptr;
    QPushButton *cmdVelmo = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdQuit = nullptr;
    QSize m_pictureSize; // the dropped picture's natural size, in pixels, for the fit
};
