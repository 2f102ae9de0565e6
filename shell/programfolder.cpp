#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace shell {
namespace {

QString &overriddenFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

QString installedDataFolder()
{
    // Relative to the executable rather than a fixed prefix, so an installed
    // tree works wherever it was unpacked; the build supplies the path from
    // the installed program's folder to its data folder.
    return QDir::cleanPath(QDir(programFolder()).filePath(QStringLiteral(PARVOLIN_DATA_FROM_PROGRAM)));
}

QString programFile(const QString &relative)
{
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    const QString beside = QDir(programFolder()).filePath(path);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir(installedDataFolder()).filePath(path);
    return QFileInfo::exists(installed) ? installed : beside;
}

void setProgramFolderForTesting(const QString &folder)
{
    overriddenFolder() = folder;
}

} // namespace shell
