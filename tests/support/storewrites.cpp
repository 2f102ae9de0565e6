#include "storewrites.h"

#include <QDir>
#include <QFile>

#include <sys/inotify.h>
#include <unistd.h>

namespace testsupport {

StoreWrites::StoreWrites(const QString &settingsFolder)
{
    QDir().mkpath(settingsFolder);
    m_descriptor = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_descriptor >= 0)
        inotify_add_watch(m_descriptor, QFile::encodeName(settingsFolder).constData(), IN_MOVED_TO | IN_CREATE);
}

StoreWrites::~StoreWrites()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

quint64 StoreWrites::count()
{
    alignas(inotify_event) char buffer[8192];
    for (;;) {
        const ssize_t length = ::read(m_descriptor, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            // The file arrives whole under its name: renamed over the old one, or
            // linked into the folder when there was none.
            if (event->len > 0 && QByteArray(event->name) == "Tarnwick.conf")
                ++m_count;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return m_count;
}

} // namespace testsupport
