// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pageformat.h"
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

class tst_CommentBlock : public QObject
{
    Q_OBJECT

private slots:
    void encodingByDeclaration_data();
    void encodingByDeclaration();
    void locatesBlockInPageOrder_data();
    void locatesBlockInPageOrder();
    void writtenCommentHoldsNoMarker();
    void carryKeepsUndecodableBytes();
    void shiftJisKeepsUnencodableCharactersAsReferences();
    void albumPageNames_data();
    void albumPageNames();
};

void tst_CommentBlock::encodingByDeclaration_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<PageEncoding>("encoding");
    const QByteArray block = QStringLiteral("<!S写真.jpg>古い<!E写真.jpg>").toUtf8();
    QTest::newRow("utf-8 with a latin-1 byte")
        << "<META CONTENT=\"text/html;charset=UTF-8\">\xA9" + block << PageEncoding::Utf8;
    QTest::newRow("lower case, quoted") << "<meta charset=\"utf-8\">" + block << PageEncoding::Utf8;
    QTest::newRow("older build") << "<META CONTENT=\"text/html;charset=iso-2022-jp\">" +
                                        shiftJis(QString::fromUtf8(block))
                                 << PageEncoding::ShiftJis;
    QTest::newRow("none") << block << PageEncoding::ShiftJis;
    QTest::newRow("only in a comment") << "<!Sa.jpg>charset=UTF-8<!Ea.jpg>" + block << PageEncoding::ShiftJis;
}

void tst_CommentBlock::encodingByDeclaration()
{
    QFETCH(QByteArray, page);
    QFETCH(PageEncoding, encoding);
    QCOMPARE(PageFormat::declaredEncoding(page), encoding);
}

void tst_CommentBlock::locatesBlockInPageOrder_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<CommentBlock::State>("state");
    QTest::addColumn<QString>("comment");
    using State = CommentBlock::State;
    const QString a = QStringLiteral("a.jpg");
    QTest::newRow("no start marker") << QByteArray("<!Sb.jpg>x<!Eb.jpg>") << a << State::Absent << QString();
    QTest::newRow("name differs in case") << QByteArray("<!SA.JPG>x<!EA.JPG>") << a << State::Absent << QString();
    QTest::newRow("thumbnail is another key")
        << QByteArray("<!Ss_a.jpg>t<!Es_a.jpg>") << a << State::Absent << QString();
    QTest::newRow("start without end") << QByteArray("<i><!Sa.jpg>x<br></i>") << a << State::Broken << QString();
    QTest::newRow("end before start") << QByteArray("<!Ea.jpg>x<!Sa.jpg>") << a << State::Broken << QString();
    QTest::newRow("empty block") << QByteArray("<!Sa.jpg><!Ea.jpg>") << a << State::Present << QString();
    QTest::newRow("first of two blocks") << QByteArray("<!Sa.jpg>one<!Ea.jpg> <!Sa.jpg>two<!Ea.jpg>") << a
                                         << State::Present << QStringLiteral("one");
    QTest::newRow("page line ends") << QByteArray("<!Sa.jpg>one\r\ntwo<!Ea.jpg>") << a << State::Present
                                    << QStringLiteral("one\ntwo");
    // A hand-edited comment of b.jpg holds a's markers: they are its text.
    QTest::newRow("start marker inside another block")
        << QByteArray("<!Sb.jpg>see <!Sa.jpg>fake<!Ea.jpg><!Eb.jpg><!Sa.jpg>real<!Ea.jpg>") << a << State::Present
        << QStringLiteral("real");
    QTest::newRow("end marker inside another end marker's key")
        << QByteArray("<!Sa.jpg>x<!E<!Ea.jpg>") << a << State::Present << QStringLiteral("x<!E");
    QTest::newRow("own start marker in the comment") << QByteArray("<!Sa.jpg>x<!Sa.jpg>y<!Ea.jpg>z<!Ea.jpg>") << a
                                                     << State::Present << QStringLiteral("x<!Sa.jpg>y");
    QTest::newRow("escaped key") << QByteArray("<!Sa&amp;b.jpg>amp<!Ea&amp;b.jpg>") << QStringLiteral("a&b.jpg")
                                 << State::Present << QStringLiteral("amp");
    QTest::newRow("raw key, older page") << QByteArray("<!Sa&b.jpg>amp<!Ea&b.jpg>") << QStringLiteral("a&b.jpg")
                                         << State::Present << QStringLiteral("amp");
    QTest::newRow("raw key with >") << QByteArray("<!Sx>y.jpg>gt<!Ex>y.jpg><br>") << QStringLiteral("x>y.jpg")
                                    << State::Present << QStringLiteral("gt");
    QTest::newRow("comment holding >") << QByteArray("<i><!Sa.jpg>1>2<!Ea.jpg><br></i>") << a << State::Present
                                       << QStringLiteral("1>2");
}

void tst_CommentBlock::locatesBlockInPageOrder()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, name);
    QFETCH(CommentBlock::State, state);
    QFETCH(QString, comment);
    const CommentBlock block(page, name);
    QCOMPARE(block.state(), state);
    QCOMPARE(block.comment(), comment);
    // The carry reads the same blocks.
    PageComments carried;
    carried.addPage(page);
    QCOMPARE(QString::fromUtf8(carried.comment(name)),
             PageBlocks::withoutMarkers(comment).replace(QLatin1String("\n"), QLatin1String("\r\n")));
}

// Marker text in a comment is written with "&lt;", so the page keeps one
// block per image and every other block reads as before.
void tst_CommentBlock::writtenCommentHoldsNoMarker()
{
    const QByteArray page("<!Sa.jpg>old<!Ea.jpg>|<!Sb.jpg>bee<!Eb.jpg>");
    const QByteArray written = CommentBlock(page, QStringLiteral("a.jpg"))
                                   .withComment(QStringLiteral("<!Sb.jpg>x<!Ea.jpg><!Eb.jpg><!s>"))
                                   .value();
    QCOMPARE(written, QByteArray("<!Sa.jpg>&lt;!Sb.jpg>x&lt;!Ea.jpg>&lt;!Eb.jpg><!s><!Ea.jpg>|<!Sb.jpg>bee<!Eb.jpg>"));
    QCOMPARE(PageBlocks::read(written).size(), 2);
    QCOMPARE(CommentBlock(written, QStringLiteral("b.jpg")).comment(), QStringLiteral("bee"));
}

void tst_CommentBlock::carryKeepsUndecodableBytes()
{
    PageComments carried;
    carried.addPage("<meta charset=utf-8><!Sa.jpg>caf\xE9 \xFF<!Ea.jpg>");
    carried.addPage(shiftJis(QStringLiteral("<!Sb.jpg>説明<!Eb.jpg>")) + "<!Sc.jpg>\x81\x20<!Ec.jpg>");
    QCOMPARE(carried.comment(QStringLiteral("a.jpg")), QByteArray("caf\xE9 \xFF"));
    QCOMPARE(carried.comment(QStringLiteral("b.jpg")), QStringLiteral("説明").toUtf8());
    QCOMPARE(carried.comment(QStringLiteral("c.jpg")), QByteArray("\x81\x20"));
}

void tst_CommentBlock::shiftJisKeepsUnencodableCharactersAsReferences()
{
    const QByteArray page = shiftJis(QStringLiteral("見出し<!Sa.jpg><!Ea.jpg>"));
    QCOMPARE(PageFormat::declaredEncoding(page), PageEncoding::ShiftJis);
    const CommentBlock block(page, QStringLiteral("a.jpg"));
    QCOMPARE(block.withComment(QStringLiteral("桜\U0001F338")).value(),
             shiftJis(QStringLiteral("見出し<!Sa.jpg>桜&#127800;<!Ea.jpg>")));
    // Characters Shift_JIS cannot hold among many it can, pairs of them
    // where the text would be cut in halves.
    QCOMPARE(block.withComment(QStringLiteral("あいうえおかき\U0001F338く\U0001F600\U0001F600け")).value(),
             shiftJis(QStringLiteral("見出し<!Sa.jpg>あいうえおかき&#127800;く&#128512;&#128512;け<!Ea.jpg>")));
}

void tst_CommentBlock::albumPageNames_data()
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

void tst_CommentBlock::albumPageNames()
{
    QFETCH(bool, isPage);
    QCOMPARE(PageFormat::isCommentToolPageName(QString::fromLatin1(QTest::currentDataTag())), isPage);
}

QTEST_GUILESS_MAIN(tst_CommentBlock)
#include "tst_commentblock.moc"
