// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmowindows.h"

#include "album/albumtexts.h"
#include "main_window/frmdesign.h"
#include "main_window/frmoptions.h"
#include "platform/settingsfile.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString FolderGone = QStringLiteral("前回終了時のデレクトリが存在しません。");

} // namespace

// Starting, the stored settings and closing of the main window.
class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void firstStartTakesTheDefaults();
    void vanishedFolderIsReportedOncePerStep_data();
    void vanishedFolderIsReportedOncePerStep();
    void languageComesFromTheSystemUntilChosen();
    void storedValuesAreReadTyped_data();
    void storedValuesAreReadTyped();
    void unusableStoreIsToldOnce_data();
    void unusableStoreIsToldOnce();
    void storedPlaceIsUsed_data();
    void storedPlaceIsUsed();
    void startPathOpensAFolderOrShowsAPhoto_data();
    void startPathOpensAFolderOrShowsAPhoto();
    void storedSizeIsKeptOnTheScreen_data();
    void storedSizeIsKeptOnTheScreen();
    void resizingMovesTheColumnAndGrowsTheViewer();
    void fullScreenShowsThePictureAndItsKeysMove();
    void closingStoresPlaceAndFolder_data();
    void closingStoresPlaceAndFolder();
    void aboutMessageByModifierKeys_data();
    void aboutMessageByModifierKeys();
};

void tst_Form1::firstStartTakesTheDefaults()
{
    VelmoWindows velmo;
    Form1 &form = velmo.form();
    form.Form_Load();

    QVERIFY(velmo.fakes.messages.shown.isEmpty());
    QCOMPARE(form.pos(), QPoint(0, 0));
    QCOMPARE(form.file1Path(), QDir::homePath());
    QCOMPARE(form.dir1Path(), QDir::homePath());
    const OptionsModel &options = velmo.forms.optionsModel();
    QVERIFY(!options.askBeforeDeletingImage());
    QVERIFY(!options.askBeforeDeletingOldPages());
    QVERIFY(!options.deleteOldThumbnails());
    QCOMPARE(form.photosPerPage(), 6);
    QCOMPARE(form.Slider1->value(), 11);
    QCOMPARE(form.lbl_タイトル->text(), QStringLiteral("Velmo 2.7"));
    QCOMPARE(form.cmd_quit->text(), QStringLiteral("終　了"));
    QCOMPARE(form.cmdJPGDEL->text(), QStringLiteral("削除(JPG)"));
    QCOMPARE(form.windowTitle(), QStringLiteral("ImageViewer Velmo"));
    QCOMPARE(form.size(), QSize(670, 506));
    QVERIFY(velmo.forms.hasOptions());
    QVERIFY(!velmo.forms.options().isVisible());
}

void tst_Form1::vanishedFolderIsReportedOncePerStep_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("quit");
    QTest::newRow("Japanese") << "0" << FolderGone << "終　了";
    // The boxes come before the window shows, already in the chosen language.
    QTest::newRow("English") << "1"
                             << "The folder of the last session no longer exists."
                             << "Exit";
}

void tst_Form1::vanishedFolderIsReportedOncePerStep()
{
    QFETCH(QString, english);
    QFETCH(QString, message);
    QFETCH(QString, quit);
    VelmoWindows velmo;
    velmo.store.write(Keys::EnglishJapanese, english);
    velmo.startIn(velmo.home.path() + QStringLiteral("/gone"));

    QCOMPARE(velmo.fakes.messages.texts(), QStringList(3, message));
    // The start-up went on to the end and the lists kept their folder.
    QCOMPARE(velmo.form().cmd_quit->text(), quit);
    QCOMPARE(velmo.form().file1Path(), QDir::homePath());
}

// With no language stored the session's language decides, and the store
// keeps only what the user chose with the language box.
void tst_Form1::languageComesFromTheSystemUntilChosen()
{
    const QByteArray session = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "en_US:en");
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    QCOMPARE(velmo.form().cmd_quit->text(), QStringLiteral("Exit"));
    QCOMPARE(velmo.form().cmd_quit->toolTip(), QStringLiteral("Closes the program."));
    velmo.forms.closeDialogs(); // the options dialog saves
    QVERIFY(!velmo.store.stored(Keys::EnglishJapanese));

    velmo.forms.options().CheckEnglish->click();
    qputenv("LANGUAGE", session);

    QCOMPARE(velmo.store.read(Keys::EnglishJapanese), QStringLiteral("0"));
    QCOMPARE(velmo.form().cmd_quit->text(), QStringLiteral("終　了"));
}

void tst_Form1::storedValuesAreReadTyped_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("photosPerPage");
    QTest::addColumn<int>("slider");
    QTest::addColumn<bool>("target");

    // Text that is no number counts as absent: no box, and the start-up
    // runs to its end (the captions are applied).
    QTest::newRow("TOP not a number") << "SAVE/TOP"
                                      << "six" << 6 << 11 << false;
    QTest::newRow("LEFT not a number") << "SAVE/LEFT"
                                       << "" << 6 << 11 << false;
    QTest::newRow("PhotoPiece not a number") << "SAVE/PhotoPiece"
                                             << "six" << 6 << 11 << false;
    QTest::newRow("SelStart not a number") << "SAVE/SelStart"
                                           << "x" << 6 << 11 << false;
    QTest::newRow("English_Japanese not a number") << "MODE/English_Japanese"
                                                   << "yes" << 6 << 11 << false;
    // Numbers are clamped to their type: no overflow, 32 bits for SelStart.
    QTest::newRow("PhotoPiece beyond 16 bits") << "SAVE/PhotoPiece"
                                               << "2147483647" << 32767 << 11 << false;
    QTest::newRow("SelStart beyond 16 bits") << "SAVE/SelStart"
                                             << "70000" << 6 << 20 << false;
    QTest::newRow("SelStart 5") << "SAVE/SelStart"
                                << "5" << 6 << 5 << false;
    // A switch is on for 1 only, as velmo-album reads it.
    QTest::newRow("CheckTARGET 1") << "MODE/CheckTARGET"
                                   << "1" << 6 << 11 << true;
    QTest::newRow("CheckTARGET 2") << "MODE/CheckTARGET"
                                   << "2" << 6 << 11 << false;
    QTest::newRow("CheckTARGET -1") << "MODE/CheckTARGET"
                                    << "-1" << 6 << 11 << false;
}

void tst_Form1::storedValuesAreReadTyped()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    VelmoWindows velmo;
    velmo.store.writeSetting(key.section('/', 0, 0), key.section('/', 1), value);
    velmo.startIn(velmo.home.folder());
    Form1 &form = velmo.form();

    QCOMPARE(velmo.fakes.messages.texts(), QStringList());
    QCOMPARE(form.cmd_quit->text(), QStringLiteral("終　了"));
    QCOMPARE(form.pos(), QPoint(0, 0));
    QTEST(form.photosPerPage(), "photosPerPage");
    QTEST(form.Slider1->value(), "slider");
    QTEST(velmo.forms.optionsModel().linksOpenNewWindow(), "target");
    QTEST(velmo.forms.options().CheckTARGET->isChecked(), "target");
}

// A store that cannot be written, or a file too large to read, is told in
// one box however many keys the window writes; nothing stops.
void tst_Form1::unusableStoreIsToldOnce_data()
{
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("writes fail") << false;
    QTest::newRow("file over the size limit") << true;
}

void tst_Form1::unusableStoreIsToldOnce()
{
    QFETCH(bool, tooLarge);
    TestHome home;
    QByteArray huge("[SAVE]\nPhotoPiece=10\nX=");
    huge.append(QByteArray(SettingsFile::SizeLimit, 'x'));
    home.folder(QStringLiteral("config/Velmo"));
    if (tooLarge)
        QVERIFY(Fixture::writeFile(home.configFile(), huge));
    SettingsStore store =
        tooLarge ? SettingsStore(home.configFile()) : SettingsStore(std::make_unique<FailingSettingsBackend>());
    FakeServices fakes;
    Forms forms(store, fakes.services());
    forms.form1().Form_Load();
    forms.options().CheckWarning->setChecked(true);
    forms.form1().close();

    const QString expected =
        tooLarge ? SettingsText::setAside(home.configFile()) : SettingsText::notWritten(store.fileName());
    QCOMPARE(fakes.messages.texts(), QStringList{expected});
    QCOMPARE(forms.form1().photosPerPage(), 6);
    if (tooLarge)
        QCOMPARE(Fixture::readFile(home.configFile()), huge);
}

void tst_Form1::storedPlaceIsUsed_data()
{
    QTest::addColumn<int>("left"); // twips
    QTest::addColumn<int>("top");
    QTest::addColumn<QPoint>("kept"); // null: pulled onto the screen

    QTest::newRow("whole on the screen") << 1500 << 750 << QPoint(100, 50);
    QTest::newRow("mostly off to the lower right") << 9000 << 6000 << QPoint();
    QTest::newRow("above and left of the screen") << -3000 << -1500 << QPoint();
    QTest::newRow("on no screen") << 900000 << -900000 << QPoint();
}

// The whole window stays on the screen, not only its top left corner.
void tst_Form1::storedPlaceIsUsed()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(QPoint, kept);
    VelmoWindows velmo;
    velmo.store.write(Keys::Top, QString::number(top));
    velmo.store.write(Keys::Left, QString::number(left));
    velmo.form().Form_Load();
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(room.contains(velmo.form().frameGeometry()));
    if (!kept.isNull())
        QCOMPARE(velmo.form().pos(), kept);
}

void tst_Form1::storedSizeIsKeptOnTheScreen_data()
{
    QTest::addColumn<int>("width"); // twips; 0: nothing stored
    QTest::addColumn<int>("height");
    QTest::addColumn<QSize>("kept"); // empty: cut to the screen

    QTest::newRow("nothing stored: as designed") << 0 << 0 << QSize(670, 506);
    QTest::newRow("larger than designed") << 10950 << 8190 << QSize(730, 546);
    QTest::newRow("smaller than the least") << 1500 << 1500 << QSize();
    QTest::newRow("larger than the screen") << 30000 << 15000 << QSize();
}

void tst_Form1::storedSizeIsKeptOnTheScreen()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QSize, kept);
    VelmoWindows velmo;
    if (width > 0) {
        velmo.store.write(Keys::Width, QString::number(width));
        velmo.store.write(Keys::Height, QString::number(height));
    }
    velmo.store.write(Keys::Left, QStringLiteral("3000"));
    velmo.form().Form_Load();
    Form1 &form = velmo.form();

    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(room.contains(form.frameGeometry()));
    QVERIFY(form.width() >= form.minimumWidth() && form.height() >= form.minimumHeight());
    if (kept.isValid())
        QCOMPARE(form.size(), kept);
    // Every control whole inside the window, whatever its size.
    for (const QWidget *control : {static_cast<QWidget *>(form.cmd_quit), static_cast<QWidget *>(form.cmdOMAKE),
                                   static_cast<QWidget *>(form.Label2), static_cast<QWidget *>(form.lbl_タイトル)})
        QVERIFY2(form.rect().contains(control->geometry()), qPrintable(control->objectName()));
}

// At the designed size every control is where it was designed; a larger
// window keeps the column at its right edge and gives the viewer the rest,
// a smaller one squeezes the column's spacing and lists, keeping each
// control whole and apart from the others.
void tst_Form1::resizingMovesTheColumnAndGrowsTheViewer()
{
    VelmoWindows velmo;
    QVERIFY(Fixture::makeJpeg(velmo.folder + QStringLiteral("/big.jpg"), 1600, 1200));
    velmo.startIn(velmo.folder);
    Form1 &form = velmo.form();
    form.File1->setFocus();
    form.File1->setCurrentRow(0);
    const QList<QPair<QWidget *, QRect>> designed{
        {form.image1, twipsRect(120, 480, 7884, 5913)},   {form.Text5, twipsRect(1560, 300, 6372, 156)},
        {form.Label3, twipsRect(96, 6864, 7452, 300)},    {form.Label2, twipsRect(0, 7320, 3372, 252)},
        {form.File1, twipsRect(8160, 2280, 1812, 1560)},  {form.cmdOMAKE, twipsRect(9600, 6120, 375, 375)},
        {form.Slider1, twipsRect(8136, 6720, 1956, 372)}, {form.cmd_quit, twipsRect(8160, 7200, 1812, 372)}};
    for (const auto &[control, place] : designed)
        QCOMPARE(control->geometry(), place);
    QCOMPARE(form.Text6->text(), QStringLiteral("526×394"));

    form.resize(form.size() + QSize(110, 74));
    for (const auto &[control, place] : designed) {
        if (control == form.image1)
            continue;
        const bool inColumn = place.left() >= pixels(8136);
        const bool underViewer = !inColumn && place.top() > pixels(6480);
        const bool stretched = control == form.Text5 || control == form.Label3;
        QCOMPARE(control->geometry(),
                 place.translated(inColumn ? 110 : 0, underViewer ? 74 : 0).adjusted(0, 0, stretched ? 110 : 0, 0));
    }
    // 1600 × 1200 fitted into the viewer box of 9534 × 7110 twips.
    QCOMPARE(form.image1->geometry(), QRect(8, 32, 632, 474));
    QCOMPARE(form.Text6->text(), QStringLiteral("632×474"));
    // The stretched area grows with the viewer, 4:3 kept.
    form.Check4->setChecked(false);
    QCOMPARE(form.Text6->text(), QStringLiteral("404×303"));

    form.resize(form.minimumSize());
    const QList<QWidget *> column{form.lbl_タイトル, form.Drive1,   form.Dir1,    form.File1,   form.cmdJPGDEL,
                                  form.Check2,       form.cmdAlbum, form.Check5,  form.cmdMSIE, form.cmdNOTE,
                                  form.cmdSlideShow, form.Label1,   form.Slider1, form.cmd_quit};
    for (qsizetype i = 0; i < column.size(); ++i) {
        // The Adjust box and the slider reach a little past the edge, as designed.
        QVERIFY2(form.rect().adjusted(0, 0, 3, 0).contains(column[i]->geometry()), qPrintable(column[i]->objectName()));
        if (i > 0)
            QVERIFY2(column[i]->y() >= column[i - 1]->geometry().bottom(), qPrintable(column[i]->objectName()));
    }
    QCOMPARE(form.cmd_quit->height(), twipsRect(0, 0, 0, 372).height());
    QVERIFY(form.image1->width() <= 160 && form.image1->isVisible());
}

// F11 or a double-click on the viewer: the picture on the whole screen, the
// moving keys through the list's JPEG pictures only; Escape or F11 back.
void tst_Form1::fullScreenShowsThePictureAndItsKeysMove()
{
    VelmoWindows velmo;
    velmo.startWithFiles(
        {QStringLiteral("a.jpg"), QStringLiteral("b.txt"), QStringLiteral("c.jpeg"), QStringLiteral("d.jpg")});
    Form1 &form = velmo.form();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const auto shown = [&form] { return QFileInfo(form.Text5->text()).fileName(); };

    QTest::keyClick(&form, Qt::Key_F11);
    QVERIFY(form.isFullScreenView());
    QTRY_COMPARE(form.size(), QGuiApplication::primaryScreen()->size());
    QVERIFY(form.FullScreenBack->isVisible());
    QCOMPARE(form.FullScreenBack->geometry(), form.rect());
    // Nothing was selected: the first picture, fitted and centred.
    QCOMPARE(shown(), QStringLiteral("a.jpg"));
    QCOMPARE(form.image1->geometry().center(), form.rect().center());

    const QList<QPair<Qt::Key, QString>> moves{
        {Qt::Key_Right, "c.jpeg"}, {Qt::Key_PageDown, "d.jpg"}, {Qt::Key_Down, "d.jpg"},    {Qt::Key_Left, "c.jpeg"},
        {Qt::Key_Up, "a.jpg"},     {Qt::Key_End, "d.jpg"},      {Qt::Key_PageUp, "c.jpeg"}, {Qt::Key_Home, "a.jpg"}};
    for (const auto &[key, name] : moves) {
        QTest::keyClick(&form, key);
        QCOMPARE(shown(), name);
    }

    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isFullScreenView());
    QTRY_COMPARE(form.size(), QSize(670, 506));
    QVERIFY(form.FullScreenBack->isHidden());
    QCOMPARE(form.image1->geometry(), twipsRect(120, 480, 960, 720));
    QCOMPARE(shown(), QStringLiteral("a.jpg"));
    // The moving keys are the list's own again.
    QTest::keyClick(form.File1, Qt::Key_Down);
    QCOMPARE(form.File1->currentRow(), 1);

    const QPoint viewer = form.image1->geometry().center();
    QTest::mouseDClick(&form, Qt::LeftButton, Qt::NoModifier, viewer);
    QVERIFY(form.isFullScreenView());
    QTest::keyClick(&form, Qt::Key_F11);
    QVERIFY(!form.isFullScreenView());
}

void tst_Form1::startPathOpensAFolderOrShowsAPhoto_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("selected");
    QTest::newRow("folder") << "photos"
                            << "";
    QTest::newRow("photo") << "photos/b.jpg"
                           << "b.jpg";
}

// A path from the command line: the stored folder (gone here) is not used.
void tst_Form1::startPathOpensAFolderOrShowsAPhoto()
{
    QFETCH(QString, given);
    QFETCH(QString, selected);
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    QVERIFY(Fixture::makeJpeg(photos + QStringLiteral("/a.jpg"), 64, 48));
    QVERIFY(Fixture::makeJpeg(photos + QStringLiteral("/b.jpg"), 64, 48));
    velmo.store.write(Keys::Path, velmo.home.path() + QStringLiteral("/gone"));
    Form1 &form = velmo.form();

    form.Form_Load(velmo.home.path() + QLatin1Char('/') + given);

    QVERIFY(velmo.fakes.messages.shown.isEmpty());
    QCOMPARE(form.file1Path(), photos);
    QCOMPARE(form.dir1Path(), photos);
    QCOMPARE(form.file1FileName(), selected);
    QCOMPARE(form.image1->isVisibleTo(&form), !selected.isEmpty());
    if (!selected.isEmpty())
        QCOMPARE(form.Text5->text(), photos + QLatin1Char('/') + selected);
}

void tst_Form1::closingStoresPlaceAndFolder_data()
{
    QTest::addColumn<bool>("byQuitButton");
    QTest::newRow("close box") << false;
    QTest::newRow("Exit button") << true;
}

void tst_Form1::closingStoresPlaceAndFolder()
{
    QFETCH(bool, byQuitButton);
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    form.move(40, 20);
    velmo.forms.design();
    velmo.store.write(Keys::Path, QString());

    if (byQuitButton)
        QTest::mouseClick(form.cmd_quit, Qt::LeftButton);
    else
        form.close();

    QCOMPARE(velmo.store.read(Keys::Top), QStringLiteral("300"));
    QCOMPARE(velmo.store.read(Keys::Left), QStringLiteral("600"));
    QCOMPARE(velmo.store.read(Keys::Width), QStringLiteral("10050"));
    QCOMPARE(velmo.store.read(Keys::Height), QStringLiteral("7590"));
    QCOMPARE(velmo.store.read(Keys::Path), photos);
    QVERIFY(form.isClosing());
    QVERIFY(!velmo.forms.hasOptions());
    QVERIFY(!velmo.forms.hasDesign());
    // The options dialog saved on its way out.
    QCOMPARE(velmo.store.read(Keys::PhotoPiece), QStringLiteral("6"));
}

void tst_Form1::aboutMessageByModifierKeys_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<bool>("shown");
    QTest::newRow("none") << Qt::KeyboardModifiers() << true;
    QTest::newRow("shift and ctrl") << (Qt::ShiftModifier | Qt::ControlModifier) << true;
    QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("alt") << Qt::KeyboardModifiers(Qt::AltModifier) << false;
}

void tst_Form1::aboutMessageByModifierKeys()
{
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(bool, shown);
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());

    QTest::mousePress(velmo.form().lbl_タイトル, Qt::RightButton, keys);

    const QStringList expected{QStringLiteral("ヴェルモ/Velmo for Windows95/98 Version 2.7.0")};
    QCOMPARE(velmo.fakes.messages.texts(), shown ? expected : QStringList());
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
