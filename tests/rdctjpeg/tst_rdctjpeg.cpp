// SPDX-License-Identifier: GPL-3.0-or-later
// RdctJPEG.so as the program sees it: loaded from the build tree by path.
#include "jpegfixture.h"
#include "rdctjpeg/rdctjpeg.h"
#include "rdctjpeg/rdctjpeg_record.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>

using namespace JpegFixture;

Q_DECLARE_METATYPE(JpegFixture::Recipe)

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

Recipe recipe(int width, int height, J_COLOR_SPACE space = JCS_RGB)
{
    Recipe r;
    r.width = width;
    r.height = height;
    r.space = space;
    return r;
}

// The reduced size as libjpeg computes it: ceil(size / denominator).
int scaled(int size, int denominator)
{
    return (size + denominator - 1) / denominator;
}

// Exif APP1 payload: little-endian TIFF header, one IFD entry, Orientation = 6.
QByteArray exifWithOrientation()
{
    QByteArray e("Exif\0\0", 6);
    e += QByteArray("II\x2a\x00\x08\x00\x00\x00", 8);
    e += QByteArray("\x01\x00", 2);                             // one entry
    e += QByteArray("\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00", 12); // 0x0112 SHORT 1 = 6
    e += QByteArray(4, '\0');                                   // no next IFD
    return e;
}

QByteArray iccChunk(int sequence, int count, int size)
{
    QByteArray c("ICC_PROFILE\0", 12);
    c += char(sequence);
    c += char(count);
    for (int i = 0; i < size; ++i)
        c += char((i * 31 + sequence) & 0xFF);
    return c;
}

} // namespace

class tst_RdctJpeg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scaledSize_data();
    void scaledSize();
    void kinds_data();
    void kinds();
    void qualityFromText_data();
    void qualityFromText();
    void badArguments_data();
    void badArguments();
    void keepsExifAndIcc();
    void refusedInputs_data();
    void refusedInputs();
    void refusedOversized_data();
    void refusedOversized();
    void fifoIsRefusedWithoutOpening();
    void unwritableDestination();
    void placedWholeWithItsRecord_data();
    void placedWholeWithItsRecord();
    void newFileModeFollowsUmask();
    void twoThreadsAtOnce();

private:
    // Writes the source, reduces it to s_<name> and returns the code.
    int reduceBytes(const QByteArray &source, int denominator,
                    const char *text = RDCTJPEG_LIBRARY_TEXT);
    QString sourcePath() const { return m_dir.filePath(QStringLiteral("x.jpg")); }
    QString destinationPath() const { return m_dir.filePath(QStringLiteral("s_x.jpg")); }

    QTemporaryDir m_dir;
    ReductJPEGFileFunction m_reduce = nullptr;
};

void tst_RdctJpeg::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QLibrary library(QStringLiteral(RDCTJPEG_BUILT_LIBRARY));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    m_reduce = reinterpret_cast<ReductJPEGFileFunction>(library.resolve("ReductJPEGFile"));
    QVERIFY(m_reduce);
    // Nothing but the entry point is exported.
    QVERIFY(!library.resolve("reduce"));
    QVERIFY(!library.resolve("quality_from_text"));
}

int tst_RdctJpeg::reduceBytes(const QByteArray &source, int denominator, const char *text)
{
    QFile::remove(destinationPath());
    if (!writeAll(sourcePath(), source))
        return -1;
    return m_reduce(QFile::encodeName(sourcePath()).constData(),
                    QFile::encodeName(destinationPath()).constData(), denominator, text);
}

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
        const double diff = meanDifference(decode(readAll(destinationPath()), 1, true).pixels,
                                           decode(bytes, d, true).pixels);
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

void tst_RdctJpeg::badArguments_data()
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

void tst_RdctJpeg::badArguments()
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

void tst_RdctJpeg::keepsExifAndIcc()
{
    const QList<QPair<int, QByteArray>> markers = {
        {JPEG_APP0 + 1, exifWithOrientation()},
        {JPEG_APP0 + 2, iccChunk(1, 2, 65000)}, // a profile in two chunks, the first full
        {JPEG_APP0 + 2, iccChunk(2, 2, 1200)},
        {JPEG_APP0 + 1, QByteArray("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 41)},
    };
    // A camera's multi-picture index points into the original file: dropped.
    QList<QPair<int, QByteArray>> withIndex = markers;
    withIndex.insert(3, {JPEG_APP0 + 2, QByteArray("MPF\0II*\0\x08\0\0\0", 12)});
    for (bool jfif : {false, true}) {
        Recipe r = recipe(120, 90);
        r.jfif = jfif;
        r.markers = withIndex;
        QCOMPARE(reduceBytes(encode(r), 4), RDCTJPEG_OK);
        const QByteArray out = readAll(destinationPath());
        const Decoded d = decode(out);
        QVERIFY(d.ok);
        QCOMPARE(d.markers, markers);
        // Without JFIF in the source, EXIF directly follows SOI, where readers look.
        QCOMPARE(d.jfif, jfif);
        if (!jfif)
            QCOMPARE(out.mid(2, 2), QByteArray("\xFF\xE1"));
    }
}

void tst_RdctJpeg::refusedInputs_data()
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
    QTest::newRow("progressive truncated") << progressive.left(progressive.size() * 2 / 3)
                                           << RDCTJPEG_E_DECODE;
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

void tst_RdctJpeg::refusedInputs()
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

        QCOMPARE(m_reduce(QFile::encodeName(src).constData(), QFile::encodeName(dst).constData(), 4,
                          RDCTJPEG_LIBRARY_TEXT),
                 code);

        QStringList expected{QStringLiteral("photo.jpg")};
        if (earlier) {
            expected.append(QStringLiteral("s_photo.jpg"));
            QCOMPARE(readAll(dst), earlierThumbnail);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
                 expected);
    }
}

void tst_RdctJpeg::refusedOversized_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("code");

    QTest::newRow("65500x65500 baseline")
        << withFrameSize(encode(recipe(16, 16)), 65500, 65500) << RDCTJPEG_E_TOO_LARGE;
    Recipe r = recipe(16, 16);
    r.progressive = true;
    QTest::newRow("20000x20000 progressive")
        << withFrameSize(encode(r), 20000, 20000) << RDCTJPEG_E_TOO_LARGE;

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

void tst_RdctJpeg::refusedOversized()
{
    QFETCH(QByteArray, source);
    QFETCH(int, code);
    QVERIFY(!source.isEmpty());
    for (int d : {2, 8}) {
        QCOMPARE(reduceBytes(source, d), code);
        QCOMPARE(QFile::exists(destinationPath()), code == RDCTJPEG_OK);
    }
}

void tst_RdctJpeg::fifoIsRefusedWithoutOpening()
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("x.jpg")));
    QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
    const QByteArray dst = QFile::encodeName(dir.filePath(QStringLiteral("s_x.jpg")));
    // Nobody writes to it: a blocking open would never return.
    QCOMPARE(m_reduce(fifo.constData(), dst.constData(), 8, RDCTJPEG_LIBRARY_TEXT),
             RDCTJPEG_E_NOT_REGULAR);
    const QByteArray folder = QFile::encodeName(dir.path());
    QCOMPARE(m_reduce(folder.constData(), dst.constData(), 8, RDCTJPEG_LIBRARY_TEXT),
             RDCTJPEG_E_NOT_REGULAR);
    const QByteArray missing = QFile::encodeName(dir.filePath(QStringLiteral("none.jpg")));
    QCOMPARE(m_reduce(missing.constData(), dst.constData(), 8, RDCTJPEG_LIBRARY_TEXT),
             RDCTJPEG_E_OPEN);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("x.jpg")});
}

void tst_RdctJpeg::unwritableDestination()
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
        QCOMPARE(m_reduce(items[i].source.constData(), items[i].destination.constData(), 2, RDCTJPEG_LIBRARY_TEXT), RDCTJPEG_OK);
        items[i].alone = readAll(QFile::decodeName(items[i].destination));
        QFile::remove(QFile::decodeName(items[i].destination));
    }
    auto run = [this](Item *item) {
        for (int round = 0; round < 5 && (item->code = m_reduce(item->source.constData(), item->destination.constData(), 2,
                                                                 RDCTJPEG_LIBRARY_TEXT)) == 0;
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
