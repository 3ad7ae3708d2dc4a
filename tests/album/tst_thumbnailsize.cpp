// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/thumbnailsize.h"
#include "design/designvalues.h"
#include "picturebytes.h"
#include "platform/failure.h"
#include "testsupport.h"

#include <QImage>
#include <QTest>

namespace {
// The design-time thumbnail box.
const QSize DesignBox = DesignSize::box(DesignValues());
} // namespace

class tst_ThumbnailSize : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void exifQuarterTurnSwapsSides_data();
    void exifQuarterTurnSwapsSides();
    void unreadablePictureKeepsPreviousSize_data();
    void unreadablePictureKeepsPreviousSize();
    void pngNamedJpgIsMeasuredAsPng();
    void hugeHeaderIsFittedWithoutDecoding();
};

void tst_ThumbnailSize::sizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("thumbHeight");
    QTest::addColumn<QString>("thumbWidth");

    QTest::newRow("landscape 640x480") << 640 << 480 << "100"
                                       << "133";
    QTest::newRow("portrait 480x640") << 480 << 640 << "100"
                                      << "75";
    QTest::newRow("wide, fitted by width") << 1600 << 100 << "8"
                                           << "135";
    QTest::newRow("equal to the box") << 135 << 100 << "100"
                                      << "135";
    QTest::newRow("smaller is not enlarged") << 100 << 80 << "80"
                                             << "100";
    QTest::newRow("a few pixels") << 8 << 6 << "6"
                                  << "8";
    QTest::newRow("taller only") << 100 << 101 << "100"
                                 << "99";
}

void tst_ThumbnailSize::sizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    TestHome home;
    const QString path = home.folder() + "/p.jpg";
    QVERIFY(Fixture::makeJpeg(path, width, height));

    FitState state;
    const ThumbnailSize size = measureThumbnail(path, DesignBox, state);
    QTEST(size.height, "thumbHeight");
    QTEST(size.width, "thumbWidth");
    QCOMPARE(state.naturalWidth, width * TwipsPerPixel);
    QCOMPARE(state.naturalHeight, height * TwipsPerPixel);
}

void tst_ThumbnailSize::exifQuarterTurnSwapsSides_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("upright") << 1 << QSize(640, 480);
    QTest::newRow("upside down") << 3 << QSize(640, 480);
    QTest::newRow("transposed") << 5 << QSize(480, 640);
    QTest::newRow("rotated 90") << 6 << QSize(480, 640);
    QTest::newRow("rotated 270") << 8 << QSize(480, 640);
}

void tst_ThumbnailSize::exifQuarterTurnSwapsSides()
{
    QFETCH(int, orientation);
    QFETCH(QSize, shown);
    TestHome home;
    const QString path = home.folder() + "/p.jpg";
    QVERIFY(Fixture::makeJpeg(path, 640, 480));
    QVERIFY(Fixture::writeFile(path, PictureBytes::withOrientation(Fixture::readFile(path), orientation)));
    QCOMPARE(pictureSize(path), shown);
}

void tst_ThumbnailSize::unreadablePictureKeepsPreviousSize_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("zero bytes") << QByteArray();
    QTest::newRow("text") << QByteArray("not a picture\n");
    QTest::newRow("cut before the frame header") << QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10);
}

void tst_ThumbnailSize::unreadablePictureKeepsPreviousSize()
{
    QFETCH(QByteArray, bytes);
    TestHome home;
    const QString good = home.folder() + "/good.jpg";
    const QString bad = home.folder() + "/bad.jpg";
    QVERIFY(Fixture::makeJpeg(good, 480, 640));
    QVERIFY(Fixture::writeFile(bad, bytes));

    FitState state;
    measureThumbnail(good, DesignBox, state);
    const ThumbnailSize size = measureThumbnail(bad, DesignBox, state);
    QCOMPARE(size.height, QString("100"));
    QCOMPARE(size.width, QString("75"));
}

void tst_ThumbnailSize::pngNamedJpgIsMeasuredAsPng()
{
    TestHome home;
    const QString path = home.folder() + "/png-with-jpeg-extension.jpg";
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(path, "PNG"));
    QCOMPARE(pictureSize(path), QSize(640, 480));
}

void tst_ThumbnailSize::hugeHeaderIsFittedWithoutDecoding()
{
    TestHome home;
    const QString path = home.folder() + "/huge.jpg";
    QVERIFY(Fixture::makeJpeg(path, 16, 16));
    QVERIFY(Fixture::writeFile(path, PictureBytes::withClaimedSize(Fixture::readFile(path), 65500, 65500)));

    FitState state;
    const ThumbnailSize size = measureThumbnail(path, DesignBox, state);
    QCOMPARE(size.height, QString("100"));
    QCOMPARE(size.width, QString("100"));
}

QTEST_GUILESS_MAIN(tst_ThumbnailSize)
#include "tst_thumbnailsize.moc"
