// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/fittobox.h"
#include "forms/windowplace.h"
#include "platform/services.h"
#include "platform/twips.h"

#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QWidget>

class Forms;
struct AlbumOptions;
class SettingsStore;
class SlideShow;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMouseEvent;
class QPushButton;
class QShortcut;
class QSlider;

// Velmo's main window: the drive, folder and file lists and command buttons on
// the right, the picture viewer on the left. The window can be resized and
// maximised: the control column stays at the right edge and the viewer takes
// the rest; F11 or a double-click on the viewer shows the picture on the
// whole screen. The option and design values it uses are the models'
// (Forms). Controls are public, as the handlers of the window's other files
// and the captions work on them; the window's state is its own.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    Form1(Forms &forms, SettingsStore &store, Services services);
    ~Form1() override;

    // Start-up: position, folder, switches, options dialog, captions. A
    // start path from the command line replaces the stored folder for this
    // start: a folder opens as it is, a photo opens its folder, selected and shown.
    void Form_Load(const QString &startPath = QString());
    // Tool tips, control names and the status line in the installed language.
    void retranslateUi();

    // --- Visible controls ---
    QLabel *image1;       // the viewer
    QCheckBox *Check4;    // "OriginalScale": fit to the viewer box or stretch
    QLineEdit *Text6;     // shown picture's size in pixels
    QLineEdit *Text5;     // shown file's path, or its image tag in clipboard mode
    QLabel *Label3;       // status line
    QFrame *HScrollBar;   // progress bar of the long commands
    QLabel *Label2;       // maker's notice
    QLabel *lbl_タイトル; // program name and version; about message on a press
    QComboBox *Drive1;    // mounted volumes
    QListWidget *Dir1;    // path from the root down, then subfolders
    QListWidget *File1;   // files of File1's folder matching the pattern
    QPushButton *cmdJPGDEL;
    QCheckBox *Check2; // "TXT" filter
    QCheckBox *Check3; // "HTML" filter
    QCheckBox *Check1; // "ALB" filter
    QPushButton *cmdAlbum;
    QPushButton *cmdDesign;
    QCheckBox *Check5; // "Adjust": album thumbnails sized by the box
    QPushButton *cmdMSIE;
    QPushButton *cmdOption;
    QPushButton *cmdNOTE;
    QPushButton *cmdFTP;
    QPushButton *cmdSlideShow;
    QPushButton *cmdSlideStop;
    QPushButton *cmdOMAKE;
    QLabel *Label1;   // slide interval text
    QSlider *Slider1; // slide interval, 1 to 20
    QPushButton *cmd_quit;
    QWidget *FullScreenBack; // black behind the picture while full screen

    // Natural size, in twips, of the last picture loaded into the size probe;
    // ViewClear keeps it.
    QSize Image2;

    // --- Window state, read-only outside the window ---
    const QString &currentFile() const { return m_currentFile; }
    const QString &fileKind() const { return m_fileKind; }
    int photosPerPage() const;
    bool commentToolPresent() const { return m_commentToolPresent; }
    bool isClosing() const { return m_closing; }
    // A folder command (album, slide page, reduction) runs between these.
    // Closing the window meanwhile asks it to stop at its next safe point, as
    // an interrupt (SIGINT, SIGTERM, SIGHUP) does; the window closes once the
    // command has stopped, and after an interrupt the program exits with
    // 128 + the signal's number.
    void beginCommand();
    void endCommand();
    bool commandStopAsked() const;
    bool isFullScreenView() const { return m_fullScreen; }

private:
    // SetLanguageCaptions looks for the comment tool again each time it runs.
    friend void SetLanguageCaptions(Forms &forms);

    QString m_currentFile;             // full path the viewer or a file action works on
    QString m_fileKind;                // last three characters of a name, "PEG" read as "JPG"
    bool m_commentToolPresent = false; // Quillet found at its install place
    bool m_closing = false;            // the window has closed, which ends the program
    bool m_commandRunning = false;     // between beginCommand() and endCommand()
    bool m_closeAsked = false;         // the window was closed while a command ran
    FitState m_fit;                    // sizing state shared by the viewer and the slide show
    bool m_viewerFits = true;          // the shown picture is fitted to the viewer, not stretched
    bool m_fullScreen = false;         // the picture is shown on the whole screen

public:
    // --- Shared procedures ---
    void ViewClear(); // empties the viewer, the probe's picture and the text lines
    void JPGView();   // shows m_currentFile at image1's present size (throws Failure)
    // Empties the viewer, then shows the selected file when it is a JPEG picture.
    void showSelectedPicture();
    void SizeViewer();           // sizes image1 for Image2's natural size by Check4's mode
    void PathCheck();            // m_currentFile = File1's folder + selected name
    void JPEGXJPG();             // m_fileKind "PEG" becomes "JPG"
    void takeFileKind();         // m_fileKind from File1's selected name, then JPEGXJPG and PathCheck
    bool fileKindIsJpeg() const; // m_fileKind, trimmed and upper-cased, is "JPG"
    void files_plus();           // JPEG pattern back when no filter box is checked; removes the picture
    // A name whose file kind is "JPG".
    static bool isJpegName(const QString &name);
    // Loads a picture's natural size into Image2. Throws Failure 53 (no such
    // file), 481 (not a JPEG picture) or 50003 (picture data unreadable).
    void loadImage2(const QString &path);
    // Sets image1's size in twips; JPGView draws the picture at that size.
    void setImage1Size(double widthTwips, double heightTwips);
    QSizeF image1Twips() const { return m_image1Twips; }
    // The box a picture is fitted into, in twips: the viewer's room in the
    // window, or the whole screen while full screen.
    QSizeF viewerBoxTwips() const;

    // --- File list ---
    QString file1Path() const { return m_file1Path; }       // File1's folder
    QString file1FileName() const;                          // selected name, or empty
    QString file1Pattern() const { return m_file1Pattern; } // ";"-separated name patterns
    void refreshFile1();                                    // lists File1's folder again
    // Moves the folder list (and with it the file list) to a folder; throws Failure 76.
    void setDir1Path(const QString &folder);
    QString dir1Path() const { return m_dir1Path; }

    // --- Collaborators ---
    Forms &forms() { return m_forms; } // options() and design() dialogs
    SettingsStore &store() { return m_store; }
    Services services() { return m_services; }

    // --- Event procedures ---
    void cmd_quit_Click();
    void Form_QueryUnload();
    void lbl_タイトル_MouseDown(Qt::KeyboardModifiers shift);
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_LostFocus();
    // A press on the name already selected selects nothing new, yet shows the
    // file again as a click does.
    void File1_MouseDown(const QMouseEvent &press);
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    // "Adjust W 135X H 100": the album's thumbnail box on the Adjust box.
    void showThumbnailBox(const QSize &box);
    void cmdAlbum_Click();
    void cmdOMAKE_Click();
    void cmdRdctJPEG_Click();

    // Slide show (form1_slideshow.cpp)
    void cmdSlideShow_Click();
    void cmdSlideStop_Click();
    void Slider1_Change();
    void Slider1_GotFocus();
    void Slider1_LostFocus();

    // Size and full screen (form1_layout.cpp)
    void Form_Resize(); // lays the controls out for the window's size; refits the picture
    void image1_DblClick();
    void enterFullScreen();
    void leaveFullScreen();
    // F11 goes to full screen and back. On the whole screen the moving keys
    // go through File1's JPEG pictures, F5 starts the slide show, and Escape
    // stops a running show and goes back to the window.
    void fullScreenKey(int key);

    // File actions (form1_fileactions.cpp)
    void cmdJPGDEL_Click();
    void cmdMSIE_Click();
    void cmdNOTE_Click();
    void cmdFTP_Click();
    void cmdOption_Click();
    void cmdDesign_Click();
    void File1_DblClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void createControls();
    void connectControls();
    void connectSlideShow();
    void slideShowFinished();
    void runLoadSteps(const QString &givenFolder);
    void selectStartPhoto(const QString &name);
    void placeWindow(const QRectF &twips);
    QRect normalPlace() const;
    void recordDesign();
    void connectFullScreenKeys();
    void showJpegFrom(int row, int step);
    void placeImage1();
    void sizeImage1();           // fitted or stretched as the picture on show was
    void fitImage1ToViewerBox(); // for Image2's natural size, proportions kept
    void refitViewer();
    void drawImage1();
    void fillDrive1();
    void selectDrive1For(const QString &folder);
    void setFile1Path(const QString &folder);
    void setFile1Pattern(const QString &pattern);
    void filterBoxClicked(QCheckBox *box, const char *pattern);
    void saveWindowPlace();
    QString imageTag();
    AlbumOptions albumOptions() const;
    bool showSlide(const QString &folder, const QString &name);
    // A status line of the catalogue, shown again when the language changes.
    void showStatus(const char *source);

    Forms &m_forms;
    SettingsStore &m_store;
    Services m_services;
    SlideShow *m_slideShow;
    QString m_dir1Path;
    QString m_file1Path;
    QString m_file1Pattern;
    QSizeF m_image1Twips;
    // The status line's catalogue source and the text it gave, while shown.
    const char *m_statusSource = nullptr;
    QString m_statusShown;

    // The box a picture is fitted into at the designed window size, in twips.
    static constexpr QSize DesignedViewerBox{7884, 6000};

    // The designed layout: the column at the right edge, squeezed into a
    // shorter window, and the controls left of it with their designed places.
    WindowPlace::SqueezableColumn m_column;
    QList<QWidget *> m_columnControls;
    QList<QPair<QWidget *, QRect>> m_leftControls;
    QPoint m_frameOffset; // the client area's corner within the frame
    Qt::WindowStates m_stateBeforeFullScreen;
    QList<QShortcut *> m_fullScreenKeys; // enabled only while full screen
};
