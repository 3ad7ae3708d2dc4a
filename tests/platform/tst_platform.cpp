// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktopservices.h"
#include "platform/failure.h"
#include "platform/filedescriptor.h"
#include "platform/folderlock.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "platform/readstream.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    void openFileReadsWithinItsLength();
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
    QTest::newRow("root") << "/"
                          << "/a.jpg";
    QTest::newRow("folder") << "/home/a/My Photos"
                            << "/home/a/My Photos/a.jpg";
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

// Entries count by what they finally are, symlinks followed, and are never
// opened: a FIFO behind a link would block whoever opened it. Names sort
// without regard to case; a name no QString path can open is set apart.
void tst_Platform::listingHoldsOrdinaryVisibleFilesInNameOrder()
{
    TestHome home;
    const QString dir = home.folder();
    const auto bytes = [&dir](const char *name) { return QFile::encodeName(dir) + '/' + name; };
    for (const char *name :
         {"b.JPG", "a.jpg", "c.jpeg", "notes.txt", ".hidden.jpg", "P1.jpg", "bad1.jpg", "caf\xE9.jpg"})
        QVERIFY(::close(::open(bytes(name).constData(), O_CREAT | O_WRONLY, 0600)) == 0);
    QVERIFY(QDir(dir).mkdir(QStringLiteral("x.jpg")));
    QCOMPARE(::mkfifo(bytes("fifo.jpg").constData(), 0600), 0);
    QCOMPARE(::symlink("fifo.jpg", bytes("pipe-link.jpg").constData()), 0);
    QCOMPARE(::symlink("a.jpg", bytes("file-link.jpg").constData()), 0);
    QCOMPARE(::symlink("x.jpg", bytes("folder-link").constData()), 0);
    QCOMPARE(::symlink("gone.jpg", bytes("dangling.jpg").constData()), 0);

    QCOMPARE(Listing::files(dir),
             QStringList({"a.jpg", "b.JPG", "bad1.jpg", "c.jpeg", "file-link.jpg", "notes.txt", "P1.jpg"}));
    const Listing::FileListing jpegs = Listing::scanFiles(dir, {"*.jpg", "*.jpe", "*.jpeg"});
    QCOMPARE(jpegs.names, QStringList({"a.jpg", "b.JPG", "bad1.jpg", "c.jpeg", "file-link.jpg", "P1.jpg"}));
    QCOMPARE(jpegs.unreadableNames, QStringList({"caf\\xE9.jpg"}));
    QCOMPARE(Listing::folders(dir), QStringList({"folder-link", "x.jpg"}));
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

void tst_Platform::openFileReadsWithinItsLength()
{
    TestHome home;
    const QByteArray path = QFile::encodeName(home.folder() + QStringLiteral("/digits"));
    QFile file(QFile::decodeName(path));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("0123456789") == 10);
    file.close();

    const FileDescriptor open = FileDescriptor::forReading(path);
    char bytes[4] = {};
    QVERIFY(open.readAt(6, bytes, 4));
    QCOMPARE(QByteArray(bytes, 4), QByteArray("6789"));
    QVERIFY(!open.readAt(7, bytes, 4)); // the file ends first
    const std::optional<FileFacts> facts = open.facts();
    QVERIFY(facts && facts->regular);
    QCOMPARE(facts->size, 10);
    QCOMPARE(FileFacts::of(path)->modifiedNanoseconds, facts->modifiedNanoseconds);
    QVERIFY(!FileFacts::of(QFile::encodeName(home.folder()))->regular);
    QVERIFY(ReadStream(QFile::decodeName(path)).isOpen());

    const QByteArray missing = path + "-missing";
    const FileDescriptor none = FileDescriptor::forReading(missing);
    QVERIFY(!none.facts() && !none.times() && !none.readAt(0, bytes, 1));
    QVERIFY(!FileFacts::of(missing));
    QVERIFY(!ReadStream(QFile::decodeName(missing)).isOpen());
}

#include "tst_platform.moc"
