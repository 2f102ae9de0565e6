// The generator against the built-in word processor, which makes a fresh
// object for many of the reads the generator does.
#include "generator/resume.h"
#include "generator/wordrunning.h"
#include "support/scripteddialogs.h"
#include "automation/word/application.h"

#include <gtest/gtest.h>

namespace {

const generator::FieldText records[] = {
    [](const QString &name) { return name + " text"; },
    [](const QString &) { return QString(); },
};

// Runs the generator on `record` with the built-in engine and ends the
// instance it leaves running for the saving steps; the error reports shown.
QStringList generateWithBuiltInEngine(const generator::FieldText &record)
{
    qunsetenv("PARVOLIN_ENGINE");
    testsupport::ScriptedDialogs dialogs;
    const generator::GeneratedDocument result = generator::GenerateResume(record);
    EXPECT_TRUE(result.application && result.document);
    if (result.application)
        result.application->quit();
    EXPECT_FALSE(generator::IsWordRunning());
    return dialogs.errorReports();
}

} // namespace

// Objects the engine made for one read were once used after they had gone,
// which crashed at the table step.
TEST(ResumeWithBuiltInEngine, RunsToItsEndAndLeavesTheDocument)
{
    for (const auto &record : records)
        generateWithBuiltInEngine(record);
}

TEST(ResumeWithBuiltInEngine, EveryStepSucceeds)
{
    for (const auto &record : records) {
        const QStringList reports = generateWithBuiltInEngine(record);
        EXPECT_TRUE(reports.isEmpty()) << reports.join("\n").toStdString();
    }
}
