#include "fileservices.h"

#include "automation/failure.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace shell {

namespace {

// A path Qt would silently truncate or treat as "here" must not name a file.
bool isUsablePath(const QString &path)
{
    return !path.isEmpty() && !path.contains(QChar(u'\0'));
}

// A symbolic link counts as a file: removing it leaves its target alone.
bool isFolder(const QFileInfo &info)
{
    return info.isDir() && !info.isSymLink();
}

bool removeFile(const QString &path)
{
    if (!isUsablePath(path) || isFolder(QFileInfo(path)))
        return false;
    return QFile::remove(path);
}

void makeWritable(const QString &path)
{
    const QFileInfo info(path);
    // Changing the mode of a link would change its target, which is not ours to touch.
    if (info.isSymLink() || !info.exists())
        return;
    QFile::setPermissions(path, info.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

QString forceDeleteCause(const QString &path)
{
    if (!isUsablePath(path))
        return QStringLiteral("the path is empty or malformed");
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QStringLiteral("there is no such file");
    if (isFolder(info))
        return QStringLiteral("it is a folder, not a file");
    return QString();
}

} // namespace

bool FileExists(const QString &path)
{
    if (!isUsablePath(path))
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

void DeleteFileQuietly(const QString &path)
{
    deleteFileQuietlyWith(path, removeFile);
}

void deleteFileQuietlyWith(const QString &path,
                           const std::function<bool(const QString &)> &plainDelete)
{
    QCoreApplication::processEvents();
    try {
        if (plainDelete(path))
            return;
        ForceDeleteFile(path);
    } catch (...) {
        // The callers only want the file gone if possible; they are never told.
    }
}

QVariant ForceDeleteFile(const QString &path)
{
    const QString cause = forceDeleteCause(path);
    if (!cause.isEmpty())
        throw automation::Failure(QStringLiteral("Cannot delete \"%1\": %2.").arg(path, cause));
    makeWritable(path);
    QFile file(path);
    if (!file.remove())
        throw automation::Failure(QStringLiteral("Cannot delete \"%1\": %2.").arg(path, file.errorString()));
    return QVariant();
}

} // namespace shell
