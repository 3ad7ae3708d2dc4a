// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/guardedpicture.h"
#include "jpegfixture.h"
#include "picturebytes.h"
#include "platform/failure.h"
#include "testsupport.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTest>

using namespace JpegFixture;

namespace {

Recipe recipe(int width, int height, J_COLOR_SPACE space = JCS_RGB, bool progressive = false)
{
    Recipe r;
    r.width = width;
    r.height = height;
    r.space = space;
    r.progressive = progressive;
    return r;
}

// The same headers with the middle of the scan data overwritten: it still
// parses, but decodes to garbage.
QByteArray garbled(QByteArray jpeg)
{
    const qsizetype scan = findMarker(jpeg, 0xDA);
    const qsizetype data = scan + 2 + ((uchar(jpeg[scan + 2]) << 8) | uchar(jpeg[scan + 3]));
    const qsizetype middle = (data + jpeg.size()) / 2;
    jpeg.replace(middle, (jpeg.size() - data) / 4, QByteArray((jpeg.size() - data) / 4, '\xFE'));
    return jpeg;
}

// A picture with a different colour in each corner, so every turn shows.
QByteArray corners()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, 32, 24, Qt::red);
    painter.fillRect(32, 0, 32, 24, Qt::green);
    painter.fillRect(0, 24, 32, 24, Qt::blue);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 40 && qAbs(qGreen(a) - qGreen(b)) < 40 && qAbs(qBlue(a) - qBlue(b)) < 40;
}

} // namespace

class tst_GuardedPicture : public QObject
{
    Q_OBJECT

private slots:
    void refusesWhatItCannotShow_data();
    void refusesWhatItCannotShow();
    void decodesAtTheSizeShown_data();
    void decodesAtTheSizeShown();
    void turnsAsTheOrientationSays_data();
    void turnsAsTheOrientationSays();
};

void tst_GuardedPicture::refusesWhatItCannotShow_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("opens"); // the header passes; the decode fails

    const QByteArray progressive = encode(recipe(16, 16, JCS_RGB, true));
    const QByteArray grey = encode(recipe(16, 16, JCS_GRAYSCALE));
    // Its coefficients alone would take 768 MB.
    QTest::newRow("progressive 16000²") << withFrameSize(progressive, 16000, 16000) << FailureCode::BadPictureData
                                        << true;
    QTest::newRow("progressive 32000²") << withFrameSize(progressive, 32000, 32000) << FailureCode::BadPictureData
                                        << false;
    QTest::newRow("grey 20000²") << withFrameSize(grey, 20000, 20000) << FailureCode::BadPictureData << false;
    QTest::newRow("65500²") << withFrameSize(encode(recipe(16, 16)), 65500, 65500) << FailureCode::BadPictureData
                            << false;
    const QByteArray photo = encode(recipe(640, 480));
    QTest::newRow("garbled scan") << garbled(photo) << FailureCode::BadPictureData << true;
    QTest::newRow("cut in half") << photo.left(photo.size() / 2) << FailureCode::BadPictureData << true;
    QTest::newRow("text named jpg") << QByteArray("hello") << FailureCode::InvalidPicture << false;
}

void tst_GuardedPicture::refusesWhatItCannotShow()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    TestHome home;
    const QString path = home.folder() + QStringLiteral("/p.jpg");
    QVERIFY(Fixture::writeFile(path, bytes));
    try {
        const GuardedPicture picture(path);
        QVERIFY(opens);
        picture.decode(QSize(526, 394));
        QFAIL("shown");
    } catch (const Failure &failure) {
        QTEST(failure.code(), "code");
    }
}

void tst_GuardedPicture::decodesAtTheSizeShown_data()
{
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QSize>("decoded");

    QTest::newRow("reduced") << QSize(640, 480) << QSize(64, 48) << QSize(64, 48);
    QTest::newRow("stretched") << QSize(64, 48) << QSize(341, 256) << QSize(341, 256);
    QTest::newRow("panorama 65500×1") << QSize(65500, 1) << QSize(526, 0) << QSize(526, 1);
}

void tst_GuardedPicture::decodesAtTheSizeShown()
{
    QFETCH(QSize, stored);
    QFETCH(QSize, shown);
    TestHome home;
    const QString path = home.folder() + QStringLiteral("/p.jpg");
    QVERIFY(Fixture::writeFile(path, encode(recipe(stored.width(), stored.height()))));

    const GuardedPicture picture(path);
    QCOMPARE(picture.naturalSize(), stored);
    QTEST(picture.decode(shown).size(), "decoded");
}

void tst_GuardedPicture::turnsAsTheOrientationSays_data()
{
    QTest::addColumn<int>("orientation");
    for (int orientation = 1; orientation <= 8; ++orientation)
        QTest::addRow("orientation %d", orientation) << orientation;
}

// Each corner lands where Qt's own reader puts it.
void tst_GuardedPicture::turnsAsTheOrientationSays()
{
    QFETCH(int, orientation);
    TestHome home;
    const QString path = home.folder() + QStringLiteral("/p.jpg");
    QVERIFY(Fixture::writeFile(path, PictureBytes::withOrientation(corners(), orientation)));
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage expected = reader.read();

    const GuardedPicture picture(path);
    QCOMPARE(picture.naturalSize(), expected.size());
    const QImage shown = picture.decode(expected.size()).convertToFormat(QImage::Format_RGB32);
    for (const QPoint &at : {QPoint(4, 4), QPoint(expected.width() - 5, 4), QPoint(4, expected.height() - 5)})
        QVERIFY2(near(shown.pixel(at), expected.pixel(at)), qPrintable(QString::number(at.x())));
}

QTEST_GUILESS_MAIN(tst_GuardedPicture)
#include "tst_guardedpicture.moc"
