#pragma once

#include "support/testenvironment.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <gtest/gtest.h>

// True when the tools to run a real window are here; on CI they must be.
inline bool haveDesktopTools()
{
    bool found = true;
    for (const char *tool : {"xvfb-run", "xdotool", "xwininfo", "python3"})
        found = found && !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
    if (!found && !qEnvironmentVariableIsEmpty("CI"))
        ADD_FAILURE() << "xvfb-run, xdotool, xwininfo and python3 are needed on CI";
    return found;
}

// Runs one of this folder's scripts inside an X server of its own, 1024 x 768,
// with the program's binary as its first argument; true when it finished.
inline bool runOnDesktop(const QString &script, const QStringList &arguments, int timeoutMs = 120000)
{
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral("xvfb-run"),
              QStringList{QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24"),
                          QStringLiteral("bash"), QStringLiteral(PARVOLIN_APP_SCRIPTS "/") + script,
                          QStringLiteral(PARVOLIN_BINARY)}
                  + arguments);
    if (!run.waitForFinished(timeoutMs)) {
        run.kill();
        run.waitForFinished();
        ADD_FAILURE() << "the run did not finish";
        return false;
    }
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().constData();
    return run.exitCode() == 0;
}

// A run of `script` in a world of its own: fresh settings and temporary
// folders, and an output folder for what the script leaves to check.
struct DesktopRun {
    bool finished = false;
    QString temp;
    QString out;
};

inline DesktopRun runInFreshFolders(const QString &script, int timeoutMs = 120000)
{
    DesktopRun run;
    testsupport::freshSettingsFolder();
    run.temp = testsupport::freshFolder(QStringLiteral("program-temp"));
    run.out = testsupport::freshFolder(QStringLiteral("program-out"));
    const QByteArray savedTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(run.temp));
    run.finished = runOnDesktop(script, {run.out}, timeoutMs);
    qputenv("TEMP", savedTemp);
    return run;
}
