#include "backgroundsync.h"

#include <QFile>
#include <QFileInfo>

#include <chrono>

#include <fcntl.h>
#include <unistd.h>

namespace shell {
namespace {

// After a sync the thread rests this long, so that a burst of keystrokes
// costs one sync, not one each: every sync makes the file system commit its
// journal, which the user-interface thread's next replacement then waits for.
constexpr std::chrono::milliseconds restAfterSync(100);

} // namespace

BackgroundSync &BackgroundSync::instance()
{
    static BackgroundSync sync;
    return sync;
}

BackgroundSync::BackgroundSync()
    : m_thread([this] { run(); })
{
}

BackgroundSync::~BackgroundSync()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void BackgroundSync::request(const QString &path)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_pending.insert(path);
    }
    m_changed.notify_all();
}

void BackgroundSync::waitUntilIdle()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pending.empty() && !m_syncing; });
}

long BackgroundSync::syncsDone() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_syncsDone;
}

void BackgroundSync::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_pending.empty(); });
        if (m_pending.empty())
            return;
        const std::set<QString> paths = std::move(m_pending);
        m_pending.clear();
        m_syncing = true;
        lock.unlock();
        for (const QString &path : paths)
            syncFileAndFolder(path);
        lock.lock();
        m_changed.wait_for(lock, restAfterSync, [this] { return m_stopping; });
        m_syncing = false;
        m_syncsDone += static_cast<long>(paths.size());
        m_changed.notify_all();
    }
}

void BackgroundSync::syncFileAndFolder(const QString &path)
{
    // The file's data, then the folder that holds its new name. Failures are
    // not reported: every program already reads the complete file, and the
    // next change asks again.
    const QByteArray file = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    for (const QByteArray &name : {file, folder}) {
        const int descriptor = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0)
            continue;
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace shell
