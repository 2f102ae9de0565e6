#pragma once

#include <QString>

#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

namespace shell {

// Brings replaced files to stable storage on a thread of its own, so that the
// user-interface thread never waits for the disk. Requests that come in while
// a sync runs, or in the short rest after it, are served by one more sync.
class BackgroundSync {
public:
    // The one instance the program uses; it outlives every window.
    static BackgroundSync &instance();

    BackgroundSync();
    // Finishes the syncs asked for so far, then stops the thread.
    ~BackgroundSync();
    BackgroundSync(const BackgroundSync &) = delete;
    BackgroundSync &operator=(const BackgroundSync &) = delete;

    // Asks for the file at `path` (as it is when the sync runs) and its folder
    // entry to reach stable storage. Returns at once.
    void request(const QString &path);
    // Waits until every sync asked for so far has run.
    void waitUntilIdle();
    // How many syncs have run since the start; several requests may share one.
    long syncsDone() const;

private:
    void run();
    static void syncFileAndFolder(const QString &path);

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::set<QString> m_pending;
    bool m_syncing = false;
    bool m_stopping = false;
    long m_syncsDone = 0;
    std::thread m_thread;
};

} // namespace shell
