// SPDX-License-Identifier: GPL-3.0-or-later
#include "albumfixture.h"

// The page set is replaced all or nothing: failed writes, a full disk, a stop
// at any step, stale temporaries and two builds of one folder.
class tst_AlbumPageSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpBuildTests(); }
    void unwritablePageKeepsOldSet();
    void stoppedAtAnyStepLosesNothing();
    void staleTemporariesAreRemoved();
    void unfinishedSetStopsTheBuild();
    void secondBuildWaitsForTheFirst();
    void fullDiskKeepsOldPages();
};

void tst_AlbumPageSet::unwritablePageKeepsOldSet()
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

void tst_AlbumPageSet::stoppedAtAnyStepLosesNothing()
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

void tst_AlbumPageSet::staleTemporariesAreRemoved()
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

void tst_AlbumPageSet::unfinishedSetStopsTheBuild()
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

void tst_AlbumPageSet::secondBuildWaitsForTheFirst()
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

void tst_AlbumPageSet::fullDiskKeepsOldPages()
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

QTEST_GUILESS_MAIN(tst_AlbumPageSet)
#include "tst_albumpageset.moc"
