// How the real program ends on the desktop's signals, and what a second start
// of it does.
#include "desktoprun.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RealProgramSignal : public ::testing::TestWithParam<const char *> {};

// The program on the off-screen platform, with a runtime folder of its own.
class SecondStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::freshSettingsFolder();
        m_runtime = testsupport::freshFolder(QStringLiteral("runtime"));
        ::chmod(QFile::encodeName(m_runtime).constData(), 0700);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime);
        m_environment.insert(QStringLiteral("TEMP"), testsupport::freshFolder(QStringLiteral("temp")));
    }

    std::unique_ptr<QProcess> startProgram()
    {
        auto program = std::make_unique<QProcess>();
        program->setProcessEnvironment(m_environment);
        program->start(QStringLiteral(PARVOLIN_BINARY), QStringList());
        EXPECT_TRUE(program->waitForStarted());
        return program;
    }

    // Waits until the running program listens for later starts.
    bool listening() const
    {
        for (int tenth = 0; tenth < 200; ++tenth) {
            if (!QDir(m_runtime).entryList({QStringLiteral("parvolin-*")}, QDir::System).isEmpty())
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    static void end(QProcess &program)
    {
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        if (!program.waitForFinished(10000))
            program.kill();
        program.waitForFinished();
    }

    QString m_runtime;
    QProcessEnvironment m_environment;
};

} // namespace

TEST_P(RealProgramSignal, EndsTheProgramAsClosingThePreviewDoesAndLeavesNoDocument)
{
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    testsupport::freshSettingsFolder();
    const QString temp = testsupport::freshFolder(QStringLiteral("program-temp"));
    const QString out = testsupport::freshFolder(QStringLiteral("program-out"));
    const QByteArray savedTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(temp));
    ASSERT_TRUE(runOnDesktop(QStringLiteral("signal_while_previewing.sh"), {out, QString::fromLatin1(GetParam())}));
    qputenv("TEMP", savedTemp);
    const QString events = QString::fromUtf8(readAll(out + QStringLiteral("/events.log")));
    ASSERT_TRUE(events.contains(QStringLiteral("preview shown"))) << events.toStdString();
    EXPECT_FALSE(events.contains(QStringLiteral("still running"))) << events.toStdString();
    EXPECT_EQ(readAll(out + QStringLiteral("/exit-status")).trimmed(), QByteArray("0"));
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/generated.doc"))) << "a document was made";
    EXPECT_TRUE(QDir(temp).entryList(QDir::Files | QDir::Hidden).isEmpty()) << "and deleted";
}

INSTANTIATE_TEST_SUITE_P(Signals, RealProgramSignal, ::testing::Values("TERM", "HUP"));

TEST_F(SecondStart, BringsTheRunningWindowForwardAndEndsWhileTheFirstRunsOn)
{
    auto first = startProgram();
    ASSERT_TRUE(listening());
    auto second = startProgram();
    EXPECT_TRUE(second->waitForFinished(15000)) << "the second start ends by itself";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    end(*first);
    EXPECT_EQ(first->exitCode(), 0) << "SIGTERM ends it as closing its window does";

    // Once the first has gone, a start is a program of its own again.
    auto third = startProgram();
    EXPECT_FALSE(third->waitForFinished(3000));
    end(*third);
}
