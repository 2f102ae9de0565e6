#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace testsupport {

// What the file at `path` holds, or "<missing>" when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Makes the file at `path` hold exactly `bytes`; false when it cannot.
inline bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The permission bits of the file at `path`.
inline mode_t mode(const QString &path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

} // namespace testsupport
