// SPDX-License-Identifier: GPL-3.0-or-later
#include "slide/modernslidepage.h"
#include "slide/slidepage.h"

#include "testsupport.h"

#include <QDir>
#include <QtTest>

class tst_SlidePage : public QObject
{
    Q_OBJECT

private slots:
    void matchesGolden_data();
    void matchesGolden();
    void scriptUrl_data();
    void scriptUrl();
    void awkwardNames_data();
    void awkwardNames();
    void modernPage();
};

namespace {

QStringList imageNames(int count)
{
    const QStringList all = {QStringLiteral("DSC0001.JPG"),  QStringLiteral("IMG 02.jpg"),
                             QStringLiteral("旅行(3).jpeg"), QStringLiteral("a_b-c.d.JPG"),
                             QStringLiteral("img05.jpg"),    QStringLiteral("img06.jpg"),
                             QStringLiteral("写真７.JPG")};
    return all.first(count);
}

DesignValues design()
{
    DesignValues values;
    values.title = QStringLiteral("夏の旅行");
    values.footer = QStringLiteral("Velmo for Linux");
    return values;
}

// The lines of a page without their CR LF ends; the page must end in one.
QStringList pageLines(const QByteArray &page)
{
    if (!page.endsWith("\r\n"))
        return {QStringLiteral("page does not end in CR LF")};
    QStringList lines = QString::fromUtf8(page).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace

void tst_SlidePage::matchesGolden_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("golden");

    // Seven images break the cell row after the sixth; exactly six leave an
    // empty last row; none leave an empty large picture.
    QTest::newRow("seven") << 7 << QStringLiteral("slide_7.html");
    QTest::newRow("six") << 6 << QStringLiteral("slide_6.html");
    QTest::newRow("none") << 0 << QStringLiteral("slide_0.html");
}

void tst_SlidePage::matchesGolden()
{
    QFETCH(int, count);
    QFETCH(QString, golden);

    const QByteArray page = SlidePage::page(design(), imageNames(count), QDate(1999, 12, 5));
    const QByteArray expected = Fixture::readFile(QStringLiteral(SLIDE_GOLDEN_DIR "/") + golden);
    if (page != expected) {
        const QString actual = QDir::current().absoluteFilePath(golden);
        Fixture::writeFile(actual, page);
        QCOMPARE(pageLines(page), pageLines(expected)); // names the first differing line
        QFAIL(qPrintable(QStringLiteral("bytes differ; page written to ") + actual));
    }
}

void tst_SlidePage::scriptUrl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    const QString ordinary = QStringLiteral("IMG 01 写真(2)_a-b.jpg");
    QTest::newRow("ordinary name unchanged") << ordinary << ordinary;
    // A backslash or a line break in the picture's URL would name another file.
    QTest::newRow("backslash") << QStringLiteral("a\\b.jpg") << QStringLiteral("a%5Cb.jpg");
    QTest::newRow("ampersand is no reference") << QStringLiteral("a&amp;.jpg") << QStringLiteral("a\\x26amp;.jpg");
    QTest::newRow("url specials") << QStringLiteral("100%#1?.jpg") << QStringLiteral("100%25%231%3F.jpg");
    QTest::newRow("double quote stays") << QStringLiteral("\"q\".jpg") << QStringLiteral("\"q\".jpg");
    QTest::newRow("line separators") << QStringLiteral("a\u2028b\u2029.jpg") << QStringLiteral("a\\u2028b\\u2029.jpg");
    QTest::newRow("control characters") << QStringLiteral("a\nb\r\t.jpg") << QStringLiteral("a%0Ab%0D%09.jpg");
}

void tst_SlidePage::scriptUrl()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(SlidePage::scriptUrl(name), expected);
}

void tst_SlidePage::awkwardNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("preload");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("picture");

    QTest::newRow("apostrophe") << QStringLiteral("Bob's cat.jpg")
                                << QStringLiteral("movimg[0] = new Image();movimg[0].src='Bob\\'s cat.jpg';")
                                << QStringLiteral("        <FONT COLOR=\"YELLOW\"><B>Bob's cat.jpg</A></B></FONT>")
                                << QStringLiteral("<IMG SRC=\"Bob's cat.jpg\">");
    QTest::newRow("script end")
        << QStringLiteral("</SCRIPT><b>.jpg")
        << QStringLiteral("movimg[0] = new Image();movimg[0].src='\\x3C/SCRIPT\\x3E\\x3Cb\\x3E.jpg';")
        << QStringLiteral("        <FONT COLOR=\"YELLOW\"><B>&lt;/SCRIPT&gt;&lt;b&gt;.jpg</A></B></FONT>")
        << QStringLiteral("<IMG SRC=\"&lt;/SCRIPT&gt;&lt;b&gt;.jpg\">");
    QTest::newRow("scheme") << QStringLiteral("javascript:alert(1).jpg")
                            << QStringLiteral("movimg[0] = new Image();movimg[0].src='./javascript:alert(1).jpg';")
                            << QStringLiteral(
                                   "        <FONT COLOR=\"YELLOW\"><B>javascript:alert(1).jpg</A></B></FONT>")
                            << QStringLiteral("<IMG SRC=\"./javascript:alert(1).jpg\">");
    QTest::newRow("quote and hash") << QStringLiteral("\"#1\".jpg")
                                    << QStringLiteral("movimg[0] = new Image();movimg[0].src='\"%231\".jpg';")
                                    << QStringLiteral("        <FONT COLOR=\"YELLOW\"><B>\"#1\".jpg</A></B></FONT>")
                                    << QStringLiteral("<IMG SRC=\"&quot;%231&quot;.jpg\">");
}

// A name can neither end the script's string or element nor break out of
// the page's attributes; the page keeps its shape.
void tst_SlidePage::awkwardNames()
{
    QFETCH(QString, name);
    QFETCH(QString, preload);
    QFETCH(QString, cell);
    QFETCH(QString, picture);

    const QByteArray page = SlidePage::page(design(), {name}, QDate(2026, 12, 7));
    const QStringList lines = pageLines(page);
    QCOMPARE(lines.size(), 47);
    QCOMPARE(lines.at(13), preload);
    QCOMPARE(lines.at(36), cell);
    QVERIFY2(lines.at(41).contains(picture), qPrintable(lines.at(41)));
    QCOMPARE(page.toLower().count("</script"), 1);
}

// The modern page in English, with names that must stay inside the
// script's strings and the page's attributes; an empty folder gives a page
// without photo, links or script.
void tst_SlidePage::modernPage()
{
    const QStringList names = imageNames(2) + QStringList{"Bob's </SCRIPT>\\a.jpg", "javascript:x.jpg"};
    const QByteArray page = ModernSlidePage::page(design(), names, QDate(2026, 12, 7), PageLanguage::English);
    const QString golden = QStringLiteral(SLIDE_GOLDEN_DIR "/modern_slide.html");
    if (qEnvironmentVariableIsSet("VELMO_WRITE_GOLDEN"))
        QVERIFY(Fixture::writeFile(golden, page));
    QCOMPARE(pageLines(page), pageLines(Fixture::readFile(golden)));
    QCOMPARE(page.toLower().count("</script"), 1);

    const QByteArray empty = ModernSlidePage::page(design(), {}, QDate(2026, 12, 7), PageLanguage::Japanese);
    QVERIFY(empty.startsWith("<!DOCTYPE html>\r\n<html lang=\"ja\">"));
    QVERIFY(!empty.contains("<script") && !empty.contains("<img") && !empty.contains("<a "));
}

QTEST_GUILESS_MAIN(tst_SlidePage)
#include "tst_slidepage.moc"
