// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumtexts.h"
#include "album/htmltext.h"
#include "design/designvalues.h"
#include "phototags.h"
#include "platform/folderlock.h"
#include "platform/settingsfile.h"
#include "settings/settingsstore.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <signal.h>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built velmo-album in the test's home; stdin is not a terminal.
Run velmoAlbum(const QStringList &arguments, const QString &workingFolder = {})
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(qEnvironmentVariable("VELMO_TEST_BIN") + QStringLiteral("/velmo-album"), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Photos p01.jpg, p02.jpg, ... of 64 × 48 pixels.
bool addImages(const QString &folder, int count)
{
    return Fixture::addImages(folder, count, QStringLiteral("p%1.jpg"), QSize(64, 48));
}

} // namespace

class tst_VelmoAlbum : public QObject
{
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void version();
    void buildsRelativeFolder();
    void oldPages_data();
    void oldPages();
    void unwrittenPageFails();
    void killedAndConcurrentRunsLoseNoComment();
    void interruptStopsAtASafePoint_data();
    void interruptStopsAtASafePoint();
    void noAdjustAndComments();
    void photoDatesAndCaptions();
    void slidePage_data();
    void slidePage();
    void styleForOneRun();
    void thumbnailOutcome();
    void hostileFolderTouchesNothingOutside();
    void storedSettingsAreReadNeverWritten_data();
    void storedSettingsAreReadNeverWritten();
};

void tst_VelmoAlbum::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing folder") << QStringList{"no-such-folder"} << 1 << "no such folder";
    QTest::newRow("a file, not a folder") << QStringList{"photos/p01.jpg"} << 1 << "not a folder: ";
    QTest::newRow("no pictures") << QStringList{"."} << 1 << "no JPEG pictures in ";
    QTest::newRow("bad option") << QStringList{"--bogus", "photos"} << 2 << "bogus";
    QTest::newRow("no folder") << QStringList{} << 2 << "FOLDER";
    QTest::newRow("two folders") << QStringList{"photos", "photos"} << 2 << "FOLDER";
    QTest::newRow("yes and keep") << QStringList{"--yes", "--keep", "photos"} << 2 << "--keep";
    QTest::newRow("unknown date source") << QStringList{"--date", "today", "photos"} << 2 << "--date";
    QTest::newRow("unknown style") << QStringList{"--style", "fancy", "photos"} << 2 << "--style";
}

void tst_VelmoAlbum::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QFETCH(int, exitCode);
    TestHome home;
    QVERIFY(addImages(home.folder(), 1));
    // English, as stored: the session's Japanese does not count then.
    SettingsStore(home.configFile()).write(Keys::EnglishJapanese, "1");

    const Run run = velmoAlbum(arguments, home.path());
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith("velmo-album: ") && run.err.contains(reason), qPrintable(run.err));
    // A mistake of the command line points to the help.
    QCOMPARE(run.err.contains("Try --help"), exitCode == 2);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(!QFile::exists(home.folder() + "/Album001.html"));
}

void tst_VelmoAlbum::version()
{
    TestHome home;
    const Run run = velmoAlbum({"--version"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString("velmo-album 2.7.0\n"));
}

void tst_VelmoAlbum::buildsRelativeFolder()
{
    TestHome home;
    QVERIFY(addImages(home.folder(), 7));

    const Run run = velmoAlbum({"photos"}, home.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, AlbumText::pagesWritten(7, 2) + '\n');
    QVERIFY(run.err.isEmpty());
    QVERIFY(QFile::exists(home.folder() + "/Album002.html"));
}

// --yes and --keep answer the old-pages question whatever is stored; without
// them a stored "ask" is answered No (no terminal), else the pages go.
void tst_VelmoAlbum::oldPages_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("note");
    QTest::newRow("--keep, ask stored") << QStringList{"--keep"} << "1" << true << QString();
    QTest::newRow("--keep, no ask stored") << QStringList{"--keep"} << "0" << true << QString();
    QTest::newRow("--yes, ask stored") << QStringList{"--yes"} << "1" << false << QString();
    QTest::newRow("--yes, no ask stored") << QStringList{"--yes"} << "0" << false << QString();
    QTest::newRow("ask stored, no terminal") << QStringList{} << "1" << true << "古いアルバムページを残しました";
    QTest::newRow("no ask stored") << QStringList{} << "0" << false << QString();
}

void tst_VelmoAlbum::oldPages()
{
    QFETCH(QStringList, options);
    QFETCH(QString, stored);
    QFETCH(bool, kept);
    QFETCH(QString, note);
    TestHome home;
    QVERIFY(addImages(home.folder(), 2));
    QVERIFY(Fixture::writeFile(home.folder() + "/Album005.html", "old"));
    SettingsStore(home.configFile()).write(Keys::CheckWarningHtml, stored);

    const Run run = velmoAlbum(options + QStringList{home.folder()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QFile::exists(home.folder() + "/Album005.html"), kept);
    QVERIFY(QFile::exists(home.folder() + "/Album001.html"));
    if (note.isEmpty())
        QVERIFY(run.err.isEmpty());
    else
        QVERIFY2(run.err.contains(note), qPrintable(run.err));
}

void tst_VelmoAlbum::unwrittenPageFails()
{
    TestHome home;
    QVERIFY(addImages(home.folder(), 7));
    QVERIFY(QDir(home.folder()).mkdir("Album002.html"));

    const Run run = velmoAlbum({home.folder()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err, "velmo-album: " + AlbumText::pagesNotWritten({"Album002.html"}) + '\n');
    QVERIFY(!QFile::exists(home.folder() + "/Album001.html"));
}

// Real kills at moments the folder shows, then two runs at once: after a
// clean run every comment stands once and no hidden file is left.
void tst_VelmoAlbum::killedAndConcurrentRunsLoseNoComment()
{
    TestHome home;
    const QString folder = home.folder();
    constexpr int Images = 12;
    QVERIFY(addImages(folder, Images));
    QCOMPARE(velmoAlbum({"--yes", folder}).exitCode, 0);
    const auto block = [](int image) {
        const QString name = QStringLiteral("p%1.jpg").arg(image, 2, 10, QLatin1Char('0'));
        return HtmlText::startMarker(name).toUtf8() + "comment " + name.toUtf8() + HtmlText::endMarker(name).toUtf8();
    };
    for (const QString &name : QDir(folder).entryList({"Album*.html"})) {
        QByteArray page = Fixture::readFile(folder + '/' + name);
        for (int image = 1; image <= Images; ++image) {
            const QString marker = QStringLiteral("p%1.jpg").arg(image, 2, 10, QLatin1Char('0'));
            page.replace(HtmlText::startMarker(marker).toUtf8() + HtmlText::endMarker(marker).toUtf8(), block(image));
        }
        QVERIFY(Fixture::writeFile(folder + '/' + name, page));
    }
    const auto hidden = [&folder] { return QDir(folder).entryList({".*"}, QDir::Hidden | QDir::Files | QDir::System); };
    const auto start = [&folder](QProcess &process) {
        process.start(qEnvironmentVariable("VELMO_TEST_BIN") + "/velmo-album", {"--yes", folder});
        return process.waitForStarted();
    };

    SettingsStore store(home.configFile());
    const QStringList triggers = {QString(), ".velmo-page-", ".velmo-pages"};
    for (int run = 0; run < 9; ++run) {
        store.write(Keys::PhotoPiece, QString::number(2 + run % 4));
        QProcess process;
        QVERIFY(start(process));
        const QString trigger = triggers[run % 3];
        const QDeadlineTimer deadline(10000);
        while (!trigger.isEmpty() && !process.waitForFinished(0) && !deadline.hasExpired() &&
               hidden().filter(trigger).isEmpty()) {
        }
        process.kill();
        QVERIFY(process.state() == QProcess::NotRunning || process.waitForFinished(10000));
    }
    QProcess first, second;
    QVERIFY(start(first) && start(second));
    QVERIFY(first.waitForFinished(20000) && second.waitForFinished(20000));
    QCOMPARE(first.exitCode() + second.exitCode(), 0);

    QCOMPARE(velmoAlbum({"--yes", folder}).exitCode, 0);
    QByteArray all;
    for (const QString &name : QDir(folder).entryList({"Album*.html"}))
        all += Fixture::readFile(folder + '/' + name);
    for (int image = 1; image <= Images; ++image)
        QCOMPARE(all.count(block(image)), 1);
    QCOMPARE(hidden(), QStringList());
}

void tst_VelmoAlbum::interruptStopsAtASafePoint_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("whileWaiting"); // else once the pages are being written
    QTest::newRow("Ctrl+C while another writer holds the folder") << SIGINT << true;
    QTest::newRow("SIGTERM while another writer holds the folder") << SIGTERM << true;
    QTest::newRow("SIGHUP in the page phase") << SIGHUP << false;
}

void tst_VelmoAlbum::interruptStopsAtASafePoint()
{
    QFETCH(int, signal);
    QFETCH(bool, whileWaiting);
    TestHome home;
    const QString folder = home.folder();
    QVERIFY(addImages(folder, 40));
    SettingsStore(home.configFile()).write(Keys::PhotoPiece, QStringLiteral("1"));
    QCOMPARE(velmoAlbum({"--yes", folder}).exitCode, 0);
    QVERIFY(Fixture::writeFile(folder + "/Album001.html", "<!Sp01.jpg>朝<!Ep01.jpg>"));
    SettingsStore(home.configFile()).write(Keys::PhotoPiece, QStringLiteral("2"));
    const auto hidden = [&folder] { return QDir(folder).entryList({".*"}, QDir::Hidden | QDir::Files | QDir::System); };

    FolderLock otherWriter(folder);
    QVERIFY(!whileWaiting || otherWriter.tryLock());
    QProcess process;
    process.start(qEnvironmentVariable("VELMO_TEST_BIN") + "/velmo-album", {"--yes", folder});
    QVERIFY(process.waitForStarted());
    if (whileWaiting) {
        process.setReadChannel(QProcess::StandardError);
        QVERIFY(process.waitForReadyRead(10000));
    } else {
        const QDeadlineTimer deadline(10000);
        while (!process.waitForFinished(0) && !deadline.hasExpired() && hidden().isEmpty()) {
        }
    }
    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(20000));
    otherWriter.unlock();

    // Stopped in time: the earlier set stands; else the new set was already decided.
    const bool stopped = process.exitCode() == 128 + signal;
    QVERIFY(stopped || (!whileWaiting && process.exitCode() == 0));
    if (stopped)
        QVERIFY(process.readAllStandardError().endsWith(("velmo-album: " + AlbumText::interrupted() + "\n").toUtf8()));
    QCOMPARE(hidden(), QStringList());
    QCOMPARE(Fixture::readFile(folder + "/Album001.html").contains("朝"), true);
    QCOMPARE(QFile::exists(folder + "/Album040.html"), stopped);
}

void tst_VelmoAlbum::noAdjustAndComments()
{
    TestHome home;
    QVERIFY(addImages(home.folder(), 1));
    QCOMPARE(velmoAlbum({home.folder()}).exitCode, 0);
    const QString page = home.folder() + "/Album001.html";
    QVERIFY(Fixture::readFile(page).contains("height=\"48\" Width = \"64\""));
    QByteArray bytes = Fixture::readFile(page);
    const QByteArray start = HtmlText::startMarker("p01.jpg").toUtf8();
    QVERIFY(Fixture::writeFile(page, bytes.insert(bytes.indexOf(start) + start.size(), "港の朝")));

    const Run run = velmoAlbum({"--no-adjust", "--yes", home.folder()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.split('\n').value(1), QString("1 件のコメントを引き継ぎました。"));
    QVERIFY(Fixture::readFile(page).contains("height=\"100\" Width = \"135\""));
    QVERIFY(Fixture::readFile(page).contains(start + "港の朝"));
}

// --date and --captions-from-photos for one run; a photo with a location is
// told on stderr.
void tst_VelmoAlbum::photoDatesAndCaptions()
{
    TestHome home;
    QVERIFY(Fixture::makeTaggedJpeg(home.folder() + "/p01.jpg", {{"Exif.Photo.DateTimeOriginal", "2019:05:04 10:11:12"},
                                                                 {"Iptc.Application2.Caption", "Harbour"},
                                                                 {"Exif.GPSInfo.GPSLatitude", "35/1 40/1 0/1"}}));
    const Run run = velmoAlbum({"--date", "shot", "--captions-from-photos", home.folder()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(AlbumText::photosWithLocation(1)), qPrintable(run.err));
    const QByteArray page = Fixture::readFile(home.folder() + "/Album001.html");
    QVERIFY(page.contains("<i>Date<br>2019/05/04 10:11:12<br></i>"));
    QVERIFY(page.contains(HtmlText::startMarker("p01.jpg").toUtf8() + "Harbour<!E"));
}

// With thumbnails made and old ones to be deleted first, the slide page
// after the album keeps the thumbnails the album pages have just taken.
void tst_VelmoAlbum::slidePage_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("album");
    QTest::addColumn<bool>("slide");
    QTest::addColumn<bool>("thumbnails");
    QTest::newRow("album alone") << QStringList{} << true << false << false;
    QTest::newRow("--slide alone") << QStringList{"--slide"} << false << true << false;
    QTest::newRow("--album --slide") << QStringList{"--album", "--slide"} << true << true << false;
    QTest::newRow("--album --slide, thumbnails") << QStringList{"--album", "--slide"} << true << true << true;
}

void tst_VelmoAlbum::slidePage()
{
    QFETCH(QStringList, options);
    QFETCH(bool, thumbnails);
    TestHome home;
    QVERIFY(addImages(home.folder(), 2));
    QVERIFY(Fixture::writeFile(home.folder() + "/Album002.html", "old"));
    if (thumbnails) {
        QVERIFY(QFile::copy(qEnvironmentVariable("VELMO_TEST_BIN") + "/../lib/velmo/RdctJPEG.so",
                            home.folder("prefix/lib/velmo") + "/RdctJPEG.so"));
        SettingsStore(home.configFile()).write(Keys::CheckWarningJPG, "1");
    }

    const Run run = velmoAlbum(options + QStringList{home.folder()});
    QCOMPARE(run.exitCode, 0);
    QTEST(QFile::exists(home.folder() + "/Slide.html"), "slide");
    QTEST(QFile::exists(home.folder() + "/Album001.html"), "album");
    // The old pages go only with an album build.
    QTEST(!QFile::exists(home.folder() + "/Album002.html"), "album");
    QTEST(run.out.contains(AlbumText::pagesWritten(2, 1)), "album");
    QTEST(run.out.contains("Slide.html を作成しました: 2 枚の画像"), "slide");
    QTEST(QFile::exists(home.folder() + "/s_p01.jpg") && QFile::exists(home.folder() + "/s_p02.jpg"), "thumbnails");
}

// --style overrides the stored page style for one run and stores nothing;
// the modern pages speak the stored interface language.
void tst_VelmoAlbum::styleForOneRun()
{
    TestHome home;
    QVERIFY(addImages(home.folder(), 2));
    SettingsStore store(home.configFile());
    store.write(Keys::PageStyle, "modern");
    store.write(Keys::EnglishJapanese, "1");
    const QByteArray settings = Fixture::readFile(home.configFile());
    const auto style = [&home] {
        const QByteArray album = Fixture::readFile(home.folder() + "/Album001.html");
        const QByteArray slide = Fixture::readFile(home.folder() + "/Slide.html");
        if (album.startsWith("<!DOCTYPE html>\r\n<html lang=\"en\">") && slide.startsWith("<!DOCTYPE html>"))
            return QStringLiteral("modern");
        return album.startsWith("<!Velmo Ver2.5") && slide.startsWith("<!Velmo") ? QStringLiteral("classic")
                                                                                 : QStringLiteral("mixed");
    };
    QCOMPARE(velmoAlbum({"--album", "--slide", home.folder()}).exitCode, 0);
    QCOMPARE(style(), QStringLiteral("modern"));
    QCOMPARE(velmoAlbum({"--yes", "--style", "classic", "--album", "--slide", home.folder()}).exitCode, 0);
    QCOMPARE(style(), QStringLiteral("classic"));
    QCOMPARE(Fixture::readFile(home.configFile()), settings);
}

// A folder from elsewhere with a journal aimed outside and pages, slide page
// and thumbnail that are links to files outside: the build replaces the
// links with its own files and changes nothing outside the folder.
void tst_VelmoAlbum::hostileFolderTouchesNothingOutside()
{
    TestHome home;
    const QString folder = home.folder();
    const QString outside = home.folder("outside");
    QVERIFY(addImages(folder, 2));
    QVERIFY(QFile::copy(qEnvironmentVariable("VELMO_TEST_BIN") + "/../lib/velmo/RdctJPEG.so",
                        home.folder("prefix/lib/velmo") + "/RdctJPEG.so"));
    const QMap<QString, QByteArray> outsideFiles = {{"victim", "the user's file"},
                                                    {".bashrc", "export PATH"},
                                                    {"Album001.html", "<!Sp01.jpg>another album<!Ep01.jpg>"},
                                                    {"thumb.jpg", "a picture"}};
    for (auto file = outsideFiles.cbegin(); file != outsideFiles.cend(); ++file)
        QVERIFY(Fixture::writeFile(outside + '/' + file.key(), file.value()));
    QVERIFY(Fixture::writeFile(folder + "/.velmo-pages", "velmo page set 1\nremove ..%2Foutside%2Fvictim\nend\n"));
    const QMap<QString, QString> links = {
        {"Slide.html", ".bashrc"}, {"Album001.html", "Album001.html"}, {"s_p01.jpg", "thumb.jpg"}};
    for (auto link = links.cbegin(); link != links.cend(); ++link)
        QVERIFY(QFile::link(outside + '/' + link.value(), folder + '/' + link.key()));

    const Run run = velmoAlbum({"--yes", "--album", "--slide", folder});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(AlbumText::journalRefused(folder + "/.velmo-pages.refused")), qPrintable(run.err));
    QCOMPARE(QDir(outside).entryList(QDir::Files | QDir::Hidden), QStringList(outsideFiles.keys()));
    for (auto file = outsideFiles.cbegin(); file != outsideFiles.cend(); ++file)
        QCOMPARE(Fixture::readFile(outside + '/' + file.key()), file.value());
    for (const QString &name : links.keys()) {
        const QFileInfo written(folder + '/' + name);
        QVERIFY2(written.isFile() && !written.isSymLink(), qPrintable(name));
    }
}

// Made, up to date and not made are told; a thumbnail not made gives exit 3.
void tst_VelmoAlbum::thumbnailOutcome()
{
    TestHome home;
    const QString folder = home.folder();
    QVERIFY(QFile::copy(RDCTJPEG_BUILT_LIBRARY, home.folder("prefix/lib/velmo") + "/RdctJPEG.so"));
    QVERIFY(addImages(folder, 2));
    QVERIFY(Fixture::writeFile(folder + "/bad.jpg", "not a picture"));
    // Photos modified in the last seconds are never taken as current.
    for (const QString name : {"/p01.jpg", "/p02.jpg"}) {
        QFile photo(folder + name);
        QVERIFY(photo.open(QIODevice::ReadWrite));
        QVERIFY(photo.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    const auto outcome = [](int made, int upToDate, int notMade) {
        return AlbumText::pagesWritten(3, 1) + ' ' + AlbumText::thumbnailOutcome(made, upToDate, notMade) + '\n';
    };
    const QString notMade = "velmo-album: bad.jpg の縮小画像を作れません: JPEG画像ではないか、壊れています\n";

    Run run = velmoAlbum({"--yes", folder});
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.out, outcome(2, 0, 1));
    QCOMPARE(run.err, notMade);
    QVERIFY(Fixture::readFile(folder + "/Album001.html").contains("src=\"bad.jpg\""));

    run = velmoAlbum({"--yes", folder});
    QCOMPARE(run.out, outcome(0, 2, 1));
    QCOMPARE(run.exitCode, 3);

    // Quiet: errors only.
    run = velmoAlbum({"--yes", "--quiet", "--force", folder});
    QCOMPARE(run.exitCode, 3);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err, notMade);

    QVERIFY(QFile::remove(folder + "/bad.jpg"));
    run = velmoAlbum({"--yes", "--force", folder});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, AlbumText::pagesWritten(2, 1) + ' ' + AlbumText::thumbnailOutcome(2, 0, 0) + '\n');
}

void tst_VelmoAlbum::storedSettingsAreReadNeverWritten_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("targetLinks");
    QTest::addColumn<QString>("note");

    // A switch reads as the window reads it: on for 1 only.
    QTest::newRow("CheckTARGET 1") << QByteArray("[MODE]\nCheckTARGET=1\n") << true << QString();
    QTest::newRow("CheckTARGET 2") << QByteArray("[MODE]\nCheckTARGET=2\n") << false << QString();
    QTest::newRow("CheckTARGET -1") << QByteArray("[MODE]\nCheckTARGET=-1\n") << false << QString();
    QTest::newRow("PhotoPiece beyond 16 bits") << QByteArray("[SAVE]\nPhotoPiece=2147483647\n") << false << QString();
    // The design's load would move the width bar; lines QSettings cannot
    // parse would be lost on a rewrite.
    QTest::newRow("design set and odd lines")
        << QByteArray("[SAVE]\nColorMode=1\nIMGWidth=150\nOdd=\"unterminated\n\xe9t\xe9=latin\n") << false << QString();
    QTest::newRow("bad stored size") << QByteArray("[SAVE]\nIMGWidth=150px\n") << false << "size";
    QTest::newRow("file over the size limit")
        << QByteArray("[MODE]\nCheckTARGET=1\nLong=") + QByteArray(SettingsFile::SizeLimit, 'x') << false
        << "set aside";
}

// The settings file's bytes and time stay as they were, whatever it holds.
void tst_VelmoAlbum::storedSettingsAreReadNeverWritten()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, note);
    TestHome home;
    QVERIFY(addImages(home.folder(), 2));
    home.folder("config/Velmo");
    QVERIFY(Fixture::writeFile(home.configFile(), settings));
    QFile file(home.configFile());
    const QDateTime past = QDateTime::currentDateTime().addDays(-1);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(past, QFileDevice::FileModificationTime));
    file.close();

    const Run run = velmoAlbum({"--yes", home.folder()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, AlbumText::pagesWritten(2, 1) + '\n');
    QTEST(Fixture::readFile(home.folder() + "/Album001.html").contains("target="), "targetLinks");
    const QString told = note == QLatin1String("size")
                             ? DesignSize::storedReplaced(DesignSize::Side::Width, "150px", "135")
                             : SettingsText::setAside(home.configFile());
    QCOMPARE(run.err, note.isEmpty() ? QString() : "velmo-album: " + told + '\n');
    QCOMPARE(Fixture::readFile(home.configFile()), settings);
    QCOMPARE(QFileInfo(home.configFile()).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
}

QTEST_GUILESS_MAIN(tst_VelmoAlbum)
#include "tst_velmoalbum.moc"
