// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumbuild.h"
#include "album/albumtexts.h"
#include "album/reductioncommand.h"
#include "album/reductionrecord.h"
#include "platform/failure.h"
#include "recordingview.h"
#include "testsupport.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct Call
{
    QString source;
    QString destination;
    int denominator;
    QByteArray text;
};

QMutex callsMutex;
QList<Call> calls;

// Records every call; the runner calls it from its workers.
int recordingReduce(const char *source, const char *destination, int denominator, const char *text)
{
    QMutexLocker lock(&callsMutex);
    calls.append({QFile::decodeName(source), QFile::decodeName(destination), denominator, text});
    return 0;
}

ReductionEntry recording()
{
    return [] { return &recordingReduce; };
}

ReductionEntry failingWith(int code)
{
    return [code]() -> ReduceFn { throw Failure(code); };
}

// The options of a reduction of the folder at 1/scale.
AlbumOptions reductionOf(const QString &folder, int scale = 2)
{
    AlbumOptions options;
    options.folder = folder;
    options.reductionScale = scale;
    return options;
}

// The built library, as the program loads it.
ReductionEntry builtLibrary()
{
    static ReductionLibrary library(QStringLiteral(RDCTJPEG_BUILT_LIBRARY));
    return [] { return library.entryPoint(); };
}

timespec modified(const QString &path)
{
    struct stat st = {};
    stat(QFile::encodeName(path).constData(), &st);
    return st.st_mtim;
}

bool setModified(const QString &path, timespec time)
{
    const timespec times[2] = {time, time};
    return utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

QStringList sources()
{
    QStringList names;
    for (const Call &call : calls)
        names.append(call.source);
    names.sort(); // workers finish in any order; album order is the order handed out
    return names;
}

} // namespace

class tst_ReductionCommand : public QObject
{
    Q_OBJECT

private slots:
    void init() { calls.clear(); }
    void reducesEveryImageOfTheFolder();
    void scaleOneReducesNothing();
    void failureMessages_data();
    void failureMessages();
    void installedLibraryFailures_data();
    void installedLibraryFailures();
    void folderWithoutImages();
    void keepsOnlyCurrentThumbnails_data();
    void keepsOnlyCurrentThumbnails();
};

void tst_ReductionCommand::reducesEveryImageOfTheFolder()
{
    TestHome home;
    const QString folder = home.folder();
    for (const char *name : {"b.JPEG", "a.jpg", "s_a.jpg", "notes.txt"})
        QVERIFY(Fixture::writeFile(folder + '/' + name, "x"));
    RecordingView view;

    const ImageList images = reduceFolder(reductionOf(folder, 4), view, recording()).images;
    QCOMPARE(images.names, QStringList({"a.jpg", "b.JPEG"}));
    QCOMPARE(calls.size(), 2);
    QCOMPARE(sources(), QStringList({folder + "/a.jpg", folder + "/b.JPEG"}));
    for (const Call &call : calls) {
        const QString name = call.source.mid(folder.size() + 1);
        QCOMPARE(call.destination, folder + "/s_" + name);
        QCOMPARE(call.denominator, 4);
        QCOMPARE(call.text, QByteArray(RDCTJPEG_LIBRARY_TEXT));
    }
    QCOMPARE(view.statuses.mid(2), QStringList({AlbumText::reductionStart(), AlbumText::reductionEnd(), QString()}));
    QCOMPARE(view.phase, BuildPhase::Thumbnails);
    QCOMPARE(view.done, 2); // the bar is full
    QCOMPARE(view.total, 2);
    QVERIFY(!view.progressVisible);
    QVERIFY(!view.busy);
    QCOMPARE(view.refreshes, 3); // one per image and one at the end
    QVERIFY(view.messages.isEmpty());
}

void tst_ReductionCommand::scaleOneReducesNothing()
{
    TestHome home;
    QVERIFY(Fixture::writeFile(home.folder() + "/a.jpg", "x"));
    RecordingView view;

    QCOMPARE(reduceFolder(reductionOf(home.folder(), 1), view, recording()).images.count(), 1);
    QVERIFY(calls.isEmpty());
    QVERIFY(view.messages.isEmpty());
    QCOMPARE(view.status(), QString());
    QVERIFY(!view.progressVisible);
}

void tst_ReductionCommand::failureMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message"); // empty: no message
    QTest::addColumn<int>("icon");
    const int none = int(MessageBoxes::Icon::None);
    const int exclamation = int(MessageBoxes::Icon::Exclamation);
    QTest::newRow("5 silent") << 5 << QString() << none;
    QTest::newRow("13 silent") << 13 << QString() << none;
    QTest::newRow("48 library") << 48 << AlbumText::libraryNotLoadable() << exclamation;
    QTest::newRow("52 target") << 52 << AlbumText::targetNotFound() << exclamation;
    QTest::newRow("53 numbered") << 53 << QStringLiteral("エラー番号を報告下さい。エラー番号　53") << none;
    QTest::newRow("453 numbered") << 453 << QStringLiteral("エラー番号を報告下さい。エラー番号　453") << none;
}

void tst_ReductionCommand::failureMessages()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(int, icon);
    TestHome home;
    QVERIFY(Fixture::writeFile(home.folder() + "/a.jpg", "x"));
    RecordingView view;

    const ReductionResult result = reduceFolder(reductionOf(home.folder()), view, failingWith(code));
    QCOMPARE(result.images.names, QStringList{"a.jpg"});
    QCOMPARE(result.thumbnails.notMade.size(), 1);
    QCOMPARE(result.thumbnails.notMade[0].name, QString("a.jpg"));
    QCOMPARE(view.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(view.messages[0].text, message);
        QCOMPARE(int(view.messages[0].icon), icon);
    }
    // The command ended where it failed: the album build tidies up.
    QCOMPARE(view.status(), AlbumText::reductionStart());
    QVERIFY(view.busy);
}

void tst_ReductionCommand::installedLibraryFailures_data()
{
    QTest::addColumn<QByteArray>("library"); // empty: no file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("エラー番号を報告下さい。エラー番号　53");
    QTest::newRow("not a library") << QByteArray("not an ELF file") << AlbumText::libraryNotLoadable();
}

void tst_ReductionCommand::installedLibraryFailures()
{
    QFETCH(QByteArray, library);
    QFETCH(QString, message);
    TestHome home;
    QVERIFY(Fixture::writeFile(home.folder() + "/a.jpg", "x"));
    if (!library.isEmpty())
        QVERIFY(Fixture::writeFile(home.folder("prefix/lib/velmo") + "/RdctJPEG.so", library));
    RecordingView view;

    reduceFolder(reductionOf(home.folder()), view);
    QCOMPARE(view.messages.size(), 1);
    QCOMPARE(view.messages[0].text, message);
}

void tst_ReductionCommand::folderWithoutImages()
{
    TestHome home;
    RecordingView view;

    QCOMPARE(reduceFolder(reductionOf(home.folder()), view, failingWith(53)).images.count(), 0);
    QVERIFY(view.messages.isEmpty());
    QCOMPARE(view.status(), QString());
}

void tst_ReductionCommand::keepsOnlyCurrentThumbnails_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("made"); // of a.jpg and b.jpg; the others are up to date
    QTest::newRow("nothing") << "nothing" << 0;
    QTest::newRow("photo 1 ns newer") << "touch" << 1;
    QTest::newRow("photo longer, same time") << "grow" << 1;
    QTest::newRow("other scale") << "scale" << 2;
    QTest::newRow("thumbnail from another program") << "foreign" << 1;
    QTest::newRow("thumbnail cut short") << "cut" << 1;
    QTest::newRow("thumbnail with a byte more") << "append" << 1;
    QTest::newRow("thumbnail of an identical photo") << "twin" << 1;
    QTest::newRow("remake all") << "remake" << 2;
    QTest::newRow("old thumbnails deleted first") << "delete" << 2;
}

// A thumbnail is kept only when it is what a fresh reduction would write, and
// then it is that, byte for byte.
void tst_ReductionCommand::keepsOnlyCurrentThumbnails()
{
    QFETCH(QString, change);
    QFETCH(int, made);
    TestHome home;
    const QString folder = home.folder();
    const QString a = folder + "/a.jpg", b = folder + "/b.jpg", thumbA = folder + "/s_a.jpg";
    QVERIFY(Fixture::makeJpeg(a, 64, 48));
    QVERIFY(Fixture::makeJpeg(b, 80, 60, Qt::blue));
    // Photos modified in the last seconds are never taken as current.
    const timespec anHourAgo = {::time(nullptr) - 3600, 123456789};
    QVERIFY(setModified(a, anHourAgo) && setModified(b, anHourAgo));
    AlbumOptions options = reductionOf(folder);
    RecordingView view;
    const auto run = [&](Thumbnails thumbnails) {
        return reduceFolder(options, view, builtLibrary(), thumbnails).thumbnails;
    };
    QCOMPARE(run(Thumbnails::KeepCurrent).made, 2);

    Thumbnails thumbnails = Thumbnails::KeepCurrent;
    const timespec time = modified(a);
    if (change == "touch") {
        QVERIFY(setModified(a, {time.tv_sec, (time.tv_nsec + 1) % 1000000000}));
    } else if (change == "grow") {
        QVERIFY(Fixture::writeFile(a, Fixture::readFile(a) + '\0'));
        QVERIFY(setModified(a, time));
    } else if (change == "scale") {
        options.reductionScale = 4;
    } else if (change == "foreign") {
        QVERIFY(Fixture::makeJpeg(thumbA, 32, 24));
    } else if (change == "cut" || change == "append") {
        const QByteArray bytes = Fixture::readFile(thumbA);
        QVERIFY(Fixture::writeFile(thumbA, change == "cut" ? bytes.chopped(1) : bytes + QByteArray("\xFF\xD9", 2)));
    } else if (change == "twin") {
        // b becomes a's exact copy, same time; a's thumbnail names a, not b.
        QVERIFY(Fixture::writeFile(b, Fixture::readFile(a)) && setModified(b, time));
        QVERIFY(QFile::remove(folder + "/s_b.jpg") && QFile::copy(thumbA, folder + "/s_b.jpg"));
    } else if (change == "remake") {
        thumbnails = Thumbnails::RemakeAll;
    } else if (change == "delete") {
        options.deleteOldThumbnails = true;
    }
    const ThumbnailCounts second = run(thumbnails);
    QCOMPARE(second.made, made);
    QCOMPARE(second.upToDate, 2 - made);
    QVERIFY(second.notMade.isEmpty());

    const QByteArray kept = Fixture::readFile(thumbA);
    const QByteArray source = QFile::encodeName(a), thumbnail = QFile::encodeName(thumbA);
    const int denominator = change == "scale" ? 4 : 2;
    QVERIFY(thumbnailIsCurrent(source, thumbnail, denominator, RDCTJPEG_LIBRARY_TEXT));
    QVERIFY(!thumbnailIsCurrent(source, thumbnail, denominator, "RDCTJ:Q079"));
    QVERIFY(!thumbnailIsCurrent(source, thumbnail, 8, RDCTJPEG_LIBRARY_TEXT));
    QVERIFY(QFile::remove(thumbA));
    options.deleteOldThumbnails = false;
    QCOMPARE(run(Thumbnails::KeepCurrent).made, 1);
    QCOMPARE(Fixture::readFile(thumbA), kept);
}

QTEST_GUILESS_MAIN(tst_ReductionCommand)
#include "tst_reductioncommand.moc"
