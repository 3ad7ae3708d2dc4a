// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmowindows.h"

#include "album/albumtexts.h"
#include "main_window/frmdesign.h"
#include "main_window/frmoptions.h"
#include "platform/settingsfile.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
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

QStringList listed(const QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

void select(QListWidget *list, const QString &name)
{
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    list->setCurrentItem(found.first());
}

} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void firstStartTakesTheDefaults();
    void vanishedFolderIsReportedOncePerStep();
    void storedValuesAreReadTyped_data();
    void storedValuesAreReadTyped();
    void unusableStoreIsToldOnce_data();
    void unusableStoreIsToldOnce();
    void storedPlaceIsUsed_data();
    void storedPlaceIsUsed();
    void startPathOpensAFolderOrShowsAPhoto_data();
    void startPathOpensAFolderOrShowsAPhoto();
    void closingStoresPlaceAndFolder_data();
    void closingStoresPlaceAndFolder();
    void aboutMessageByModifierKeys_data();
    void aboutMessageByModifierKeys();
    void filterBoxesChooseTheListedFiles_data();
    void filterBoxesChooseTheListedFiles();
    void filterBoxesAreExclusive();
    void pathCheckJoinsFolderAndName();
    void openingAFolderMovesTheFileList();
    void selectingAFileShowsItOrSaysWhy_data();
    void selectingAFileShowsItOrSaysWhy();
    void fileGoneSinceListingShowsStatus();
    void viewerSizeFollowsOriginalScale_data();
    void viewerSizeFollowsOriginalScale();
    void clipboardModePutsTheImageTag_data();
    void clipboardModePutsTheImageTag();
    void leavingTheFileListRemovesThePicture();
    void clickingTheSelectedFileShowsItAgain();
    void switchingToAnotherWindowKeepsThePicture();
    void adjustCaptionShowsTheAlbumBox();
    void smallControlsDrawTheirTextWhole();
    void albumButtonWritesPages();
    void slideButtonWritesTheSlidePage_data();
    void slideButtonWritesTheSlidePage();
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
    QVERIFY(!form.CheckWarning->isChecked());
    QVERIFY(!form.CheckWarningHtml->isChecked());
    QVERIFY(!form.CheckWarningJPG->isChecked());
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

void tst_Form1::vanishedFolderIsReportedOncePerStep()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.path() + QStringLiteral("/gone"));

    QCOMPARE(velmo.fakes.messages.texts(), QStringList(3, FolderGone));
    // The start-up went on to the end and the lists kept their folder.
    QCOMPARE(velmo.form().cmd_quit->text(), QStringLiteral("終　了"));
    QCOMPARE(velmo.form().file1Path(), QDir::homePath());
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
    velmo.store.WriteSetting(key.section('/', 0, 0), key.section('/', 1), value);
    velmo.startIn(velmo.home.folder());
    Form1 &form = velmo.form();

    QCOMPARE(velmo.fakes.messages.texts(), QStringList());
    QCOMPARE(form.cmd_quit->text(), QStringLiteral("終　了"));
    QCOMPARE(form.pos(), QPoint(0, 0));
    QTEST(form.photosPerPage(), "photosPerPage");
    QTEST(form.Slider1->value(), "slider");
    QTEST(form.CheckTARGET->isChecked(), "target");
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

void tst_Form1::startPathOpensAFolderOrShowsAPhoto_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("selected");
    QTest::newRow("folder") << "photos" << "";
    QTest::newRow("photo") << "photos/b.jpg" << "b.jpg";
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

void tst_Form1::filterBoxesChooseTheListedFiles_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("expected");
    // Alphabetical without regard to letter case, like the folder list.
    QTest::newRow("none") << QString() << QStringList{"a.jpg", "B.JPEG", "c.jpe", "photo.jpeg"};
    QTest::newRow("ALB") << "Check1" << QStringList{"Album001.html", "Slide.html"};
    QTest::newRow("TXT") << "Check2" << QStringList{"notes.txt"};
    QTest::newRow("HTML") << "Check3" << QStringList{"Album001.html", "index.htm", "Slide.html"};
}

void tst_Form1::filterBoxesChooseTheListedFiles()
{
    QFETCH(QString, box);
    QFETCH(QStringList, expected);
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    for (const char *name : {"a.jpg", "B.JPEG", "c.jpe", "photo.jpeg", "notes.txt", "Album001.html", "Slide.html",
                             "index.htm", ".hidden.jpg", "d.png"})
        Fixture::writeFile(photos + '/' + name, "x");
    QDir(photos).mkdir(QStringLiteral("sub.jpg"));
    velmo.startIn(photos);

    if (!box.isEmpty())
        velmo.form().findChild<QCheckBox *>(box)->setChecked(true);

    QCOMPARE(listed(velmo.form().File1), expected);
}

void tst_Form1::filterBoxesAreExclusive()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    Form1 &form = velmo.form();

    form.Check1->click();
    form.Check2->click();
    QVERIFY(!form.Check1->isChecked());
    QVERIFY(form.Check2->isChecked());
    QCOMPARE(form.file1Pattern(), QStringLiteral("*.txt"));

    form.Check2->click();
    QCOMPARE(form.file1Pattern(), QStringLiteral("*.jpg;*.jpe"));
}

void tst_Form1::pathCheckJoinsFolderAndName()
{
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    Fixture::writeFile(photos + QStringLiteral("/notes.txt"), "x");
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    form.Check2->setChecked(true);

    select(form.File1, QStringLiteral("notes.txt"));
    QCOMPARE(form.currentFile(), photos + QStringLiteral("/notes.txt"));
    QCOMPARE(form.fileKind(), QStringLiteral("txt"));

    // At the root nothing is doubled.
    form.setDir1Path(QStringLiteral("/"));
    QCOMPARE(form.file1Path(), QStringLiteral("/"));
    form.PathCheck();
    QCOMPARE(form.currentFile(), QStringLiteral("/"));
}

void tst_Form1::openingAFolderMovesTheFileList()
{
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    const QString trip = velmo.home.folder(QStringLiteral("photos/trip"));
    QVERIFY(Fixture::makeJpeg(trip + QStringLiteral("/t.jpg"), 32, 24));
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    const QList<QListWidgetItem *> found = form.Dir1->findItems(QStringLiteral("trip"), Qt::MatchEndsWith);
    QCOMPARE(found.size(), 1);

    form.Dir1->setCurrentItem(found.first());
    QTest::keyClick(form.Dir1, Qt::Key_Return);

    QCOMPARE(form.dir1Path(), trip);
    QCOMPARE(form.file1Path(), trip);
    QCOMPARE(listed(form.File1), QStringList{QStringLiteral("t.jpg")});
    QCOMPARE(form.Dir1->currentItem()->text().trimmed(), QStringLiteral("trip"));
}

void tst_Form1::selectingAFileShowsItOrSaysWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: a 640 x 480 JPEG
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("shown");

    QByteArray png;
    {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::green);
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    QTest::newRow("jpeg") << "p.jpg" << QByteArray() << QString() << true;
    QTest::newRow("jpeg extension") << "P.JPEG" << QByteArray() << QString() << true;
    QTest::newRow("jpe is not shown") << "p.jpe" << QByteArray() << QString() << false;
    QTest::newRow("text file") << "p.txt" << QByteArray("hello") << QString() << false;
    QTest::newRow("text named jpg") << "t.jpg" << QByteArray("hello") << "画像ファイルでは、ありません。" << false;
    QTest::newRow("png named jpg") << "png.jpg" << png << "画像ファイルでは、ありません。" << false;
    QTest::newRow("corrupt jpeg") << "bad.jpg" << QByteArray("\xFF\xD8\xFF\xE0garbage-after-the-marker", 28)
                                  << "ファイルサイズが不正です。" << false;
}

void tst_Form1::selectingAFileShowsItOrSaysWhy()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(bool, shown);
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    const QString path = photos + '/' + name;
    QVERIFY(bytes.isEmpty() ? Fixture::makeJpeg(path, 640, 480) : Fixture::writeFile(path, bytes));
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    form.Check2->setChecked(name.endsWith(QStringLiteral(".txt")));

    select(form.File1, name);

    QCOMPARE(velmo.fakes.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(form.image1->isVisibleTo(&form), shown);
    QCOMPARE(form.Text5->text(), shown ? path : QString());
    QCOMPARE(form.Text6->text(), shown ? QStringLiteral("526×394") : QString());
}

void tst_Form1::fileGoneSinceListingShowsStatus()
{
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    QVERIFY(Fixture::makeJpeg(photos + QStringLiteral("/p.jpg"), 64, 48));
    velmo.startIn(photos);
    QFile::remove(photos + QStringLiteral("/p.jpg"));

    select(velmo.form().File1, QStringLiteral("p.jpg"));

    QVERIFY(velmo.fakes.messages.shown.isEmpty());
    QCOMPARE(velmo.form().Label3->text(), QStringLiteral("File Not Find"));
    QVERIFY(!velmo.form().image1->isVisibleTo(&velmo.form()));
}

void tst_Form1::viewerSizeFollowsOriginalScale_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("originalScale");
    QTest::addColumn<QSizeF>("twips");
    QTest::addColumn<QString>("sizeBox");
    QTest::newRow("fixed area") << QSize(640, 480) << false << QSizeF(5120, 3840) << "341×256";
    QTest::newRow("fixed area, portrait") << QSize(300, 900) << false << QSizeF(5120, 3840) << "341×256";
    QTest::newRow("fitted by width") << QSize(640, 480) << true << QSizeF(7884, 5913) << "526×394";
    QTest::newRow("fitted by height") << QSize(480, 640) << true << QSizeF(4500, 6000) << "300×400";
    QTest::newRow("small keeps its size") << QSize(100, 50) << true << QSizeF(1500, 750) << "100×50";
}

void tst_Form1::viewerSizeFollowsOriginalScale()
{
    QFETCH(QSize, picture);
    QFETCH(bool, originalScale);
    QFETCH(QSizeF, twips);
    QFETCH(QString, sizeBox);
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    QVERIFY(Fixture::makeJpeg(photos + QStringLiteral("/p.jpg"), picture.width(), picture.height()));
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    select(form.File1, QStringLiteral("p.jpg"));

    form.Check4->setChecked(originalScale);
    if (originalScale) { // no change, no click: toggle it through once
        form.Check4->setChecked(false);
        form.Check4->setChecked(true);
    }

    QCOMPARE(form.Image2, picture * 15);
    QCOMPARE(form.image1Twips().toSize(), twips.toSize());
    QCOMPARE(form.Text6->text(), sizeBox);
    QCOMPARE(form.image1->pixmap().size(), form.image1->size());
}

void tst_Form1::clipboardModePutsTheImageTag_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("originalScale");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("link");
    const QString photo = QStringLiteral("My photo.jpg");
    QTest::newRow("landscape") << QSize(640, 480) << true << "WIDTH=133 HEIGHT=100" << photo << photo;
    QTest::newRow("portrait") << QSize(480, 640) << true << "WIDTH=75 HEIGHT=100" << photo << photo;
    QTest::newRow("fixed area") << QSize(480, 640) << false << "WIDTH=133 HEIGHT=100" << photo << photo;
    QTest::newRow("inside the album box") << QSize(8, 6) << true << "WIDTH= HEIGHT=" << photo << photo;
    QTest::newRow("name read as a scheme") << QSize(8, 6) << true << "WIDTH= HEIGHT=" << "png:x.jpg" << "./png:x.jpg";
}

void tst_Form1::clipboardModePutsTheImageTag()
{
    QFETCH(QSize, picture);
    QFETCH(bool, originalScale);
    QFETCH(QString, numbers);
    QFETCH(QString, name);
    QFETCH(QString, link);
    VelmoWindows velmo;
    velmo.store.write(Keys::IMGClipBoard, QStringLiteral("1"));
    const QString photos = velmo.home.folder();
    QVERIFY(Fixture::makeJpeg(photos + QLatin1Char('/') + name, picture.width(), picture.height()));
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    form.Check4->setChecked(originalScale);

    select(form.File1, name);

    const QString tag = QStringLiteral("<A HREF=\"%1\"><IMG SRC=\"%1\" %2 BORDER=0></A>").arg(link, numbers);
    QCOMPARE(form.Text5->text(), tag);
    QCOMPARE(velmo.fakes.clipboard.text(), tag);
    QCOMPARE(form.Text5->palette().color(QPalette::Text), QColor(Qt::blue));
}

void tst_Form1::leavingTheFileListRemovesThePicture()
{
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    QVERIFY(Fixture::makeJpeg(photos + QStringLiteral("/p.jpg"), 64, 48));
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    QApplication::setActiveWindow(&form);
    form.File1->setFocus();
    select(form.File1, QStringLiteral("p.jpg"));
    QVERIFY(!form.image1->pixmap().isNull());

    form.cmdAlbum->setFocus();

    QVERIFY(form.image1->pixmap().isNull());
    QCOMPARE(form.Text5->text(), photos + QStringLiteral("/p.jpg"));
    QVERIFY(velmo.fakes.clipboard.text().isEmpty());
}

void tst_Form1::clickingTheSelectedFileShowsItAgain()
{
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    QVERIFY(Fixture::makeJpeg(photos + QStringLiteral("/p.jpg"), 64, 48));
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    QApplication::setActiveWindow(&form);
    form.File1->setFocus();
    select(form.File1, QStringLiteral("p.jpg"));
    form.cmdAlbum->setFocus();
    QVERIFY(form.image1->pixmap().isNull());

    const QRect name = form.File1->visualItemRect(form.File1->currentItem());
    QTest::mouseClick(form.File1->viewport(), Qt::LeftButton, {}, name.center());

    QVERIFY(!form.image1->pixmap().isNull());
    QVERIFY(form.image1->isVisibleTo(&form));
    QCOMPARE(form.Text5->text(), photos + QStringLiteral("/p.jpg"));
}

void tst_Form1::switchingToAnotherWindowKeepsThePicture()
{
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    QVERIFY(Fixture::makeJpeg(photos + QStringLiteral("/p.jpg"), 64, 48));
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    QApplication::setActiveWindow(&form);
    form.File1->setFocus();
    select(form.File1, QStringLiteral("p.jpg"));

    QWidget otherProgram;
    otherProgram.show();
    QApplication::setActiveWindow(&otherProgram);
    QVERIFY(!form.File1->hasFocus());

    QVERIFY(!form.image1->pixmap().isNull());
}

void tst_Form1::adjustCaptionShowsTheAlbumBox()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    Form1 &form = velmo.form();
    QCOMPARE(form.Check5->text(), QStringLiteral("Adjust"));

    form.Check5->click();
    QCOMPARE(form.Check5->text(), QStringLiteral("Adjust"));
    form.Check5->click();
    QCOMPARE(form.Check5->text(), QStringLiteral("Adjust W 135X H 100"));
    QVERIFY(velmo.forms.hasDesign());
}

// The filter boxes are 12 pixels high and the path line 10: their fonts and
// check marks are sized to fit, not clipped.
void tst_Form1::smallControlsDrawTheirTextWhole()
{
    VelmoWindows velmo;
    Form1 &form = velmo.form();
    form.Form_Load();
    for (QWidget *control :
         std::initializer_list<QWidget *>{form.Text5, form.Text6, form.Check1, form.Check2, form.Check3})
        QVERIFY2(QFontMetrics(control->font()).height() <= control->height(), qPrintable(control->objectName()));
    for (QCheckBox *box : {form.Check1, form.Check2, form.Check3}) {
        QStyleOptionButton option;
        option.initFrom(box);
        QVERIFY2(box->rect().contains(box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box)),
                 qPrintable(box->objectName()));
    }
}

void tst_Form1::albumButtonWritesPages()
{
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
        QVERIFY(Fixture::makeJpeg(photos + '/' + name, 320, 240));
    QCOMPARE(::close(::open(QFile::encodeName(photos) + "/caf\xE9.jpg", O_CREAT | O_WRONLY, 0600)), 0);
    velmo.startIn(photos);
    Form1 &form = velmo.form();

    QTest::mouseClick(form.cmdAlbum, Qt::LeftButton);

    QVERIFY(QFile::exists(photos + QStringLiteral("/Album001.html")));
    // The picture left out stays named after the build's own status text.
    QCOMPARE(form.Label3->text(),
             AlbumText::pagesWritten(3, 1) + ' ' + AlbumText::picturesLeftOut({QStringLiteral("caf\\xE9.jpg")}));
    QVERIFY(form.Check1->isChecked());
    QCOMPARE(listed(form.File1), QStringList{QStringLiteral("Album001.html")});
    QVERIFY(form.HScrollBar->isHidden());
    QVERIFY(!QGuiApplication::overrideCursor());
}

// The list shows the new page whether or not the album filter was already on.
void tst_Form1::slideButtonWritesTheSlidePage_data()
{
    QTest::addColumn<bool>("albumFilterOn");
    QTest::newRow("album filter off") << false;
    QTest::newRow("album filter already on") << true;
}

void tst_Form1::slideButtonWritesTheSlidePage()
{
    QFETCH(bool, albumFilterOn);
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    for (const char *name : {"a.jpg", "b.jpg"})
        QVERIFY(Fixture::makeJpeg(photos + '/' + name, 320, 240));
    velmo.startIn(photos);
    Form1 &form = velmo.form();
    form.Check1->setChecked(albumFilterOn);

    QTest::mouseClick(form.cmdOMAKE, Qt::LeftButton);

    QVERIFY(velmo.fakes.messages.shown.isEmpty());
    QVERIFY(QFile::exists(photos + QStringLiteral("/Slide.html")));
    QVERIFY(form.Check1->isChecked());
    QVERIFY(listed(form.File1).contains(QStringLiteral("Slide.html")));
    QVERIFY(!QGuiApplication::overrideCursor());
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
