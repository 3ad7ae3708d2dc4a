// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumpage.h"
#include "comment_tool/albumpagefile.h"
#include "comment_tool/commentblock.h"
#include "platform/failure.h"
#include "testsupport.h"

#include <QStringEncoder>
#include <QTest>

namespace {

// A page as Velmo writes it, holding the given images with their comments.
QByteArray albumPage(const QList<QPair<QString, QByteArray>> &images)
{
    AlbumRow row;
    for (const auto &[name, comment] : images) {
        AlbumSlot slot;
        slot.name = name;
        slot.source = name;
        slot.height = QStringLiteral("100");
        slot.width = QStringLiteral("135");
        slot.size = 512;
        slot.modified = QDateTime(QDate(2024, 5, 1), QTime(10, 0));
        slot.comment = comment;
        row.append(slot);
    }
    AlbumPageInfo info;
    info.updated = QDate(2024, 5, 2);
    return AlbumPage::page(DesignValues{}, info, {row});
}

QByteArray shiftJis(const QString &text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

} // namespace

class TestCommentBlock : public QObject
{
    Q_OBJECT

private slots:
    void encodingIsUtf8UnlessInvalid_data();
    void encodingIsUtf8UnlessInvalid();
    void locatesBlockByFirstMarkers_data();
    void locatesBlockByFirstMarkers();
    void findsNamesWithMarkupCharacters_data();
    void findsNamesWithMarkupCharacters();
    void replacesOnlyTheComment_data();
    void replacesOnlyTheComment();
    void lineBreaksBecomePageLineEnds();
    void shiftJisPageRoundTrip();
    void shiftJisKeepsUnencodableCharactersAsReferences();
    void albumPageNames_data();
    void albumPageNames();
    void readFailsWith75();
    void writeReplacesWholePage();
    void failedWriteLeavesPageAlone();
};

void TestCommentBlock::encodingIsUtf8UnlessInvalid_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<PageEncoding>("encoding");
    QTest::newRow("ascii") << QByteArray("<!Sa.jpg><!Ea.jpg>") << PageEncoding::Utf8;
    QTest::newRow("utf-8 japanese") << QStringLiteral("<!S写真.jpg>古い<!E写真.jpg>").toUtf8() << PageEncoding::Utf8;
    QTest::newRow("shift_jis japanese") << shiftJis(QStringLiteral("<!S写真.jpg>古い<!E写真.jpg>"))
                                        << PageEncoding::ShiftJis;
}

void TestCommentBlock::encodingIsUtf8UnlessInvalid()
{
    QFETCH(QByteArray, page);
    QFETCH(PageEncoding, encoding);
    QCOMPARE(detectPageEncoding(page), encoding);
}

void TestCommentBlock::locatesBlockByFirstMarkers_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<CommentBlock::State>("state");
    QTest::addColumn<QString>("comment");
    using State = CommentBlock::State;
    QTest::newRow("no start marker") << QByteArray("<!Sb.jpg>x<!Eb.jpg>") << State::Absent << QString();
    QTest::newRow("name differs in case") << QByteArray("<!SA.JPG>x<!EA.JPG>") << State::Absent << QString();
    QTest::newRow("start without end") << QByteArray("<i><!Sa.jpg>x<br></i>") << State::Broken << QString();
    QTest::newRow("end before start") << QByteArray("<!Ea.jpg>x<!Sa.jpg>") << State::Broken << QString();
    QTest::newRow("empty block") << QByteArray("<!Sa.jpg><!Ea.jpg>") << State::Present << QString();
    QTest::newRow("comment") << QByteArray("<i><!Sa.jpg>old<!Ea.jpg><br></i>") << State::Present
                             << QStringLiteral("old");
    QTest::newRow("first of two blocks") << QByteArray("<!Sa.jpg>one<!Ea.jpg> <!Sa.jpg>two<!Ea.jpg>") << State::Present
                                         << QStringLiteral("one");
    QTest::newRow("thumbnail name is another key")
        << QByteArray("<!Ss_a.jpg>t<!Es_a.jpg>") << State::Absent << QString();
}

void TestCommentBlock::locatesBlockByFirstMarkers()
{
    QFETCH(QByteArray, page);
    QFETCH(CommentBlock::State, state);
    QFETCH(QString, comment);
    const CommentBlock block(page, QStringLiteral("a.jpg"));
    QCOMPARE(block.state(), state);
    QCOMPARE(block.comment(), comment);
}

void TestCommentBlock::findsNamesWithMarkupCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ampersand") << QStringLiteral("Tom & Jerry.jpg");
    QTest::newRow("angle brackets") << QStringLiteral("a<b>c.jpg");
    QTest::newRow("double quote") << QStringLiteral("say \"hi\".jpg");
    QTest::newRow("japanese with blank") << QStringLiteral("花 見.JPG");
}

void TestCommentBlock::findsNamesWithMarkupCharacters()
{
    QFETCH(QString, name);
    const QByteArray page = albumPage({{QStringLiteral("other.jpg"), "no"}, {name, "yes"}});
    const CommentBlock block(page, name);
    QCOMPARE(block.state(), CommentBlock::State::Present);
    QCOMPARE(block.comment(), QStringLiteral("yes"));
}

void TestCommentBlock::replacesOnlyTheComment_data()
{
    QTest::addColumn<QString>("comment");
    QTest::newRow("new") << QStringLiteral("new");
    QTest::newRow("empty") << QString();
    QTest::newRow("japanese") << QStringLiteral("桜が満開です");
}

void TestCommentBlock::replacesOnlyTheComment()
{
    QFETCH(QString, comment);
    const QString name = QStringLiteral("img1.jpg");
    const QByteArray page = albumPage({{name, "old"}});
    const CommentBlock block(page, name);
    const QByteArray rewritten = block.withComment(comment);
    const QByteArray start = "<!Simg1.jpg>";
    const qsizetype cut = page.indexOf(start) + start.size();
    QCOMPARE(rewritten, page.left(cut) + comment.toUtf8() + page.mid(cut + 3));
    QCOMPARE(CommentBlock(rewritten, name).comment(), comment);
}

void TestCommentBlock::lineBreaksBecomePageLineEnds()
{
    const QByteArray page = "<!Sa.jpg><!Ea.jpg>\r\n";
    const QByteArray rewritten =
        CommentBlock(page, QStringLiteral("a.jpg")).withComment(QStringLiteral("一行目\n二行目"));
    QCOMPARE(rewritten, QStringLiteral("<!Sa.jpg>一行目\r\n二行目<!Ea.jpg>\r\n").toUtf8());
    QCOMPARE(CommentBlock(rewritten, QStringLiteral("a.jpg")).comment(), QStringLiteral("一行目\n二行目"));
}

void TestCommentBlock::shiftJisPageRoundTrip()
{
    const QString name = QStringLiteral("写真.jpg");
    const QByteArray page = shiftJis(QString::fromUtf8(albumPage({{name, "古い"}})));
    const CommentBlock block(page, name);
    QCOMPARE(block.encoding(), PageEncoding::ShiftJis);
    QCOMPARE(block.comment(), QStringLiteral("古い"));
    QCOMPARE(block.withComment(QStringLiteral("新しい")),
             shiftJis(QString::fromUtf8(albumPage({{name, QStringLiteral("新しい").toUtf8()}}))));
}

void TestCommentBlock::shiftJisKeepsUnencodableCharactersAsReferences()
{
    const QByteArray page = shiftJis(QStringLiteral("見出し<!Sa.jpg><!Ea.jpg>"));
    const QByteArray rewritten =
        CommentBlock(page, QStringLiteral("a.jpg")).withComment(QStringLiteral("桜\U0001F338"));
    QCOMPARE(rewritten, shiftJis(QStringLiteral("見出し<!Sa.jpg>桜&#127800;<!Ea.jpg>")));
}

void TestCommentBlock::albumPageNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isPage");
    QTest::newRow("Album001.html") << QStringLiteral("Album001.html") << true;
    QTest::newRow("Album001.HTML") << QStringLiteral("Album001.HTML") << true;
    QTest::newRow("Album001.shtml") << QStringLiteral("Album001.shtml") << true;
    QTest::newRow("album001.html") << QStringLiteral("album001.html") << false;
    QTest::newRow("ALBUM001.html") << QStringLiteral("ALBUM001.html") << false;
    QTest::newRow("Album001.htm") << QStringLiteral("Album001.htm") << false;
    QTest::newRow("MyAlbum001.html") << QStringLiteral("MyAlbum001.html") << false;
    QTest::newRow("Slide.html") << QStringLiteral("Slide.html") << false;
}

void TestCommentBlock::albumPageNames()
{
    QFETCH(QString, name);
    QFETCH(bool, isPage);
    QCOMPARE(AlbumPageFile::isAlbumPageName(name), isPage);
}

void TestCommentBlock::readFailsWith75()
{
    TestHome home;
    for (const QString &path : {QString(), home.folder() + QStringLiteral("/Album001.html")}) {
        try {
            AlbumPageFile::read(path);
            QFAIL("read did not fail");
        } catch (const Failure &failure) {
            QCOMPARE(failure.code(), FailureCode::PathFileAccess);
        }
    }
}

void TestCommentBlock::writeReplacesWholePage()
{
    TestHome home;
    const QString page = home.folder() + QStringLiteral("/Album001.html");
    QVERIFY(Fixture::writeFile(page, QByteArray(4000, 'x')));
    AlbumPageFile::write(page, "short");
    QCOMPARE(Fixture::readFile(page), QByteArray("short"));
    QCOMPARE(AlbumPageFile::read(page), QByteArray("short"));
}

void TestCommentBlock::failedWriteLeavesPageAlone()
{
    TestHome home;
    // A folder where the page should be: nothing can take its place.
    const QString page = home.folder(QStringLiteral("photos/Album001.html"));
    QVERIFY_THROWS_EXCEPTION(Failure, AlbumPageFile::write(page, "new"));
    QVERIFY(QFileInfo(page).isDir());
}

QTEST_GUILESS_MAIN(TestCommentBlock)
#include "tst_commentblock.moc"
