#include "documentfile.h"

#include "automation/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace engine {
namespace {

automation::Failure saveError(const QString &path, const QString &cause)
{
    return automation::Failure(QStringLiteral("The document cannot be saved as \"%1\": %2").arg(path, cause));
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
    // The save file would write through a link to whatever it names; a
    // document is only ever saved into the file at its own name.
    if (info.isSymLink())
        throw saveError(path, QStringLiteral("a link has taken the document's place."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw saveError(path, file.errorString() + QLatin1Char('.'));
    // The commit does not see a write that failed while the buffer was
    // flushed (a full disk), so flush and count the bytes before committing.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size() || !file.commit())
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
