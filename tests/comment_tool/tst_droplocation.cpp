// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/droplocation.h"
#include "comment_tool/previewpicture.h"
#include "testsupport.h"

#include <QImageWriter>
#include <QMimeData>
#include <QTest>

class tst_DropLocation : public QObject
{
    Q_OBJECT

private slots:
    void textFromMimeData_data();
    void textFromMimeData();
    void locate_data();
    void locate();
    void sidewaysPictureShowsUpright();
    void previewFit_data();
    void previewFit();
};

void tst_DropLocation::textFromMimeData_data()
{
    QTest::addColumn<QByteArray>("uriList");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first entry") << QByteArray("file:///a/b.jpg\r\nfile:///a/c.jpg\r\n")
                                 << QStringLiteral("file:///a/b.jpg");
    QTest::newRow("comment line skipped")
        << QByteArray("# dragged\r\nfile:///a/b.jpg\r\n") << QStringLiteral("file:///a/b.jpg");
    QTest::newRow("plain text only") << QByteArray() << QStringLiteral("plain");
}

void tst_DropLocation::textFromMimeData()
{
    QFETCH(QByteArray, uriList);
    QFETCH(QString, expected);
    QMimeData data;
    if (!uriList.isEmpty())
        data.setData(QStringLiteral("text/uri-list"), uriList);
    data.setText(QStringLiteral("plain"));
    QCOMPARE(DropText::fromMimeData(data), expected);
}

void tst_DropLocation::locate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder"); // empty: the drop ends
    QTest::addColumn<QString>("name");
    QTest::newRow("escaped blank and number sign")
        << QStringLiteral("file:///home/a/My%20Photos/img%231.jpg") << QStringLiteral("/home/a/My Photos")
        << QStringLiteral("img#1.jpg");
    QTest::newRow("japanese") << QStringLiteral("file:///home/a/%E5%86%99%E7%9C%9F/%E8%8A%B1.JPG")
                              << QStringLiteral("/home/a/写真") << QStringLiteral("花.JPG");
    QTest::newRow("unescaped, with line end") << QStringLiteral(" file:///home/a/My Photos/b.jpg\r\n")
                                              << QStringLiteral("/home/a/My Photos") << QStringLiteral("b.jpg");
    QTest::newRow("root folder") << QStringLiteral("file:///img1.jpg") << QStringLiteral("/")
                                 << QStringLiteral("img1.jpg");
    QTest::newRow("web address is relative") << QStringLiteral("http://example.com/photos/img1.jpg")
                                             << QStringLiteral("example.com/photos") << QStringLiteral("img1.jpg");
    QTest::newRow("plain path") << QStringLiteral("/home/a/b.jpg") << QStringLiteral("/home/a")
                                << QStringLiteral("b.jpg");
    QTest::newRow("no slash") << QStringLiteral("img1.jpg") << QString() << QString();
}

void tst_DropLocation::locate()
{
    QFETCH(QString, text);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const std::optional<DropLocation> location = DropText::locate(text);
    QCOMPARE(location.has_value(), !folder.isEmpty());
    if (location) {
        QCOMPARE(location->folder, folder);
        QCOMPARE(location->name, name);
    }
}

void tst_DropLocation::sidewaysPictureShowsUpright()
{
    TestHome home;
    const QString path = home.folder() + QStringLiteral("/portrait.jpg");
    QImageWriter writer(path, "jpeg");
    if (!writer.supportsOption(QImageIOHandler::ImageTransformation))
        QSKIP("this JPEG writer keeps no orientation");
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    QImage landscape(80, 60, QImage::Format_RGB32);
    landscape.fill(Qt::blue);
    QVERIFY(writer.write(landscape));
    PreviewPicture picture(path);
    QCOMPARE(picture.naturalSize(), QSize(60, 80));
    QCOMPARE(picture.decode(QSize(30, 40)).size(), QSize(30, 40));
}

void tst_DropLocation::previewFit_data()
{
    QTest::addColumn<QSizeF>("natural");
    QTest::addColumn<QSizeF>("shown");
    QTest::newRow("square, taller than the box") << QSizeF(3000, 3000) << QSizeF(1356, 1356);
    QTest::newRow("wide") << QSizeF(4000, 1000) << QSizeF(1836, 459);
    QTest::newRow("smaller than the box") << QSizeF(1000, 800) << QSizeF(1000, 800);
    QTest::newRow("exactly the box width") << QSizeF(1836, 1000) << QSizeF(1836, 1000);
    QTest::newRow("tall, still fits the width") << QSizeF(4000, 3000) << QSizeF(1808, 1356);
    QTest::newRow("tall and too wide") << QSizeF(6000, 2000) << QSizeF(1836, 612);
}

void tst_DropLocation::previewFit()
{
    QFETCH(QSizeF, natural);
    QFETCH(QSizeF, shown);
    const QSizeF fitted = PreviewFit::shownSize(natural);
    QVERIFY2(qAbs(fitted.width() - shown.width()) < 0.01 && qAbs(fitted.height() - shown.height()) < 0.01,
             qPrintable(QStringLiteral("%1 x %2").arg(fitted.width()).arg(fitted.height())));
}

QTEST_GUILESS_MAIN(tst_DropLocation)
#include "tst_droplocation.moc"
