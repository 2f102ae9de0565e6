// The generator against each real engine: the built-in one, which makes a
// fresh object for many of the reads the generator does, and LibreOffice,
// which runs as one process of its own for the whole test program.
#include "generator/resume.h"
#include "generator/wordrunning.h"
#include "support/enginesundertest.h"
#include "support/scripteddialogs.h"
#include "automation/word/application.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const generator::FieldText records[] = {
    [](const QString &name) { return name + " text"; },
    [](const QString &) { return QString(); },
};

// Runs the generator on `record` with the selected engine and ends the
// instance it leaves running for the saving steps; the error reports shown.
QStringList generate(const generator::FieldText &record)
{
    testsupport::ScriptedDialogs dialogs;
    // Another LibreOffice running on the machine is warned about; the run goes on.
    dialogs.answerNext(shell::MessageAnswer::Yes);
    const generator::GeneratedDocument result = generator::GenerateResume(record);
    EXPECT_TRUE(result.application && result.document);
    if (result.application)
        result.application->quit();
    // A LibreOffice someone else runs on this machine would count as running;
    // the built-in engine's instances are this process's alone.
    if (qEnvironmentVariable("PARVOLIN_ENGINE") != QLatin1String("libreoffice")) {
        EXPECT_FALSE(generator::IsWordRunning());
    }
    return dialogs.errorReports();
}

// What an engine leaves in the temporary folder once its instances are gone:
// nothing but the profile of LibreOffice's one office, which ends with the program.
QStringList leftInTemp()
{
    QStringList left = QDir(qEnvironmentVariable("TEMP")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const QStringList offices = left.filter(QRegularExpression(QStringLiteral("^parvolin-libreoffice-")));
    if (offices.size() == 1)
        left.removeOne(offices.front());
    return left;
}

class ResumeWithEngine : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { testsupport::selectEngine(GetParam()); }
    void TearDown() override { qunsetenv("PARVOLIN_ENGINE"); }
};

} // namespace

// Objects the engine made for one read were once used after they had gone,
// which crashed at the table step.
TEST(ResumeWithBuiltInEngine, RunsToItsEndAndLeavesTheDocument)
{
    qunsetenv("PARVOLIN_ENGINE");
    for (const auto &record : records)
        generate(record);
}

TEST_P(ResumeWithEngine, EveryStepSucceedsAndNothingIsLeftBehind)
{
    for (const auto &record : records) {
        const QStringList reports = generate(record);
        EXPECT_TRUE(reports.isEmpty()) << reports.join("\n").toStdString();
        EXPECT_TRUE(leftInTemp().isEmpty()) << leftInTemp().join(' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, ResumeWithEngine, ::testing::ValuesIn(testsupport::enginesUnderTest()),
                         [](const auto &info) { return info.param; });
