// SPDX-License-Identifier: GPL-3.0-or-later
#include "../album/recordingview.h"
#include "album/albumbuild.h"
#include "album/albumsettings.h"
#include "album/htmltext.h"
#include "album/pagecomments.h"
#include "album/pageformat.h"
#include "album/pagesetwriter.h"
#include "comment_tool/albumindex.h"
#include "comment_tool/albumpagefile.h"
#include "comment_tool/commentdrop.h"
#include "comment_tool/droplocation.h"
#include "metadata/photometadata.h"
#include "platform/failure.h"
#include "platform/fakes.h"
#include "platform/folderlock.h"
#include "platform/paths.h"
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTest>
#include <QUrl>

#include <csignal>
#include <sys/resource.h>
#include <thread>

namespace {

const QDateTime LongAgo(QDate(2001, 1, 1), QTime(12, 0));

void makeOld(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.setFileTime(LongAgo, QFileDevice::FileModificationTime));
}

// The page with the image's block holding the comment bytes.
QByteArray withBlock(QByteArray page, const QString &image, const QByteArray &comment)
{
    const std::optional<PageBlocks::Block> block = PageBlocks::find(page, image);
    return block ? page.replace(block->begin, block->end - block->begin, comment) : page;
}

} // namespace

class tst_CommentDrop : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writeRefusesAndKeepsThePage_data();
    void writeRefusesAndKeepsThePage();
    void pageDecodedByItsDeclaration();
    void unchangedCommentWritesNothing();
    void commentGoesIntoThePhoto();
    void writeWaitsForAnAlbumBuild();
    void writeFinishesAKilledBuildFirst();
    void killedWriteLeavesOnlyABuildTemporary();
    void randomDropsAndWritesTouchOnlyTheirBlock();
    void albumOrderAcrossPages();
    void indexFollowsThePagesOnDisk();
    void droppedPageAndThumbnailStandForAPhoto();
    void modernPagesTakeDropsAndCarryComments();

private:
    // Builds the album of the named photos, perPage to a page.
    void build(const QStringList &names, int perPage = 6);
    int rebuild(int perPage, PageStyle style = PageStyle::Classic);
    QString page(int number) const
    {
        return Paths::join(m_folder, QStringLiteral("Album%1.html").arg(HtmlText::threeDigits(number)));
    }
    CommentSource locate(const QString &name) { return CommentDrop::locate({m_folder, name}, m_index); }

    std::unique_ptr<TestHome> m_home;
    QString m_folder;
    AlbumIndex m_index;
};

void tst_CommentDrop::init()
{
    m_home = std::make_unique<TestHome>();
    m_folder = m_home->folder(QStringLiteral("photos/旅行"));
    m_index = AlbumIndex();
}

void tst_CommentDrop::cleanup()
{
    m_home.reset();
}

void tst_CommentDrop::build(const QStringList &names, int perPage)
{
    for (const QString &name : names)
        QVERIFY(Fixture::makeJpeg(Paths::join(m_folder, name), 8, 6));
    QCOMPARE(rebuild(perPage), int(names.size()));
}

int tst_CommentDrop::rebuild(int perPage, PageStyle style)
{
    SettingsStore store;
    store.write(Keys::PhotoPiece, QString::number(perPage));
    OptionsModel options(store);
    options.load();
    AlbumOptions album = albumOptions(m_folder, options, DesignValues{});
    album.sizeThumbnailsByBox = false;
    RecordingView view;
    FakeClock clock;
    DesignValues design;
    design.pageStyle = style;
    return buildAlbum(album, design, view, clock).imageCount;
}

void tst_CommentDrop::writeRefusesAndKeepsThePage_data()
{
    QTest::addColumn<QString>("change"); // what happens between the drop and the write
    QTest::addColumn<int>("code");
    QTest::newRow("no block found") << "none" << int(FailureCode::PathFileAccess);
    QTest::newRow("target in another folder") << "folder" << int(FailureCode::MarkersMissing);
    QTest::newRow("page rebuilt without the photo") << "gone" << int(FailureCode::MarkersMissing);
    QTest::newRow("comment changed elsewhere") << "edited" << int(FailureCode::ChangedElsewhere);
    QTest::newRow("page cannot be written") << "full" << int(FailureCode::PageNotWritable);
    QTest::newRow("page replaced by a link") << "link" << int(FailureCode::PageNotRegularFile);
}

// The write-back leaves the page byte for byte as it stands and keeps what it
// was given, unless the block it loaded is still there to be replaced.
void tst_CommentDrop::writeRefusesAndKeepsThePage()
{
    QFETCH(QString, change);
    QFETCH(int, code);
    build({QStringLiteral("IMG_01.JPG"), QStringLiteral("IMG_02.JPG")});
    QVERIFY(Fixture::writeFile(page(1), withBlock(Fixture::readFile(page(1)), "IMG_02.JPG", "海辺")));
    CommentSource source = locate(QStringLiteral("IMG_02.JPG"));
    QCOMPARE(source.comment, QStringLiteral("海辺"));
    QCOMPARE(source.target, page(1));

    if (change == "none")
        source = CommentDrop::locate({m_home->folder(QStringLiteral("card")), QStringLiteral("IMG_02.JPG")}, m_index);
    else if (change == "folder")
        source.photo.folder = m_home->folder(QStringLiteral("card"));
    else if (change == "gone")
        QVERIFY(Fixture::writeFile(
            page(1), withBlock(Fixture::readFile(page(1)), "IMG_02.JPG", "x").replace("<!SIMG_02.JPG>", "")));
    else if (change == "edited")
        QVERIFY(Fixture::writeFile(page(1), withBlock(Fixture::readFile(page(1)), "IMG_02.JPG", "夕日")));
    else if (change == "link") {
        const QString outside = Paths::join(m_home->folder(QStringLiteral("card")), QStringLiteral("Album001.html"));
        QVERIFY(QFile::rename(page(1), outside));
        QVERIFY(QFile::link(outside, page(1)));
    }
    const QByteArray before = Fixture::readFile(page(1));
    const CommentSource kept = source;

    try {
        std::optional<FileSizeLimit> full;
        if (change == "full")
            full.emplace(before.size() / 2);
        CommentDrop::write(source, QStringLiteral("new"));
        QFAIL("written");
    } catch (const Failure &failure) {
        QCOMPARE(failure.code(), code);
    }
    QCOMPARE(Fixture::readFile(page(1)), before);
    QCOMPARE(source.comment, kept.comment);
    QCOMPARE(source.block, kept.block);
}

// A UTF-8 page stays UTF-8 with a stray byte elsewhere (a hand-edited
// footer); an older page without the declaration is Shift_JIS.
void tst_CommentDrop::pageDecodedByItsDeclaration()
{
    build({QStringLiteral("写真.jpg")});
    QByteArray utf8 = Fixture::readFile(page(1));
    utf8.replace("</BODY>", "\xA9 2024</BODY>");
    QVERIFY(utf8.contains("\xA9"));
    QVERIFY(Fixture::writeFile(page(1), withBlock(utf8, QStringLiteral("写真.jpg"), "古い")));
    CommentSource source = locate(QStringLiteral("写真.jpg"));
    QCOMPARE(source.comment, QStringLiteral("古い"));
    CommentDrop::write(source, QStringLiteral("新しい"));
    QCOMPARE(Fixture::readFile(page(1)), withBlock(utf8, QStringLiteral("写真.jpg"), "新しい"));

    QStringEncoder shiftJis("Shift_JIS");
    const QByteArray older =
        shiftJis(QString::fromUtf8(utf8.replace("\xA9", "").replace("charset=UTF-8", "charset=iso-2022-jp")));
    QVERIFY(Fixture::writeFile(page(1), withBlock(older, QStringLiteral("写真.jpg"), shiftJis(u"古い"))));
    source = locate(QStringLiteral("写真.jpg"));
    QCOMPARE(source.comment, QStringLiteral("古い"));
    CommentDrop::write(source, QStringLiteral("桜\U0001F338"));
    QCOMPARE(Fixture::readFile(page(1)), withBlock(older, QStringLiteral("写真.jpg"), shiftJis(u"桜") + "&#127800;"));
}

void tst_CommentDrop::unchangedCommentWritesNothing()
{
    build({QStringLiteral("a.jpg")});
    makeOld(page(1));
    CommentSource source = locate(QStringLiteral("a.jpg"));
    QVERIFY(source.found());
    CommentDrop::write(source, QString());
    QCOMPARE(QFileInfo(page(1)).lastModified(), LongAgo);
}

// With IntoPhoto::Yes the photo carries the comment as the browser shows it;
// a photo that cannot be written stays as it was, and the page is written.
void tst_CommentDrop::commentGoesIntoThePhoto()
{
    build({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    CommentSource a = locate(QStringLiteral("a.jpg"));
    const QString typed = QStringLiteral("海 &amp; <!Sa.jpg>");
    QCOMPARE(CommentDrop::write(a, typed, {}, CommentDrop::IntoPhoto::Yes).photoNotWritten, false);
    QCOMPARE(PhotoMetadataReader::read(Paths::join(m_folder, "a.jpg")).caption, QStringLiteral("海 & <!Sa.jpg>"));

    const QString b = Paths::join(m_folder, "b.jpg");
    const QByteArray before = Fixture::readFile(b);
    QVERIFY(QFile::setPermissions(b, QFile::ReadOwner));
    CommentSource source = locate(QStringLiteral("b.jpg"));
    QVERIFY(CommentDrop::write(source, QStringLiteral("港"), {}, CommentDrop::IntoPhoto::Yes).photoNotWritten);
    QCOMPARE(Fixture::readFile(b), before);
    QCOMPARE(locate(QStringLiteral("b.jpg")).comment, QStringLiteral("港"));
}

// An album build holds the folder: the write-back waits for it, then writes.
void tst_CommentDrop::writeWaitsForAnAlbumBuild()
{
    build({QStringLiteral("a.jpg")});
    CommentSource source = locate(QStringLiteral("a.jpg"));
    FolderLock building(m_folder);
    QVERIFY(building.tryLock());
    std::thread writer(
        [&] { CommentDrop::write(source, QStringLiteral("after the build"), [&] { building.unlock(); }); });
    writer.join();
    QVERIFY(!building.isLocked());
    QCOMPARE(locate(QStringLiteral("a.jpg")).comment, QStringLiteral("after the build"));
}

// A rebuild killed after deciding its new pages leaves them for the next
// writer: the write-back finishes that set first, so it cannot later be put
// over the comment.
void tst_CommentDrop::writeFinishesAKilledBuildFirst()
{
    build({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    CommentSource source = locate(QStringLiteral("a.jpg"));
    const QString journal = Paths::join(m_folder, QStringLiteral(".velmo-pages"));
    int calls = 0;
    for (int stop = 0; !QFile::exists(journal); ++stop) {
        QVERIFY(stop < 100);
        calls = 0;
        PageSetWriter::setStopHook([&calls, stop] { return calls++ == stop; });
        rebuild(1);
        PageSetWriter::setStopHook({});
    }
    CommentDrop::write(source, QStringLiteral("kept"));
    rebuild(1);
    QCOMPARE(locate(QStringLiteral("a.jpg")).comment, QStringLiteral("kept"));
}

// A write-back stopped at each of its steps in turn, as by a kill, leaves
// the page whole and at most one hidden temporary, named as the album
// build's own so that the next build removes it. Once it runs through, the
// page keeps its permissions.
void tst_CommentDrop::killedWriteLeavesOnlyABuildTemporary()
{
    build({QStringLiteral("a.jpg")});
    const QByteArray before = Fixture::readFile(page(1));
    QVERIFY(QFile::setPermissions(page(1), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QFile::Permissions permissions = QFile::permissions(page(1));
    const auto hidden = [this] { return QDir(m_folder).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden); };
    for (int stop = 0;; ++stop) {
        QVERIFY(stop < 100);
        int calls = 0;
        try {
            AlbumPageFile::write(page(1), "new", [&calls, stop] { return calls++ == stop; });
            break;
        } catch (const Failure &failure) {
            QCOMPARE(failure.code(), int(FailureCode::PathFileAccess));
        }
        QCOMPARE(Fixture::readFile(page(1)), before);
        const QStringList left = hidden();
        QVERIFY(left.size() <= 1);
        for (const QString &name : left)
            QVERIFY2(PageFormat::isPageTemporary(name), qPrintable(name));
        QVERIFY(PageSetWriter::recover(m_folder));
        QVERIFY(hidden().isEmpty());
    }
    QCOMPARE(Fixture::readFile(page(1)), QByteArray("new"));
    QCOMPARE(QFile::permissions(page(1)), permissions);
    QVERIFY(hidden().isEmpty());
}

// Random drops and writes of hostile comments over a page of several photos:
// every write changes its own block and no byte outside it, each block reads
// back as written, and a rebuild carries every comment.
void tst_CommentDrop::randomDropsAndWritesTouchOnlyTheirBlock()
{
    const QStringList names{QStringLiteral("a.jpg"), QStringLiteral("b&c.jpg"), QStringLiteral("写真.jpg"),
                            QStringLiteral("IMG_02.JPG"), QStringLiteral("x y.jpg")};
    build(names, 10);
    const QStringList hostile{QStringLiteral("<!Sb&amp;c.jpg>"),
                              QStringLiteral("x<!Ea.jpg>y"),
                              QStringLiteral("<!E写真.jpg><!S写真.jpg>"),
                              QStringLiteral("line\r\nbreak\n"),
                              QStringLiteral("-->"),
                              QStringLiteral("</body></html>"),
                              QStringLiteral("😀 emoji"),
                              QStringLiteral("<!S"),
                              QStringLiteral("<!Sa.jpg"),
                              QStringLiteral("&lt;!S"),
                              QStringLiteral("日本語のコメント"),
                              QString()};
    QRandomGenerator random(11);
    QHash<QString, QString> expected;
    for (int step = 0; step < 200; ++step) {
        const QString name = names.at(random.bounded(int(names.size())));
        QString comment;
        for (int part = random.bounded(3); part >= 0; --part)
            comment += hostile.at(random.bounded(int(hostile.size())));
        CommentSource source = locate(name);
        QVERIFY(source.found());
        QCOMPARE(source.comment, expected.value(name));
        const QByteArray before = Fixture::readFile(page(1));
        const CommentDrop::Written written = CommentDrop::write(source, comment);
        QCOMPARE(written.escaped, comment.contains(QLatin1String("<!S")) || comment.contains(QLatin1String("<!E")));
        const QByteArray after = Fixture::readFile(page(1));
        const PageBlocks::Block was = *PageBlocks::find(before, name);
        const PageBlocks::Block now = *PageBlocks::find(after, name);
        QCOMPARE(after.left(now.begin), before.left(was.begin));
        QCOMPARE(after.mid(now.end), before.mid(was.end));
        expected.insert(name, source.comment);
        QCOMPARE(PageBlocks::read(after).size(), names.size());
    }
    for (const QString &name : names)
        QCOMPARE(locate(name).comment, expected.value(name));

    build(names, 10);
    for (const QString &name : names)
        QCOMPARE(locate(name).comment, expected.value(name));
}

void tst_CommentDrop::albumOrderAcrossPages()
{
    QStringList names;
    for (int i = 1; i <= 7; ++i)
        names.append(QStringLiteral("p%1.jpg").arg(i));
    build(names, 3);
    m_index.refresh(m_folder);
    QCOMPARE(m_index.images(), names);
    QCOMPARE(m_index.pages().size(), 3);
    QCOMPARE(m_index.position(QStringLiteral("p4.jpg")), 3);
    QCOMPARE(m_index.position(QStringLiteral("nope.jpg")), -1);
    QCOMPARE(m_index.firstImageOf(QStringLiteral("Album003.html")), QStringLiteral("p7.jpg"));

    // Pages that disagree: p4's block also stands on the last page, which
    // the drop then targets; the order keeps its first place.
    const QByteArray first = Fixture::readFile(page(2));
    const QByteArray block =
        first.mid(first.indexOf("<!Sp4.jpg>"), first.indexOf("<!Ep4.jpg>") + 10 - first.indexOf("<!Sp4.jpg>"));
    QVERIFY(Fixture::writeFile(page(3), Fixture::readFile(page(3)).replace("</BODY>", block + "</BODY>")));
    const CommentSource source = locate(QStringLiteral("p4.jpg"));
    QCOMPARE(source.pages, (QStringList{page(2), page(3)}));
    QCOMPARE(source.target, page(3));
    QCOMPARE(m_index.images(), names);
}

void tst_CommentDrop::indexFollowsThePagesOnDisk()
{
    build({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}, 1);
    for (int i = 0; i < 3; ++i)
        m_index.refresh(m_folder);
    QCOMPARE(m_index.pagesRead(), 2);

    // A write-back changes one page: only that one is read again.
    CommentSource source = locate(QStringLiteral("a.jpg"));
    CommentDrop::write(source, QStringLiteral("changes the page"));
    m_index.refresh(m_folder);
    QCOMPARE(m_index.pagesRead(), 3);

    build({QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")}, 1);
    m_index.refresh(m_folder);
    QCOMPARE(m_index.pagesRead(), 6);
    QCOMPARE(m_index.images().size(), 3);
    QCOMPARE(m_index.firstImageOf(QStringLiteral("Album003.html")), QStringLiteral("c.jpg"));
}

void tst_CommentDrop::droppedPageAndThumbnailStandForAPhoto()
{
    build({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}, 1);
    QVERIFY(Fixture::makeJpeg(Paths::join(m_folder, QStringLiteral("s_b.jpg")), 4, 3));
    QCOMPARE(locate(QStringLiteral("Album002.html")).photo.name, QStringLiteral("b.jpg"));
    QCOMPARE(locate(QStringLiteral("s_b.jpg")).target, page(2));
    const CommentSource alone = locate(QStringLiteral("s_alone.jpg"));
    QCOMPARE(alone.photo.name, QStringLiteral("s_alone.jpg"));
    QVERIFY(!alone.found());
}

// A photo dragged from a modern page (its link or its reduced copy, at the
// address the browser makes of the page's URL) finds its block; the comments
// written there go on into the classic pages of a rebuild.
void tst_CommentDrop::modernPagesTakeDropsAndCarryComments()
{
    const QStringList names = {QStringLiteral("R&D #1.jpg"), QStringLiteral("a\"b.jpg"), QStringLiteral("写真 2.jpg")};
    for (const QString &name : names) {
        QVERIFY(Fixture::makeJpeg(Paths::join(m_folder, name), 8, 6));
        QVERIFY(Fixture::makeJpeg(Paths::join(m_folder, QStringLiteral("s_") + name), 4, 3));
    }
    QCOMPARE(rebuild(2, PageStyle::Modern), 3);
    QVERIFY(Fixture::readFile(page(1)).startsWith("<!DOCTYPE html>"));
    const QString folderUrl = QUrl::fromLocalFile(m_folder).toString(QUrl::FullyEncoded);
    for (const QString &name : names) {
        for (const QString &dragged : {name, QStringLiteral("s_") + name}) {
            const std::optional<DropLocation> at = DropText::locate(folderUrl + '/' + HtmlText::urlPath(dragged));
            QVERIFY(at);
            CommentSource source = CommentDrop::locate(*at, m_index);
            QVERIFY2(source.editable(), qPrintable(dragged));
            CommentDrop::write(source, QStringLiteral("港 ") + dragged);
        }
    }
    QCOMPARE(rebuild(2), 3);
    const QByteArray all = Fixture::readFile(page(1)) + Fixture::readFile(page(2));
    for (const QString &name : names) {
        const QString block = HtmlText::startMarker(name) + QStringLiteral("港 s_") + name + HtmlText::endMarker(name);
        QCOMPARE(all.count(block.toUtf8()), 1);
    }
}

QTEST_GUILESS_MAIN(tst_CommentDrop)
#include "tst_commentdrop.moc"
