// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumtexts.h"
#include "album/preparation.h"
#include "recordingview.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class tst_Preparation : public QObject
{
    Q_OBJECT

private slots:
    void nameRules_data();
    void nameRules();
    void imagesThumbnailsAndOthers_data();
    void imagesThumbnailsAndOthers();
    void albumOrderIgnoresCase();
    void emptyFolder();
    void onlyRegularFilesAreListed();
};

void tst_Preparation::nameRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("jpeg");
    QTest::addColumn<bool>("thumbnail");

    QTest::newRow("jpg") << "a.jpg" << true << false;
    QTest::newRow("JPEG") << "B.JPEG" << true << false;
    QTest::newRow("mpeg passes the test") << "c.mpeg" << true << false;
    QTest::newRow("no dot") << "photojpg" << true << false;
    QTest::newRow("text") << "notes.txt" << false << false;
    QTest::newRow("jpe is not enough") << "a.jpe" << false << false;
    QTest::newRow("shorter than three") << "pg" << false << false;
    QTest::newRow("thumbnail") << "s_a.jpg" << true << true;
    QTest::newRow("capital S is an image") << "S_a.jpg" << true << false;
    QTest::newRow("s_ text file") << "s_notes.txt" << false << false;
}

void tst_Preparation::nameRules()
{
    QFETCH(QString, name);
    QFETCH(bool, jpeg);
    QFETCH(bool, thumbnail);
    QCOMPARE(isJpegName(name), jpeg);
    QCOMPARE(isThumbnailName(name), thumbnail);
}

void tst_Preparation::imagesThumbnailsAndOthers_data()
{
    QTest::addColumn<bool>("deleteThumbnails");
    QTest::newRow("thumbnails kept") << false;
    QTest::newRow("thumbnails deleted") << true;
}

void tst_Preparation::imagesThumbnailsAndOthers()
{
    QFETCH(bool, deleteThumbnails);
    TestHome home;
    const QString folder = home.folder();
    // s_holiday.jpg has no holiday.jpg beside it: an original photo.
    for (const char *name :
         {"a.jpg", "B.JPEG", "s_a.jpg", "notes.txt", "c.mpeg", "S_d.jpg", "s_e.txt", "s_holiday.jpg"})
        QVERIFY(Fixture::writeFile(folder + '/' + name, "x"));
    // s_gone.jpg neither, but the reduction library made it: a thumbnail
    // whose photo was deleted.
    const QByteArray record = "RdctJPEG/1 length=000000000050 scale=1/2 text=RDCTJ:Q080 size=9 mtime=1.0 name=gone.jpg";
    const QByteArray segment = QByteArray("\xFF\xFE") + char((record.size() + 2) >> 8) + char(record.size() + 2);
    QVERIFY(Fixture::writeFile(folder + "/s_gone.jpg", "\xFF\xD8" + segment + record + "\xFF\xD9"));

    RecordingView view;
    const ImageList images = prepareFolder(folder, deleteThumbnails, view);

    QCOMPARE(images.folder, folder);
    const QStringList expected = {"a.jpg", "B.JPEG", "c.mpeg", "S_d.jpg", "s_holiday.jpg"};
    QCOMPARE(images.names, expected);
    QCOMPARE(folderImages(folder, view), expected);
    QCOMPARE(QFile::exists(folder + "/s_a.jpg"), !deleteThumbnails);
    QCOMPARE(QFile::exists(folder + "/s_gone.jpg"), !deleteThumbnails);
    QVERIFY(QFile::exists(folder + "/s_holiday.jpg"));
    QVERIFY(QFile::exists(folder + "/s_e.txt"));
    QVERIFY(QFile::exists(folder + "/notes.txt"));
    QCOMPARE(view.phase, BuildPhase::Preparing);
    QCOMPARE(view.done, 5);
    QVERIFY(view.progressVisible);
    QVERIFY(view.busy); // the caller puts the pointer back
}

void tst_Preparation::albumOrderIgnoresCase()
{
    TestHome home;
    const QString folder = home.folder();
    // Listed in name order: "A.jpg" < "Alpha.jpg" < "a.jpg" < "beta.jpg" < "zeta.jpg".
    for (const char *name : {"zeta.jpg", "Alpha.jpg", "beta.jpg", "a.jpg", "A.jpg"})
        QVERIFY(Fixture::writeFile(folder + '/' + name, "x"));

    RecordingView view;
    const ImageList images = prepareFolder(folder, false, view);
    // Names equal but for case keep the listing's order.
    QCOMPARE(images.names, QStringList({"A.jpg", "a.jpg", "Alpha.jpg", "beta.jpg", "zeta.jpg"}));
}

void tst_Preparation::emptyFolder()
{
    TestHome home;
    RecordingView view;
    const ImageList images = prepareFolder(home.folder(), true, view);
    QCOMPARE(images.count(), 0);
    QCOMPARE(view.statuses, QStringList({AlbumText::prepareStart(), AlbumText::prepareEnd()}));
}

// A FIFO behind a link is never opened (the pass would block for ever); a
// name that is not UTF-8 cannot be opened either and is named in a warning.
void tst_Preparation::onlyRegularFilesAreListed()
{
    TestHome home;
    const QString folder = home.folder();
    const QByteArray path = QFile::encodeName(folder) + '/';
    QVERIFY(QDir(folder).mkdir("x.jpg"));
    QCOMPARE(mkfifo(path + "pipe", 0644), 0);
    QCOMPARE(symlink("pipe", path + "pipe.jpg"), 0);
    QCOMPARE(close(open(path + "caf\xE9.jpg", O_CREAT | O_WRONLY, 0600)), 0);
    QCOMPARE(close(open(path + "\xFF.txt", O_CREAT | O_WRONLY, 0600)), 0);
    QVERIFY(Fixture::writeFile(folder + "/real.jpg", "x"));

    RecordingView view;
    QCOMPARE(prepareFolder(folder, false, view).names, QStringList({"real.jpg"}));
    QCOMPARE(view.warnings, QStringList({AlbumText::picturesLeftOut({"caf\\xE9.jpg"})}));
    RecordingView probe; // the check before a build warns the same
    QCOMPARE(folderImages(folder, probe), QStringList({"real.jpg"}));
    QCOMPARE(probe.warnings, view.warnings);
}

QTEST_GUILESS_MAIN(tst_Preparation)
#include "tst_preparation.moc"
