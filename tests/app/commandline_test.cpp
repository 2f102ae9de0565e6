#include "commandline.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    std::optional<int> exitCode;
    QString out;
    QString err;
};

Outcome handle(const QStringList &arguments)
{
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.exitCode = app::handleCommandLine(arguments, out, err);
    out.flush();
    err.flush();
    return outcome;
}

// Runs the built program where no display can be reached: had it tried to open
// a window, Qt would have ended it with an error instead.
Outcome runWithoutDisplay(const QStringList &arguments)
{
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(PARVOLIN_BINARY), arguments);
    Outcome outcome;
    if (!run.waitForFinished(20000)) {
        run.kill();
        run.waitForFinished();
        ADD_FAILURE() << "the program did not end";
        return outcome;
    }
    outcome.exitCode = run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
    outcome.out = QString::fromLocal8Bit(run.readAllStandardOutput());
    outcome.err = QString::fromLocal8Bit(run.readAllStandardError());
    return outcome;
}

} // namespace

TEST(CommandLine, NoArgumentsGoOnToTheWindowSilently)
{
    const Outcome outcome = handle({});
    EXPECT_FALSE(outcome.exitCode.has_value());
    EXPECT_TRUE(outcome.out.isEmpty());
    EXPECT_TRUE(outcome.err.isEmpty());
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithZero)
{
    for (const char *option : {"--help", "-h"}) {
        const Outcome outcome = handle({QString::fromLatin1(option)});
        EXPECT_EQ(outcome.exitCode, 0) << option;
        EXPECT_TRUE(outcome.out.startsWith(QStringLiteral("Usage: parvolin"))) << option;
        for (const char *variable : {"PARVOLIN_ENGINE", "TEMP", "XDG_CONFIG_HOME"})
            EXPECT_TRUE(outcome.out.contains(QString::fromLatin1(variable))) << variable;
        EXPECT_TRUE(outcome.err.isEmpty());
    }
    const Outcome version = handle({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("parvolin " PARVOLIN_EXPECTED_VERSION "\n"));
}

TEST(CommandLine, AnythingElseIsRefusedWithTwoAndAShortMessage)
{
    for (const char *argument : {"--helpme", "-x", "--", "resume.doc", "-help"}) {
        const Outcome outcome = handle({QString::fromLatin1(argument)});
        EXPECT_EQ(outcome.exitCode, 2) << argument;
        EXPECT_TRUE(outcome.out.isEmpty()) << argument;
        EXPECT_TRUE(outcome.err.contains(QString::fromLatin1(argument))) << argument;
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("parvolin --help"))) << argument;
        EXPECT_LE(outcome.err.count(QLatin1Char('\n')), 2) << argument;
    }
}

TEST(CommandLine, TheFirstArgumentDecides)
{
    EXPECT_EQ(handle({QStringLiteral("--version"), QStringLiteral("--bogus")}).exitCode, 0);
    EXPECT_EQ(handle({QStringLiteral("--bogus"), QStringLiteral("--help")}).exitCode, 2);
}

TEST(CommandLine, TheRealProgramAnswersWithoutADisplay)
{
    const Outcome help = runWithoutDisplay({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: parvolin")));

    const Outcome version = runWithoutDisplay({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("parvolin " PARVOLIN_EXPECTED_VERSION "\n"));

    const Outcome unknown = runWithoutDisplay({QStringLiteral("--frobnicate")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_TRUE(unknown.err.startsWith(QStringLiteral("parvolin: unknown option '--frobnicate'")));
}
