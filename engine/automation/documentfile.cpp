#include "documentfile.h"

#include "word/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace engine {
namespace {

word::Error saveError(const QString &path, const QString &cause)
{
    return word::Error(QStringLiteral("The document cannot be saved as \"%1\": %2").arg(path, cause));
}

} // namespace

word::Error DocumentFile::openError(const QString &path, const QString &cause)
{
    return word::Error(QStringLiteral("The document \"%1\" cannot be opened: %2").arg(path, cause));
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw saveError(path, file.errorString() + QLatin1Char('.'));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw saveError(path, file.errorString() + QLatin1Char('.'));
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
    const QByteArray bytes = file.read(largestBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw openError(path, file.errorString() + QLatin1Char('.'));
    if (bytes.size() > largestBytes)
        throw openError(path, QStringLiteral("the file grew beyond %1 MB while it was read.")
                                  .arg(largestBytes / (1024 * 1024)));
    return bytes;
}

} // namespace engine
