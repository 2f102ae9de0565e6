#include "settingsstore.h"

#include "automation/failure.h"
#include "safewrite.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace shell {
namespace {

// The whole file, or nothing when there is none yet.
QByteArray fileBytes(const QString &path, const QString &key, const char *doing)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw automation::Failure(QStringLiteral("The setting \"%1\" could not be %2 %3: %4")
                          .arg(key, QLatin1String(doing), path, file.errorString()));
    return bytes;
}

// Holds the lock file beside the store for one read-modify-write, so that no
// other writer (a second window, the command line) reads the file between
// our reading and our replacing it and so erases a change. The kernel lets go
// of the lock when the process dies, so a killed program never blocks the next.
class StoreLock {
public:
    StoreLock(const QString &storePath, const QString &key)
    {
        const QByteArray name = QFile::encodeName(storePath + QStringLiteral(".lock"));
        m_descriptor = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        int result = m_descriptor < 0 ? -1 : 0;
        while (result == 0 && ::flock(m_descriptor, LOCK_EX) != 0) {
            if (errno != EINTR)
                result = -1;
        }
        if (result != 0) {
            const QString cause = QString::fromLocal8Bit(std::strerror(errno));
            release();
            throw automation::Failure(
                QStringLiteral("The setting \"%1\" could not be saved: the store %2 could not be locked: %3.")
                    .arg(key, storePath, cause));
        }
    }
    ~StoreLock() { release(); }
    StoreLock(const StoreLock &) = delete;
    StoreLock &operator=(const StoreLock &) = delete;

private:
    void release()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = -1;
    }

    int m_descriptor = -1;
};

} // namespace

QString SettingsStore::fileName()
{
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return QDir(folder).filePath(QLatin1String(applicationName) + QStringLiteral(".conf"));
}

QString SettingsStore::read(const QString &key) const
{
    const QString path = fileName();
    const SettingsFile file(fileBytes(path, key, "read from"));
    const SettingsFile::Entry entry = file.find(QLatin1String(section), key);
    if (entry.value.damage != initext::Damage::None)
        throw automation::Failure(QStringLiteral("The stored value of \"%1\" is damaged (line %2 of %3: %4), so it is not "
                                     "shown; what you type into the field is stored anew.")
                          .arg(key)
                          .arg(entry.lineNumber)
                          .arg(path, initext::describe(entry.value.damage)));
    return entry.value.text;
}

void SettingsStore::write(const QString &key, const QString &value)
{
    const QString path = fileName();
    // An unreadable store is never replaced: what it holds would be lost.
    QDir().mkpath(QFileInfo(path).absolutePath());
    const StoreLock lock(path, key);
    SettingsFile file(fileBytes(path, key, "saved to"));
    file.set(QLatin1String(section), key, value);
    try {
        replaceFileSyncingLater(path, file.bytes());
    } catch (const automation::Failure &failure) {
        throw automation::Failure(QStringLiteral("The setting \"%1\" could not be saved: %2").arg(key, failure.description()));
    }
}

} // namespace shell
