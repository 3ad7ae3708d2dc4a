// SPDX-License-Identifier: GPL-3.0-or-later
// The parallel reduction runner, driven by fake entry points.
#include "album/reductionrunner.h"

#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Call
{
    std::string source, destination, text;
    int denominator;
};

// What the fake entry points saw; reset by each test.
struct Record
{
    std::mutex mutex;
    std::vector<Call> calls; // in the order they were issued
    std::atomic<int> running{0};
    std::atomic<int> mostRunning{0};
} record;

int recordCall(const char *source, const char *destination, int denominator, const char *text)
{
    const int now = ++record.running;
    int most = record.mostRunning;
    while (now > most && !record.mostRunning.compare_exchange_weak(most, now)) {
    }
    {
        std::lock_guard lock(record.mutex);
        record.calls.push_back({source, destination, text, denominator});
    }
    --record.running;
    return std::string(source).ends_with("/bad.jpg") ? 4 : 0;
}

void resetRecord()
{
    record.calls.clear();
    record.running = 0;
    record.mostRunning = 0;
}

// A runner that never gives the awaited sign fails the test instead of hanging it.
constexpr auto Deadline = std::chrono::seconds(20);

bool waitFor(const std::atomic<bool> &flag)
{
    const auto end = std::chrono::steady_clock::now() + Deadline;
    while (!flag) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::yield();
    }
    return true;
}

std::promise<void> *secondDone = nullptr;

// The first image is held until the caller has been told about the second.
int holdFirst(const char *source, const char *, int, const char *)
{
    if (std::string(source).ends_with("/first.jpg"))
        return secondDone->get_future().wait_for(Deadline) == std::future_status::ready ? 0 : 1;
    return 0;
}

// Every image but the first waits until the caller has been told about the
// first, so that only one image per worker is under way when it throws.
std::atomic<bool> firstDelivered{false};

int holdAllButFirst(const char *source, const char *destination, int denominator, const char *text)
{
    if (!std::string(source).ends_with("/img_000.jpg") && !waitFor(firstDelivered))
        return 1;
    return recordCall(source, destination, denominator, text);
}

QStringList names(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("img_%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
    return list;
}

} // namespace

class tst_ReductionRunner : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetRecord(); }
    void everyImageOnceInListOrder_data();
    void everyImageOnceInListOrder();
    void failureIsReportedForThatImageOnly();
    void resultsArriveAsImagesComplete();
    void callbackExceptionStopsTheRun();
    void bigPictureIsReducedAlone();
};

void tst_ReductionRunner::everyImageOnceInListOrder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("workers");
    for (int workers : {0, 1, 3}) {
        const QByteArray w = " / workers " + QByteArray::number(workers);
        QTest::newRow("none" + w) << QStringLiteral("/photos") << 0 << 4 << workers;
        QTest::newRow("one" + w) << QStringLiteral("/photos") << 1 << 2 << workers;
        QTest::newRow("many" + w) << QStringLiteral("/photos/trip") << 200 << 8 << workers;
        QTest::newRow("folder with slash" + w) << QStringLiteral("/photos/trip/") << 5 << 4 << workers;
        QTest::newRow("non-ASCII folder" + w) << QStringLiteral("/写真/été") << 7 << 2 << workers;
    }
}

void tst_ReductionRunner::everyImageOnceInListOrder()
{
    QFETCH(QString, folder);
    QFETCH(int, count);
    QFETCH(int, denominator);
    QFETCH(int, workers);
    const ReductionJob job{folder, names(count), denominator, QByteArrayLiteral("RDCTJ:Q080")};
    QList<int> reported;
    runReductions(
        job, recordCall,
        [&](int index, int result) {
            QCOMPARE(QThread::currentThread(), QCoreApplication::instance()->thread());
            QCOMPARE(result, 0);
            reported << index;
        },
        workers);

    QCOMPARE(int(record.calls.size()), count);
    QCOMPARE(reported.size(), count);
    std::sort(reported.begin(), reported.end());
    for (int i = 0; i < count; ++i)
        QCOMPARE(reported[i], i);

    // One worker calls in exactly the list order; with several, the order of
    // the calls also depends on the scheduler.
    const int threads = reductionWorkerCount(count, workers);
    std::vector<bool> seen(size_t(count), false);
    QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    for (int i = 0; i < count; ++i) {
        const Call &call = record.calls[size_t(i)];
        const QString source = QString::fromStdString(call.source);
        QVERIFY2(source.startsWith(base), qPrintable(source));
        const QString name = source.mid(base.size());
        const int index = int(job.names.indexOf(name));
        QVERIFY(index >= 0);
        QVERIFY2(!seen[size_t(index)], qPrintable(name)); // each image exactly once
        seen[size_t(index)] = true;
        if (threads == 1)
            QCOMPARE(index, i);
        QCOMPARE(QString::fromStdString(call.destination), base + QStringLiteral("s_") + name);
        QCOMPARE(call.denominator, denominator);
        QCOMPARE(call.text, std::string("RDCTJ:Q080"));
    }
    // Never more images in work than workers.
    QVERIFY(record.mostRunning <= threads);
    QCOMPARE(threads, std::max(1, std::min(count, workers ? workers : QThread::idealThreadCount())));
}

void tst_ReductionRunner::failureIsReportedForThatImageOnly()
{
    QStringList list = names(9);
    list.insert(4, QStringLiteral("bad.jpg"));
    QMap<int, int> results;
    runReductions({QStringLiteral("/p"), list, 2, "RDCTJ:Q080"}, recordCall,
                  [&](int index, int result) { results.insert(index, result); });
    QCOMPARE(results.size(), list.size());
    for (auto it = results.cbegin(); it != results.cend(); ++it)
        QCOMPARE(it.value(), it.key() == 4 ? 4 : 0);
}

void tst_ReductionRunner::resultsArriveAsImagesComplete()
{
    if (reductionWorkerCount(2) < 2)
        QSKIP("one worker: images complete in list order anyway");
    std::promise<void> done;
    secondDone = &done;
    QList<int> order;
    runReductions({QStringLiteral("/p"), {QStringLiteral("first.jpg"), QStringLiteral("second.jpg")}, 2, "RDCTJ:Q080"},
                  holdFirst, [&](int index, int) {
                      order << index;
                      if (index == 1)
                          done.set_value(); // the first image can finish now
                  });
    secondDone = nullptr;
    QCOMPARE(order, (QList<int>{1, 0}));
}

void tst_ReductionRunner::callbackExceptionStopsTheRun()
{
    const int count = 1000;
    int delivered = 0;
    bool thrown = false;
    firstDelivered = false;
    try {
        runReductions(
            {QStringLiteral("/p"), names(count), 2, "RDCTJ:Q080"}, holdAllButFirst,
            [&](int, int) {
                ++delivered;
                firstDelivered = true;
                throw std::runtime_error("window gone");
            },
            2);
    } catch (const std::runtime_error &) {
        thrown = true;
    }
    QVERIFY(thrown);
    QCOMPARE(delivered, 1);
    // Workers were joined before the exception left: nothing runs any more.
    QCOMPARE(record.running.load(), 0);
    // No image was handed out once the run stopped.
    QVERIFY2(record.calls.size() < size_t(count), qPrintable(QString::number(record.calls.size())));
}

namespace {
// The big picture's worker says it is about to reduce before it may wait for
// the other. While either call runs it gives the other every chance to run
// beside it, and the small one notes whether the big one did.
std::atomic<bool> bigAsked{false};
std::atomic<bool> bigRunning{false};
std::atomic<bool> overlapped{false};
constexpr int Chances = 100000;

qint64 fakePixels(const QString &path)
{
    if (!path.endsWith(QLatin1String("/big.jpg")))
        return 12'000'000;
    bigAsked = true;
    return 200'000'000;
}

int reduceWatchingBig(const char *source, const char *, int, const char *)
{
    if (std::string(source).ends_with("/big.jpg")) {
        bigRunning = true;
        for (int i = 0; i < Chances && !overlapped; ++i)
            std::this_thread::yield();
        bigRunning = false;
        return 0;
    }
    if (!waitFor(bigAsked))
        return 1;
    for (int i = 0; i < Chances && !overlapped; ++i) {
        overlapped = bigRunning.load();
        std::this_thread::yield();
    }
    return 0;
}
} // namespace

void tst_ReductionRunner::bigPictureIsReducedAlone()
{
    if (reductionWorkerCount(2) < 2)
        QSKIP("one worker: nothing runs beside anything");
    ReductionJob job{QStringLiteral("/p"), {QStringLiteral("small.jpg"), QStringLiteral("big.jpg")}, 2, "RDCTJ:Q080"};
    job.pixelCount = fakePixels;
    bigAsked = false;
    overlapped = false;
    int delivered = 0;
    int failed = 0;
    runReductions(job, reduceWatchingBig, [&](int, int result) {
        ++delivered;
        failed += result != 0;
    });
    QCOMPARE(delivered, 2);
    QCOMPARE(failed, 0);
    QVERIFY(!overlapped);
}

QTEST_GUILESS_MAIN(tst_ReductionRunner)
#include "tst_reductionrunner.moc"
