// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/reductionrunner.h"

#include "album/thumbnailsize.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <shared_mutex>
#include <thread>
#include <utility>
#include <vector>

qint64 headerPixelCount(const QString &path)
{
    const QSize size = pictureSize(path);
    return size.isValid() ? qint64(size.width()) * size.height() : 0;
}

int reductionWorkerCount(int count, int workers)
{
    return std::max(1, std::min(workers > 0 ? workers : QThread::idealThreadCount(), count));
}

namespace {

// What workers and the calling thread share.
class Queue
{
public:
    explicit Queue(int count)
        : m_count(count)
    {}

    // Next image to reduce, in list order; -1 when none is left or stopped.
    int take()
    {
        std::lock_guard lock(m_mutex);
        return (m_stopped || m_next >= m_count) ? -1 : m_next++;
    }

    void put(int index, int result)
    {
        {
            std::lock_guard lock(m_mutex);
            m_done.emplace_back(index, result);
        }
        m_ready.notify_one();
    }

    // Blocks until at least one result is there and moves them all out.
    std::deque<std::pair<int, int>> wait()
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [this] { return !m_done.empty(); });
        return std::exchange(m_done, {});
    }

    void stop()
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<std::pair<int, int>> m_done;
    const int m_count;
    int m_next = 0;
    bool m_stopped = false;
};

} // namespace

void runReductions(const ReductionJob &job, ReduceFn fn, const std::function<void(int index, int result)> &finished,
                   int workers)
{
    const int count = int(job.names.size());
    if (count == 0)
        return;

    // Paths in the file system's encoding, made once on this thread.
    const QDir folder(job.folder);
    std::vector<QByteArray> sources, destinations;
    sources.reserve(count);
    destinations.reserve(count);
    for (const QString &name : job.names) {
        sources.push_back(QFile::encodeName(folder.filePath(name)));
        destinations.push_back(QFile::encodeName(folder.filePath(QLatin1String("s_") + name)));
    }
    const QByteArray text = job.text; // NUL-terminated for the C entry point
    const int denominator = job.denominator;

    Queue queue(count);
    std::shared_mutex memory; // shared by ordinary pictures, held alone by a big one
    const auto reduce = [&](int i) {
        return fn(sources[i].constData(), destinations[i].constData(), denominator, text.constData());
    };
    auto work = [&] {
        for (int i = queue.take(); i >= 0; i = queue.take()) {
            if (job.isCurrent && job.isCurrent(sources[i], destinations[i], denominator, text)) {
                queue.put(i, ThumbnailUpToDate);
            } else if (job.pixelCount(folder.filePath(job.names.at(i))) > job.alonePixels) {
                std::unique_lock alone(memory);
                queue.put(i, reduce(i));
            } else {
                std::shared_lock together(memory);
                queue.put(i, reduce(i));
            }
        }
    };
    std::vector<std::thread> threads;
    const int threadCount = reductionWorkerCount(count, workers);
    for (int t = 0; t < threadCount; ++t)
        threads.emplace_back(work);

    std::exception_ptr failure;
    for (int delivered = 0; delivered < count && !failure;) {
        for (const auto &[index, result] : queue.wait()) {
            ++delivered;
            try {
                finished(index, result);
            } catch (...) {
                failure = std::current_exception();
                queue.stop();
                break;
            }
        }
    }
    for (std::thread &thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}
