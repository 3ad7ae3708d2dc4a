// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/filedatetime.h"
#include "testsupport.h"

#include <QFile>
#include <QTest>

#include <ctime>

class tst_FileDateTime : public QObject
{
    Q_OBJECT

private slots:
    void stampsKeepTheirPlaces();
    void missingFileGivesZeroTimes();
    void zeroTimeInJapan();
};

void tst_FileDateTime::stampsKeepTheirPlaces()
{
    TestHome home;
    const QString path = home.folder() + QStringLiteral("/img1.jpg");
    QVERIFY(Fixture::makeJpeg(path, 4, 4));
    const QDateTime written(QDate(1999, 2, 8), QTime(5, 0, 46, 730));
    const QDateTime accessed(QDate(2003, 7, 1), QTime(12, 30, 15, 999));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
    QVERIFY(file.setFileTime(accessed, QFileDevice::FileAccessTime));
    file.close();

    const FileDateTimes times = fileDateTime(path);
    QCOMPARE(times.lastWrite, QDateTime(QDate(1999, 2, 8), QTime(5, 0, 46)));
    QCOMPARE(times.lastAccess, QDateTime(QDate(2003, 7, 1), QTime(12, 30, 15)));
    QCOMPARE(fileDateTimeText(times.lastWrite), QStringLiteral("99/02/08 05:00:46"));
    // Made today, last written years ago; or no birth time kept at all.
    QVERIFY(times.creation > times.lastWrite || times.creation == zeroFileTime());
}

void tst_FileDateTime::missingFileGivesZeroTimes()
{
    TestHome home;
    const FileDateTimes times = fileDateTime(home.folder() + QStringLiteral("/none.jpg"));
    QCOMPARE(times.creation, zeroFileTime());
    QCOMPARE(times.lastAccess, zeroFileTime());
    QCOMPARE(times.lastWrite, zeroFileTime());
    QCOMPARE(zeroFileTime().toUTC(), QDateTime(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC));
}

void tst_FileDateTime::zeroTimeInJapan()
{
    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", "JST-9");
    tzset();
    const QString shown = fileDateTimeText(zeroFileTime());
    if (saved.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", saved);
    tzset();
    QCOMPARE(shown, QStringLiteral("01/01/01 09:00:00"));
}

QTEST_GUILESS_MAIN(tst_FileDateTime)
#include "tst_filedatetime.moc"
