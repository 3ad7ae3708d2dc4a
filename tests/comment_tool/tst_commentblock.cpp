// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/albumpagefile.h"
#include "comment_tool/commentblock.h"

#include <QStringEncoder>
#include <QTest>

namespace {

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
    void encodingIsUtf8UnlessInvalid();
    void locatesBlockByFirstMarkers_data();
    void locatesBlockByFirstMarkers();
    void shiftJisKeepsUnencodableCharactersAsReferences();
    void albumPageNames_data();
    void albumPageNames();
};

void TestCommentBlock::encodingIsUtf8UnlessInvalid()
{
    const QString page = QStringLiteral("<!S写真.jpg>古い<!E写真.jpg>");
    QCOMPARE(detectPageEncoding(page.toUtf8()), PageEncoding::Utf8);
    QCOMPARE(detectPageEncoding(shiftJis(page)), PageEncoding::ShiftJis);
}

void TestCommentBlock::locatesBlockByFirstMarkers_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<CommentBlock::State>("state");
    QTest::addColumn<QString>("comment");
    using State = CommentBlock::State;
    QTest::newRow("no start marker") << QByteArray("<!Sb.jpg>x<!Eb.jpg>") << State::Absent << QString();
    QTest::newRow("name differs in case") << QByteArray("<!SA.JPG>x<!EA.JPG>") << State::Absent << QString();
    QTest::newRow("thumbnail is another key") << QByteArray("<!Ss_a.jpg>t<!Es_a.jpg>") << State::Absent << QString();
    QTest::newRow("start without end") << QByteArray("<i><!Sa.jpg>x<br></i>") << State::Broken << QString();
    QTest::newRow("end before start") << QByteArray("<!Ea.jpg>x<!Sa.jpg>") << State::Broken << QString();
    QTest::newRow("empty block") << QByteArray("<!Sa.jpg><!Ea.jpg>") << State::Present << QString();
    QTest::newRow("first of two blocks") << QByteArray("<!Sa.jpg>one<!Ea.jpg> <!Sa.jpg>two<!Ea.jpg>") << State::Present
                                         << QStringLiteral("one");
    QTest::newRow("page line ends") << QByteArray("<!Sa.jpg>one\r\ntwo<!Ea.jpg>") << State::Present
                                    << QStringLiteral("one\ntwo");
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

void TestCommentBlock::shiftJisKeepsUnencodableCharactersAsReferences()
{
    const QByteArray page = shiftJis(QStringLiteral("見出し<!Sa.jpg><!Ea.jpg>"));
    const QByteArray rewritten =
        CommentBlock(page, QStringLiteral("a.jpg")).withComment(QStringLiteral("桜\U0001F338"));
    QCOMPARE(rewritten, shiftJis(QStringLiteral("見出し<!Sa.jpg>桜&#127800;<!Ea.jpg>")));
}

void TestCommentBlock::albumPageNames_data()
{
    QTest::addColumn<bool>("isPage");
    QTest::newRow("Album001.html") << true;
    QTest::newRow("Album001.HTML") << true;
    QTest::newRow("Album001.shtml") << true;
    QTest::newRow("album001.html") << false;
    QTest::newRow("ALBUM001.html") << false;
    QTest::newRow("Album001.htm") << false;
    QTest::newRow("MyAlbum001.html") << false;
}

void TestCommentBlock::albumPageNames()
{
    QFETCH(bool, isPage);
    QCOMPARE(AlbumPageFile::isAlbumPageName(QString::fromLatin1(QTest::currentDataTag())), isPage);
}

QTEST_GUILESS_MAIN(TestCommentBlock)
#include "tst_commentblock.moc"
