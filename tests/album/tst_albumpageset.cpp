// SPDX-License-Identifier: GPL-3.0-or-later
#include "albumfixture.h"

#include "album/pageformat.h"

#include <QDirIterator>

// The page set is replaced all or nothing: failed writes, a full disk, a stop
// at any step, stale temporaries and two builds of one folder.
class tst_AlbumPageSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpBuildTests(); }
    void unwritablePageKeepsOldSet();
    void stoppedAtAnyStepLosesNothing();
    void stopOnRequestAtEverySafePoint();
    void staleTemporariesAreRemoved();
    void unfinishedSetStopsTheBuild();
    void secondBuildWaitsForTheFirst();
    void fullDiskKeepsOldPages();
    void foreignJournalIsSetAside_data();
    void foreignJournalIsSetAside();
};

void tst_AlbumPageSet::unwritablePageKeepsOldSet()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 7));
    album.build();
    const QByteArray commented = withComment(album.page(1), "01.jpg", "old comment");
    QVERIFY(Fixture::writeFile(album.path("Album001.html"), commented));
    QVERIFY(Fixture::addImages(album.folder, 13));
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

void tst_AlbumPageSet::stoppedAtAnyStepLosesNothing()
{
    const auto addPhotos = [](Album &album) {
        QVERIFY(Fixture::addImages(album.folder, 5));
        for (int i = 1; i <= 5; ++i)
            setModified(album.path(QStringLiteral("%1.jpg").arg(i, 2, 10, QLatin1Char('0'))),
                        QDateTime(QDate(2024, 5, 3), QTime(9, 0), Qt::UTC));
    };
    // Two pages with a comment each and a stray old page; the new layout
    // replaces both pages, adds a third and removes the stray one.
    Album reference;
    addPhotos(reference);
    reference.options.photosPerPage = 3;
    reference.build();
    QVERIFY(Fixture::writeFile(reference.path("Album001.html"), withComment(reference.page(1), "01.jpg", "朝の港")));
    QVERIFY(Fixture::writeFile(reference.path("Album002.html"), withComment(reference.page(2), "04.jpg", "夕立")));
    QVERIFY(Fixture::writeFile(reference.path("album009.html"), "an old page"));
    const QMap<QString, QByteArray> oldSet = pageSet(reference);
    reference.options.photosPerPage = 2;
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
        album.options.photosPerPage = 2;
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

// A thumbnail that is a copy of its photo.
static int copyReduce(const char *source, const char *destination, int, const char *)
{
    return QFile::copy(QFile::decodeName(source), QFile::decodeName(destination)) ? 0 : 7;
}

void tst_AlbumPageSet::stopOnRequestAtEverySafePoint()
{
    // Asks the build to stop from its stopAt-th look on (from 0).
    struct StoppingView : RecordingView
    {
        bool stopRequested() const override { return looks++ >= stopAt; }
        int stopAt = 0;
        mutable int looks = 0;
    };
    int stopped = 0;
    for (int stopAt = 0;; ++stopAt) {
        Album album;
        QVERIFY(Fixture::addImages(album.folder, 5));
        QVERIFY(Fixture::writeFile(album.home.folder("prefix/lib/velmo") + "/RdctJPEG.so", "present"));
        album.options.reductionScale = 4;
        album.options.photosPerPage = 3;
        buildAlbum(album.options, album.design, album.view, album.clock, [] { return &copyReduce; });
        QVERIFY(Fixture::writeFile(album.path("Album002.html"), withComment(album.page(2), "04.jpg", "夕立")));
        const QMap<QString, QByteArray> oldSet = pageSet(album);
        QVERIFY(QFile::remove(album.path("s_05.jpg")));

        StoppingView view;
        view.stopAt = stopAt;
        album.options.photosPerPage = 2;
        const AlbumBuildResult result =
            buildAlbum(album.options, album.design, view, album.clock, [] { return &copyReduce; });
        QCOMPARE(hiddenFiles(album), QStringList());
        if (!result.interrupted) {
            QCOMPARE(album.pages().size(), 3);
            break;
        }
        ++stopped;
        QCOMPARE(view.status(), AlbumText::interrupted());
        QCOMPARE(pageSet(album), oldSet);
    }
    // The lock, the thumbnails, the pages and the moment before the set is decided.
    QVERIFY2(stopped >= 6, qPrintable(QString::number(stopped)));
}

void tst_AlbumPageSet::staleTemporariesAreRemoved()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 1));
    const QStringList stale = {".Album001.html.aB3xY9",  ".Album1000.html.000000", ".s_01.jpg.k2j4h5g6",
                               ".s_IMG 2.JPEG.abcdefgh", ".velmo-thumb-Zz9Yy8",    ".velmo-page-Qq1Ww2",
                               "Album001.html.Xy12zw"};
    QStringList kept = {".hidden", ".s_notes.txt.abcdefgh", ".Album001.html", ".velmo-pages.txt",
                        ".velmo-page-toolong"};
    const QStringList keptVisible = {"Album001.html.backup", "notes.txt"};
    for (const QString &name : keptVisible)
        QVERIFY(Fixture::writeFile(album.path(name), "not a page"));
    for (const QString &name : stale + kept)
        QVERIFY(Fixture::writeFile(album.path(name), "not a page"));
    QVERIFY(QDir(album.folder).mkdir(".velmo-page-Folder"));

    album.build();
    QStringList left = hiddenFiles(album);
    left.sort();
    kept.sort();
    QCOMPARE(left, kept);
    QVERIFY(QFileInfo(album.path(".velmo-page-Folder")).isDir());
    for (const QString &name : keptVisible)
        QVERIFY(QFileInfo::exists(album.path(name)));
}

// A decided set that cannot be finished (its page name is taken by a folder)
// stops the build from writing; once the way is clear, the next build
// finishes it and carries its comment on.

void tst_AlbumPageSet::unfinishedSetStopsTheBuild()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 1));
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

void tst_AlbumPageSet::secondBuildWaitsForTheFirst()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 1));
    FolderLock first(album.folder);
    QVERIFY(first.tryLock());
    WaitingView view(first);

    buildAlbum(album.options, album.design, view, album.clock);
    QCOMPARE(view.waits, QStringList{AlbumText::waitingForFolder()});
    QCOMPARE(view.status(), AlbumText::pagesWritten(1, 1));
    QVERIFY(first.tryLock()); // the build let go of the folder at its end
}

void tst_AlbumPageSet::fullDiskKeepsOldPages()
{
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 13));
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

// Every file of the home that is not an album page of the photo folder (nor a
// temporary a build may remove), with its bytes or its link target.
static QMap<QString, QByteArray> filesBesidePages(const Album &album)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(album.home.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const bool inFolder = entry.absolutePath() == album.folder;
        if (inFolder && (PageFormat::isBuildPageName(entry.fileName()) || entry.fileName().startsWith(".velmo-page")))
            continue;
        files.insert(entry.filePath(), entry.isSymLink() ? "link to " + entry.symLinkTarget().toUtf8()
                                       : entry.isDir()   ? "folder"
                                       : entry.isFile()  ? Fixture::readFile(entry.filePath())
                                                         : "special");
    }
    return files;
}

enum class JournalKind { Lines, Fifo, DanglingLink, LinkToJournal, Folder, Oversized };

void tst_AlbumPageSet::foreignJournalIsSetAside_data()
{
    QTest::addColumn<JournalKind>("kind");
    QTest::addColumn<QByteArray>("lines");
    const auto lines = [](const char *name, const QByteArray &body) {
        QTest::newRow(name) << JournalKind::Lines << "velmo page set 1\n" + body + "\nend\n";
    };
    lines("absolute remove", "remove %VICTIM%");
    lines("remove above", "remove ..%2Foutside%2Fvictim");
    lines("put over a file above", "put .velmo-page-AAAAAA ..%2Foutside%2Fvictim");
    lines("put over a sibling album", "put .velmo-page-AAAAAA ..%2Foutside%2FAlbum001.html");
    lines("photo moved out", "put 01.jpg ..%2Foutside%2Fstolen.jpg");
    lines("photo removed", "remove 01.jpg");
    lines("user file removed", "remove notes.txt");
    lines("photo over a page", "put 01.jpg Album001.html");
    lines("any rename", "put notes.txt sub");
    lines("empty name", "remove ");
    lines("dot", "remove .");
    lines("dot dot", "remove ..");
    lines("NUL", "remove Album%00.html");
    lines("removes what it puts", "put .velmo-page-AAAAAA Album001.html\nremove Album001.html");
    lines("not whole", "put .velmo-page-AAAAAA");
    QTest::newRow("FIFO") << JournalKind::Fifo << QByteArray();
    QTest::newRow("dangling link") << JournalKind::DanglingLink << QByteArray();
    QTest::newRow("link to a journal") << JournalKind::LinkToJournal << QByteArray();
    QTest::newRow("folder") << JournalKind::Folder << QByteArray();
    QTest::newRow("oversized") << JournalKind::Oversized << QByteArray();
}

// A journal that no build wrote, or one that names anything but page
// temporaries and album pages, is not followed: nothing outside the folder
// and nothing in it but its album pages changes, the build goes on, and the
// journal is set aside once, named in a warning.
void tst_AlbumPageSet::foreignJournalIsSetAside()
{
    QFETCH(JournalKind, kind);
    QFETCH(QByteArray, lines);
    Album album;
    QVERIFY(Fixture::addImages(album.folder, 3));
    album.build();
    const QString outside = album.home.folder("outside");
    QVERIFY(Fixture::writeFile(outside + "/victim", "the user's file"));
    QVERIFY(Fixture::writeFile(outside + "/Album001.html", "another album's page"));
    QVERIFY(Fixture::writeFile(album.path("notes.txt"), "notes"));
    QVERIFY(Fixture::writeFile(album.path(".velmo-page-AAAAAA"), "not a page"));
    QVERIFY(QDir(album.folder).mkdir("sub"));
    const QString journal = album.path(".velmo-pages");
    const QByteArray validJournal = "velmo page set 1\nremove Album009.html\nend\n";
    switch (kind) {
    case JournalKind::Lines:
        QVERIFY(Fixture::writeFile(
            journal, lines.replace("%VICTIM%", QByteArray(outside.toUtf8() + "/victim").toPercentEncoding())));
        break;
    case JournalKind::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(journal).constData(), 0600), 0);
        break;
    case JournalKind::DanglingLink:
        QVERIFY(QFile::link(outside + "/none", journal));
        break;
    case JournalKind::LinkToJournal:
        QVERIFY(Fixture::writeFile(outside + "/journal", validJournal));
        QVERIFY(QFile::link(outside + "/journal", journal));
        break;
    case JournalKind::Folder:
        QVERIFY(QDir(album.folder).mkdir(".velmo-pages"));
        break;
    case JournalKind::Oversized:
        QVERIFY(Fixture::writeFile(journal, "velmo page set 1\n" +
                                                QByteArray("remove Album009.html\n").repeated(450'000) + "end\n"));
        break;
    }
    QMap<QString, QByteArray> before = filesBesidePages(album);

    album.build();
    QCOMPARE(album.view.warnings, QStringList{AlbumText::journalRefused(album.path(".velmo-pages.refused"))});
    QVERIFY(!QFileInfo::exists(journal) && !QFileInfo(journal).isSymLink());
    QMap<QString, QByteArray> after = filesBesidePages(album);
    QCOMPARE(after.take(album.path(".velmo-pages.refused")), before.take(journal));
    QCOMPARE(after, before);
    QCOMPARE(album.pages(), QStringList{"Album001.html"});
    QVERIFY(album.page(1).contains(HtmlText::startMarker("03.jpg").toUtf8()));
}

// A build stopped at any call that changes the disk, as by a kill, leaves a
// folder that the next build's recovery (itself stopped at any step, and run
// again) turns back into exactly the old set or exactly the new one; the
// build after that writes the new set with every comment.

QTEST_GUILESS_MAIN(tst_AlbumPageSet)
#include "tst_albumpageset.moc"
