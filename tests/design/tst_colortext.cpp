// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/colortext.h"
#include "platform/failure.h"

#include <QTest>

class tst_ColorText : public QObject
{
    Q_OBJECT

private slots:
    void colorToHtml_data();
    void colorToHtml();
    void htmlToColor_data();
    void htmlToColor();
    void htmlToColorFailsWith13_data();
    void htmlToColorFailsWith13();
};

void tst_ColorText::colorToHtml_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("each component padded") << quint32(12 + 256 * 11 + 65536 * 10) << "#0C0B0A";
    QTest::newRow("black") << quint32(0) << "#000000";
    QTest::newRow("white") << quint32(16777215) << "#FFFFFF";
    QTest::newRow("red is the low byte") << quint32(254 + 256 * 255 + 65536 * 230) << "#FEFFE6";
}

void tst_ColorText::colorToHtml()
{
    QFETCH(quint32, value);
    QFETCH(QString, text);
    QCOMPARE(::colorToHtml(value), text);
    QCOMPARE(::htmlToColor(text), value);
}

void tst_ColorText::htmlToColor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");
    QTest::newRow("lower-case digits") << "#00ff00" << quint32(65280);
    QTest::newRow("first character not examined") << "X107070" << quint32(0x10 + 256 * 0x70 + 65536 * 0x70);
    QTest::newRow("same as with number sign") << "#107070" << quint32(0x10 + 256 * 0x70 + 65536 * 0x70);
    QTest::newRow("six characters give a one-digit blue") << "#FFFFF" << quint32(255 + 256 * 255 + 65536 * 15);
    QTest::newRow("characters past the seventh ignored") << "#0102030405" << quint32(1 + 256 * 2 + 65536 * 3);
}

void tst_ColorText::htmlToColor()
{
    QFETCH(QString, text);
    QFETCH(quint32, value);
    QCOMPARE(::htmlToColor(text), value);
}

void tst_ColorText::htmlToColorFailsWith13_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("no blue pair") << "#FFFF";
    QTest::newRow("not hexadecimal") << "#GG0000";
    QTest::newRow("blank inside a pair") << "# F0000";
    QTest::newRow("sign inside a pair") << "#+F0000";
    QTest::newRow("colour name") << "YELLOW";
}

void tst_ColorText::htmlToColorFailsWith13()
{
    QFETCH(QString, text);
    try {
        ::htmlToColor(text);
        QFAIL("the conversion must fail");
    } catch (const Failure &failure) {
        QCOMPARE(failure.code(), FailureCode::TypeMismatch);
    }
}

QTEST_GUILESS_MAIN(tst_ColorText)
#include "tst_colortext.moc"
