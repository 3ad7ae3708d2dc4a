// SPDX-License-Identifier: GPL-3.0-or-later
#include "metadata/photocaption.h"
#include "metadata/photometadata.h"
#include "phototags.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

// What a photo says of itself, in which order, what counts as nothing, bad
// metadata, and writing a caption back into a photo.
class tst_PhotoMetadata : public QObject
{
    Q_OBJECT

private slots:
    void captionOrder_data();
    void captionOrder();
    void shotDate_data();
    void shotDate();
    void location();
    void hostileMetadata_data();
    void hostileMetadata();
    void readsTheHeaderOnly();
    void captionWrittenIntoPhoto();
    void refusedWriteLeavesPhoto();

private:
    TestHome m_home;
};

using Tags = PhotoTags;
Q_DECLARE_METATYPE(Tags)

namespace {

// A photo with the given tags in the folder.
QString photo(const QString &folder, const PhotoTags &tags, const QString &name = QStringLiteral("p.jpg"))
{
    const QString path = folder + QLatin1Char('/') + name;
    return Fixture::makeTaggedJpeg(path, tags) ? path : QString();
}

// The bytes of a JPEG with one segment (marker, payload) after SOI.
QByteArray withSegment(const QByteArray &jpeg, char marker, const QByteArray &payload)
{
    const int length = int(payload.size()) + 2;
    return jpeg.left(2) + '\xFF' + marker + char(length >> 8) + char(length & 0xFF) + payload + jpeg.mid(2);
}

qsizetype scanOffset(const QByteArray &jpeg)
{
    return jpeg.indexOf("\xFF\xDA");
}

} // namespace

void tst_PhotoMetadata::captionOrder_data()
{
    QTest::addColumn<Tags>("tags");
    QTest::addColumn<QString>("caption");
    const QString xmp = QStringLiteral("Xmp.dc.description"), iptc = QStringLiteral("Iptc.Application2.Caption"),
                  exif = QStringLiteral("Exif.Image.ImageDescription"), model = QStringLiteral("Exif.Image.Model");
    QTest::newRow("XMP first") << Tags{{exif, "E"}, {iptc, "I"}, {xmp, "lang=x-default X"}} << "X";
    QTest::newRow("x-default among languages") << Tags{{xmp, "lang=de-DE Meer"}, {xmp, "lang=x-default Sea"}} << "Sea";
    QTest::newRow("then IPTC") << Tags{{exif, "E"}, {iptc, "I"}} << "I";
    QTest::newRow("then EXIF, trimmed") << Tags{{exif, "  Harbour at dawn \n"}} << "Harbour at dawn";
    QTest::newRow("camera default skipped")
        << Tags{{xmp, "lang=x-default OLYMPUS DIGITAL CAMERA"}, {iptc, "Boat"}} << "Boat";
    QTest::newRow("SONY DSC, any case") << Tags{{exif, "sony dsc   "}} << "";
    QTest::newRow("the camera model") << Tags{{model, "E-M10"}, {exif, "E-M10"}} << "";
    QTest::newRow("blanks and punctuation") << Tags{{exif, "   "}, {iptc, "..."}} << "";
    QTest::newRow("markup stays text") << Tags{{exif, "a <!Sp.jpg> & b"}} << "a <!Sp.jpg> & b";
    QTest::newRow("line breaks, control characters")
        << Tags{{xmp, QStringLiteral("lang=x-default one\r\ntwo\x01")}} << "one\ntwo";
    QTest::newRow("none") << Tags{} << "";
}

void tst_PhotoMetadata::captionOrder()
{
    QFETCH(Tags, tags);
    const QString path = photo(m_home.folder(), tags);
    QVERIFY(!path.isEmpty());
    QTEST(PhotoMetadataReader::read(path).caption, "caption");
}

void tst_PhotoMetadata::shotDate_data()
{
    QTest::addColumn<Tags>("tags");
    QTest::addColumn<QString>("shot"); // empty: none
    const QString original = QStringLiteral("Exif.Photo.DateTimeOriginal"),
                  digitized = QStringLiteral("Exif.Photo.DateTimeDigitized");
    QTest::newRow("original first") << Tags{{digitized, "2001:02:03 04:05:06"}, {original, "2010:11:12 13:14:15"}}
                                    << "2010-11-12T13:14:15";
    QTest::newRow("then digitized") << Tags{{digitized, "2001:02:03 04:05:06"}} << "2001-02-03T04:05:06";
    QTest::newRow("zero original, then XMP")
        << Tags{{original, "0000:00:00 00:00:00"}, {"Xmp.xmp.CreateDate", "2020-06-07T08:09:10+09:00"}}
        << "2020-06-07T08:09:10";
    QTest::newRow("XMP without seconds") << Tags{{"Xmp.xmp.CreateDate", "2020-06-07T08:09"}} << "2020-06-07T08:09:00";
    QTest::newRow("the file's DateTime is no shot date") << Tags{{"Exif.Image.DateTime", "2001:02:03 04:05:06"}} << "";
}

void tst_PhotoMetadata::shotDate()
{
    QFETCH(Tags, tags);
    QFETCH(QString, shot);
    const std::optional<QDateTime> date = PhotoMetadataReader::read(photo(m_home.folder(), tags)).shot;
    QCOMPARE(date.has_value(), !shot.isEmpty());
    if (date)
        QCOMPARE(date->toString(Qt::ISODate), shot);
}

void tst_PhotoMetadata::location()
{
    const QString folder = m_home.folder();
    QVERIFY(PhotoMetadataReader::read(photo(folder, {{"Exif.GPSInfo.GPSLatitude", "35/1 40/1 0/1"}})).hasLocation);
    QVERIFY(PhotoMetadataReader::read(photo(folder, {{"Xmp.exif.GPSLatitude", "35,40.0N"}})).hasLocation);
    QVERIFY(!PhotoMetadataReader::read(photo(folder, {{"Exif.Image.Model", "X"}})).hasLocation);
}

void tst_PhotoMetadata::hostileMetadata_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<QString>("caption");
    const QString plain = photo(m_home.folder(), {});
    const QByteArray base = Fixture::readFile(plain);
    const QByteArray tiff("Exif\0\0II*\0\x08\0\0\0", 14);
    QTest::newRow("truncated EXIF") << withSegment(base, '\xE1', tiff + QByteArray("\x05\0\x0e\x01\x02\0", 6)) << "";
    // IFD0 points on at itself for ever.
    QByteArray loop = tiff + QByteArray("\x01\0\x0e\x01\x02\0\x04\0\0\0abc\0", 14) + QByteArray("\x08\0\0\0", 4);
    QTest::newRow("IFD loop") << withSegment(base, '\xE1', loop) << "abc";
    QTest::newRow("EXIF offsets past the end")
        << withSegment(base, '\xE1', tiff + QByteArray("\x01\0\x0e\x01\x02\0\xff\xff\0\0\xff\xff\xff\x7f", 14)) << "";
    QByteArray invalid = tiff + QByteArray("\x01\0\x0e\x01\x02\0\x05\0\0\0\x1a\0\0\0\0\0\0\0", 18);
    QTest::newRow("invalid UTF-8") << withSegment(base, '\xE1', invalid + QByteArray("\xff\xfe\xc3(", 5)) << "";
    QTest::newRow("broken XMP") << withSegment(base, '\xE1',
                                               QByteArray("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta><", 42))
                                << "";
    QTest::newRow("segment length past the end") << base.left(2) + QByteArray("\xFF\xE1\xFF\xF0"
                                                                              "Exif\0\0",
                                                                              10)
                                                 << "";
    // A packet of 60 MB in extension segments of 64 KB.
    QByteArray huge = base.left(2);
    const QByteArray part = QByteArray("\xFF\xE1\xFF\xFF") + QByteArray("http://ns.adobe.com/xmp/extension/\0", 35) +
                            QByteArray(65533 - 35, 'x');
    for (int i = 0; i < 960; ++i)
        huge += part;
    QTest::newRow("60 MB of XMP") << huge + base.mid(2) << "";
    QTest::newRow("not a JPEG") << QByteArray("GIF89a") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void tst_PhotoMetadata::hostileMetadata()
{
    QFETCH(QByteArray, jpeg);
    const QString path = m_home.folder() + "/bad.jpg";
    QVERIFY(Fixture::writeFile(path, jpeg));
    for (const PhotoMetadata &metadata : {PhotoMetadataReader::read(path), PhotoMetadataReader::fromBytes(jpeg)}) {
        QTEST(metadata.caption, "caption");
        QVERIFY(!metadata.shot);
    }
    // A caption goes in only with the picture data untouched.
    const PhotoCaption::Rewrite rewrite = PhotoCaption::withCaption(jpeg, "x");
    if (rewrite.result == PhotoCaption::Result::Written)
        QCOMPARE(rewrite.photo.sliced(scanOffset(rewrite.photo)), jpeg.sliced(scanOffset(jpeg)));
}

// The picture data is never read: a photo whose data after the first scan
// is gone still says what its header says.
void tst_PhotoMetadata::readsTheHeaderOnly()
{
    const QString path = photo(m_home.folder(), {{"Exif.Image.ImageDescription", "Kept"}});
    const QByteArray bytes = Fixture::readFile(path);
    QVERIFY(Fixture::writeFile(path, bytes.left(scanOffset(bytes) + 2)));
    QCOMPARE(PhotoMetadataReader::read(path).caption, QStringLiteral("Kept"));
}

void tst_PhotoMetadata::captionWrittenIntoPhoto()
{
    const QString folder = m_home.folder();
    for (bool withIptc : {false, true}) {
        Tags tags{{"Exif.Image.ImageDescription", "old"}};
        if (withIptc)
            tags.append(qMakePair(QStringLiteral("Iptc.Application2.Keywords"), QStringLiteral("k")));
        const QString path = photo(folder, tags);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QDateTime modified = QDateTime(QDate(2011, 3, 4), QTime(5, 6, 7, 890));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFile::FileModificationTime));
        file.close();
        const QByteArray before = Fixture::readFile(path);

        const QString caption = QStringLiteral("港の朝 <b>&</b>\nline two");
        QCOMPARE(PhotoCaption::write(path, caption, ".tmp-"), PhotoCaption::Result::Written);
        const QByteArray after = Fixture::readFile(path);
        QCOMPARE(after.sliced(scanOffset(after)), before.sliced(scanOffset(before)));
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QCOMPARE(QFileInfo(path).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(PhotoMetadataReader::read(path).caption, caption);
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        QCOMPARE(QString::fromStdString(image->exifData()["Exif.Image.ImageDescription"].toString()), caption);
        const bool hasCaption =
            image->iptcData().findKey(Exiv2::IptcKey("Iptc.Application2.Caption")) != image->iptcData().end();
        QCOMPARE(hasCaption, withIptc);

        // Saying it again, or saying nothing, writes nothing.
        QCOMPARE(PhotoCaption::write(path, caption, ".tmp-"), PhotoCaption::Result::Unchanged);
        QCOMPARE(PhotoCaption::write(path, QString(), ".tmp-"), PhotoCaption::Result::Unchanged);
        QCOMPARE(Fixture::readFile(path), after);
    }
    QCOMPARE(QDir(folder).entryList(QDir::Hidden | QDir::Files).filter(".tmp-"), QStringList());
}

void tst_PhotoMetadata::refusedWriteLeavesPhoto()
{
    const QString path = photo(m_home.folder(), {{"Exif.Image.ImageDescription", "old"}});
    const QByteArray before = Fixture::readFile(path);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    QCOMPARE(PhotoCaption::write(path, "new", ".tmp-"), PhotoCaption::Result::NotWritten);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    {
        // A disk too full for the new photo.
        FileSizeLimit full(before.size() / 2);
        QCOMPARE(PhotoCaption::write(path, "new", ".tmp-"), PhotoCaption::Result::NotWritten);
    }
    QCOMPARE(Fixture::readFile(path), before);
}

QTEST_GUILESS_MAIN(tst_PhotoMetadata)
#include "tst_photometadata.moc"
