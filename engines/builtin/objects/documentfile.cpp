#include "documentfile.h"

#include "automation/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace engine {
namespace {

automation::Failure saveError(const QString &path, const QString &cause)
{
    return automation::Failure(QStringLiteral("The document cannot be saved as \"%1\": %2").arg(path, cause));
}

QString systemCause(int error)
{
    return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
}

// A replaced document keeps its permissions; a new one gets the ordinary
// ones under the user's umask.
mode_t modeFor(const QByteArray &target)
{
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Opens a fresh file beside `target` that no one else can have made, with
// the mode the document will have; its name goes to `name`. It starts
// readable by the user alone, so that no one opens it on the way.
int openBeside(const QByteArray &target, QByteArray &name)
{
    const mode_t mode = modeFor(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (descriptor < 0 && errno == EEXIST)
            continue;
        if (descriptor >= 0 && ::fchmod(descriptor, mode) != 0) {
            const int error = errno;
            ::close(descriptor);
            ::unlink(name.constData());
            errno = error;
            return -1;
        }
        return descriptor;
    }
    errno = EEXIST;
    return -1;
}

// Writes all of `bytes`; the error number of the first failure, or 0.
int writeAll(int descriptor, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(descriptor, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return step < 0 ? errno : ENOSPC;
        written += step;
    }
    return 0;
}

} // namespace

automation::Failure DocumentFile::openError(const QString &path, const QString &cause)
{
    return automation::Failure(QStringLiteral("The document \"%1\" cannot be opened: %2").arg(path, cause));
}

void DocumentFile::write(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        throw saveError(path, QStringLiteral("no file name was given."));
    const QFileInfo info(path);
    if (!info.dir().exists())
        throw saveError(path, QStringLiteral("the folder \"%1\" does not exist.").arg(info.dir().path()));
    if (info.isDir())
        throw saveError(path, QStringLiteral("a folder of that name is in the way."));
    // A document is only ever saved into the file at its own name, never
    // in the place of a link someone put there.
    if (info.isSymLink())
        throw saveError(path, QStringLiteral("a link has taken the document's place."));
    if (info.exists() && !info.isWritable())
        throw saveError(path, QStringLiteral("the file is read-only, so it is left as it is."));
    const QByteArray target = QFile::encodeName(path);
    QByteArray written;
    const int descriptor = openBeside(target, written);
    if (descriptor < 0)
        throw saveError(path, systemCause(errno));
    int error = writeAll(descriptor, bytes);
    // Some file systems report a failed write only when the file is closed.
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    // Renaming over the old file swaps the two at once: a reader, or a
    // program killed at any moment, finds one whole document or the other.
    if (error == 0 && ::rename(written.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(written.constData());
        throw saveError(path, systemCause(error));
    }
}

QByteArray DocumentFile::read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw openError(path, QStringLiteral("the file does not exist."));
    if (info.isDir())
        throw openError(path, QStringLiteral("it is a folder, not a file."));
    if (info.size() > largestBytes)
        throw openError(path, QStringLiteral("the file is larger than %1 MB, which no resume document is.")
                                  .arg(largestBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw openError(path, file.errorString() + QLatin1Char('.'));
    // Reading all there is reserves what the file holds, not the cap.
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw openError(path, file.errorString() + QLatin1Char('.'));
    if (bytes.size() > largestBytes)
        throw openError(path, QStringLiteral("the file grew beyond %1 MB while it was read.")
                                  .arg(largestBytes / (1024 * 1024)));
    return bytes;
}

} // namespace engine
