// SPDX-License-Identifier: GPL-3.0-or-later
// Binding RdctJPEG.so at run time: the failures by number, then real calls.
#include "album/reductionlibrary.h"
#include "jpegfixture.h"
#include "platform/failure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The failure code entryPoint() throws, or 0 when it returns.
int failureOf(ReductionLibrary &library)
{
    try {
        return library.entryPoint() ? 0 : -1;
    } catch (const Failure &failure) {
        return failure.code();
    }
}

} // namespace

class tst_ReductionLibrary : public QObject
{
    Q_OBJECT

private slots:
    void failures_data();
    void failures();
    void loadsOnceAndReduces();
    void retriesAfterTheFileAppears();

private:
    QTemporaryDir m_dir;
};

void tst_ReductionLibrary::failures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("code");
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.so")));
    const QString notElf = m_dir.filePath(QStringLiteral("RdctJPEG.so"));
    QVERIFY(writeAll(notElf, "this is not a shared library\n"));

    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("none/RdctJPEG.so")) << FailureCode::FileNotFound;
    QTest::newRow("a folder") << m_dir.filePath(QStringLiteral("folder.so")) << FailureCode::FileNotFound;
    QTest::newRow("empty path") << QString() << FailureCode::FileNotFound;
    QTest::newRow("not a library") << notElf << FailureCode::DllLoad;
    QTest::newRow("no entry point") << QStringLiteral(RDCTJPEG_NO_ENTRY_LIBRARY) << FailureCode::EntryPointNotFound;
}

void tst_ReductionLibrary::failures()
{
    QFETCH(QString, path);
    QFETCH(int, code);
    ReductionLibrary library(path);
    QCOMPARE(failureOf(library), code);
    // Still failing the same way on the next call: nothing half-bound is kept.
    QCOMPARE(failureOf(library), code);
}

void tst_ReductionLibrary::loadsOnceAndReduces()
{
    ReductionLibrary library(QStringLiteral(RDCTJPEG_BUILT_LIBRARY));
    const ReduceFn first = library.entryPoint();
    QVERIFY(first);
    QVERIFY(library.entryPoint() == first);

    // A name outside ASCII goes through the file system encoding.
    const QString folder = m_dir.filePath(QStringLiteral("写真 été"));
    QVERIFY(QDir().mkpath(folder));
    JpegFixture::Recipe r;
    r.width = 99;
    r.height = 51;
    QVERIFY(writeAll(folder + QStringLiteral("/花.jpg"), JpegFixture::encode(r)));
    QCOMPARE(library.reduce(folder + QStringLiteral("/花.jpg"), folder + QStringLiteral("/s_花.jpg"), 4), RDCTJPEG_OK);
    QFile out(folder + QStringLiteral("/s_花.jpg"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const JpegFixture::Decoded d = JpegFixture::decode(out.readAll());
    QCOMPARE(d.width, 25);
    QCOMPARE(d.height, 13);
    // The library's own codes come back unchanged.
    QCOMPARE(library.reduce(folder + QStringLiteral("/none.jpg"), folder + QStringLiteral("/s_none.jpg"), 4),
             RDCTJPEG_E_OPEN);
    QCOMPARE(library.reduce(folder + QStringLiteral("/花.jpg"), folder + QStringLiteral("/s_花.jpg"), 3),
             RDCTJPEG_E_ARGUMENT);
}

void tst_ReductionLibrary::retriesAfterTheFileAppears()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("RdctJPEG.so"));
    ReductionLibrary library(path);
    QCOMPARE(failureOf(library), FailureCode::FileNotFound);
    QVERIFY(QFile::copy(QStringLiteral(RDCTJPEG_BUILT_LIBRARY), path));
    QCOMPARE(failureOf(library), 0);
}

QTEST_GUILESS_MAIN(tst_ReductionLibrary)
#include "tst_reductionlibrary.moc"
