#pragma once

// Runs the built program from a terminal that has no display, with the
// settings folder and the temporary folder of the test process.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace apptest {

struct TerminalRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// `environment` adds to (or replaces in) the test's own; `input` is fed to
// standard input. Had the program tried to reach a display, the xcb platform
// asked for here would have ended it with an error.
inline TerminalRun runInTerminal(const QStringList &arguments, const QStringList &environment = {},
                                 const QByteArray &input = QByteArray(), int timeoutMs = 240000)
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.remove(QStringLiteral("DISPLAY"));
    variables.remove(QStringLiteral("WAYLAND_DISPLAY"));
    variables.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QString &setting : environment)
        variables.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess run;
    run.setProcessEnvironment(variables);
    run.start(QStringLiteral(PARVOLIN_BINARY), arguments);
    run.write(input);
    run.closeWriteChannel();
    TerminalRun outcome;
    if (!run.waitForFinished(timeoutMs)) {
        run.kill();
        run.waitForFinished();
        ADD_FAILURE() << "the program did not end: " << arguments.join(QLatin1Char(' ')).toStdString();
        return outcome;
    }
    outcome.exitCode = run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
    outcome.out = run.readAllStandardOutput();
    outcome.err = QString::fromLocal8Bit(run.readAllStandardError());
    return outcome;
}

} // namespace apptest
