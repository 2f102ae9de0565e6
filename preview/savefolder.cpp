#include "savefolder.h"

#include "automation/failure.h"
#include "shell/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace preview {
namespace {

QString firstFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace

QString SaveFolder::startFolder()
{
    QString last;
    // The folder is a comfort: an unreadable store only means starting afresh.
    try {
        last = shell::SettingsStore().read(QString::fromLatin1(settingsKey));
    } catch (const automation::Failure &) {
    }
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return firstFolder();
}

void SaveFolder::remember(const QString &savedFile)
{
    const QString folder = QFileInfo(savedFile).absolutePath();
    // Forgetting the folder loses no data, and the save itself has succeeded:
    // it is not worth a report.
    try {
        shell::SettingsStore().write(QString::fromLatin1(settingsKey), folder);
    } catch (const automation::Failure &) {
    }
}

} // namespace preview
