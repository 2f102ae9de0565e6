#include "safewrite.h"

#include "automation/failure.h"
#include "backgroundsync.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shell {
namespace {

automation::Failure writeFailure(const QString &path, const QString &cause)
{
    return automation::Failure(QStringLiteral("%1 could not be written: %2.").arg(path, cause));
}

QString withoutFinalStop(QString text)
{
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QByteArray readWhole(const QString &source, const QString &target)
{
    auto copyFailure = [&](const QString &cause) {
        return automation::Failure(QStringLiteral("The document %1 could not be copied to %2: %3.").arg(source, target, cause));
    };
    if (source.isEmpty())
        throw automation::Failure(QStringLiteral("There is no document to copy to %1: it could not be made.").arg(target));
    const QFileInfo info(source);
    if (!info.exists())
        throw copyFailure(QStringLiteral("it no longer exists"));
    if (!info.isFile())
        throw copyFailure(QStringLiteral("it is not a file"));
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        throw copyFailure(withoutFinalStop(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw copyFailure(withoutFinalStop(file.errorString()));
    if (bytes.isEmpty())
        throw copyFailure(QStringLiteral("it is empty, so it is not a finished document"));
    return bytes;
}

QString systemCause(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file a write to `path` replaces: the target of a link, else `path`.
QString replacedFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

mode_t newFileMode(const QByteArray &target)
{
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes all of `bytes` to `descriptor`; the error number of the first failure, or 0.
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

// A fresh file beside the target holding `bytes`, closed; its name. Throws
// after removing it when any byte did not make it.
QByteArray writtenBeside(const QString &path, const QByteArray &target, const QByteArray &bytes)
{
    QByteArray name = target + ".XXXXXX";
    const int descriptor = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor < 0)
        throw writeFailure(path, systemCause(errno));
    int error = ::fchmod(descriptor, newFileMode(target)) == 0 ? 0 : errno;
    if (error == 0)
        error = writeAll(descriptor, bytes);
    // Some file systems report a failed write only when the file is closed.
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(name.constData());
        throw writeFailure(path, systemCause(error));
    }
    return name;
}

// A file the user made read-only is theirs to keep: replacing it by a rename
// would need no permission of its own, so its mode is looked at here. Any
// write bit counts, so the check holds for a user who may write anything.
bool isReadOnlyFile(const QByteArray &target)
{
    struct stat existing {};
    if (::stat(target.constData(), &existing) != 0 || !S_ISREG(existing.st_mode))
        return false;
    return (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.constData(), W_OK) != 0;
}

bool sameFile(const QString &first, const QString &second)
{
    const QString firstPath = QFileInfo(first).canonicalFilePath();
    return !firstPath.isEmpty() && firstPath == QFileInfo(second).canonicalFilePath();
}

} // namespace

void writeFileSafely(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        throw writeFailure(path, QStringLiteral("a folder of that name is in the way"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw writeFailure(path, withoutFinalStop(file.errorString()));
    // A small write only reaches the disk when the buffer is flushed, and the
    // save file's commit does not look at how that went: check it here, and
    // check the size, before the file may take the old one's place.
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw writeFailure(path, withoutFinalStop(file.errorString()));
    if (file.size() != bytes.size())
        throw writeFailure(path, QStringLiteral("only %1 of %2 bytes reached the disk").arg(file.size()).arg(bytes.size()));
    if (!file.commit())
        throw writeFailure(path, withoutFinalStop(file.errorString()));
}

void replaceFileSyncingLater(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        throw writeFailure(path, QStringLiteral("a folder of that name is in the way"));
    const QString replaced = replacedFile(path);
    const QByteArray target = QFile::encodeName(replaced);
    if (isReadOnlyFile(target))
        throw writeFailure(path, QStringLiteral("the file is read-only, so it is left as it is"));
    const QByteArray written = writtenBeside(path, target, bytes);
    // Renaming over the old file swaps the two at once: a reader, or a
    // program killed at any moment, sees one whole file or the other.
    if (::rename(written.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(written.constData());
        throw writeFailure(path, systemCause(error));
    }
    BackgroundSync::instance().request(replaced);
}

void copyFileSafely(const QString &source, const QString &target)
{
    const QByteArray bytes = readWhole(source, target);
    if (sameFile(source, target))
        throw automation::Failure(QStringLiteral("%1 is the document being previewed itself; choose another name to save a copy.")
                          .arg(target));
    writeFileSafely(target, bytes);
}

} // namespace shell
