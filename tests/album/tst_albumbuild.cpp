// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pageformat.h"
#include "albumfixture.h"
#include "phototags.h"

// The album build: page layout, the golden pages, old pages and comments,
// bad files, sizes and the thumbnail mode.
class tst_AlbumBuild : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpBuildTests(); }
    void layout_data();
    void layout();
    void goldenPages();
    void folderWithoutImages();
    void oldPages_data();
    void oldPages();
    void manyImagesAreAllPlaced();
    void commentsSurviveARebuild();
    void photosSayWhenAndWhat();
    void styleSwitchCarriesEveryComment();
    void badFilesDoNotStopTheBuild();
    void fixedSizeWithoutAdjust();
    void thumbnailModeFallsBackToFullImage();
    void libraryNameIsCaseExact();
};

void tst_AlbumBuild::layout_data()
{
    QTest::addColumn<int>("images");
    QTest::addColumn<int>("rowWidth");
    QTest::addColumn<int>("photosPerPage");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("pageCount");

    QTest::newRow("7 by 2, 6 a page") << 7 << 2 << 6 << "01 02|03 04|05 06/07" << 2;
    QTest::newRow("exactly 6") << 6 << 2 << 6 << "01 02|03 04|05 06" << 1;
    QTest::newRow("5 by 2, 5 a page: full before slot 2") << 5 << 2 << 5 << "01 02|03 04|05" << 1;
    QTest::newRow("row width 3 with 4") << 4 << 3 << 6 << "01 02 03|04" << 1;
    QTest::newRow("row of 3 cut by a full page") << 5 << 3 << 4 << "01 02 03|04/05" << 2;
    QTest::newRow("0 a page: no limit") << 7 << 2 << 0 << "01 02|03 04|05 06|07" << 1;
    QTest::newRow("row width 1") << 3 << 1 << 6 << "01|02|03" << 1;
}

void tst_AlbumBuild::layout()
{
    QFETCH(int, images);
    QFETCH(int, pageCount);
    Album album;
    QVERIFY(Fixture::addImages(album.folder, images));
    QFETCH(int, rowWidth);
    QFETCH(int, photosPerPage);
    album.options.rowWidth = rowWidth;
    album.options.photosPerPage = photosPerPage;

    const AlbumBuildResult result = album.build();
    QTEST(layoutOf(album), "expected");
    QCOMPARE(result.pageCount, pageCount);
    QCOMPARE(album.view.status(), AlbumText::pagesWritten(images, pageCount));
    QVERIFY(!album.view.progressVisible);
    QVERIFY(!album.view.busy);
    QCOMPARE(album.view.done, images); // the bar is full
    QCOMPARE(album.view.total, images);
}

void tst_AlbumBuild::goldenPages()
{
    Album album;
    const QSize sizes[7] = {{640, 480}, {480, 640}, {100, 80}, {640, 480}, {1600, 100}, {480, 640}, {640, 480}};
    const QDateTime taken(QDate(2024, 5, 3), QTime(14, 7, 9), Qt::UTC);
    for (int i = 0; i < 7; ++i) {
        const QString path = album.path(QStringLiteral("IMG_%1.JPG").arg(i + 1));
        QVERIFY(Fixture::makeJpeg(path, sizes[i].width(), sizes[i].height()));
        QFile file(path);
        QVERIFY(file.resize(4096 + i)); // sizes that do not depend on the encoder
        setModified(path, i == 6 ? QDateTime(QDate(2024, 5, 4), QTime(0, 0), Qt::UTC) : taken.addSecs(i));
    }
    album.design.title = QStringLiteral("夏の旅 & 海");
    album.options.linksOpenNewWindow = true;

    album.build();
    for (int page : {1, 2}) {
        const QString golden = QStringLiteral(VELMO_ALBUM_GOLDEN_DIR "/seven_") + PageFormat::pageFileName(page);
        if (qEnvironmentVariableIsSet("VELMO_WRITE_GOLDEN"))
            Fixture::writeFile(golden, album.page(page));
        QCOMPARE(album.page(page), Fixture::readFile(golden));
    }
}

void tst_AlbumBuild::folderWithoutImages()
{
    Album album;
    album.options.askBeforeDeletingOldPages = true;
    QVERIFY(Fixture::writeFile(album.path("Album001.html"), "old"));
    QVERIFY(Fixture::writeFile(album.path("notes.txt"), "x"));

    const AlbumBuildResult result = album.build();
    QCOMPARE(result.imageCount, 0);
    QCOMPARE(result.pageCount, 0);
    QCOMPARE(album.page(1), QByteArray("old"));
    QVERIFY(album.view.questions.isEmpty());
    QCOMPARE(album.view.status(), AlbumText::prepareEnd());
    QCOMPARE(album.view.clears, 1);
}

void tst_AlbumBuild::oldPages_data()
{
    QTest::addColumn<bool>("ask");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("pagesAfter");

    const QStringList two = {"Album001.html", "Album002.html"};
    QTest::newRow("No keeps higher pages")
        << true << false << (two + QStringList{"Album003.html", "Album004.html", "Album005.html", "album006.HTML"});
    QTest::newRow("Yes deletes them") << true << true << two;
    QTest::newRow("not asked: deleted") << false << false << two;
}

void tst_AlbumBuild::oldPages()
{
    QFETCH(bool, ask);
    QFETCH(bool, answer);
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 30));
    album.build();
    QCOMPARE(album.pages().size(), 5);
    QVERIFY(Fixture::writeFile(album.path("album006.HTML"), "older"));
    for (int i = 11; i <= 30; ++i)
        QVERIFY(QFile::remove(album.path(QStringLiteral("%1.jpg").arg(i))));

    album.options.askBeforeDeletingOldPages = ask;
    album.view.answers.enqueue(answer);
    album.build();
    QCOMPARE(album.view.questions, ask ? QStringList{AlbumText::deleteOldPages()} : QStringList());
    QTEST(QDir(album.folder).entryList({"*.html", "*.HTML"}, QDir::Files, QDir::Name), "pagesAfter");
    QVERIFY(!album.page(2).contains("NEXT"));
}

void tst_AlbumBuild::manyImagesAreAllPlaced()
{
    Album album;
    for (int i = 1; i <= 1500; ++i)
        QVERIFY(Fixture::writeFile(album.path(QStringLiteral("p%1.jpg").arg(i, 4, 10, QLatin1Char('0'))), smallJpeg()));

    const AlbumBuildResult result = album.build();
    QCOMPARE(result.imageCount, 1500);
    QCOMPARE(result.pageCount, 250);
    QCOMPARE(album.pages().size(), 250);
    QByteArray all;
    for (int page = 1; page <= 250; ++page)
        all += album.page(page);
    for (int i = 1; i <= 1500; ++i)
        QCOMPARE(all.count(HtmlText::startMarker(QStringLiteral("p%1.jpg").arg(i, 4, 10, QLatin1Char('0'))).toUtf8()),
                 1);
    QVERIFY(album.page(250).contains("Pages 250/250<BR>"));
    QCOMPARE(QFile::permissions(album.path("Album001.html")) & QFile::ReadOther, QFile::ReadOther);
    QCOMPARE(album.view.status(), AlbumText::pagesWritten(1500, 250));
}

void tst_AlbumBuild::commentsSurviveARebuild()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 7, QStringLiteral("b%1.jpg")));
    album.build();

    const QByteArray japanese = "海辺で撮影。\r\n夕方の光";
    const QByteArray markup = "<script>alert(\"x\")</script> 'quoted'";
    const QByteArray older = "古いページの説明";
    QVERIFY(Fixture::writeFile(album.path("Album001.html"),
                               withComment(withComment(album.page(1), "b01.jpg", japanese), "b02.jpg", markup)));
    QVERIFY(Fixture::writeFile(album.path("Album001.html"), withComment(album.page(1), "b03.jpg", "gone")));
    // Marker text of another image never becomes a marker.
    QVERIFY(Fixture::writeFile(album.path("Album001.html"), withComment(album.page(1), "b05.jpg", "see <!Sb06.jpg>")));
    // Bytes that are no text in the page's encoding are carried as they stand.
    const QByteArray latin1 = "caf\xe9 \xff";
    QVERIFY(Fixture::writeFile(album.path("Album001.html"), withComment(album.page(1), "b04.jpg", latin1)));
    // A page left by an older build, in Shift_JIS under its old declaration.
    const QByteArray page2 =
        withComment(album.page(2), "b07.jpg", older).replace("charset=UTF-8", "charset=iso-2022-jp");
    QStringEncoder shiftJis("Shift_JIS");
    QVERIFY(Fixture::writeFile(album.path("Album002.html"), shiftJis(QString::fromUtf8(page2))));
    QVERIFY(!shiftJis.hasError());

    // New images sort first and push every old one to a later slot.
    QVERIFY(Fixture::addImages(album.folder, 5, QStringLiteral("a%1.jpg")));
    QVERIFY(QFile::remove(album.path("b03.jpg")));
    const AlbumBuildResult result = album.build();

    QCOMPARE(result.carriedComments, 5);
    QByteArray all = album.page(1) + album.page(2);
    for (const auto &[image, comment] : {std::pair{"b01.jpg", japanese},
                                         {"b02.jpg", markup},
                                         {"b07.jpg", older},
                                         {"b04.jpg", latin1},
                                         {"b05.jpg", QByteArray("see &lt;!Sb06.jpg>")}}) {
        const QByteArray block = HtmlText::startMarker(image).toUtf8() + comment + HtmlText::endMarker(image).toUtf8();
        QCOMPARE(all.count(block), 1);
    }
    QVERIFY(!all.contains("gone"));
    QVERIFY(album.page(2).contains(HtmlText::startMarker("b07.jpg").toUtf8() + older));
}

// Shot dates and the photos' own captions, when asked for: a comment already
// in the page wins, and a photo that says nothing keeps its file's time.
void tst_AlbumBuild::photosSayWhenAndWhat()
{
    Album album;
    QVERIFY(Fixture::makeTaggedJpeg(album.path("a.jpg"), {{"Exif.Photo.DateTimeOriginal", "2019:05:04 10:11:12"},
                                                          {"Xmp.dc.description", "lang=x-default Sun <!Sb.jpg> & sea"},
                                                          {"Exif.GPSInfo.GPSLatitude", "35/1 40/1 0/1"}}));
    QVERIFY(Fixture::makeTaggedJpeg(album.path("b.jpg"), {{"Iptc.Application2.Caption", "Harbour"}}));
    QVERIFY(Fixture::makeTaggedJpeg(album.path("c.jpg"), {{"Exif.Image.ImageDescription", "OLYMPUS DIGITAL CAMERA"}}));
    const QDateTime fileTime(QDate(2024, 1, 2), QTime(3, 4, 5));
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"}) {
        QFile file(album.path(name));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(fileTime, QFile::FileModificationTime));
    }
    const auto block = [](const char *image, const QByteArray &comment) {
        return HtmlText::startMarker(image).toUtf8() + comment + HtmlText::endMarker(image).toUtf8();
    };
    const QByteArray fileDate = "<i>Date<br>2024/01/02 3:04:05<br></i>";

    // Options off: file times, empty comments; the location is told once.
    QCOMPARE(album.build().photosWithLocation, 1);
    QCOMPARE(album.page(1).count(fileDate), 3);
    QCOMPARE(album.page(1).count(block("b.jpg", {})), 1);
    QCOMPARE(album.view.warnings, QStringList{AlbumText::photosWithLocation(1)});

    QVERIFY(Fixture::writeFile(album.path("Album001.html"), withComment(album.page(1), "b.jpg", "mine")));
    album.options.shotDates = album.options.captionsFromPhotos = true;
    album.build();
    const QByteArray page = album.page(1);
    QVERIFY(page.contains("<i>Date<br>2019/05/04 10:11:12<br></i>"));
    QCOMPARE(page.count(fileDate), 2);
    QCOMPARE(page.count(block("a.jpg", "Sun &lt;!Sb.jpg&gt; &amp; sea")), 1);
    QCOMPARE(page.count(block("b.jpg", "mine")), 1);
    QCOMPARE(page.count(block("c.jpg", {})), 1);
}

// Classic, modern, classic again: every comment stands once in each set of
// pages, byte for byte, and the classic pages come back exactly as they were.
void tst_AlbumBuild::styleSwitchCarriesEveryComment()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 7, QStringLiteral("b%1.jpg")));
    QVERIFY(Fixture::addImages(album.folder, 1, QStringLiteral("R&D \"%1\".jpg")));
    album.build();
    const QList<std::pair<QString, QByteArray>> comments = {
        {"b01.jpg", "海辺で撮影。\r\n<b>夕方</b>の光"},
        {"b04.jpg", "caf\xe9"}, // ends inside a UTF-8 character
        {"b07.jpg", "see &lt;!Sb01.jpg>"},
        {"R&D \"01\".jpg", "R&amp;D"},
    };
    for (int page : {1, 2}) {
        QByteArray bytes = album.page(page);
        for (const auto &[image, comment] : comments)
            bytes = withComment(bytes, image, comment);
        QVERIFY(Fixture::writeFile(album.path(PageFormat::pageFileName(page)), bytes));
    }
    const QByteArray classic = album.page(1) + album.page(2);

    for (const PageStyle style : {PageStyle::Modern, PageStyle::Classic}) {
        album.design.pageStyle = style;
        QCOMPARE(album.build().carriedComments, 4);
        const QByteArray all = album.page(1) + album.page(2);
        QCOMPARE(all.startsWith("<!DOCTYPE html>"), style == PageStyle::Modern);
        for (const auto &[image, comment] : comments) {
            const QByteArray block =
                HtmlText::startMarker(image).toUtf8() + comment + HtmlText::endMarker(image).toUtf8();
            QCOMPARE(all.count(block), 1);
            QCOMPARE(all.count(HtmlText::startMarker(image).toUtf8()), 1);
        }
    }
    QCOMPARE(album.page(1) + album.page(2), classic);
}

void tst_AlbumBuild::badFilesDoNotStopTheBuild()
{
    Album album;
    QVERIFY(Fixture::makeJpeg(album.path("a_good.jpg"), 480, 640));
    QVERIFY(Fixture::writeFile(album.path("b_empty.jpg"), {}));
    QVERIFY(Fixture::writeFile(album.path("c_text.jpg"), "hello"));
    const QByteArray whole = Fixture::readFile(album.path("a_good.jpg"));
    QVERIFY(Fixture::writeFile(album.path("d_cut.jpg"), whole.left(12)));
    QVERIFY(Fixture::writeFile(album.path("e_corrupt.jpg"), QByteArray(300, '\xff')));
    QVERIFY(Fixture::writeFile(album.path("f_huge.jpg"), PictureBytes::withClaimedSize(smallJpeg(), 65500, 65500)));
    QVERIFY(QDir(album.folder).mkdir("x.jpg"));
    QCOMPARE(mkfifo(QFile::encodeName(album.path("pipe.jpg")).constData(), 0644), 0);
    album.options.rowWidth = 1;

    const AlbumBuildResult result = album.build();
    QCOMPARE(result.imageCount, 6);
    QCOMPARE(result.pageCount, 1);
    const QByteArray page = album.page(1);
    // The unreadable pictures take the size measured before them.
    QCOMPARE(page.count("height=\"100\" Width = \"75\""), 5);
    QCOMPARE(page.count("height=\"100\" Width = \"100\""), 1);
    QVERIFY(page.contains("<i>Size<br> 0 <br></i>"));
}

void tst_AlbumBuild::fixedSizeWithoutAdjust()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 3));
    album.options.sizeThumbnailsByBox = false;
    album.options.rowWidth = 3;
    album.build();
    QCOMPARE(album.page(1).count("height=\"100\" Width = \"135\""), 3);
}

// A reduction that writes the thumbnail, except for names with "broken".
static int fakeReduce(const char *source, const char *destination, int, const char *)
{
    if (QByteArray(source).contains("broken"))
        return 4;
    return QFile::copy(QFile::decodeName(source), QFile::decodeName(destination)) ? 0 : 7;
}

void tst_AlbumBuild::thumbnailModeFallsBackToFullImage()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 1, QStringLiteral("fine%1.jpg")));
    QVERIFY(Fixture::addImages(album.folder, 1, QStringLiteral("broken%1.jpg")));
    QVERIFY(Fixture::writeFile(album.home.folder("prefix/lib/velmo") + "/RdctJPEG.so", "present"));

    const AlbumBuildResult result =
        buildAlbum(album.options, album.design, album.view, album.clock, [] { return &fakeReduce; });
    QVERIFY(result.thumbnailMode);
    const QByteArray page = album.page(1);
    QVERIFY(page.contains("<IMG src=\"s_fine01.jpg\""));
    QVERIFY(page.contains("<IMG src=\"broken01.jpg\""));
}

void tst_AlbumBuild::libraryNameIsCaseExact()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 1));
    QVERIFY(Fixture::writeFile(album.home.folder("prefix/lib/velmo") + "/rdctjpeg.so", "present"));
    QVERIFY(!album.build().thumbnailMode);
    QVERIFY(album.page(1).contains("<IMG src=\"01.jpg\""));
}

QTEST_GUILESS_MAIN(tst_AlbumBuild)
#include "tst_albumbuild.moc"
