// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumpage.h"
#include "album/htmltext.h"
#include "album/modernpage.h"
#include "design/contrast.h"
#include "testsupport.h"

#include <QTest>

// The page writer against pages checked line by line by hand. Regenerate a
// golden file with VELMO_WRITE_GOLDEN=1 only after reading the difference.
class tst_AlbumPage : public QObject
{
    Q_OBJECT

private slots:
    void sevenImagesSixPerPageTwoPerRow();
    void oneImageAlone();
    void adjustOffAndTargetOn();
    void hostileNamesAndJapaneseTitle();
    void modernPages();
    void modernNavigationShowsPagesNearby();
    void namesFormsPassOrdinaryNamesUnchanged_data();
    void namesFormsPassOrdinaryNamesUnchanged();
    void urlKeepsWhatBrowsersWouldDropOrReread_data();
    void urlKeepsWhatBrowsersWouldDropOrReread();
    void numberAndDateForms();
    void everyLineEndsInCrLf();
};

namespace {

AlbumSlot slot(const QString &name, int index)
{
    AlbumSlot s;
    s.name = name;
    s.source = name;
    s.height = QStringLiteral("100");
    s.width = QStringLiteral("133");
    s.size = 1000 + index;
    s.modified = QDateTime(QDate(2026, 11, 3), QTime(14, 5, 9));
    return s;
}

QList<AlbumRow> rowsOf(const QStringList &names, int perRow)
{
    QList<AlbumRow> rows;
    for (int i = 0; i < names.size(); ++i) {
        if (i % perRow == 0)
            rows.append(AlbumRow());
        rows.last().append(slot(names[i], i));
    }
    return rows;
}

AlbumPageInfo info(int page, int total, bool more)
{
    AlbumPageInfo i;
    i.page = page;
    i.total = total;
    i.morePages = more;
    i.updated = QDate(2026, 12, 7);
    return i;
}

void compareGolden(const QByteArray &bytes, const QString &name)
{
    const QString path = QStringLiteral(VELMO_GOLDEN_DIR "/") + name;
    if (qEnvironmentVariableIsSet("VELMO_WRITE_GOLDEN"))
        QVERIFY(Fixture::writeFile(path, bytes));
    QCOMPARE(bytes, Fixture::readFile(path));
}

} // namespace

void tst_AlbumPage::sevenImagesSixPerPageTwoPerRow()
{
    // The seven pictures of tst_albumbuild's golden album, so both share its pages.
    const QStringList boxes = {"133x100", "75x100", "100x80", "133x100", "135x8", "75x100", "133x100"};
    const QDateTime taken(QDate(2024, 5, 3), QTime(14, 7, 9));
    QList<AlbumRow> rows;
    for (int i = 0; i < boxes.size(); ++i) {
        AlbumSlot s = slot(QStringLiteral("IMG_%1.JPG").arg(i + 1), 0);
        s.width = boxes[i].section('x', 0, 0);
        s.height = boxes[i].section('x', 1, 1);
        s.size = 4096 + i;
        s.modified = i == 6 ? QDateTime(QDate(2024, 5, 4), QTime(0, 0)) : taken.addSecs(i);
        if (i % 2 == 0)
            rows.append(AlbumRow());
        rows.last().append(s);
    }
    DesignValues design;
    design.title = QStringLiteral("夏の旅 & 海");
    AlbumPageInfo first = info(1, 2, true), second = info(2, 2, false);
    first.targetBlank = second.targetBlank = true;
    compareGolden(AlbumPage::page(design, first, rows.mid(0, 3)), QStringLiteral("seven_Album001.html"));
    compareGolden(AlbumPage::page(design, second, rows.mid(3)), QStringLiteral("seven_Album002.html"));
}

void tst_AlbumPage::oneImageAlone()
{
    const QByteArray page = AlbumPage::page(DesignValues(), info(1, 1, false), rowsOf({"a.jpg"}, 2));
    QVERIFY(!page.contains("BACK"));
    QVERIFY(!page.contains("NEXT"));
    QCOMPARE(page.count("<!" + QByteArray(49, '-') + ">\r\n"), 1);
    QVERIFY(page.endsWith("<font size=5>Velmo for Windows95</font><br>\r\n        | </P>\r\n</P>\r\n"
                          "</BODY>\r\n</HTML>\r\n"));
}

void tst_AlbumPage::adjustOffAndTargetOn()
{
    AlbumPageInfo i = info(2, 3, true);
    i.targetBlank = true;
    AlbumRow row = {slot("a.jpg", 0), slot("b.jpg", 1)};
    for (AlbumSlot &s : row) {
        s.height = QStringLiteral("100");
        s.width = QStringLiteral("135");
        s.source = QStringLiteral("s_") + s.name;
    }
    const QByteArray page = AlbumPage::page(DesignValues(), i, {row});
    QCOMPARE(page.count("<IMG src=\"s_a.jpg\" height=\"100\" Width = \"135\" border=0>"), 1);
    QCOMPARE(page.count("<a href=\"a.jpg\" target=\"_blank\">"), 2);
    QCOMPARE(page.count("<a href=\"b.jpg\" target=\"_blank\">b.jpg</a>"), 1);
    // Page navigation never opens a new window.
    QCOMPARE(page.count("| <A HREF=\"Album001.html\">BACK</A>\r\n"), 2);
    QCOMPARE(page.count("| <A HREF=\"Album003.html\">NEXT</A>\r\n"), 2);
    QCOMPARE(page.count("target"), 4);
}

void tst_AlbumPage::hostileNamesAndJapaneseTitle()
{
    DesignValues design;
    design.title = QStringLiteral("<b>家族</b> & 旅行");
    const QStringList names = {"a\"b.jpg", "x<script>.jpg", "100%#1?.jpg", "R&D.JPG", "写真 (1).jpg"};
    compareGolden(AlbumPage::page(design, info(1, 1, false), rowsOf(names, 3)), QStringLiteral("hostile.html"));
}

// One golden page per language: the grid with the design's row width, the
// names of the hostile page, carried comments (markup, bytes that are no
// text), the picture's own size or else the box, and the navigation of a
// middle page.
void tst_AlbumPage::modernPages()
{
    DesignValues design;
    design.title = QStringLiteral("<b>家族</b> & \"旅行\" 100%2");
    design.link = QStringLiteral("#00ff00");
    design.pageStyle = PageStyle::Modern;
    QList<AlbumRow> rows =
        rowsOf({"a\"b.jpg", "x<script>.jpg", "100%#1?.jpg", "R&D.JPG", "javascript:x.jpg", ",写真 1.jpg"}, 3);
    rows[0][0].pixels = QSize(512, 384);
    rows[0][0].source = QStringLiteral("s_a\"b.jpg");
    // The full image as the larger form of its reduced copy.
    rows[1][2].source = QStringLiteral("s_,写真 1.jpg");
    rows[1][2].pixels = QSize(300, 400);
    rows[1][2].photoPixels = QSize(600, 800);
    rows[0][1].comment = "<b>海辺</b>で\r\n\"夕方\"";
    rows[1][0].comment = "caf\xe9";
    rows[1][1].height.clear();
    AlbumPageInfo middle = info(3, 5, true);
    middle.targetBlank = true;
    middle.homeExists = true;
    compareGolden(AlbumPage::inStyle(design, middle, rows), QStringLiteral("modern_ja.html"));

    AlbumPageInfo english = info(1, 1, false);
    english.language = PageLanguage::English;
    compareGolden(AlbumPage::inStyle(design, english, rows.mid(0, 1)), QStringLiteral("modern_en.html"));

    // The default design's colours keep readable contrast on the page.
    const ModernPalette colors = ModernPalette::of(design);
    for (const auto &[text, background] : {std::pair{colors.text, colors.background},
                                           {colors.link, colors.background},
                                           {colors.link, colors.card},
                                           {colors.visitedLink, colors.card},
                                           {colors.labelText, colors.label}})
        QVERIFY(Contrast::ratio(htmlToColor(text), htmlToColor(background)) >= Contrast::ReadableText);
    QCOMPARE(colors.text, QStringLiteral("#000000"));
}

void tst_AlbumPage::modernNavigationShowsPagesNearby()
{
    DesignValues design;
    design.pageStyle = PageStyle::Modern;
    const QByteArray first = AlbumPage::inStyle(design, info(1, 9, true), rowsOf({"a.jpg"}, 1));
    QVERIFY(first.contains("<a href=\"Album003.html\">3</a><span aria-hidden=\"true\">…</span>"
                           "<a href=\"Album009.html\">9</a><a href=\"Album002.html\" rel=\"next\">"));
    QVERIFY(!first.contains("rel=\"prev\""));
    QVERIFY(!first.contains("index.html"));
    // A lone page without a home page has no navigation at all.
    QVERIFY(!AlbumPage::inStyle(design, info(1, 1, false), rowsOf({"a.jpg"}, 1)).contains("class=\"nav\""));
}

void tst_AlbumPage::namesFormsPassOrdinaryNamesUnchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "DSC0001.JPG";
    QTest::newRow("blanks and brackets") << "My photo (2)_a-b.jpeg";
    QTest::newRow("japanese") << "夏休み　写真.jpg";
}

void tst_AlbumPage::namesFormsPassOrdinaryNamesUnchanged()
{
    QFETCH(QString, name);
    QCOMPARE(HtmlText::urlAttribute(name), name);
    QCOMPARE(HtmlText::text(name), name);
    QCOMPARE(HtmlText::markerKey(name), name);
    QCOMPARE(HtmlText::startMarker(name), QStringLiteral("<!S") + name + QLatin1Char('>'));
}

// A browser drops tabs and line breaks from a URL, strips blanks at its ends,
// reads a backslash as "/" and what stands before a ":" as a scheme: each
// would link another file or run a script.
void tst_AlbumPage::urlKeepsWhatBrowsersWouldDropOrReread_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("url");
    QTest::newRow("escape, fragment, query") << "1%#2?.jpg"
                                             << "1%25%232%3F.jpg";
    QTest::newRow("backslash") << "a\\b.jpg"
                               << "a%5Cb.jpg";
    QTest::newRow("line break and tab") << "a\nb\r\tc.jpg"
                                        << "a%0Ab%0D%09c.jpg";
    QTest::newRow("blank first") << " a b.jpg"
                                 << "%20a b.jpg";
    QTest::newRow("blank last") << "a b.jpg "
                                << "a b.jpg%20";
    QTest::newRow("delete character") << "a\x7F.jpg"
                                      << "a%7F.jpg";
    QTest::newRow("script scheme") << "javascript:alert(document.domain).jpg"
                                   << "./javascript:alert(document.domain).jpg";
    QTest::newRow("image scheme") << "png:x.jpg"
                                  << "./png:x.jpg";
    QTest::newRow("colon after a blank") << "a b:c.jpg"
                                         << "./a b:c.jpg";
}

void tst_AlbumPage::urlKeepsWhatBrowsersWouldDropOrReread()
{
    QFETCH(QString, name);
    QFETCH(QString, url);
    QCOMPARE(HtmlText::urlPath(name), url);
}

void tst_AlbumPage::numberAndDateForms()
{
    QCOMPARE(HtmlText::wholeNumber(133.33), QStringLiteral("133"));
    QCOMPARE(HtmlText::wholeNumber(74.5), QStringLiteral("75"));
    QCOMPARE(HtmlText::wholeNumber(0.49), QString());
    QCOMPARE(HtmlText::wholeNumber(0.5), QStringLiteral("1"));
    QCOMPARE(HtmlText::threeDigits(7), QStringLiteral("007"));
    QCOMPARE(HtmlText::threeDigits(1234), QStringLiteral("1234"));
    QCOMPARE(HtmlText::fileDate(QDateTime(QDate(1999, 2, 8), QTime(5, 0, 46, 730))),
             QStringLiteral("1999/02/08 5:00:46"));
    QCOMPARE(HtmlText::fileDate(QDateTime(QDate(1999, 12, 5), QTime(0, 0))), QStringLiteral("1999/12/05"));
    QCOMPARE(HtmlText::updateDate(QDate(1999, 12, 5)), QStringLiteral("1999/12/05"));
}

void tst_AlbumPage::everyLineEndsInCrLf()
{
    const QByteArray page = AlbumPage::page(DesignValues(), info(1, 1, false), rowsOf({"a.jpg", "b.jpg"}, 1));
    QVERIFY(page.endsWith("\r\n"));
    QCOMPARE(page.count('\n'), page.count("\r\n"));
    QCOMPARE(page.count('\r'), page.count("\r\n"));
}

QTEST_GUILESS_MAIN(tst_AlbumPage)
#include "tst_albumpage.moc"
