#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

// Keeps the disk busy while it lives, as another program saving big files
// would: a thread writes 4 MB at a time to a file in the temporary folder
// and syncs it after each write, without pause.
class DiskContention {
public:
    DiskContention()
        : m_path(QFile::encodeName(QDir::temp().filePath(QStringLiteral("parvolin-contention.bin"))))
        , m_thread([this] { run(); })
    {
    }
    ~DiskContention()
    {
        m_stop = true;
        m_thread.join();
        ::unlink(m_path.constData());
    }
    DiskContention(const DiskContention &) = delete;
    DiskContention &operator=(const DiskContention &) = delete;

    long syncs() const { return m_syncs; }

private:
    void run()
    {
        const QByteArray block(4 << 20, 'x');
        const int file = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (file < 0)
            return;
        while (!m_stop) {
            // Rewriting the same range keeps the file small; every sync still
            // sends 4 MB to the disk.
            if (::pwrite(file, block.constData(), static_cast<size_t>(block.size()), 0) < 0)
                break;
            ::fdatasync(file);
            ++m_syncs;
        }
        ::close(file);
    }

    QByteArray m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<long> m_syncs{0};
    std::thread m_thread;
};
