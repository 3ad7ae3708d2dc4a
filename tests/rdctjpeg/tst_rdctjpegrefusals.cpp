// SPDX-License-Identifier: GPL-3.0-or-later
#include "rdctjpegfixture.h"

// What the library refuses: bad arguments, broken, hostile or oversized
// inputs, special files and unwritable destinations.
class tst_RdctJpegRefusals : public QObject, RdctJpegFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { loadLibrary(); }
    void badArguments_data();
    void badArguments();
    void refusedInputs_data();
    void refusedInputs();
    void refusedOversized_data();
    void refusedOversized();
    void fifoIsRefusedWithoutOpening();
    void unwritableDestination();
};

void tst_RdctJpegRefusals::badArguments_data()
{
    QTest::addColumn<bool>("nullSource");
    QTest::addColumn<bool>("emptyDestination");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("nullText");
    const QByteArray ok(RDCTJPEG_LIBRARY_TEXT);
    QTest::newRow("null source") << true << false << 2 << ok << false;
    QTest::newRow("empty destination") << false << true << 2 << ok << false;
    for (int d : {-2, 0, 1, 3, 6, 16})
        QTest::addRow("denominator %d", d) << false << false << d << ok << false;
    QTest::newRow("null text") << false << false << 2 << ok << true;
    QTest::newRow("empty text") << false << false << 2 << QByteArray("") << false;
    QTest::newRow("one more character") << false << false << 2 << QByteArray("RDCTJ:Q0800") << false;
    QTest::newRow("one less character") << false << false << 2 << QByteArray("RDCTJ:Q80") << false;
    QTest::newRow("lower case") << false << false << 2 << QByteArray("rdctj:q080") << false;
    QTest::newRow("not a digit") << false << false << 2 << QByteArray("RDCTJ:Q08x") << false;
    QTest::newRow("quality 0") << false << false << 2 << QByteArray("RDCTJ:Q000") << false;
    QTest::newRow("quality 101") << false << false << 2 << QByteArray("RDCTJ:Q101") << false;
    QTest::newRow("other tag") << false << false << 2 << QByteArray("RDCTX:Q080") << false;
}

void tst_RdctJpegRefusals::badArguments()
{
    QFETCH(bool, nullSource);
    QFETCH(bool, emptyDestination);
    QFETCH(int, denominator);
    QFETCH(QByteArray, text);
    QFETCH(bool, nullText);
    QVERIFY(writeAll(sourcePath(), encode(recipe(32, 32))));
    QFile::remove(destinationPath());
    const QByteArray source = QFile::encodeName(sourcePath());
    const QByteArray destination = emptyDestination ? QByteArray("") : QFile::encodeName(destinationPath());
    QCOMPARE(m_reduce(nullSource ? nullptr : source.constData(), destination.constData(), denominator,
                      nullText ? nullptr : text.constData()),
             RDCTJPEG_E_ARGUMENT);
    QVERIFY(!QFile::exists(destinationPath()));
}

void tst_RdctJpegRefusals::refusedInputs_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("code");

    const QByteArray good = encode(recipe(160, 120));
    QTest::newRow("zero bytes") << QByteArray() << RDCTJPEG_E_DECODE;
    QTest::newRow("SOI only") << QByteArray("\xFF\xD8", 2) << RDCTJPEG_E_DECODE;
    QTest::newRow("truncated in the scan") << good.left(good.size() / 2) << RDCTJPEG_E_DECODE;
    QTest::newRow("truncated in the headers") << good.left(300) << RDCTJPEG_E_DECODE;
    Recipe r = recipe(160, 120);
    r.progressive = true;
    const QByteArray progressive = encode(r);
    QTest::newRow("progressive truncated") << progressive.left(progressive.size() * 2 / 3) << RDCTJPEG_E_DECODE;
    QByteArray badPrecision = good;
    const qsizetype sof = findMarker(good, 0xC0);
    QVERIFY(sof > 0);
    badPrecision[sof + 4] = 7;
    QTest::newRow("corrupt frame header") << badPrecision << RDCTJPEG_E_DECODE;
    QByteArray garbage = good;
    for (qsizetype i = 2; i < garbage.size(); ++i)
        garbage[i] = char((i * 131) & 0x7F);
    QTest::newRow("garbage after SOI") << garbage << RDCTJPEG_E_DECODE;

    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, "PNG"));
    }
    QTest::newRow("png named .jpg") << png << RDCTJPEG_E_DECODE;
}

void tst_RdctJpegRefusals::refusedInputs()
{
    QFETCH(QByteArray, source);
    QFETCH(int, code);
    for (bool earlier : {false, true}) {
        QTemporaryDir dir;
        const QString src = dir.filePath(QStringLiteral("photo.jpg"));
        const QString dst = dir.filePath(QStringLiteral("s_photo.jpg"));
        QVERIFY(writeAll(src, source));
        const QByteArray earlierThumbnail = encode(recipe(20, 15));
        if (earlier)
            QVERIFY(writeAll(dst, earlierThumbnail));

        QCOMPARE(
            m_reduce(QFile::encodeName(src).constData(), QFile::encodeName(dst).constData(), 4, RDCTJPEG_LIBRARY_TEXT),
            code);

        QStringList expected{QStringLiteral("photo.jpg")};
        if (earlier) {
            expected.append(QStringLiteral("s_photo.jpg"));
            QCOMPARE(readAll(dst), earlierThumbnail);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), expected);
    }
}

void tst_RdctJpegRefusals::refusedOversized_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("code");

    QTest::newRow("65500x65500 baseline")
        << withFrameSize(encode(recipe(16, 16)), 65500, 65500) << RDCTJPEG_E_TOO_LARGE;
    Recipe r = recipe(16, 16);
    r.progressive = true;
    QTest::newRow("20000x20000 progressive") << withFrameSize(encode(r), 20000, 20000) << RDCTJPEG_E_TOO_LARGE;
    // Fewer pixels than the limit, but its coefficients would take 768 MB.
    QTest::newRow("16000x16000 progressive") << withFrameSize(encode(r), 16000, 16000) << RDCTJPEG_E_TOO_LARGE;

    // A DC scan and a full AC scan, then the AC scan repeated: each repeat is a
    // legal first pass over the same coefficients, so only the scan count stops it.
    Recipe s = recipe(16, 16, JCS_GRAYSCALE);
    s.scans = {{1, {0}, 0, 0, 0, 0}, {1, {0}, 1, 63, 0, 0}};
    const QByteArray twoScans = encode(s);
    const qsizetype secondScan = findMarker(twoScans, 0xDA, findMarker(twoScans, 0xDA) + 2);
    QVERIFY(secondScan > 0);
    const QByteArray acScan = twoScans.mid(secondScan, twoScans.size() - 2 - secondScan);
    QByteArray many = twoScans.left(twoScans.size() - 2);
    for (int i = 0; i < 2998; ++i)
        many += acScan;
    many += QByteArray("\xFF\xD9", 2);
    QTest::newRow("3000 scans") << many << RDCTJPEG_E_TOO_MANY_SCANS;

    // The same file under the limit reduces: the repeat itself is not the fault.
    QByteArray few = twoScans.left(twoScans.size() - 2);
    for (int i = 0; i < 400; ++i)
        few += acScan;
    few += QByteArray("\xFF\xD9", 2);
    QTest::newRow("402 scans") << few << RDCTJPEG_OK;
}

void tst_RdctJpegRefusals::refusedOversized()
{
    QFETCH(QByteArray, source);
    QFETCH(int, code);
    QVERIFY(!source.isEmpty());
    // A refusal leaves the source alone in the folder: no thumbnail, no temporary.
    QStringList expected{QStringLiteral("x.jpg")};
    if (code == RDCTJPEG_OK)
        expected.prepend(QStringLiteral("s_x.jpg"));
    for (int d : {2, 8}) {
        QCOMPARE(reduceBytes(source, d), code);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), expected);
    }
}

void tst_RdctJpegRefusals::fifoIsRefusedWithoutOpening()
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("x.jpg")));
    QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
    const QByteArray dst = QFile::encodeName(dir.filePath(QStringLiteral("s_x.jpg")));
    // Nobody writes to it: a blocking open would never return.
    QCOMPARE(m_reduce(fifo.constData(), dst.constData(), 8, RDCTJPEG_LIBRARY_TEXT), RDCTJPEG_E_NOT_REGULAR);
    const QByteArray folder = QFile::encodeName(dir.path());
    QCOMPARE(m_reduce(folder.constData(), dst.constData(), 8, RDCTJPEG_LIBRARY_TEXT), RDCTJPEG_E_NOT_REGULAR);
    const QByteArray missing = QFile::encodeName(dir.filePath(QStringLiteral("none.jpg")));
    QCOMPARE(m_reduce(missing.constData(), dst.constData(), 8, RDCTJPEG_LIBRARY_TEXT), RDCTJPEG_E_OPEN);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("x.jpg")});
}

void tst_RdctJpegRefusals::unwritableDestination()
{
    QVERIFY(writeAll(sourcePath(), encode(recipe(64, 48))));
    const QByteArray src = QFile::encodeName(sourcePath());
    const QByteArray nowhere = QFile::encodeName(m_dir.filePath(QStringLiteral("missing/s_x.jpg")));
    QCOMPARE(m_reduce(src.constData(), nowhere.constData(), 2, RDCTJPEG_LIBRARY_TEXT), RDCTJPEG_E_WRITE);
    // A folder standing where the file should go: the rename fails, the temporary goes.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("s_x.jpg")));
    const QByteArray blocked = QFile::encodeName(dir.filePath(QStringLiteral("s_x.jpg")));
    QCOMPARE(m_reduce(src.constData(), blocked.constData(), 2, RDCTJPEG_LIBRARY_TEXT), RDCTJPEG_E_WRITE);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("s_x.jpg")});
}

QTEST_GUILESS_MAIN(tst_RdctJpegRefusals)
#include "tst_rdctjpegrefusals.moc"
