// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmowindows.h"

#include "album/albumtexts.h"
#include "main_window/frmdesign.h"
#include "main_window/frmoptions.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

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

// Browsing in the main window: the file list, the viewer and the page buttons.
class tst_Browsing : public QObject
{
    Q_OBJECT

private slots:
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
    void closingTheWindowStopsTheAlbumBuild();
    void slideButtonWritesTheSlidePage_data();
    void slideButtonWritesTheSlidePage();
};

void tst_Browsing::filterBoxesChooseTheListedFiles_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("expected");
    // Alphabetical without regard to letter case, like the folder list.
    QTest::newRow("none") << QString() << QStringList{"a.jpg", "B.JPEG", "c.jpe", "photo.jpeg"};
    QTest::newRow("ALB") << "Check1" << QStringList{"Album001.html", "Slide.html"};
    QTest::newRow("TXT") << "Check2" << QStringList{"notes.txt"};
    QTest::newRow("HTML") << "Check3" << QStringList{"Album001.html", "index.htm", "Slide.html"};
}

void tst_Browsing::filterBoxesChooseTheListedFiles()
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

void tst_Browsing::filterBoxesAreExclusive()
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

void tst_Browsing::pathCheckJoinsFolderAndName()
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

void tst_Browsing::openingAFolderMovesTheFileList()
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

void tst_Browsing::selectingAFileShowsItOrSaysWhy_data()
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

void tst_Browsing::selectingAFileShowsItOrSaysWhy()
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

void tst_Browsing::fileGoneSinceListingShowsStatus()
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

    // The status line follows a change of language.
    velmo.forms.options().CheckEnglish->click();
    QCOMPARE(velmo.form().Label3->text(), QStringLiteral("File not found"));
}

void tst_Browsing::viewerSizeFollowsOriginalScale_data()
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

void tst_Browsing::viewerSizeFollowsOriginalScale()
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

void tst_Browsing::clipboardModePutsTheImageTag_data()
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
    QTest::newRow("name read as a scheme") << QSize(8, 6) << true << "WIDTH= HEIGHT="
                                           << "png:x.jpg"
                                           << "./png:x.jpg";
}

void tst_Browsing::clipboardModePutsTheImageTag()
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

void tst_Browsing::leavingTheFileListRemovesThePicture()
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

void tst_Browsing::clickingTheSelectedFileShowsItAgain()
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

void tst_Browsing::switchingToAnotherWindowKeepsThePicture()
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

void tst_Browsing::adjustCaptionShowsTheAlbumBox()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    Form1 &form = velmo.form();
    QCOMPARE(form.Check5->text(), QStringLiteral("Adjust"));

    form.Check5->click();
    QCOMPARE(form.Check5->text(), QStringLiteral("Adjust"));
    form.Check5->click();
    QCOMPARE(form.Check5->text(), QStringLiteral("Adjust W 135X H 100"));
    // A size bar of the design dialog shows its box there at once.
    velmo.forms.design().findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(50);
    QCOMPARE(form.Check5->text(), QStringLiteral("Adjust W 50X H 100"));
}

// The filter boxes are 12 pixels high and the path line 10: their fonts and
// check marks are sized to fit, not clipped.
void tst_Browsing::smallControlsDrawTheirTextWhole()
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

void tst_Browsing::albumButtonWritesPages()
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

void tst_Browsing::closingTheWindowStopsTheAlbumBuild()
{
    VelmoWindows velmo;
    const QString photos = velmo.home.folder();
    QVERIFY(Fixture::makeJpeg(photos + QStringLiteral("/a.jpg"), 64, 48));
    velmo.startIn(photos);
    Form1 &form = velmo.form();

    // The close request comes while the build runs.
    QCoreApplication::postEvent(&form, new QCloseEvent);
    form.cmdAlbum->click();

    QCOMPARE(form.Label3->text(), AlbumText::interrupted());
    QCOMPARE(QDir(photos).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.jpg")});
    QVERIFY(!form.isClosing());
    QCoreApplication::processEvents();
    QVERIFY(form.isClosing());
}

// The list shows the new page whether or not the album filter was already on.
void tst_Browsing::slideButtonWritesTheSlidePage_data()
{
    QTest::addColumn<bool>("albumFilterOn");
    QTest::newRow("album filter off") << false;
    QTest::newRow("album filter already on") << true;
}

void tst_Browsing::slideButtonWritesTheSlidePage()
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

QTEST_MAIN(tst_Browsing)
#include "tst_browsing.moc"
