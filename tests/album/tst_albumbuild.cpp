// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumbuild.h"
#include "album/albumpage.h"
#include "album/albumtexts.h"
#include "album/htmltext.h"
#include "album/pagesetwriter.h"
#include "picturebytes.h"
#include "platform/fakes.h"
#include "platform/folderlock.h"
#include "recordingview.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <utime.h>

#include <csignal>
#include <ctime>

namespace {

// One temporary home with a photo folder, its store and a window.
struct Album
{
    TestHome home;
    QString folder = home.folder();
    SettingsStore store{home.configFile()};
    RecordingView view;
    FakeClock clock;
    AlbumControls controls{folder};
    DesignValues design;

    AlbumBuildResult build()
    {
        return buildAlbum(controls, store, view, clock, [this] { return design; });
    }
    QString path(const QString &name) const { return folder + '/' + name; }
    QByteArray page(int number) const { return Fixture::readFile(path(AlbumPage::fileName(number))); }
    QStringList pages() const { return QDir(folder).entryList({"Album*.html"}, QDir::Files, QDir::Name); }
};

// A small JPEG, written once and copied: making 1,500 of them stays quick.
const QByteArray &smallJpeg()
{
    static const QByteArray bytes = [] {
        TestHome home;
        const QString path = home.folder() + "/small.jpg";
        Fixture::makeJpeg(path, 8, 8);
        return Fixture::readFile(path);
    }();
    return bytes;
}

void addImages(const QString &folder, int count, const QString &pattern = QStringLiteral("%1.jpg"))
{
    for (int i = 1; i <= count; ++i)
        Fixture::writeFile(folder + '/' + pattern.arg(i, 2, 10, QLatin1Char('0')), smallJpeg());
}

// The image names of every page, rows split by "|", pages by "/":
// "01 02|03/04" for a page of two rows and a page of one.
QString layoutOf(const Album &album)
{
    static const QRegularExpression marker(QStringLiteral("<!S([^>]*)\\.jpg>"));
    const QByteArray rowSeparator = "<!" + QByteArray(49, '-') + ">\r\n";
    QStringList pages;
    for (const QString &name : album.pages()) {
        QStringList rows;
        const QString page = QString::fromUtf8(Fixture::readFile(album.path(name)));
        for (const QString &row : page.split(QString::fromUtf8(rowSeparator)).mid(1)) {
            QStringList names;
            for (const QRegularExpressionMatch &match : marker.globalMatch(row))
                names.append(match.captured(1));
            rows.append(names.join(' '));
        }
        pages.append(rows.join('|'));
    }
    return pages.join('/');
}

// What the comment tool leaves: the comment between the markers of the image.
QByteArray withComment(const QByteArray &page, const QString &image, const QByteArray &comment)
{
    const QByteArray start = HtmlText::startMarker(image).toUtf8();
    const qsizetype at = page.indexOf(start);
    return at < 0 ? page : QByteArray(page).insert(at + start.size(), comment);
}

QStringList hiddenFiles(const Album &album)
{
    return QDir(album.folder).entryList({".*"}, QDir::Hidden | QDir::Files | QDir::System, QDir::Name);
}

// Every album page of the folder with its bytes.
QMap<QString, QByteArray> pageSet(const Album &album)
{
    QMap<QString, QByteArray> pages;
    for (const QString &name : album.pages())
        pages.insert(name, Fixture::readFile(album.path(name)));
    return pages;
}

void setModified(const QString &path, const QDateTime &time)
{
    const utimbuf times{time_t(time.toSecsSinceEpoch()), time_t(time.toSecsSinceEpoch())};
    utime(QFile::encodeName(path).constData(), &times);
}

} // namespace

class tst_AlbumBuild : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void goldenPages();
    void folderWithoutImages();
    void oldPages_data();
    void oldPages();
    void manyImagesAreAllPlaced();
    void commentsSurviveARebuild();
    void unwritablePageKeepsOldSet();
    void stoppedAtAnyStepLosesNothing();
    void staleTemporariesAreRemoved();
    void unfinishedSetStopsTheBuild();
    void secondBuildWaitsForTheFirst();
    void fullDiskKeepsOldPages();
    void badFilesDoNotStopTheBuild();
    void fixedSizeWithoutAdjust();
    void thumbnailModeFallsBackToFullImage();
    void libraryNameIsCaseExact();
};

void tst_AlbumBuild::initTestCase()
{
    // Page dates are local time; the golden pages are in UTC.
    qputenv("TZ", "UTC");
    tzset();
    // New pages take the mode of any new file under this mask.
    ::umask(022);
}

void tst_AlbumBuild::layout_data()
{
    QTest::addColumn<int>("images");
    QTest::addColumn<QString>("albumLine");
    QTest::addColumn<QString>("photoPiece");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("pageCount");

    QTest::newRow("7 by 2, 6 a page") << 7 << "2"
                                      << "6"
                                      << "01 02|03 04|05 06/07" << 2;
    QTest::newRow("exactly 6") << 6 << "2"
                               << "6"
                               << "01 02|03 04|05 06" << 1;
    QTest::newRow("5 by 2, 5 a page: full before slot 2") << 5 << "2"
                                                          << "5"
                                                          << "01 02|03 04|05" << 1;
    QTest::newRow("row width 3 with 4") << 4 << "3"
                                        << "6"
                                        << "01 02 03|04" << 1;
    QTest::newRow("row of 3 cut by a full page") << 5 << "3"
                                                 << "4"
                                                 << "01 02 03|04/05" << 2;
    QTest::newRow("PhotoPiece 0: no limit") << 7 << "2"
                                            << "0"
                                            << "01 02|03 04|05 06|07" << 1;
    QTest::newRow("negative PhotoPiece: no limit") << 3 << "2"
                                                   << "-2"
                                                   << "01 02|03" << 1;
    QTest::newRow("PhotoPiece not a number keeps 6") << 7 << "3"
                                                     << "many"
                                                     << "01 02 03|04 05 06/07" << 2;
    QTest::newRow("row width 5 acts as 1") << 3 << "5"
                                           << "6"
                                           << "01|02|03" << 1;
    QTest::newRow("row width not a number acts as 1") << 2 << "two"
                                                      << "6"
                                                      << "01|02" << 1;
}

void tst_AlbumBuild::layout()
{
    QFETCH(int, images);
    QFETCH(QString, albumLine);
    QFETCH(QString, photoPiece);
    QFETCH(int, pageCount);
    Album album;
    addImages(album.folder, images);
    album.store.write(Keys::AlbumLine, albumLine);
    album.store.write(Keys::PhotoPiece, photoPiece);

    const AlbumBuildResult result = album.build();
    QTEST(layoutOf(album), "expected");
    QCOMPARE(result.pageCount, pageCount);
    QCOMPARE(album.view.status(), AlbumText::pagesWritten(images, pageCount));
    QCOMPARE(album.controls.TXTAlbumLine, albumLine);
    QVERIFY(album.view.albumFilter);
    QVERIFY(!album.view.progressVisible);
    QVERIFY(!album.view.busy);
    QVERIFY(qAbs(album.view.width - 8000) < 0.01);
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
    album.design.TXTAlbumTitle = QStringLiteral("夏の旅 & 海");
    album.controls.CheckTARGET = true;

    album.build();
    for (int page : {1, 2}) {
        const QString golden = QStringLiteral(VELMO_ALBUM_GOLDEN_DIR "/seven_") + AlbumPage::fileName(page);
        if (qEnvironmentVariableIsSet("VELMO_WRITE_GOLDEN"))
            Fixture::writeFile(golden, album.page(page));
        QCOMPARE(album.page(page), Fixture::readFile(golden));
    }
}

void tst_AlbumBuild::folderWithoutImages()
{
    Album album;
    album.controls.CheckWarningHtml = true;
    QVERIFY(Fixture::writeFile(album.path("Album001.html"), "old"));
    QVERIFY(Fixture::writeFile(album.path("notes.txt"), "x"));

    const AlbumBuildResult result = album.build();
    QCOMPARE(result.imageCount, 0);
    QCOMPARE(result.pageCount, 0);
    QCOMPARE(album.page(1), QByteArray("old"));
    QVERIFY(album.view.questions.isEmpty());
    QVERIFY(!album.view.albumFilter);
    QCOMPARE(album.view.status(), AlbumText::PrepareEnd);
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
    addImages(album.folder, 30);
    album.build();
    QCOMPARE(album.pages().size(), 5);
    QVERIFY(Fixture::writeFile(album.path("album006.HTML"), "older"));
    for (int i = 11; i <= 30; ++i)
        QVERIFY(QFile::remove(album.path(QStringLiteral("%1.jpg").arg(i))));

    album.controls.CheckWarningHtml = ask;
    album.view.answers.enqueue(answer);
    album.build();
    QCOMPARE(album.view.questions, ask ? QStringList{AlbumText::DeleteOldPages} : QStringList());
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
    addImages(album.folder, 7, QStringLiteral("b%1.jpg"));
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
    addImages(album.folder, 5, QStringLiteral("a%1.jpg"));
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

void tst_AlbumBuild::unwritablePageKeepsOldSet()
{
    Album album;
    addImages(album.folder, 7);
    album.build();
    const QByteArray commented = withComment(album.page(1), "01.jpg", "old comment");
    QVERIFY(Fixture::writeFile(album.path("Album001.html"), commented));
    addImages(album.folder, 13);
    QVERIFY(QDir(album.folder).mkdir("Album003.html"));

    const AlbumBuildResult result = album.build();
    QCOMPARE(result.unwrittenPages, QStringList{"Album003.html"});
    QCOMPARE(result.pageCount, 3);
    QCOMPARE(album.view.status(), AlbumText::pagesNotWritten({"Album003.html"}));
    // Not one new page is put in place, and nothing is left behind.
    QCOMPARE(album.page(1), commented);
    QVERIFY(album.page(2).contains("Pages 002/002"));
    QCOMPARE(hiddenFiles(album), QStringList());
}

// Files of this process cannot grow beyond limit bytes while it lives, as on
// a nearly full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit limited{limit, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
};

void tst_AlbumBuild::fullDiskKeepsOldPages()
{
    Album album;
    addImages(album.folder, 13);
    album.build();
    const QByteArray commented = withComment(album.page(3), "13.jpg", "灯台の夜明け");
    QVERIFY(Fixture::writeFile(album.path("Album003.html"), commented));
    for (int i = 1; i <= 6; ++i)
        QVERIFY(QFile::remove(album.path(QStringLiteral("%1.jpg").arg(i, 2, 10, QLatin1Char('0')))));

    AlbumBuildResult result;
    {
        const FileSizeLimit nearlyFull(512);
        result = album.build();
    }
    QCOMPARE(result.unwrittenPages, (QStringList{"Album001.html", "Album002.html"}));
    QCOMPARE(album.view.status(), AlbumText::pagesNotWritten(result.unwrittenPages));
    QCOMPARE(album.pages().size(), 3);
    QCOMPARE(album.page(3), commented);

    // Once there is room again, the rebuild carries the comment on.
    QCOMPARE(album.build().carriedComments, 1);
    QCOMPARE(album.pages(), (QStringList{"Album001.html", "Album002.html"}));
    QVERIFY(album.page(2).contains(HtmlText::startMarker("13.jpg").toUtf8() + "灯台の夜明け"));
}

// A build stopped at any call that changes the disk, as by a kill, leaves a
// folder that the next build's recovery (itself stopped at any step, and run
// again) turns back into exactly the old set or exactly the new one; the
// build after that writes the new set with every comment.
void tst_AlbumBuild::stoppedAtAnyStepLosesNothing()
{
    const auto addPhotos = [](Album &album) {
        addImages(album.folder, 5);
        for (int i = 1; i <= 5; ++i)
            setModified(album.path(QStringLiteral("%1.jpg").arg(i, 2, 10, QLatin1Char('0'))),
                        QDateTime(QDate(2024, 5, 3), QTime(9, 0), Qt::UTC));
    };
    // Two pages with a comment each and a stray old page; the new layout
    // replaces both pages, adds a third and removes the stray one.
    Album reference;
    addPhotos(reference);
    reference.store.write(Keys::PhotoPiece, "3");
    reference.build();
    QVERIFY(Fixture::writeFile(reference.path("Album001.html"), withComment(reference.page(1), "01.jpg", "朝の港")));
    QVERIFY(Fixture::writeFile(reference.path("Album002.html"), withComment(reference.page(2), "04.jpg", "夕立")));
    QVERIFY(Fixture::writeFile(reference.path("album009.html"), "an old page"));
    const QMap<QString, QByteArray> oldSet = pageSet(reference);
    reference.store.write(Keys::PhotoPiece, "2");
    QCOMPARE(reference.build().carriedComments, 2);
    const QMap<QString, QByteArray> newSet = pageSet(reference);
    QCOMPARE(newSet.keys(), (QStringList{"Album001.html", "Album002.html", "Album003.html"}));

    // The page set stops at its call number `at` (from 0); never at -1.
    struct
    {
        int at = -1;
        int calls = 0;
    } stopper;
    PageSetWriter::setStopHook([&stopper] { return stopper.calls++ == stopper.at; });
    const auto removeHook = qScopeGuard([] { PageSetWriter::setStopHook({}); });
    QSet<bool> outcomes; // true: the new set stood after recovery
    for (int stop = 0;; ++stop) {
        Album album;
        addPhotos(album);
        for (auto page = oldSet.cbegin(); page != oldSet.cend(); ++page)
            QVERIFY(Fixture::writeFile(album.path(page.key()), page.value()));
        album.store.write(Keys::PhotoPiece, "2");
        stopper = {stop, 0};
        album.build();
        const bool stopped = stopper.calls > stop;
        // Recovery, stopped at each of its steps in turn until one runs through.
        for (int at = 0; stopper = {at, 0}, !PageSetWriter::recover(album.folder); ++at)
            QVERIFY(at < 100);
        stopper = {};
        const QMap<QString, QByteArray> recovered = pageSet(album);
        QVERIFY2(recovered == oldSet || recovered == newSet, qPrintable(QStringLiteral("stopped at %1").arg(stop)));
        outcomes.insert(recovered == newSet);
        QCOMPARE(hiddenFiles(album), QStringList());
        album.build();
        QCOMPARE(pageSet(album), newSet);
        if (!stopped)
            break;
    }
    QCOMPARE(outcomes.size(), 2);
}

void tst_AlbumBuild::staleTemporariesAreRemoved()
{
    Album album;
    addImages(album.folder, 1);
    const QStringList stale = {
        ".Album001.html.aB3xY9", ".Album1000.html.000000", ".s_01.jpg.k2j4h5g6", ".s_IMG 2.JPEG.abcdefgh",
        ".velmo-thumb-Zz9Yy8",   ".velmo-page-Qq1Ww2",     ".velmo-pages"};
    QStringList kept = {".hidden", ".s_notes.txt.abcdefgh", ".Album001.html", ".velmo-pages.txt",
                        ".velmo-page-toolong"};
    for (const QString &name : stale + kept)
        QVERIFY(Fixture::writeFile(album.path(name), "not a page"));
    QVERIFY(QDir(album.folder).mkdir(".velmo-page-Folder"));

    album.build();
    QStringList left = hiddenFiles(album);
    left.sort();
    kept.sort();
    QCOMPARE(left, kept);
    QVERIFY(QFileInfo(album.path(".velmo-page-Folder")).isDir());
}

// A decided set that cannot be finished (its page name is taken by a folder)
// stops the build from writing; once the way is clear, the next build
// finishes it and carries its comment on.
void tst_AlbumBuild::unfinishedSetStopsTheBuild()
{
    Album album;
    addImages(album.folder, 1);
    album.build();
    QVERIFY(Fixture::writeFile(album.path(".velmo-page-Abc123"), withComment(album.page(1), "01.jpg", "kept")));
    QVERIFY(Fixture::writeFile(album.path(".velmo-pages"),
                               "velmo page set 1\nput .velmo-page-Abc123 Album002.html\nremove Album001.html\nend\n"));
    QVERIFY(QDir(album.folder).mkdir("Album002.html"));

    QCOMPARE(album.build().unwrittenPages, QStringList{"Album001.html"});
    QCOMPARE(hiddenFiles(album), (QStringList{".velmo-page-Abc123", ".velmo-pages"}));

    QVERIFY(QDir(album.folder).rmdir("Album002.html"));
    QCOMPARE(album.build().carriedComments, 1);
    QCOMPARE(album.pages(), QStringList{"Album001.html"});
    QVERIFY(album.page(1).contains(HtmlText::startMarker("01.jpg").toUtf8() + "kept"));
    QCOMPARE(hiddenFiles(album), QStringList());
}

// Holds the folder as another build would, and lets go once the build says
// that it waits.
class WaitingView : public RecordingView
{
public:
    explicit WaitingView(FolderLock &other)
        : m_other(other)
    {}
    void showWaiting(const QString &text) override
    {
        RecordingView::showWaiting(text);
        m_other.unlock();
    }

private:
    FolderLock &m_other;
};

void tst_AlbumBuild::secondBuildWaitsForTheFirst()
{
    Album album;
    addImages(album.folder, 1);
    FolderLock first(album.folder);
    QVERIFY(first.tryLock());
    WaitingView view(first);

    buildAlbum(album.controls, album.store, view, album.clock, [&album] { return album.design; });
    QCOMPARE(view.waits, QStringList{AlbumText::WaitingForFolder});
    QCOMPARE(view.status(), AlbumText::pagesWritten(1, 1));
    QVERIFY(first.tryLock()); // the build let go of the folder at its end
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
    album.store.write(Keys::AlbumLine, "1");

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
    addImages(album.folder, 3);
    album.controls.Check5 = false;
    album.store.write(Keys::AlbumLine, "3");
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
    addImages(album.folder, 1, QStringLiteral("fine%1.jpg"));
    addImages(album.folder, 1, QStringLiteral("broken%1.jpg"));
    QVERIFY(Fixture::writeFile(album.home.folder("prefix/lib/velmo") + "/RdctJPEG.so", "present"));

    const AlbumBuildResult result = buildAlbum(
        album.controls, album.store, album.view, album.clock, [&album] { return album.design; },
        [] { return &fakeReduce; });
    QVERIFY(result.thumbnailMode);
    const QByteArray page = album.page(1);
    QVERIFY(page.contains("<IMG src=\"s_fine01.jpg\""));
    QVERIFY(page.contains("<IMG src=\"broken01.jpg\""));
}

void tst_AlbumBuild::libraryNameIsCaseExact()
{
    Album album;
    addImages(album.folder, 1);
    QVERIFY(Fixture::writeFile(album.home.folder("prefix/lib/velmo") + "/rdctjpeg.so", "present"));
    QVERIFY(!album.build().thumbnailMode);
    QVERIFY(album.page(1).contains("<IMG src=\"01.jpg\""));
}

QTEST_GUILESS_MAIN(tst_AlbumBuild)
#include "tst_albumbuild.moc"
