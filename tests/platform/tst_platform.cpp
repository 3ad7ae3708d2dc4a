// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktopservices.h"
#include "platform/failure.h"
#include "platform/folderlock.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "testsupport.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

class tst_Platform : public QObject
{
    Q_OBJECT

private slots:
    void prefixFromEnvironment();
    void joinNeverDoublesTheSeparator_data();
    void joinNeverDoublesTheSeparator();
    void regularFileTestComparesLetterCase();
    void listingHoldsOrdinaryVisibleFilesInNameOrder();
    void launcherFailsWith53ForMissingProgram();
    void folderLockIsExclusiveUntilReleased();
};

void tst_Platform::prefixFromEnvironment()
{
    TestHome home;
    const QString prefix = home.folder(QStringLiteral("prefix"));
    QCOMPARE(Paths::installPrefix(), prefix);
    QCOMPARE(Paths::reductionLibrary(), prefix + QStringLiteral("/lib/velmo/RdctJPEG.so"));
    QCOMPARE(Paths::commentTool(), prefix + QStringLiteral("/bin/quillet"));
    QCOMPARE(Paths::mainProgram(), prefix + QStringLiteral("/bin/velmo"));
}

void tst_Platform::joinNeverDoublesTheSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("joined");
    QTest::newRow("root") << "/" << "/a.jpg";
    QTest::newRow("folder") << "/home/a/My Photos" << "/home/a/My Photos/a.jpg";
}

void tst_Platform::joinNeverDoublesTheSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, joined);
    QCOMPARE(Paths::join(folder, QStringLiteral("a.jpg")), joined);
}

void tst_Platform::regularFileTestComparesLetterCase()
{
    TestHome home;
    const QString lib = home.folder(QStringLiteral("prefix/lib/velmo"));
    QVERIFY(Fixture::writeFile(lib + QStringLiteral("/rdctjpeg.so"), "x"));
    QVERIFY(!Paths::isRegularFile(Paths::reductionLibrary()));
    QVERIFY(QDir(lib).rename(QStringLiteral("rdctjpeg.so"), QStringLiteral("RdctJPEG.so")));
    QVERIFY(Paths::isRegularFile(Paths::reductionLibrary()));
    QVERIFY(!Paths::isRegularFile(lib)); // a folder is not a file
}

void tst_Platform::listingHoldsOrdinaryVisibleFilesInNameOrder()
{
    TestHome home;
    const QString dir = home.folder();
    for (const char *name : {"b.JPG", "a.jpg", "c.jpeg", "notes.txt", ".hidden.jpg"})
        QVERIFY(Fixture::writeFile(dir + QLatin1Char('/') + QLatin1String(name), "x"));
    QVERIFY(QDir(dir).mkdir(QStringLiteral("x.jpg")));
    QCOMPARE(::mkfifo(QFile::encodeName(dir + QStringLiteral("/fifo.jpg")).constData(), 0600), 0);
    QCOMPARE(Listing::files(dir), QStringList({"a.jpg", "b.JPG", "c.jpeg", "notes.txt"}));
    QCOMPARE(Listing::files(dir, {"*.jpg", "*.jpe", "*.jpeg"}), QStringList({"a.jpg", "b.JPG", "c.jpeg"}));
    QCOMPARE(Listing::folders(dir), QStringList({"x.jpg"}));
}

void tst_Platform::launcherFailsWith53ForMissingProgram()
{
    ProcessLauncher launcher;
    try {
        launcher.start(QStringLiteral("/nonexistent/velmo-test-program --flag"), {QStringLiteral("a.txt")});
        QFAIL("starting a missing program must fail");
    } catch (const Failure &failure) {
        QCOMPARE(failure.code(), FailureCode::FileNotFound);
    }
}

QTEST_GUILESS_MAIN(tst_Platform)
void tst_Platform::folderLockIsExclusiveUntilReleased()
{
    TestHome home;
    const QString folder = home.folder(QStringLiteral("photos"));
    FolderLock first(folder);
    FolderLock second(folder);
    QVERIFY(first.tryLock());
    QVERIFY(!second.tryLock());
    first.unlock();
    bool waited = false;
    QVERIFY(second.lock([&waited] { waited = true; }));
    QVERIFY(!waited);
    QVERIFY(!FolderLock(folder + QStringLiteral("/missing")).lock());
}

#include "tst_platform.moc"
