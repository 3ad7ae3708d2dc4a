// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/droplocation.h"
#include "comment_tool/previewpicture.h"
#include "platform/failure.h"
#include "testsupport.h"

#include <QBuffer>
#include <QImageWriter>
#include <QMimeData>
#include <QTest>

namespace {

int failureOf(const std::function<void()> &step)
{
    try {
        step();
    } catch (const Failure &failure) {
        return failure.code();
    }
    return 0;
}

} // namespace

class TestDropLocation : public QObject
{
    Q_OBJECT

private slots:
    void textFromMimeData_data();
    void textFromMimeData();
    void dragWithoutTextFails461();
    void locate_data();
    void locate();
    void thumbnailStandsForPhoto();
    void pictureFailures_data();
    void pictureFailures();
    void decodesOnlyTheShownSize();
    void sidewaysPictureShowsUpright();
    void previewFit_data();
    void previewFit();
};

void TestDropLocation::textFromMimeData_data()
{
    QTest::addColumn<QByteArray>("uriList");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<QString>("expected");
    QTest::newRow("uri-list first entry")
        << QByteArray("file:///a/b.jpg\r\nfile:///a/c.jpg\r\n") << QString() << QStringLiteral("file:///a/b.jpg");
    QTest::newRow("uri-list comment skipped")
        << QByteArray("# dragged\r\nfile:///a/b.jpg\r\n") << QString() << QStringLiteral("file:///a/b.jpg");
    QTest::newRow("uri-list before text")
        << QByteArray("file:///a/b.jpg\r\n") << QStringLiteral("b.jpg") << QStringLiteral("file:///a/b.jpg");
    QTest::newRow("plain text only") << QByteArray() << QStringLiteral("file:///a/%E5%86%99.jpg")
                                     << QStringLiteral("file:///a/%E5%86%99.jpg");
}

void TestDropLocation::textFromMimeData()
{
    QFETCH(QByteArray, uriList);
    QFETCH(QString, plainText);
    QFETCH(QString, expected);
    QMimeData data;
    if (!uriList.isEmpty())
        data.setData(QStringLiteral("text/uri-list"), uriList);
    if (!plainText.isEmpty())
        data.setText(plainText);
    QCOMPARE(DropText::fromMimeData(data), expected);
}

void TestDropLocation::dragWithoutTextFails461()
{
    QMimeData data;
    data.setData(QStringLiteral("image/png"), "\x89PNG");
    QCOMPARE(failureOf([&] { DropText::fromMimeData(data); }), FailureCode::NoTextData);
}

void TestDropLocation::locate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("located");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("escaped blank and number sign")
        << QStringLiteral("file:///home/a/My%20Photos/img%231.jpg") << true << QStringLiteral("/home/a/My Photos")
        << QStringLiteral("img#1.jpg");
    QTest::newRow("japanese") << QStringLiteral("file:///home/a/%E5%86%99%E7%9C%9F/%E8%8A%B1.JPG") << true
                              << QStringLiteral("/home/a/写真") << QStringLiteral("花.JPG");
    QTest::newRow("unescaped text with line end") << QStringLiteral(" file:///home/a/My Photos/b.jpg\r\n") << true
                                                  << QStringLiteral("/home/a/My Photos") << QStringLiteral("b.jpg");
    QTest::newRow("root folder") << QStringLiteral("file:///img1.jpg") << true << QStringLiteral("/")
                                 << QStringLiteral("img1.jpg");
    QTest::newRow("web address is relative") << QStringLiteral("http://example.com/photos/img1.jpg") << true
                                             << QStringLiteral("example.com/photos") << QStringLiteral("img1.jpg");
    QTest::newRow("plain path") << QStringLiteral("/home/a/b.jpg") << true << QStringLiteral("/home/a")
                                << QStringLiteral("b.jpg");
    QTest::newRow("no slash") << QStringLiteral("img1.jpg") << false << QString() << QString();
    QTest::newRow("empty") << QString() << false << QString() << QString();
}

void TestDropLocation::locate()
{
    QFETCH(QString, text);
    QFETCH(bool, located);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const std::optional<DropLocation> location = DropText::locate(text);
    QCOMPARE(location.has_value(), located);
    if (!location)
        return;
    QCOMPARE(location->folder, folder);
    QCOMPARE(location->name, name);
}

void TestDropLocation::thumbnailStandsForPhoto()
{
    const DropLocation thumbnail{QStringLiteral("/p"), QStringLiteral("s_s_a.jpg")};
    QVERIFY(thumbnail.isThumbnail());
    QCOMPARE(thumbnail.photo().path(), QStringLiteral("/p/s_a.jpg"));
    QVERIFY(!DropLocation({QStringLiteral("/p"), QStringLiteral("S_a.jpg")}).isThumbnail());
}

void TestDropLocation::pictureFailures_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "PNG");
    QTest::newRow("missing folder") << QStringLiteral("nofolder/a.jpg") << QByteArray() << FailureCode::PathNotFound;
    QTest::newRow("missing file") << QStringLiteral("a.jpg") << QByteArray() << FailureCode::FileNotFound;
    QTest::newRow("png named jpg") << QStringLiteral("png-with-jpeg-extension.jpg") << png
                                   << FailureCode::InvalidPicture;
    QTest::newRow("text named jpg") << QStringLiteral("notes.jpg") << QByteArray("hello")
                                    << FailureCode::InvalidPicture;
    QTest::newRow("jpeg start, broken data")
        << QStringLiteral("broken.jpg") << QByteArray("\xFF\xD8\xFF\xE0garbage") << FailureCode::BadPictureData;
}

void TestDropLocation::pictureFailures()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(int, code);
    TestHome home;
    const QString path = home.folder() + QLatin1Char('/') + fileName;
    if (!content.isEmpty())
        QVERIFY(Fixture::writeFile(path, content));
    QCOMPARE(failureOf([&] {
                 PreviewPicture picture(path);
                 picture.decode(QSize(10, 10));
             }),
             code);
}

void TestDropLocation::decodesOnlyTheShownSize()
{
    TestHome home;
    const QString path = home.folder() + QStringLiteral("/big.jpg");
    QVERIFY(Fixture::makeJpeg(path, 800, 600));
    PreviewPicture picture(path);
    QCOMPARE(picture.naturalSize(), QSize(800, 600));
    QCOMPARE(picture.decode(QSize(120, 90)).size(), QSize(120, 90));
}

void TestDropLocation::sidewaysPictureShowsUpright()
{
    TestHome home;
    const QString path = home.folder() + QStringLiteral("/portrait.jpg");
    QImageWriter writer(path, "jpeg");
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    if (!writer.supportsOption(QImageIOHandler::ImageTransformation))
        QSKIP("this JPEG writer keeps no orientation");
    QImage landscape(80, 60, QImage::Format_RGB32);
    landscape.fill(Qt::blue);
    QVERIFY(writer.write(landscape));
    PreviewPicture picture(path);
    QCOMPARE(picture.naturalSize(), QSize(60, 80));
    QCOMPARE(picture.decode(QSize(30, 40)).size(), QSize(30, 40));
}

void TestDropLocation::previewFit_data()
{
    QTest::addColumn<QSizeF>("natural");
    QTest::addColumn<QSizeF>("shown");
    QTest::newRow("square, taller than the box") << QSizeF(3000, 3000) << QSizeF(1356, 1356);
    QTest::newRow("wide") << QSizeF(4000, 1000) << QSizeF(1836, 459);
    QTest::newRow("smaller than the box") << QSizeF(1000, 800) << QSizeF(1000, 800);
    QTest::newRow("exactly the box width") << QSizeF(1836, 1000) << QSizeF(1836, 1000);
    QTest::newRow("exactly the box height") << QSizeF(1000, 1356) << QSizeF(1000, 1356);
    QTest::newRow("tall, still fits the width") << QSizeF(4000, 3000) << QSizeF(1808, 1356);
    QTest::newRow("tall and too wide") << QSizeF(6000, 2000) << QSizeF(1836, 612);
}

void TestDropLocation::previewFit()
{
    QFETCH(QSizeF, natural);
    QFETCH(QSizeF, shown);
    const QSizeF fitted = PreviewFit::shownSize(natural);
    QVERIFY2(qAbs(fitted.width() - shown.width()) < 0.01 && qAbs(fitted.height() - shown.height()) < 0.01,
             qPrintable(QStringLiteral("%1 x %2").arg(fitted.width()).arg(fitted.height())));
}

QTEST_GUILESS_MAIN(TestDropLocation)
#include "tst_droplocation.moc"
