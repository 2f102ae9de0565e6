#include "safewrite.h"

#include "automation/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

void copyFileSafely(const QString &source, const QString &target)
{
    const QByteArray bytes = readWhole(source, target);
    if (sameFile(source, target))
        throw automation::Failure(QStringLiteral("%1 is the document being previewed itself; choose another name to save a copy.")
                          .arg(target));
    writeFileSafely(target, bytes);
}

} // namespace shell
