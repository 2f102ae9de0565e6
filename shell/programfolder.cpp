#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>

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

QString programFile(const QString &relative)
{
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return QDir(programFolder()).filePath(path);
}

void setProgramFolderForTesting(const QString &folder)
{
    overriddenFolder() = folder;
}

} // namespace shell
