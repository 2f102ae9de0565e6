#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QThread>

// What a private office leaves on the machine, looked up from outside the
// engine: its profile folders in the temporary folder and its processes.
namespace officetrace {

inline QString temporaryFolder()
{
    const QString temp = qEnvironmentVariable("TEMP");
    return temp.isEmpty() ? QDir::tempPath() : temp;
}

// In `temp`, the temporary folder unless given.
inline QStringList profileFolders(const QString &temp = temporaryFolder())
{
    return QDir(temp).entryList({QStringLiteral("parvolin-libreoffice-*")}, QDir::Dirs | QDir::Hidden);
}

// Office processes whose command line names `folderPart`.
inline QStringList officeProcesses(const QString &folderPart)
{
    QStringList found;
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(QFile::encodeName(folderPart)))
            found << pid;
    }
    return found;
}

// Private offices started from `temp` (the temporary folder unless given), still alive.
inline QStringList privateOffices(const QString &temp = temporaryFolder())
{
    QStringList found;
    for (const QString &pid : officeProcesses(temp + QStringLiteral("/parvolin-libreoffice-"))) {
        QFile name(QStringLiteral("/proc/%1/comm").arg(pid));
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "soffice.bin")
            found << pid;
    }
    return found;
}

// Waits up to `ms` for `done` to hold; whether it did.
template <typename Condition>
bool waitFor(Condition done, int ms)
{
    for (int waited = 0; waited < ms; waited += 50) {
        if (done())
            return true;
        QThread::msleep(50);
    }
    return done();
}

} // namespace officetrace
