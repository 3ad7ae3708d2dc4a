// SPDX-License-Identifier: GPL-3.0-or-later
#include "rdctjpegfixture.h"

// What the library makes: sizes, kinds, quality, kept markers, the record,
// the file mode and two callers at once.
class tst_RdctJpeg : public QObject, RdctJpegFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { loadLibrary(); }
    void scaledSize_data();
    void scaledSize();
    void kinds_data();
    void kinds();
    void qualityFromText_data();
    void qualityFromText();
    void keepsOnlyOrientationAndIcc();
    void placedWholeWithItsRecord_data();
    void placedWholeWithItsRecord();
    void newFileModeFollowsUmask();
    void twoThreadsAtOnce();
};

void tst_RdctJpeg::scaledSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("denominator");
    for (int d : {2, 4, 8}) {
        const QByteArray s = "/" + QByteArray::number(d);
        QTest::newRow("1x1" + s) << 1 << 1 << d;
        QTest::newRow("17x9" + s) << 17 << 9 << d;
        QTest::newRow("64x48" + s) << 64 << 48 << d;
        QTest::newRow("65500x1" + s) << 65500 << 1 << d;
        QTest::newRow("3x1001" + s) << 3 << 1001 << d;
    }
}

void tst_RdctJpeg::scaledSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, denominator);
    const QByteArray source = encode(recipe(width, height));
    QCOMPARE(reduceBytes(source, denominator), RDCTJPEG_OK);

    const Decoded out = decode(readAll(destinationPath()), 1, true);
    const Decoded reference = decode(source, denominator, true);
    QVERIFY(out.ok && reference.ok);
    QCOMPARE(out.width, scaled(width, denominator));
    QCOMPARE(out.height, scaled(height, denominator));
    QCOMPARE(out.width, reference.width);
    QCOMPARE(out.height, reference.height);
    // The pixels are libjpeg's scaled decode, re-encoded: only coding loss.
    const double diff = meanDifference(out.pixels, reference.pixels);
    QVERIFY2(diff >= 0 && diff < 3.0, qPrintable(QString::number(diff)));
}

void tst_RdctJpeg::kinds_data()
{
    QTest::addColumn<Recipe>("source");
    QTest::addColumn<int>("components");
    QTest::addColumn<int>("jpegSpace");

    QTest::newRow("baseline colour") << recipe(203, 117) << 3 << int(JCS_YCbCr);
    QTest::newRow("grayscale") << recipe(203, 117, JCS_GRAYSCALE) << 1 << int(JCS_GRAYSCALE);
    QTest::newRow("cmyk") << recipe(203, 117, JCS_CMYK) << 4 << int(JCS_CMYK);
    Recipe r = recipe(203, 117);
    r.progressive = true;
    QTest::newRow("progressive") << r << 3 << int(JCS_YCbCr);
    r.space = JCS_GRAYSCALE;
    QTest::newRow("progressive grayscale") << r << 1 << int(JCS_GRAYSCALE);
    r = recipe(203, 117);
    r.arithmetic = true;
    QTest::newRow("arithmetic") << r << 3 << int(JCS_YCbCr);
    r.progressive = true;
    QTest::newRow("arithmetic progressive") << r << 3 << int(JCS_YCbCr);
    r = recipe(203, 117);
    r.restartInterval = 3;
    QTest::newRow("restart markers") << r << 3 << int(JCS_YCbCr);
    r.space = JCS_CMYK;
    r.progressive = true;
    QTest::newRow("cmyk progressive restart") << r << 4 << int(JCS_CMYK);
}

void tst_RdctJpeg::kinds()
{
    QFETCH(Recipe, source);
    QFETCH(int, components);
    QFETCH(int, jpegSpace);
    const QByteArray bytes = encode(source);
    QVERIFY(!bytes.isEmpty());
    for (int d : {2, 4, 8}) {
        QCOMPARE(reduceBytes(bytes, d), RDCTJPEG_OK);
        const Decoded out = decode(readAll(destinationPath()));
        const Decoded reference = decode(bytes, d);
        QVERIFY(out.ok && reference.ok);
        QCOMPARE(out.components, components);
        QCOMPARE(int(out.jpegSpace), jpegSpace);
        QCOMPARE(out.adobe, jpegSpace == JCS_CMYK);
        // Always a plain baseline Huffman file, 4:2:0 for colour.
        QVERIFY(!out.progressive);
        QVERIFY(!out.arithmetic);
        QCOMPARE(out.lumaH, components == 3 ? 2 : 1);
        QCOMPARE(out.lumaV, components == 3 ? 2 : 1);
        QCOMPARE(out.width, scaled(source.width, d));
        QCOMPARE(out.height, scaled(source.height, d));
        // Same picture: luminance pixel by pixel, colour by channel means
        // (4:2:0 blurs the chroma of small pictures).
        const double diff =
            meanDifference(decode(readAll(destinationPath()), 1, true).pixels, decode(bytes, d, true).pixels);
        QVERIFY2(diff >= 0 && diff < 3.0, qPrintable(QString::number(diff)));
        const QList<double> outMeans = channelMeans(out), referenceMeans = channelMeans(reference);
        for (int c = 0; c < components; ++c)
            QVERIFY2(qAbs(outMeans[c] - referenceMeans[c]) < 3.0, qPrintable(QString::number(c)));
    }
}

void tst_RdctJpeg::qualityFromText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("quality");
    QTest::newRow("program's text") << QByteArray(RDCTJPEG_LIBRARY_TEXT) << 80;
    QTest::newRow("50") << QByteArray("RDCTJ:Q050") << 50;
    QTest::newRow("100") << QByteArray("RDCTJ:Q100") << 100;
    QTest::newRow("1") << QByteArray("RDCTJ:Q001") << 1;
}

void tst_RdctJpeg::qualityFromText()
{
    QFETCH(QByteArray, text);
    QFETCH(int, quality);
    QCOMPARE(reduceBytes(encode(recipe(64, 64)), 2, text.constData()), RDCTJPEG_OK);

    // The luminance table libjpeg makes for that quality.
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    QList<unsigned int> expected;
    for (int i = 0; i < DCTSIZE2; ++i)
        expected.append(cinfo.quant_tbl_ptrs[0]->quantval[i]);
    jpeg_destroy_compress(&cinfo);

    QCOMPARE(decode(readAll(destinationPath())).luminanceTable, expected);
}

// A thumbnail keeps what showing it needs, the Orientation and the ICC
// profile; the place, the camera's own data and XMP stay in the photo.
void tst_RdctJpeg::keepsOnlyOrientationAndIcc()
{
    // Big-endian EXIF: a GPS IFD pointer and a serial number before the Orientation (3).
    QByteArray exif("Exif\0\0MM\0\x2a\0\0\0\x08\0\x03", 16);
    exif += QByteArray("\x01\x12\0\x03\0\0\0\x01\0\x03\0\0", 12);
    exif += QByteArray("\x88\x25\0\x04\0\0\0\x01\0\0\0\x40", 12);
    exif += QByteArray("\xa4\x31\0\x02\0\0\0\x04SN1\0", 12);
    exif += QByteArray(4, '\0');
    const QList<QPair<int, QByteArray>> icc = {
        {JPEG_APP0 + 2, iccChunk(1, 2, 65000)}, // a profile in two chunks, the first full
        {JPEG_APP0 + 2, iccChunk(2, 2, 1200)},
    };
    const QByteArray xmp("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 41);
    const QByteArray truncated = exif.left(20);
    for (bool jfif : {false, true}) {
        Recipe r = recipe(120, 90);
        r.jfif = jfif;
        r.markers = {{JPEG_APP0 + 1, exif},
                     icc[0],
                     {JPEG_APP0 + 2, QByteArray("MPF\0II*\0\x08\0\0\0", 12)},
                     icc[1],
                     {JPEG_APP0 + 1, xmp},
                     {JPEG_APP0 + 13, QByteArray("Photoshop 3.0\0", 14)}};
        QCOMPARE(reduceBytes(encode(r), 4), RDCTJPEG_OK);
        const QByteArray out = readAll(destinationPath());
        const Decoded d = decode(out);
        QVERIFY(d.ok);
        QList<QPair<int, QByteArray>> expected = {{JPEG_APP0 + 1, exifWithOrientation(3)}};
        QCOMPARE(d.markers, expected + icc);
        QVERIFY(!out.contains("SN1") && !out.contains("Photoshop") && !out.contains("ns.adobe.com"));
        // Without JFIF in the source, EXIF directly follows SOI, where readers look.
        QCOMPARE(d.jfif, jfif);
        if (!jfif)
            QCOMPARE(out.mid(2, 2), QByteArray("\xFF\xE1"));
        // Without an Orientation, or with a broken EXIF, no EXIF at all.
        r.markers = {{JPEG_APP0 + 1, truncated}, icc[0], icc[1]};
        QCOMPARE(reduceBytes(encode(r), 4), RDCTJPEG_OK);
        QCOMPARE(decode(readAll(destinationPath())).markers, icc);
    }
}

void tst_RdctJpeg::placedWholeWithItsRecord_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<bool>("settled"); // the source was last modified an hour ago
    const QString longName = QString(246, QLatin1Char('n')) + QStringLiteral(".jpg");
    QTest::newRow("new file") << QStringLiteral("p.jpg") << false << true;
    QTest::newRow("replacing") << QStringLiteral("p.jpg") << true << true;
    // "s_" + name still fits the file-name limit; no temporary name may be longer.
    QTest::newRow("250-byte name") << longName << false << true;
    QTest::newRow("250-byte name, replacing") << longName << true << true;
    QTest::newRow("source just modified: no record") << QStringLiteral("p.jpg") << false << false;
}

void tst_RdctJpeg::placedWholeWithItsRecord()
{
    QFETCH(QString, name);
    QFETCH(bool, replacing);
    QFETCH(bool, settled);
    QTemporaryDir dir;
    const QString source = dir.filePath(name), destination = dir.filePath(QStringLiteral("s_") + name);
    QVERIFY(writeAll(source, encode(recipe(120, 90))));
    const timespec anHourAgo[2] = {{time(nullptr) - 3600, 123456789}, {time(nullptr) - 3600, 123456789}};
    QVERIFY(!settled || utimensat(AT_FDCWD, QFile::encodeName(source).constData(), anHourAgo, 0) == 0);
    if (replacing)
        QVERIFY(writeAll(destination, "an older thumbnail"));
    const QByteArray src = QFile::encodeName(source);
    QCOMPARE(m_reduce(src.constData(), QFile::encodeName(destination).constData(), 4, RDCTJPEG_LIBRARY_TEXT),
             RDCTJPEG_OK);
    const QByteArray out = readAll(destination);
    QVERIFY(decode(out).ok);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(),
             2);

    // The comment segment records the source, the scale, the text and the file's own length.
    struct stat st;
    QCOMPARE(stat(src.constData(), &st), 0);
    char expected[RDCTJPEG_RECORD_MAX];
    const int length =
        rdctjpeg_format_record(expected, sizeof expected, out.size(), 4, RDCTJPEG_LIBRARY_TEXT, st.st_size,
                               st.st_mtim.tv_sec, st.st_mtim.tv_nsec, QFile::encodeName(name).constData());
    QVERIFY(length > 0);
    const qsizetype comment = findMarker(out, 0xFE);
    QCOMPARE(comment > 0, settled);
    if (!settled)
        return;
    QCOMPARE(out.mid(comment + 2, 2), QByteArray(1, char((length + 2) >> 8)) + char((length + 2) & 0xFF));
    QCOMPARE(out.mid(comment + 4, length), QByteArray(expected, length));
}

void tst_RdctJpeg::newFileModeFollowsUmask()
{
    const mode_t saved = umask(027);
    QVERIFY(writeAll(destinationPath(), "old"));
    QVERIFY(QFile::setPermissions(destinationPath(), QFile::ReadOwner | QFile::WriteOwner));
    const QByteArray src = QFile::encodeName(sourcePath());
    const QByteArray dst = QFile::encodeName(destinationPath());
    QVERIFY(writeAll(sourcePath(), encode(recipe(64, 48))));
    const int code = m_reduce(src.constData(), dst.constData(), 2, RDCTJPEG_LIBRARY_TEXT);
    umask(saved);
    QCOMPARE(code, RDCTJPEG_OK);
    struct stat st;
    QCOMPARE(stat(dst.constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
}

void tst_RdctJpeg::twoThreadsAtOnce()
{
    QTemporaryDir dir;
    struct Item
    {
        QByteArray source, destination, alone, together;
        int code = -1;
    };
    Item items[2];
    Recipe r = recipe(801, 603);
    for (int i = 0; i < 2; ++i) {
        r.progressive = i == 1;
        items[i].source = QFile::encodeName(dir.filePath(QStringLiteral("p%1.jpg").arg(i)));
        items[i].destination = QFile::encodeName(dir.filePath(QStringLiteral("s_p%1.jpg").arg(i)));
        QVERIFY(writeAll(QFile::decodeName(items[i].source), encode(r)));
        QCOMPARE(m_reduce(items[i].source.constData(), items[i].destination.constData(), 2, RDCTJPEG_LIBRARY_TEXT),
                 RDCTJPEG_OK);
        items[i].alone = readAll(QFile::decodeName(items[i].destination));
        QFile::remove(QFile::decodeName(items[i].destination));
    }
    auto run = [this](Item *item) {
        for (int round = 0; round < 5 && (item->code = m_reduce(item->source.constData(), item->destination.constData(),
                                                                2, RDCTJPEG_LIBRARY_TEXT)) == 0;
             ++round) {
        }
    };
    std::thread first(run, &items[0]), second(run, &items[1]);
    first.join();
    second.join();
    for (Item &item : items) {
        QCOMPARE(item.code, RDCTJPEG_OK);
        QCOMPARE(readAll(QFile::decodeName(item.destination)), item.alone);
    }
}

QTEST_GUILESS_MAIN(tst_RdctJpeg)
#include "tst_rdctjpeg.moc"
